# Installation (cmake --install, GNUInstallDirs) and the Debian package
# (cpack -G DEB, see scripts/package): the executables in bin/, the program
# folder's data in share/talvoren/.
install(TARGETS talvoren-cal RUNTIME DESTINATION "${CMAKE_INSTALL_BINDIR}")
if(TALVOREN_GUI)
  install(TARGETS talvoren RUNTIME DESTINATION "${CMAKE_INSTALL_BINDIR}")
endif()
install(DIRECTORY "${TALVOREN_PROGRAM_DIR}/Html" DESTINATION "${TALVOREN_DATA_INSTALL_DIR}")
# The language folders as built, never the program folder's copies, which a
# user of the build may have changed.
install(DIRECTORY "${TALVOREN_SHIPPED_LANGUAGE_DIR}/Vietnam" "${TALVOREN_SHIPPED_LANGUAGE_DIR}/English"
        DESTINATION "${TALVOREN_DATA_INSTALL_DIR}")
install(FILES "${TALVOREN_PROGRAM_DIR}/Bible.db" DESTINATION "${TALVOREN_DATA_INSTALL_DIR}" OPTIONAL)
# The program's translations, when the build makes them.
install(DIRECTORY "${TALVOREN_PROGRAM_DIR}/translations" DESTINATION "${TALVOREN_DATA_INSTALL_DIR}" OPTIONAL)

set(CPACK_PACKAGE_NAME "talvoren")
set(CPACK_PACKAGE_VENDOR "Sorvane Network")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Catholic liturgical calendar of Vietnam")
set(CPACK_PACKAGE_DESCRIPTION
    "Talvoren works out the liturgical day of any date of any year as the Church\n"
    "in Vietnam keeps it: season, week, celebration, rank, colour, lectionary\n"
    "cycles and readings, with the Vietnamese lunar date and the notes of the\n"
    "date. It shows day pages, month lists and wall calendars and the text of\n"
    "the cited scripture passages, and exports iCalendar files and web pages.")
string(REPLACE ";" "" CPACK_PACKAGE_DESCRIPTION "${CPACK_PACKAGE_DESCRIPTION}")
set(CPACK_PACKAGE_CONTACT "Talvoren maintainers <talvoren@sorvane.net>")
set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)   # talvoren_<version>_<arch>.deb
set(CPACK_DEBIAN_PACKAGE_SECTION "misc")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${TALVOREN_REPOSITORY_URL}")
# Libraries from dpkg-shlibdeps; then what the program needs beside them:
# the browser engine's helper process, the Qt platform plugins and the fonts
# of the pages.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
if(TALVOREN_GUI)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6webenginecore6-bin, qt6-qpa-plugins, fonts-dejavu-core")
endif()
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)

# Runs lupdate over the sources into a copy of each .ts file and fails when a
# message of the copy is unfinished (a text without translation, new or not)
# or vanished/obsolete (a translation whose text the sources no longer have).
# Given: LUPDATE, TS_FILES, SOURCES, OPTIONS, WORK_DIR.
file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}")
set(failed FALSE)
foreach(ts IN LISTS TS_FILES)
  get_filename_component(name "${ts}" NAME)
  set(copy "${WORK_DIR}/${name}")
  file(COPY_FILE "${ts}" "${copy}")
  execute_process(COMMAND "${LUPDATE}" ${OPTIONS} ${SOURCES} -ts "${copy}"
                  RESULT_VARIABLE result OUTPUT_QUIET ERROR_VARIABLE errors)
  if(NOT result EQUAL 0)
    message(SEND_ERROR "lupdate failed on ${name}: ${errors}")
    set(failed TRUE)
    continue()
  endif()
  file(READ "${copy}" text)
  string(REGEX MATCHALL "<source>[^<]*</source>[ \t\r\n]*<translation type=\"(unfinished|vanished|obsolete)\""
         problems "${text}")
  foreach(problem IN LISTS problems)
    string(REGEX REPLACE "[ \t\r\n]*<translation type=\"([a-z]+)\"" " (\\1)" problem "${problem}")
    string(REGEX REPLACE "</?source>" "\"" problem "${problem}")
    message(SEND_ERROR "${name}: ${problem}")
    set(failed TRUE)
  endforeach()
endforeach()
if(failed)
  message(FATAL_ERROR "Translations are incomplete: run the target update_translations, then translate "
                      "every unfinished message and drop the vanished ones (Qt Linguist or a text editor).")
endif()
message(STATUS "Every text is translated in: ${TS_FILES}")

#include "platform/DesktopShortcut.h"
#include "platform/SystemPaths.h"
#include "tests/support/TestFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sys/stat.h>

using namespace talvoren;

TEST(DesktopShortcut, WhereTheLauncherGoes)
{
    CTestFolder home;
    ::mkdir(home.File("Desktop").c_str(), 0755);
    ::mkdir(home.File("Bureau").c_str(), 0755);
    const std::string exe = "/opt/talvoren/talvoren";
    // An executable on a CD-ROM gets none.
    EXPECT_EQ(DesktopShortcutPath(exe, true, home.File("Bureau"), home.Path()), "");
    // The user's desktop folder when it exists, with or without a trailing separator.
    EXPECT_EQ(DesktopShortcutPath(exe, false, home.File("Bureau"), home.Path()), home.File("Bureau/talvoren.desktop"));
    EXPECT_EQ(DesktopShortcutPath(exe, false, home.File("Bureau/"), home.Path()), home.File("Bureau/talvoren.desktop"));
    // Else the home folder's Desktop, even when that folder is missing.
    EXPECT_EQ(DesktopShortcutPath(exe, false, home.File("Missing"), "/home/anna"), "/home/anna/Desktop/talvoren.desktop");
    EXPECT_EQ(DesktopShortcutPath("/opt/x/Cal.exe", false, "", "/home/anna"), "/home/anna/Desktop/Cal.desktop");
    // No desktop folder and no home: none.
    EXPECT_EQ(DesktopShortcutPath(exe, false, "", ""), "");
}

TEST(DesktopShortcut, WritesOnceAndNeverOverwrites)
{
    CTestFolder home;
    ::mkdir(home.File("Desktop").c_str(), 0755);
    const std::string exe = "/opt/tal voren/talvoren";
    ASSERT_TRUE(MakeDesktopShortcut(exe, false, home.File("Desktop"), home.Path()));
    const std::string text = home.ReadBytes("Desktop/talvoren.desktop");
    EXPECT_NE(text.find("[Desktop Entry]\n"), std::string::npos);
    EXPECT_NE(text.find("Type=Application\n"), std::string::npos);
    EXPECT_NE(text.find("Exec=\"/opt/tal voren/talvoren\"\n"), std::string::npos);
    struct stat info {};
    ASSERT_EQ(::stat(home.File("Desktop/talvoren.desktop").c_str(), &info), 0);
    EXPECT_TRUE(info.st_mode & S_IXUSR);

    // An existing file of that name is left untouched, whatever it holds.
    home.WriteBytes("Desktop/talvoren.desktop", "my own file");
    EXPECT_FALSE(MakeDesktopShortcut(exe, false, home.File("Desktop"), home.Path()));
    EXPECT_EQ(home.ReadBytes("Desktop/talvoren.desktop"), "my own file");

    // Deleted, it comes back at the next start.
    home.Remove("Desktop/talvoren.desktop");
    EXPECT_TRUE(MakeDesktopShortcut(exe, false, home.File("Desktop"), home.Path()));

    // From a CD-ROM nothing is written.
    CTestFolder other;
    ::mkdir(other.File("Desktop").c_str(), 0755);
    EXPECT_FALSE(MakeDesktopShortcut(exe, true, other.File("Desktop"), other.Path()));
    EXPECT_FALSE(PathExists(other.File("Desktop/talvoren.desktop")));
}

TEST(DesktopShortcut, ExecValueEscapesReservedCharacters)
{
    EXPECT_NE(DesktopEntryText("/a/$b\"c", "x").find("Exec=\"/a/\\\\$b\\\\\"c\"\n"), std::string::npos);
    EXPECT_NE(DesktopEntryText("/a\\b", "x").find("Exec=\"/a\\\\\\\\b\"\n"), std::string::npos);
}

TEST(DesktopShortcut, DesktopFolderFromTheUserFolderSettings)
{
    CTestFolder config;
    const char* oldHome = std::getenv("HOME");
    const std::string savedHome = oldHome ? oldHome : "";
    const char* oldXdg = std::getenv("XDG_CONFIG_HOME");
    const std::string savedXdg = oldXdg ? oldXdg : "";
    ::setenv("HOME", "/home/anna", 1);
    ::setenv("XDG_CONFIG_HOME", config.Path().c_str(), 1);
    EXPECT_EQ(UserDesktopFolder(), "");
    config.WriteBytes("user-dirs.dirs", "# comment\nXDG_DOWNLOAD_DIR=\"$HOME/Down\"\nXDG_DESKTOP_DIR=\"$HOME/Bureau\"\n");
    EXPECT_EQ(UserDesktopFolder(), "/home/anna/Bureau");
    config.WriteBytes("user-dirs.dirs", "XDG_DESKTOP_DIR=\"/data/desk\"\n");
    EXPECT_EQ(UserDesktopFolder(), "/data/desk");
    ::setenv("HOME", savedHome.c_str(), 1);
    if (oldXdg)
        ::setenv("XDG_CONFIG_HOME", savedXdg.c_str(), 1);
    else
        ::unsetenv("XDG_CONFIG_HOME");
}

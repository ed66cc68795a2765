// Where the program reads its data and writes the user's: beside the
// executable for a build, share/talvoren and the user's data folder for an
// installed program or a program folder that cannot be written.

#include "platform/SystemPaths.h"
#include "tests/support/TestFolder.h"
#include "tests/support/WithoutFileOverride.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <sys/stat.h>

using namespace talvoren;
namespace fs = std::filesystem;

TEST(SystemPaths, DataFoldersOfABuildAndOfAnInstalledProgram)
{
    CTestFolder root;
    const std::string user = root.File("home-data");
    ::setenv("XDG_DATA_HOME", user.c_str(), 1);
    struct CASE {
        const char* what;
        const char* dataBeside;   // a data folder beside the executable, or nullptr
        bool readOnly;
        const char* shipped;      // relative to the test folder
        bool split;
    };
    const CASE cases[] = {
        {"a build", "Html", false, "build/bin", false},
        {"a build without pages", "Vietnam", false, "build/bin", false},
        {"a build that cannot be written", "Html", true, "build/bin", true},
        {"an installed program", nullptr, false, "usr/share/talvoren", true},
    };
    for (const CASE& test : cases) {
        fs::remove_all(root.File("build"));
        fs::remove_all(root.File("usr"));
        const std::string bin = root.File(test.dataBeside ? "build/bin" : "usr/bin");
        fs::create_directories(bin);
        if (test.dataBeside)
            fs::create_directory(bin + "/" + test.dataBeside);
        DATAFOLDERS folders;
        {
            const CWithoutFileOverride asUser;
            if (test.readOnly && !asUser.Active())
                continue;
            if (test.readOnly)
                ::chmod(bin.c_str(), 0555);
            folders = FindDataFolders(bin);
            ::chmod(bin.c_str(), 0755);
        }
        EXPECT_EQ(folders.strShipped, root.File(test.shipped)) << test.what;
        EXPECT_EQ(folders.strUser, test.split ? user + "/talvoren" : bin) << test.what;
        EXPECT_EQ(folders.IsSplit(), test.split) << test.what;
        EXPECT_EQ(folders.LanguageFolder("English"), folders.strUser + "/English/") << test.what;
        EXPECT_EQ(folders.ShippedLanguageFolder("English"), test.split ? folders.strShipped + "/English/" : "")
            << test.what;
    }
    ::unsetenv("XDG_DATA_HOME");
}

// Replacing a user's file: through symbolic links to their target, keeping
// the mode and the group, never leaving a temporary file, and leaving the
// file as it was on every failure.

#include "platform/FileReplacement.h"
#include "tests/support/TestFolder.h"
#include "tests/support/WithoutFileOverride.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <sys/stat.h>
#include <unistd.h>

using namespace talvoren;

namespace fs = std::filesystem;

namespace
{
std::set<std::string> Names(const std::string& folder)
{
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

mode_t ModeOf(const std::string& path)
{
    struct stat info {};
    ::stat(path.c_str(), &info);
    return info.st_mode & 07777;
}
} // namespace

TEST(FileReplacement, WritesGoThroughLinksToTheirTargetWhichKeepsItsMode)
{
    const mode_t mask = ::umask(022);
    struct CASE {
        const char* where;
        std::vector<std::pair<std::string, std::string>> links;   // link name -> what it points to
        const char* written;                                        // the path written
        const char* target;                                         // the file that gets the bytes
        mode_t oldMode;                                             // 0: no file before
    };
    const CASE cases[] = {
        {"a new file", {}, "notes", "notes", 0},
        {"a plain file", {}, "notes", "notes", 0640},
        {"a link to a file in another folder", {{"notes", "real/notes"}}, "notes", "real/notes", 0600},
        {"a chain of two links", {{"notes", "hop"}, {"hop", "real/notes"}}, "notes", "real/notes", 0644},
        {"a link to nothing yet", {{"notes", "real/notes"}}, "notes", "real/notes", 0},
    };
    for (const CASE& test : cases) {
        CTestFolder folder;
        fs::create_directory(folder.File("real"));
        for (const auto& [link, to] : test.links)
            ASSERT_EQ(::symlink(to.c_str(), folder.File(link).c_str()), 0) << test.where;
        if (test.oldMode != 0) {
            folder.WriteBytes(test.target, "old");
            ASSERT_EQ(::chmod(folder.File(test.target).c_str(), test.oldMode), 0);
        }
        const std::set<std::string> before = Names(folder.Path());
        const std::set<std::string> beforeReal = Names(folder.File("real"));
        std::string error;
        ASSERT_TRUE(ReplaceFileContents(folder.File(test.written), "new", error)) << test.where << ": " << error;
        EXPECT_EQ(folder.ReadBytes(test.target), "new") << test.where;
        EXPECT_EQ(ModeOf(folder.File(test.target)), test.oldMode != 0 ? test.oldMode : 0644) << test.where;
        for (const auto& link : test.links)
            EXPECT_TRUE(fs::is_symlink(folder.File(link.first))) << test.where;
        // No temporary file is left: only the target is new, if anything.
        std::set<std::string> expected = before;
        std::set<std::string> expectedReal = beforeReal;
        (std::string(test.target).find('/') == std::string::npos ? expected : expectedReal)
            .insert(fs::path(test.target).filename());
        EXPECT_EQ(Names(folder.Path()), expected) << test.where;
        EXPECT_EQ(Names(folder.File("real")), expectedReal) << test.where;
    }
    ::umask(mask);
}

TEST(FileReplacement, TheGroupIsKeptWhereTheUserMayKeepIt)
{
    CTestFolder folder;
    folder.WriteBytes("settings.ini", "old");
    const gid_t other = ::getegid() == 0 ? 4242 : ::getegid();
    if (::chown(folder.File("settings.ini").c_str(), static_cast<uid_t>(-1), other) != 0)
        GTEST_SKIP() << "the group cannot be changed here";
    std::string error;
    ASSERT_TRUE(ReplaceFileContents(folder.File("settings.ini"), "new", error)) << error;
    struct stat info {};
    ASSERT_EQ(::stat(folder.File("settings.ini").c_str(), &info), 0);
    EXPECT_EQ(info.st_gid, other);
}

TEST(FileReplacement, FailuresLeaveTheFileAsItWas)
{
    struct CASE {
        const char* where;
        const char* expected;   // part of the error
    };
    const CASE cases[] = {
        {"a link loop", "a symbolic link loop"},
        {"a folder in the file's place", "Is a directory"},
        {"a folder that cannot be written", "Permission denied"},
    };
    for (const CASE& test : cases) {
        CTestFolder folder;
        fs::create_directory(folder.File("sub"));
        std::string path = folder.File("sub/notes");
        const std::string where = test.where;
        if (where == "a link loop") {
            ASSERT_EQ(::symlink("loop", path.c_str()), 0);
            ASSERT_EQ(::symlink("notes", folder.File("sub/loop").c_str()), 0);
        } else if (where == "a folder in the file's place") {
            fs::create_directory(path);
        } else {
            folder.WriteBytes("sub/notes", "old");
        }
        const std::set<std::string> before = Names(folder.File("sub"));
        ASSERT_EQ(::chmod(folder.File("sub").c_str(), where == "a folder that cannot be written" ? 0555 : 0755), 0);
        std::string error;
        bool replaced = true;
        {
            const CWithoutFileOverride asUser;
            if (!asUser.Active() && where == "a folder that cannot be written")
                continue;
            replaced = ReplaceFileContents(path, "new", error);
        }
        ::chmod(folder.File("sub").c_str(), 0755);
        EXPECT_FALSE(replaced) << where;
        EXPECT_NE(error.find(test.expected), std::string::npos) << where << ": " << error;
        EXPECT_EQ(Names(folder.File("sub")), before) << where;
        if (where == "a folder that cannot be written") {
            EXPECT_EQ(folder.ReadBytes("sub/notes"), "old");
        }
    }
}

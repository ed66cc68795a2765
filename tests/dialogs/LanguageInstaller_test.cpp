#include "dialogs/LanguageInstaller.h"
#include "engine/LanguageState.h"
#include "platform/MessageSink.h"
#include "platform/SystemPaths.h"
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
// Records messages with their captions.
class CMessageLog : public CMessageSink
{
public:
    CMessageLog() : m_previous(SetMessageSink(this)) {}
    ~CMessageLog() override { SetMessageSink(m_previous); }
    void ShowMessage(const MESSAGETEXT& message, MessageIcon icon, const std::string& caption) override
    {
        m_entries.push_back({message.Text(), caption, icon});
    }
    struct ENTRY { std::string text, caption; MessageIcon icon; };
    std::vector<ENTRY> m_entries;

private:
    CMessageSink* m_previous;
};

std::set<std::string> Names(const std::string& folder)
{
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

// A program folder with a language folder "Vietnam" of a few files.
class LanguageInstallTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        fs::create_directory(m_program.File("Vietnam"));
        m_program.WriteBytes("Vietnam/utitles.txt", "vietnamese titles");
        m_program.WriteBytes("Vietnam/uNote.txt", "vietnamese notes");
        m_program.WriteBytes("Vietnam/a.txt", "one-letter base name");
        m_program.WriteBytes("Vietnam/x", "one-letter name");
        m_program.WriteBytes("Vietnam/.hidden", "no base name");
        m_state.strFolder = m_program.File("Vietnam/");
        m_state.nSyntax = 1;
    }
    std::string Program() const
    {
        std::string path = m_program.Path();
        path.pop_back();   // the program folder has no trailing separator
        return path;
    }

    CTestFolder m_program;
    CLanguageState m_state;
    CMessageLog m_log;
};
} // namespace

TEST(LanguageInstaller, TheFullAndTheShortList)
{
    const std::vector<std::string> full = CLanguageInstaller::LanguageNames(false);
    ASSERT_EQ(full.size(), 21u);
    EXPECT_EQ(full.front(), "English");
    EXPECT_EQ(full[1], "German");
    EXPECT_EQ(full[2], "Chinese");   // the list's own order, not sorted
    EXPECT_EQ(full.back(), "Vietnamese");
    EXPECT_EQ(CLanguageInstaller::LanguageNames(true), (std::vector<std::string>{"English", "German", "Vietnamese"}));
}

TEST(LanguageInstaller, FoldersOfLanguagesAndNames)
{
    const std::pair<const char*, const char*> folders[] = {
        {"Vietnamese", "Vietnam"}, {"VIETNAMESE", "Vietnam"}, {"vietNamese", "Vietnam"},
        {"English", "English"},    {"Vietnam", "Vietnam"},    {"Vietnamese2", "Vietnamese2"},
    };
    for (const auto& [language, folder] : folders)
        EXPECT_EQ(CLanguageInstaller::FolderName(language), folder) << language;

    EXPECT_EQ(CLanguageInstaller::TargetFolder("/opt/cal", "German"), "/opt/cal/German/");
    EXPECT_EQ(CLanguageInstaller::TargetFolder("/opt/cal/", "German"), "/opt/cal/German/");

    struct Split { const char* path; const char* base; const char* extension; };
    const Split splits[] = {
        {"/f/uNote.txt", "uNote", ".txt"}, {"/f/.", "", "."},         {"/f/..", ".", "."},
        {"/f/a.txt", "a", ".txt"},         {"/f/x", "x", ""},         {"/f/.hidden", "", ".hidden"},
        {"/f/a.b.txt", "a.b", ".txt"},     {"README", "README", ""},
    };
    for (const Split& split : splits) {
        std::string base, extension;
        CLanguageInstaller::SplitName(split.path, &base, &extension);
        EXPECT_EQ(base, split.base) << split.path;
        EXPECT_EQ(extension, split.extension) << split.path;
    }
}

TEST(LanguageInstaller, FilesAreCopiedByteForByteAcrossBlockBoundaries)
{
    CTestFolder folder;
    CMessageLog log;
    for (std::size_t size : {0u, 1u, 4095u, 4096u, 4097u, 8192u, 10000u}) {
        std::string bytes(size, '\0');
        for (std::size_t i = 0; i < size; ++i)
            bytes[i] = static_cast<char>((i * 7 + 3) % 256);   // every byte value, zeros included
        folder.WriteBytes("source", bytes);
        ASSERT_TRUE(CLanguageInstaller::CopyFileByBlocks(folder.File("source"), folder.File("copy"))) << size;
        EXPECT_EQ(folder.ReadBytes("copy"), bytes) << size;
    }
    folder.WriteBytes("copy", std::string(9000, 'x'));   // an existing destination is truncated
    folder.WriteBytes("source", "short");
    ASSERT_TRUE(CLanguageInstaller::CopyFileByBlocks(folder.File("source"), folder.File("copy")));
    EXPECT_EQ(folder.ReadBytes("copy"), "short");
    EXPECT_TRUE(log.m_entries.empty());
}

TEST(LanguageInstaller, FileErrorMessages)
{
    EXPECT_EQ(CLanguageInstaller::FileErrorMessage("/a/b", EACCES), "Access to /a/b was denied.");
    EXPECT_EQ(CLanguageInstaller::FileErrorMessage("/a/b", ENOENT), "/a/b was not found.");
    EXPECT_EQ(CLanguageInstaller::FileErrorMessage(std::string(2000, 'p'), EACCES).size(), 1024u);
}

TEST_F(LanguageInstallTest, ANewLanguageGetsAFolderFilledFromTheCurrentOne)
{
    ASSERT_TRUE(CLanguageInstaller::Install(DATAFOLDERS{Program(), Program()}, "German", false, m_state));
    EXPECT_EQ(m_state.strFolder, m_program.File("German/"));
    EXPECT_EQ(m_state.nSyntax, 0);
    // Every file whose base name has more than one character, the notes too.
    EXPECT_EQ(Names(m_program.File("German")), (std::set<std::string>{"utitles.txt", "uNote.txt"}));
    EXPECT_EQ(m_program.ReadBytes("German/utitles.txt"), "vietnamese titles");
    EXPECT_EQ(m_program.ReadBytes("German/uNote.txt"), "vietnamese notes");
    EXPECT_TRUE(m_log.m_entries.empty());
}

TEST_F(LanguageInstallTest, ANewFolderIsFilledFromTheCurrentFolderEvenWhenItIsNotVietnam)
{
    fs::create_directory(m_program.File("English"));
    m_program.WriteBytes("English/utitles.txt", "english titles");
    m_state.strFolder = m_program.File("English/");
    ASSERT_TRUE(CLanguageInstaller::Install(DATAFOLDERS{Program(), Program()}, "German", true, m_state));
    EXPECT_EQ(m_state.strFolder, m_program.File("German/"));
    EXPECT_EQ(m_state.nSyntax, 1);
    EXPECT_EQ(Names(m_program.File("German")), (std::set<std::string>{"utitles.txt"}));
    EXPECT_EQ(m_program.ReadBytes("German/utitles.txt"), "english titles");
}

TEST_F(LanguageInstallTest, AnExistingFolderIsOnlySwitchedTo)
{
    // The current folder chosen again: only the word order changes.
    ASSERT_TRUE(CLanguageInstaller::Install(DATAFOLDERS{Program(), Program()}, "Vietnamese", false, m_state));
    EXPECT_EQ(m_state.strFolder, m_program.File("Vietnam/"));
    EXPECT_EQ(m_state.nSyntax, 0);
    EXPECT_FALSE(fs::exists(m_program.File("Vietnamese")));

    fs::create_directory(m_program.File("English"));
    ASSERT_TRUE(CLanguageInstaller::Install(DATAFOLDERS{Program(), Program()}, "English", true, m_state));
    EXPECT_EQ(m_state.strFolder, m_program.File("English/"));
    EXPECT_TRUE(Names(m_program.File("English")).empty());   // nothing copied into an existing folder
}

// An installed program: a shipped language is switched to without a copy; a
// new one is made in the user's folder from the shipped files with the
// user's own over them.
TEST_F(LanguageInstallTest, AnInstalledProgramMakesNewLanguagesInTheUsersFolder)
{
    const DATAFOLDERS folders{m_program.File("share"), m_program.File("user")};
    fs::create_directories(m_program.File("share/English"));
    fs::rename(m_program.File("Vietnam"), m_program.File("share/Vietnam"));
    m_program.WriteBytes("user/Vietnam/uNote.txt", "the user's notes");
    m_state.strFolder = folders.LanguageFolder("Vietnam");
    m_state.strShippedFolder = folders.ShippedLanguageFolder("Vietnam");

    CLanguageState english = m_state;
    ASSERT_TRUE(CLanguageInstaller::Install(folders, "English", false, english));
    EXPECT_EQ(english.strFolder, m_program.File("user/English/"));
    EXPECT_EQ(english.strShippedFolder, m_program.File("share/English/"));
    EXPECT_FALSE(fs::exists(m_program.File("user/English")));

    ASSERT_TRUE(CLanguageInstaller::Install(folders, "German", false, m_state));
    EXPECT_EQ(m_state.strFolder, m_program.File("user/German/"));
    EXPECT_EQ(Names(m_program.File("user/German")), (std::set<std::string>{"utitles.txt", "uNote.txt"}));
    EXPECT_EQ(m_program.ReadBytes("user/German/uNote.txt"), "the user's notes");
    EXPECT_EQ(m_program.ReadBytes("user/German/utitles.txt"), "vietnamese titles");
    EXPECT_TRUE(m_log.m_entries.empty());
}

// A new language folder is all or nothing: entries that are no files are
// skipped (folders silently, the others named in a message), and any
// failure leaves no folder, half-filled or temporary, and the state as it
// was, with a message that says why.
TEST(LanguageInstaller, ANewFolderIsAllOrNothing)
{
    struct CASE {
        const char* what;
        bool installed;
        std::vector<const char*> messages;   // a part of each message, in order
    };
    const CASE cases[] = {
        {"a subfolder", true, {}},
        {"a link to nothing", true, {"uOrdo.txt (a link to nothing)"}},
        {"a named pipe", true, {"uLocal.txt (a named pipe)"}},
        {"a file that cannot be read", false, {"was denied", "Cannot copy "}},
        {"a read-only program folder", false, {"is read-only (Permission denied)"}},
        {"a file in the folder's place", false, {"cannot be put in place: Not a directory"}},
    };
    for (const CASE& test : cases) {
        CTestFolder program;
        CMessageLog log;
        fs::create_directory(program.File("Vietnam"));
        program.WriteBytes("Vietnam/utitles.txt", "vietnamese titles");
        program.WriteBytes("Vietnam/uNote.txt", "vietnamese notes");
        CLanguageState state;
        state.strFolder = program.File("Vietnam/");
        const std::string what = test.what;
        if (what == "a subfolder") {
            fs::create_directory(program.File("Vietnam/Images"));
        } else if (what == "a link to nothing") {
            ASSERT_EQ(::symlink(program.File("nowhere").c_str(), program.File("Vietnam/uOrdo.txt").c_str()), 0);
        } else if (what == "a named pipe") {
            ASSERT_EQ(::mkfifo(program.File("Vietnam/uLocal.txt").c_str(), 0644), 0);
        } else if (what == "a file that cannot be read") {
            ASSERT_EQ(::chmod(program.File("Vietnam/utitles.txt").c_str(), 0), 0);
        } else if (what == "a read-only program folder") {
            ASSERT_EQ(::chmod(program.Path().c_str(), 0555), 0);
        } else {
            program.WriteBytes("German", "a file");
        }
        const std::set<std::string> before = Names(program.Path());
        std::string folder = program.Path();
        folder.pop_back();
        bool installed = false;
        {
            const CWithoutFileOverride asUser;
            if (!asUser.Active() && (what == "a file that cannot be read" || what == "a read-only program folder"))
                continue;
            installed = CLanguageInstaller::Install(DATAFOLDERS{folder, folder}, "German", false, state);
        }
        ::chmod(program.Path().c_str(), 0755);
        EXPECT_EQ(installed, test.installed) << what;
        ASSERT_EQ(log.m_entries.size(), test.messages.size()) << what;
        for (std::size_t i = 0; i < test.messages.size(); ++i)
            EXPECT_NE(log.m_entries[i].text.find(test.messages[i]), std::string::npos) << log.m_entries[i].text;
        if (test.installed) {
            EXPECT_EQ(state.strFolder, program.File("German/")) << what;
            EXPECT_EQ(Names(program.File("German")), (std::set<std::string>{"utitles.txt", "uNote.txt"})) << what;
        } else {
            EXPECT_EQ(state.strFolder, program.File("Vietnam/")) << what;
            EXPECT_EQ(Names(program.Path()), before) << what;   // nothing made, nothing left behind
        }
    }
}

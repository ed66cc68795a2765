#include "dialogs/LanguageInstaller.h"
#include "engine/LanguageState.h"
#include "platform/MessageSink.h"
#include "tests/support/TestFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
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
    void ShowMessage(const std::string& text, MessageIcon icon, const std::string& caption) override
    {
        m_entries.push_back({text, caption, icon});
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

TEST(LanguageInstaller, FoldersAreCreatedOutermostFirst)
{
    CTestFolder root;
    CLanguageInstaller::CreateFolderPath(root.File("one/two/three/"));
    EXPECT_TRUE(fs::is_directory(root.File("one/two/three")));
    CLanguageInstaller::CreateFolderPath(root.File("one/two/three/"));   // all there: nothing to do
    EXPECT_TRUE(fs::is_directory(root.File("one/two/three")));
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
    ASSERT_TRUE(CLanguageInstaller::Install(Program(), "German", false, m_state));
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
    ASSERT_TRUE(CLanguageInstaller::Install(Program(), "German", true, m_state));
    EXPECT_EQ(m_state.strFolder, m_program.File("German/"));
    EXPECT_EQ(m_state.nSyntax, 1);
    EXPECT_EQ(Names(m_program.File("German")), (std::set<std::string>{"utitles.txt"}));
    EXPECT_EQ(m_program.ReadBytes("German/utitles.txt"), "english titles");
}

TEST_F(LanguageInstallTest, AnExistingFolderIsOnlySwitchedTo)
{
    // The current folder chosen again: only the word order changes.
    ASSERT_TRUE(CLanguageInstaller::Install(Program(), "Vietnamese", false, m_state));
    EXPECT_EQ(m_state.strFolder, m_program.File("Vietnam/"));
    EXPECT_EQ(m_state.nSyntax, 0);
    EXPECT_FALSE(fs::exists(m_program.File("Vietnamese")));

    fs::create_directory(m_program.File("English"));
    ASSERT_TRUE(CLanguageInstaller::Install(Program(), "English", true, m_state));
    EXPECT_EQ(m_state.strFolder, m_program.File("English/"));
    EXPECT_TRUE(Names(m_program.File("English")).empty());   // nothing copied into an existing folder
}

TEST_F(LanguageInstallTest, AFolderInTheLanguageFolderStopsTheSwitch)
{
    fs::create_directory(m_program.File("Vietnam/Images"));
    const CLanguageState before = m_state;
    EXPECT_FALSE(CLanguageInstaller::Install(Program(), "German", false, m_state));
    EXPECT_EQ(m_state.strFolder, before.strFolder);
    EXPECT_EQ(m_state.nSyntax, before.nSyntax);
    ASSERT_EQ(m_log.m_entries.size(), 2u);
    EXPECT_EQ(m_log.m_entries[0].text, m_program.File("Vietnam/Images") + " is a folder and cannot be opened as a file.");
    EXPECT_EQ(m_log.m_entries[1].text,
              "Cannot copy " + m_program.File("Vietnam/Images") + " into " + m_program.File("German/Images"));
    EXPECT_EQ(m_log.m_entries[1].icon, MessageIcon::Stop);
    EXPECT_TRUE(fs::is_directory(m_program.File("German")));   // the new folder keeps what was copied
}

TEST_F(LanguageInstallTest, AFileThatCannotBeOpenedStopsTheSwitch)
{
    // A link to nothing: listed in the folder, but no file to open.
    ASSERT_EQ(::symlink(m_program.File("nowhere").c_str(), m_program.File("Vietnam/uOrdo.txt").c_str()), 0);
    EXPECT_FALSE(CLanguageInstaller::Install(Program(), "German", false, m_state));
    EXPECT_EQ(m_state.strFolder, m_program.File("Vietnam/"));
    ASSERT_EQ(m_log.m_entries.size(), 2u);
    EXPECT_EQ(m_log.m_entries[0].text, m_program.File("Vietnam/uOrdo.txt"));
    EXPECT_EQ(m_log.m_entries[0].caption, "Cannot open file");
    EXPECT_EQ(m_log.m_entries[0].icon, MessageIcon::Stop);
    EXPECT_EQ(m_log.m_entries[1].text,
              "Cannot copy " + m_program.File("Vietnam/uOrdo.txt") + " into " + m_program.File("German/uOrdo.txt"));
}

TEST_F(LanguageInstallTest, AFolderThatCannotBeMadeStopsTheSwitch)
{
    // "German" is taken by a file: the folder cannot be made, the copy fails.
    m_program.WriteBytes("German", "a file");
    EXPECT_FALSE(CLanguageInstaller::Install(Program(), "German", false, m_state));
    EXPECT_EQ(m_state.strFolder, m_program.File("Vietnam/"));
    ASSERT_EQ(m_log.m_entries.size(), 2u);
    EXPECT_NE(m_log.m_entries[1].text.find("Cannot copy "), std::string::npos);
    EXPECT_EQ(m_program.ReadBytes("German"), "a file");
}

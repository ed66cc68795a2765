#include "dialogs/NotesFile.h"
#include "tests/engine/EngineTestData.h"
#include "tests/support/TestFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

using namespace talvoren;

namespace
{
std::vector<NOTEROW> DecodeText(const std::string& utf8)
{
    const std::string bytes = CTestFolder::EncodeUtf16(utf8);
    std::vector<NOTEROW> rows;
    CNotesFile::Decode(bytes.data(), bytes.size(), rows);
    return rows;
}

bool EndsWith(const std::string& text, const std::string& end)
{
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// The bytes of lines written as the dialog writes them, by the test's own encoder.
std::string Lines(const std::string& utf8WithCrLf)
{
    return CTestFolder::EncodeUtf16(utf8WithCrLf);
}
} // namespace

TEST(NotesFile, PathsAreInTheVietnamFolder)
{
    EXPECT_EQ(CNotesFile::NotesPath("/opt/cal"), "/opt/cal/Vietnam/uNote.txt");
    EXPECT_EQ(CNotesFile::NotesPath("/opt/cal/"), "/opt/cal/Vietnam/uNote.txt");
    EXPECT_EQ(CNotesFile::TemporaryPath("/opt/cal"), "/opt/cal/Vietnam/tNote.txt");
}

TEST(NotesFile, LinesBecomeRows)
{
    struct Case { const char* text; std::vector<NOTEROW> rows; };
    const Case cases[] = {
        {"2\t9\tX\r\n3\t9\tZ\r\n", {{"2", "9", "X"}, {"3", "9", "Z"}}},
        {"2\t9\tX\n3\t9\tZ", {{"2", "9", "X"}, {"3", "9", "Z"}}},                  // line feeds, no last end
        {"2\t9\tX\rY3\t9\tZ", {{"2", "9", "X"}, {"3", "9", "Z"}}},                 // CR takes the next unit
        {"  # a comment\r\n\r\n   \r\n5\t6\tsix", {{"5", "6", "six"}}},            // comments, blank lines
        {"5\t6\ta # inside\r\n", {{"5", "6", "a # inside"}}},                     // only a leading # comments
        {"7\r\n", {{"7", "", ""}}},                                               // no tab: only the day
        {"7\t8\r\n", {{"7", "8", ""}}},
        {"1\t2\tthree\tfour\tfive\r\n", {{"1", "2", "three"}}},                   // later fields dropped
        {"  1\t2\tnote with blanks  \r\n", {{"1", "2", "note with blanks"}}},     // the line is trimmed
        {"\xEF\xBB\xBF" "4\t5\tbom\r\n", {{"4", "5", "bom"}}},                    // byte-order mark skipped
        {"24\t12\tĐêm Giáng Sinh\r\n", {{"24", "12", "Đêm Giáng Sinh"}}},
        {"", {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DecodeText(c.text), c.rows) << c.text;
}

TEST(NotesFile, CompleteRowsAreTrimmedAndKeptOnOneLine)
{
    struct Case { NOTEROW row; bool kept; NOTEROW clean; };
    const Case cases[] = {
        {{"2", "9", "X"}, true, {"2", "9", "X"}},
        {{" 5 ", "\t6", "text  "}, true, {"5", "6", "text"}},
        {{"5", "", "month missing"}, false, {}},
        {{"5", "6", "   "}, false, {}},
        {{"", "6", "day missing"}, false, {}},
        {{"5", "6", "pasted\ttab"}, true, {"5", "6", "pasted tab"}},
        {{"5", "6", "two\r\nlines"}, true, {"5", "6", "two  lines"}},
        {{"5", "6", "line\nfeed\rreturn"}, true, {"5", "6", "line feed return"}},
        {{"1\t2", "3", "x"}, true, {"1 2", "3", "x"}},
    };
    for (const Case& c : cases) {
        NOTEROW clean;
        ASSERT_EQ(CNotesFile::CleanRow(c.row, &clean), c.kept) << c.row.strText;
        if (c.kept) {
            EXPECT_EQ(clean, c.clean) << c.row.strText;
        }
    }
    EXPECT_EQ(CNotesFile::Encode({{"5", "6", "a\tb"}, {"5", "", "gone"}, {"", "", ""}, {"1", "1", "c\r\nd"}}),
              Lines("5\t6\ta b\r\n1\t1\tc  d\r\n"));
}

TEST(NotesFile, ThreeNotesOpenAsTenRowsAndSaveAsTheSameThreeLines)
{
    CTestFolder folder;
    const std::vector<std::string> notes = {"2\t9\tX", "15\t8\tĐức Mẹ Lên Trời", "24\t12\tnote #1"};
    folder.WriteUtf16("uNote.txt", notes);
    const std::string original = folder.ReadBytes("uNote.txt");

    std::vector<NOTEROW> rows;
    ASSERT_TRUE(CNotesFile::Load(folder.File("uNote.txt"), rows));
    ASSERT_EQ(rows.size(), 3u);
    CNotesFile::PadRows(rows);
    ASSERT_EQ(rows.size(), 10u);
    for (std::size_t i = 3; i < rows.size(); ++i)
        EXPECT_EQ(rows[i], NOTEROW()) << i;

    std::string error;
    ASSERT_TRUE(CNotesFile::Save(folder.File("uNote.txt"), folder.File("tNote.txt"), rows, &error)) << error;
    EXPECT_EQ(folder.ReadBytes("uNote.txt"), original);
    EXPECT_FALSE(std::filesystem::exists(folder.File("tNote.txt")));
}

TEST(NotesFile, MissingFileGivesTenEmptyRowsAndTenLinesGiveNoEmptyRow)
{
    CTestFolder folder;
    std::vector<NOTEROW> rows;
    EXPECT_FALSE(CNotesFile::Load(folder.File("uNote.txt"), rows));
    CNotesFile::PadRows(rows);
    EXPECT_EQ(rows, std::vector<NOTEROW>(10));

    std::vector<std::string> twelve;
    for (int day = 1; day <= 12; ++day)
        twelve.push_back(std::to_string(day) + "\t1\tnote");
    folder.WriteUtf16("uNote.txt", twelve);
    rows.clear();
    ASSERT_TRUE(CNotesFile::Load(folder.File("uNote.txt"), rows));
    CNotesFile::PadRows(rows);
    EXPECT_EQ(rows.size(), 12u);
}

TEST(NotesFile, NoRowsSaveAnEmptyFile)
{
    CTestFolder folder;
    folder.WriteUtf16("uNote.txt", {"2\t9\tX"});
    std::string error;
    ASSERT_TRUE(CNotesFile::Save(folder.File("uNote.txt"), folder.File("tNote.txt"), {}, &error)) << error;
    EXPECT_EQ(std::filesystem::file_size(folder.File("uNote.txt")), 0u);
}

TEST(NotesFile, SaveCreatesAMissingNotesFileAndKeepsItsPermissions)
{
    CTestFolder folder;
    std::string error;
    ASSERT_TRUE(CNotesFile::Save(folder.File("uNote.txt"), folder.File("tNote.txt"), {{"1", "1", "new"}}, &error));
    EXPECT_EQ(folder.ReadBytes("uNote.txt"), Lines("1\t1\tnew\r\n"));

    ASSERT_EQ(::chmod(folder.File("uNote.txt").c_str(), 0600), 0);
    ASSERT_TRUE(CNotesFile::Save(folder.File("uNote.txt"), folder.File("tNote.txt"), {{"2", "2", "again"}}, &error));
    struct stat info;
    ASSERT_EQ(::stat(folder.File("uNote.txt").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
}

// Every way the save can fail leaves the old notes file as it was, removes
// what it wrote, and names the file and the reason.
TEST(NotesFile, FailedSavesNeverLoseTheNotes)
{
    const std::vector<NOTEROW> rows = {{"1", "1", "new note"}};

    {   // The temporary file cannot be created: its name is taken by a folder.
        CTestFolder folder;
        folder.WriteUtf16("uNote.txt", {"2\t9\told"});
        const std::string before = folder.ReadBytes("uNote.txt");
        std::filesystem::create_directory(folder.File("tNote.txt"));
        std::string error;
        EXPECT_FALSE(CNotesFile::Save(folder.File("uNote.txt"), folder.File("tNote.txt"), rows, &error));
        EXPECT_NE(error.find(folder.File("tNote.txt")), std::string::npos) << error;
        EXPECT_NE(error.find("Is a directory"), std::string::npos) << error;
        EXPECT_NE(error.find(folder.File("uNote.txt") + " was left as it was"), std::string::npos) << error;
        EXPECT_EQ(folder.ReadBytes("uNote.txt"), before);
        EXPECT_TRUE(std::filesystem::is_directory(folder.File("tNote.txt")));
    }
    {   // The folder is not reachable: its path runs through a regular file.
        CTestFolder folder;
        folder.WriteBytes("Vietnam", "a file, not a folder");
        std::string error;
        EXPECT_FALSE(CNotesFile::Save(folder.File("Vietnam/uNote.txt"), folder.File("Vietnam/tNote.txt"), rows,
                                      &error));
        EXPECT_NE(error.find("Not a directory"), std::string::npos) << error;
        EXPECT_EQ(folder.ReadBytes("Vietnam"), "a file, not a folder");
    }
    {   // Writing fails: the disk is full (the temporary file leads to /dev/full).
        CTestFolder folder;
        folder.WriteUtf16("uNote.txt", {"2\t9\told"});
        const std::string before = folder.ReadBytes("uNote.txt");
        ASSERT_EQ(::symlink("/dev/full", folder.File("tNote.txt").c_str()), 0);
        std::string error;
        EXPECT_FALSE(CNotesFile::Save(folder.File("uNote.txt"), folder.File("tNote.txt"), rows, &error));
        EXPECT_NE(error.find("cannot write " + folder.File("tNote.txt")), std::string::npos) << error;
        EXPECT_NE(error.find("No space left on device"), std::string::npos) << error;
        EXPECT_EQ(folder.ReadBytes("uNote.txt"), before);
        EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(folder.File("tNote.txt"))));
    }
    {   // The rename fails: the notes file's name is held by a folder with files.
        CTestFolder folder;
        std::filesystem::create_directory(folder.File("uNote.txt"));
        folder.WriteBytes("uNote.txt/keep", "kept");
        std::string error;
        EXPECT_FALSE(CNotesFile::Save(folder.File("uNote.txt"), folder.File("tNote.txt"), rows, &error));
        EXPECT_NE(error.find("cannot replace " + folder.File("uNote.txt")), std::string::npos) << error;
        EXPECT_EQ(folder.ReadBytes("uNote.txt/keep"), "kept");
        EXPECT_FALSE(std::filesystem::exists(folder.File("tNote.txt")));
    }
}

// What the dialog saves is what the year engine reads: the note lands on its day.
TEST(NotesFile, SavedNotesReachTheirDaysInTheEngine)
{
    CEngineTestData data;
    std::string error;
    ASSERT_TRUE(CNotesFile::Save(data.Folder().File("uNote.txt"), data.Folder().File("tNote.txt"),
                                 {{"15", "8", "my note\twith a tab"}, {"", "", ""}, {"3", "9", "second"}}, &error));
    auto engine = data.Engine();
    ASSERT_TRUE(engine->ComputeYear(2002));
    const std::string& august15 = engine->GetDay(CEngineTestData::Index(2002, 8, 15)).strReadings;
    EXPECT_TRUE(EndsWith(august15, "<br>my note with a tab")) << august15;
    const std::string& september3 = engine->GetDay(CEngineTestData::Index(2002, 9, 3)).strReadings;
    EXPECT_TRUE(EndsWith(september3, "<br>second")) << september3;
}

// Found by fuzzing: a first day cell that begins with U+FEFF (a zero-width
// no-break space pasted in) was written as the file's first code unit, which
// every reader skips as a byte-order mark, so the saved row came back
// different. A mark in front keeps it.
TEST(NotesFile, AFirstDayBeginningWithFeffSurvivesSaveAndLoad)
{
    const std::vector<NOTEROW> rows = {{"\xEF\xBB\xBF" "1", "1", "note"}, {"2", "2", "\xEF\xBB\xBF"}};
    const std::string image = CNotesFile::Encode(rows);
    EXPECT_EQ(image, std::string("\xFF\xFE", 2) + Lines("\xEF\xBB\xBF" "1\t1\tnote\r\n2\t2\t\xEF\xBB\xBF\r\n"));
    std::vector<NOTEROW> again;
    CNotesFile::Decode(image.data(), image.size(), again);
    EXPECT_EQ(again, rows);
    // A file that does not begin so still has no mark.
    EXPECT_EQ(CNotesFile::Encode({rows[1]}), Lines("2\t2\t\xEF\xBB\xBF\r\n"));
}

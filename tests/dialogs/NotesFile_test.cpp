#include "dialogs/NotesFile.h"
#include "engine/LanguageData.h"
#include "tests/engine/EngineTestData.h"
#include "tests/support/RecordingMessageSink.h"
#include "tests/support/TestFolder.h"
#include "tests/support/WithoutFileOverride.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <sys/stat.h>
#include <unistd.h>

using namespace talvoren;

namespace
{
NOTESTEXT DecodeText(const std::string& utf8)
{
    const std::string bytes = CTestFolder::EncodeUtf16(utf8);
    return CNotesFile::Decode(bytes.data(), bytes.size());
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

NOTESTEXT Rows(std::vector<NOTEROW> rows)
{
    NOTESTEXT notes;
    notes.rows = std::move(rows);
    return notes;
}

std::set<std::string> Names(const std::string& folder)
{
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

// Every note the calendar takes from the notes file of `folder`, as "d/m:text".
std::vector<std::string> CalendarNotes(const std::string& folder)
{
    const CRecordingMessageSink otherFilesAreMissing;
    std::vector<std::string> notes;
    const auto data = CLanguageData::Load(folder, true);
    for (const DAYNOTE& note : data->UserNotes())
        notes.push_back(std::to_string(note.nDay) + "/" + std::to_string(note.nMonth) + ":" + note.strText);
    return notes;
}
} // namespace

TEST(NotesFile, PathIsInTheVietnamFolder)
{
    EXPECT_EQ(CNotesFile::NotesPath("/opt/cal"), "/opt/cal/Vietnam/uNote.txt");
    EXPECT_EQ(CNotesFile::NotesPath("/opt/cal/"), "/opt/cal/Vietnam/uNote.txt");
}

// Lines are read as the calendar reads them: a dated line (with tabs or
// blanks) is a row whose text is all that follows the month; the other
// lines are kept with the row before them, or before the first row.
TEST(NotesFile, LinesBecomeRowsAndKeptLines)
{
    struct Case { const char* text; std::vector<std::string> leading; std::vector<NOTEROW> rows; };
    const Case cases[] = {
        {"2\t9\tX\r\n3\t9\tZ\r\n", {}, {{"2", "9", "X"}, {"3", "9", "Z"}}},
        {"2\t9\tX\n3\t9\tZ", {}, {{"2", "9", "X"}, {"3", "9", "Z"}}},                  // line feeds, no last end
        {"2\t9\tX\rY3\t9\tZ", {}, {{"2", "9", "X"}, {"3", "9", "Z"}}},                 // CR takes the next unit
        {"  # a comment\r\n\r\n5\t6\tsix", {"# a comment", ""}, {{"5", "6", "six"}}},  // kept before the first row
        {"5\t6\ta # inside\r\n", {}, {{"5", "6", "a # inside"}}},                     // only a leading # comments
        {"5 6 blank separated", {}, {{"5", "6", "blank separated"}}},
        {"1\t2\tthree\tfour\r\n", {}, {{"1", "2", "three\tfour"}}},                  // text after a second tab
        {"1\t2\t\tindented", {}, {{"1", "2", "\tindented"}}},
        {"7\t8\r\nmore\r\n# note\r\n\r\n9 9 x", {}, {{"7", "8", "", {"more", "# note", ""}}, {"9", "9", "x"}}},
        {"7\r\n", {"7"}, {}},                                                       // no month: no note
        {"31 2 no such day\r\ngoes with it", {}, {{"31", "2", "no such day", {"goes with it"}}}},
        {"  1\t2\tnote with blanks  \r\n", {}, {{"1", "2", "note with blanks"}}},     // the line is trimmed
        {"\xEF\xBB\xBF" "4\t5\tbom\r\n", {}, {{"4", "5", "bom"}}},                    // byte-order mark skipped
        {"24\t12\tĐêm Giáng Sinh\r\n", {}, {{"24", "12", "Đêm Giáng Sinh"}}},
        {"", {}, {}},
    };
    for (const Case& c : cases) {
        const NOTESTEXT notes = DecodeText(c.text);
        EXPECT_EQ(notes.leading, c.leading) << c.text;
        EXPECT_EQ(notes.rows, c.rows) << c.text;
    }
}

TEST(NotesFile, RowsAreCleanedOntoOneLineAndImpossibleDatesRefused)
{
    struct Case { NOTEROW row; NOTEROW clean; const char* problem; };
    const Case cases[] = {
        {{"2", "9", "X"}, {"2", "9", "X"}, ""},
        {{" 5 ", "\t6", " text  "}, {"5", "6", " text"}, ""},
        {{"5", "6", "pasted\ttab"}, {"5", "6", "pasted\ttab"}, ""},
        {{"5", "6", "two\r\nlines"}, {"5", "6", "two  lines"}, ""},
        {{"5", "6", "   "}, {"5", "6", ""}, ""},
        {{"29", "2", "leap years"}, {"29", "2", "leap years"}, ""},
        {{"5", "", "month missing"}, {"5", "", "month missing"}, "Row 1: the day and the month are both needed."},
        {{"", "6", ""}, {"", "6", ""}, "Row 1: the day and the month are both needed."},
        {{"1\t2", "3", "x"}, {"1 2", "3", "x"}, "Row 1: the day must be a number from 1 to 31."},
        {{"31", "2", "x"}, {"31", "2", "x"}, "Row 1: month 2 has no day 31."},
        {{"30", "2", "x"}, {"30", "2", "x"}, "Row 1: month 2 has no day 30."},
        {{"31", "4", "x"}, {"31", "4", "x"}, "Row 1: month 4 has no day 31."},
        {{"35", "1", "x"}, {"35", "1", "x"}, "Row 1: there is no day 35; the day must be a number from 1 to 31."},
        {{"0", "1", "x"}, {"0", "1", "x"}, "Row 1: there is no day 0; the day must be a number from 1 to 31."},
        {{"1", "13", "x"}, {"1", "13", "x"}, "Row 1: there is no month 13; the month must be a number from 1 to 12."},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CNotesFile::CleanRow(c.row), c.clean) << c.row.strText;
        EXPECT_EQ(CNotesFile::CheckRows({c.row}).Text(), c.problem) << c.row.strText;
    }
    // Empty rows are skipped; the first problem names its row.
    EXPECT_EQ(CNotesFile::CheckRows({{"1", "1", "a"}, {" ", "", "\t"}, {"31", "11", "b"}}).Text(),
              "Row 3: month 11 has no day 31.");
    EXPECT_EQ(CNotesFile::Encode({{"# top"}, {{"5", "6", "a\tb"}, {"", "", ""}, {"1", "1", "c\r\nd", {"more"}}}}),
              Lines("# top\r\n5\t6\ta\tb\r\n1\t1\tc  d\r\nmore\r\n"));
}

// Load then Save without edits leaves every note the calendar shows as the
// calendar shows it, whatever the file holds: continuation lines, notes
// dated with blanks, text after a second tab, comments, blank lines, a
// dated line with no text yet continued, lines before the first note.
TEST(NotesFile, LoadThenSaveKeepsEveryNoteTheCalendarShows)
{
    const std::vector<std::vector<std::string>> files = {
        {"2\t9\tX", "15\t8\tĐức Mẹ Lên Trời", "24\t12\tnote #1"},
        {"2\t9\tfirst line", "second line", "third line"},
        {"1 1 blank separated", "2  \t 1\tmixed"},
        {"3\t3\tthree\tafter a second tab", "4\t4\t\tindented"},
        {"# a comment at the top", "", "5\t5\tfive", "# a comment after", "", "6 6 six"},
        {"7\t7", "the note's only line"},
        {"a line before any note", "8\t8\teight"},
        {"9\t9\t<!-- & <b>"},
    };
    for (const std::vector<std::string>& lines : files) {
        CTestFolder folder;
        folder.WriteUtf16("uNote.txt", lines);
        const std::vector<std::string> before = CalendarNotes(folder.Path());
        ASSERT_FALSE(before.empty()) << lines[0];
        NOTESTEXT notes;
        ASSERT_TRUE(CNotesFile::Load(folder.File("uNote.txt"), notes).bLoaded) << lines[0];
        CNotesFile::PadRows(notes.rows);
        MESSAGETEXT error;
        ASSERT_TRUE(CNotesFile::Save(folder.File("uNote.txt"), notes, &error)) << error.Text();
        EXPECT_EQ(CalendarNotes(folder.Path()), before) << lines[0];
    }
}

// A notes file that cannot be read is not loaded, with the file and the
// reason, so that the dialog never replaces it by what was typed.
TEST(NotesFile, AFileThatCannotBeReadIsNotLoaded)
{
    struct CASE { const char* kind; const char* reason; };
    const CASE cases[] = {
        {"no permission", "permission denied"},
        {"UTF-8", "it is in UTF-8, not in UTF-16 little-endian"},
        {"UTF-16BE", "it is in UTF-16 big-endian, not in UTF-16 little-endian"},
        {"lone surrogate", "it is not valid UTF-16"},
        {"pipe", "it is a named pipe, not a file"},
    };
    for (const CASE& test : cases) {
        CTestFolder folder;
        const std::string path = folder.File("uNote.txt");
        const std::string kind = test.kind;
        if (kind == "UTF-8") {
            folder.WriteBytes("uNote.txt", "2\t9\tQuốc khánh\r\n");
        } else if (kind == "UTF-16BE") {
            folder.WriteBytes("uNote.txt", std::string("\0" "2\0\t\0" "9\0\t\0X", 10));
        } else if (kind == "lone surrogate") {
            folder.WriteBytes("uNote.txt", Lines("2\t9\tX") + std::string("\x00\xD8", 2));
        } else if (kind == "pipe") {
            ASSERT_EQ(::mkfifo(path.c_str(), 0644), 0);
        } else {
            folder.WriteBytes("uNote.txt", Lines("2\t9\tX\r\n"));
            ASSERT_EQ(::chmod(path.c_str(), 0), 0);
        }
        NOTESTEXT notes;
        NOTESLOAD load;
        {
            const CWithoutFileOverride asUser;
            if (!asUser.Active() && kind == "no permission")
                continue;
            load = CNotesFile::Load(path, notes);
        }
        EXPECT_FALSE(load.bLoaded) << kind;
        EXPECT_NE(load.error.Text().find(path), std::string::npos) << load.error.Text();
        EXPECT_NE(load.error.Text().find(test.reason), std::string::npos) << load.error.Text();
        EXPECT_TRUE(notes.rows.empty()) << kind;
    }
    NOTESTEXT notes;
    CTestFolder folder;
    const NOTESLOAD missing = CNotesFile::Load(folder.File("uNote.txt"), notes);
    EXPECT_TRUE(missing.bLoaded) << "a missing file is no notes yet";
    EXPECT_EQ(missing.error.Text(), "");
}

TEST(NotesFile, MissingFileGivesTenEmptyRowsAndTwelveLinesGiveNoEmptyRow)
{
    CTestFolder folder;
    NOTESTEXT notes;
    ASSERT_TRUE(CNotesFile::Load(folder.File("uNote.txt"), notes).bLoaded);
    CNotesFile::PadRows(notes.rows);
    EXPECT_EQ(notes.rows, std::vector<NOTEROW>(10));

    std::vector<std::string> twelve;
    for (int day = 1; day <= 12; ++day)
        twelve.push_back(std::to_string(day) + "\t1\tnote");
    folder.WriteUtf16("uNote.txt", twelve);
    ASSERT_TRUE(CNotesFile::Load(folder.File("uNote.txt"), notes).bLoaded);
    CNotesFile::PadRows(notes.rows);
    EXPECT_EQ(notes.rows.size(), 12u);
}

// An installed program: the shipped notes are read while the user has none,
// and the first save makes the user's folder.
TEST(NotesFile, TheShippedNotesAreReadUntilTheUserSavesHisOwn)
{
    CTestFolder folder;
    folder.WriteUtf16("shipped.txt", {"2\t9\tshipped"});
    const std::string user = folder.File("data/talvoren/Vietnam/uNote.txt");
    NOTESTEXT notes;
    ASSERT_TRUE(CNotesFile::Load(user, notes, folder.File("shipped.txt")).bLoaded);
    ASSERT_EQ(notes.rows.size(), 1u);
    notes.rows[0].strText = "mine";
    MESSAGETEXT error;
    ASSERT_TRUE(CNotesFile::Save(user, notes, &error)) << error.Text();
    ASSERT_TRUE(CNotesFile::Load(user, notes, folder.File("shipped.txt")).bLoaded);
    EXPECT_EQ(notes.rows.at(0).strText, "mine");
    EXPECT_EQ(folder.ReadBytes("shipped.txt"), CTestFolder::EncodeUtf16("2\t9\tshipped\r\n"));

    folder.WriteBytes("data2", "a file where the folder should be");
    EXPECT_FALSE(CNotesFile::Save(folder.File("data2/Vietnam/uNote.txt"), notes, &error));
    EXPECT_NE(error.Text().find("cannot be made"), std::string::npos) << error.Text();
}

TEST(NotesFile, NoRowsSaveAnEmptyFile)
{
    CTestFolder folder;
    folder.WriteUtf16("uNote.txt", {"2\t9\tX"});
    MESSAGETEXT error;
    ASSERT_TRUE(CNotesFile::Save(folder.File("uNote.txt"), {}, &error)) << error.Text();
    EXPECT_EQ(std::filesystem::file_size(folder.File("uNote.txt")), 0u);
}

// Saving writes through a link to its target, keeps the file's mode, and
// never follows a link planted at a temporary name (the fixed "tNote.txt"
// of old included); no temporary file is left.
TEST(NotesFile, SaveWritesThroughALinkKeepsTheModeAndFollowsNoPlantedLink)
{
    CTestFolder folder;
    CTestFolder elsewhere;
    MESSAGETEXT error;
    ASSERT_TRUE(CNotesFile::Save(folder.File("uNote.txt"), Rows({{"1", "1", "new"}}), &error)) << error.Text();
    EXPECT_EQ(folder.ReadBytes("uNote.txt"), Lines("1\t1\tnew\r\n"));

    elsewhere.WriteBytes("notes", Lines("2\t2\told\r\n"));
    elsewhere.WriteBytes("victim", "victim");
    ASSERT_EQ(::chmod(elsewhere.File("notes").c_str(), 0640), 0);
    folder.Remove("uNote.txt");
    ASSERT_EQ(::symlink(elsewhere.File("notes").c_str(), folder.File("uNote.txt").c_str()), 0);
    ASSERT_EQ(::symlink(elsewhere.File("victim").c_str(), folder.File("tNote.txt").c_str()), 0);
    ASSERT_TRUE(CNotesFile::Save(folder.File("uNote.txt"), Rows({{"2", "2", "again"}}), &error)) << error.Text();
    EXPECT_TRUE(std::filesystem::is_symlink(folder.File("uNote.txt")));
    EXPECT_EQ(elsewhere.ReadBytes("notes"), Lines("2\t2\tagain\r\n"));
    EXPECT_EQ(elsewhere.ReadBytes("victim"), "victim");
    struct stat info;
    ASSERT_EQ(::stat(elsewhere.File("notes").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
    EXPECT_EQ(Names(folder.Path()), (std::set<std::string>{"tNote.txt", "uNote.txt"}));
    EXPECT_EQ(Names(elsewhere.Path()), (std::set<std::string>{"notes", "victim"}));
}

// Every way the save can fail leaves the old notes file as it was, removes
// what it wrote, and names the file and the reason.
TEST(NotesFile, FailedSavesNeverLoseTheNotes)
{
    const NOTESTEXT notes = Rows({{"1", "1", "new note"}});
    struct CASE { const char* where; const char* reason; };
    const CASE cases[] = {
        {"a folder that cannot be written", "Permission denied"},
        {"a path through a regular file", "Not a directory"},
        {"a folder in the file's place", "Is a directory"},
        {"a date that does not exist", "Row 1: month 2 has no day 30."},
    };
    for (const CASE& test : cases) {
        CTestFolder folder;
        const std::string where = test.where;
        std::string path = folder.File("Vietnam/uNote.txt");
        NOTESTEXT saved = notes;
        if (where == "a path through a regular file") {
            folder.WriteBytes("Vietnam", "a file, not a folder");
        } else if (where == "a folder in the file's place") {
            std::filesystem::create_directories(path);
            folder.WriteBytes("Vietnam/uNote.txt/keep", "kept");
        } else {
            folder.WriteUtf16("Vietnam/uNote.txt", {"2\t9\told"});
            saved.rows[0].strDay = "30";
            saved.rows[0].strMonth = where == "a date that does not exist" ? "2" : "1";
        }
        const std::string before = where == "a path through a regular file" ? folder.ReadBytes("Vietnam")
                                   : where == "a folder in the file's place" ? folder.ReadBytes("Vietnam/uNote.txt/keep")
                                                                              : folder.ReadBytes("Vietnam/uNote.txt");
        MESSAGETEXT error;
        bool done = true;
        if (where == "a folder that cannot be written")
            ::chmod(folder.File("Vietnam").c_str(), 0555);
        {
            const CWithoutFileOverride asUser;
            if (!asUser.Active() && where == "a folder that cannot be written")
                continue;
            done = CNotesFile::Save(path, saved, &error);
        }
        ::chmod(folder.File("Vietnam").c_str(), 0755);
        EXPECT_FALSE(done) << where;
        EXPECT_NE(error.Text().find(test.reason), std::string::npos) << error.Text();
        EXPECT_NE(error.Text().find(path + " was left as it was"), std::string::npos) << error.Text();
        const std::string after = where == "a path through a regular file" ? folder.ReadBytes("Vietnam")
                                  : where == "a folder in the file's place" ? folder.ReadBytes("Vietnam/uNote.txt/keep")
                                                                             : folder.ReadBytes("Vietnam/uNote.txt");
        EXPECT_EQ(after, before) << where;
        if (where != "a path through a regular file") {
            EXPECT_EQ(Names(folder.File("Vietnam")), std::set<std::string>{"uNote.txt"}) << where;
        }
    }
}

// What the dialog saves is what the year engine reads: the note lands on its day.
TEST(NotesFile, SavedNotesReachTheirDaysInTheEngine)
{
    CEngineTestData data;
    MESSAGETEXT error;
    ASSERT_TRUE(CNotesFile::Save(data.Folder().File("uNote.txt"),
                                 Rows({{"15", "8", "my note\twith a tab", {"and a second line"}}, {"", "", ""},
                                       {"3", "9", "second #2"}}),
                                 &error));
    auto engine = data.Engine();
    ASSERT_TRUE(engine->ComputeYear(2002));
    const std::string& august15 = engine->GetDay(CEngineTestData::Index(2002, 8, 15)).strReadings;
    EXPECT_TRUE(EndsWith(august15, "<br>my note\twith a tab<br>and a second line")) << august15;
    const std::string& september3 = engine->GetDay(CEngineTestData::Index(2002, 9, 3)).strReadings;
    EXPECT_TRUE(EndsWith(september3, "<br>second #2")) << september3;
}

// Found by fuzzing: a first line that begins with U+FEFF (a zero-width
// no-break space pasted in) was written as the file's first code unit,
// which every reader skips as a byte-order mark, so it came back different.
// A mark in front keeps it.
TEST(NotesFile, AFirstLineBeginningWithFeffSurvivesSaveAndLoad)
{
    const NOTESTEXT notes = {{"\xEF\xBB\xBF" "kept line"}, {{"2", "2", "\xEF\xBB\xBF"}}};
    const std::string image = CNotesFile::Encode(notes);
    EXPECT_EQ(image, std::string("\xFF\xFE", 2) + Lines("\xEF\xBB\xBF" "kept line\r\n2\t2\t\xEF\xBB\xBF\r\n"));
    const NOTESTEXT again = CNotesFile::Decode(image.data(), image.size());
    EXPECT_EQ(again.leading, notes.leading);
    EXPECT_EQ(again.rows, notes.rows);
    // A file that does not begin so still has no mark.
    EXPECT_EQ(CNotesFile::Encode(Rows({notes.rows[0]})), Lines("2\t2\t\xEF\xBB\xBF\r\n"));
}

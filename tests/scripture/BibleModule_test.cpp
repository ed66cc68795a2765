// The scripture-database builder on the installed SWORD module engWEB2015eb
// (Debian sword-text-web): the Bible.db that the build makes with it in the
// program folder. And the whole path from a readings text to the passage
// page's HTML through talvoren-cal.

#include "pages/ScripturePage.h"
#include "scripture/ScriptureDb.h"
#include "tests/support/RecordingMessageSink.h"
#include "tests/support/TestFolder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>
#include <sys/stat.h>
#include <unistd.h>
#include <sys/wait.h>

using namespace talvoren;

namespace
{
class BibleModuleTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_db.Open("Data Source=" TALVOREN_PROGRAM_DIR "/Bible.db", "", "")); }

    // The text of the verse row (Type 0) at book, chapter and verse.
    std::string Verse(int book, int chapter, int verse)
    {
        std::string text;
        if (m_db.Execute("Select Contents From Sentences Where Type = 0 AND Book = " + std::to_string(book) +
                         " AND Chapter = " + std::to_string(chapter) + " AND Sentence = " + std::to_string(verse)))
            m_db.GetFieldText(0, text);
        return text;
    }

    int Number(const std::string& query)
    {
        int value = -1;
        if (m_db.Execute(query))
            m_db.GetFieldInt(0, value);
        return value;
    }

    CRecordingMessageSink m_messages;
    CScriptureDb m_db;
};

// Runs a command; returns its standard output and sets `status` to its exit status.
std::string RunCommand(const std::string& command, int& status)
{
    std::string out;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe) {
        status = -1;
        return out;
    }
    char buffer[4096];
    std::size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
        out.append(buffer, got);
    const int raw = ::pclose(pipe);
    status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    return out;
}

std::string Quote(const std::string& text)
{
    std::string out = "'";
    for (const char ch : text)
        out += ch == '\'' ? std::string("'\\''") : std::string(1, ch);
    return out + "'";
}
} // namespace

TEST_F(BibleModuleTest, AllBooksInCatholicOrder)
{
    EXPECT_EQ(Number("Select count(DISTINCT Book) From Sentences"), 73);
    EXPECT_EQ(Number("Select min(Book) From Sentences"), 1);
    EXPECT_EQ(Number("Select max(Book) From Sentences"), 73);
    EXPECT_EQ(Number("Select max(Chapter) From Sentences Where Book = 23"), 150);     // Psalms
    EXPECT_EQ(Number("Select count(DISTINCT Chapter) From Sentences Where Book = 23"), 150);
    EXPECT_EQ(Number("Select max(Chapter) From Sentences Where Book = 1"), 50);       // Genesis
    EXPECT_EQ(Number("Select max(Chapter) From Sentences Where Book = 73"), 22);      // Revelation
    EXPECT_EQ(Number("Select max(Chapter) From Sentences Where Book = 17"), 14);      // Tobit
    EXPECT_EQ(Number("Select max(Chapter) From Sentences Where Book = 28"), 51);      // Sirach
    EXPECT_EQ(Number("Select max(Chapter) From Sentences Where Book = 36"), 4);       // Joel, Hebrew chapters
    EXPECT_EQ(Number("Select max(Chapter) From Sentences Where Book = 46"), 3);       // Malachi
    // The rows of each book come after every row of the book before it.
    EXPECT_EQ(Number("Select count(*) From (Select Book, min(ID) AS First, max(ID) AS Last From Sentences "
                     "Group By Book) a, (Select Book, min(ID) AS First From Sentences Group By Book) b "
                     "Where a.Book < b.Book AND a.Last > b.First"),
              0);
    EXPECT_GT(Number("Select count(*) From Sentences"), 35000);
    // Every verse of a Gospel is there once: Mark has 678 verses in this text.
    EXPECT_EQ(Number("Select count(*) From Sentences Where Book = 48 AND Type = 0"), 678);
}

TEST_F(BibleModuleTest, VersesWhereTheLectionaryCitesThem)
{
    EXPECT_NE(Verse(29, 7, 14).find("virgin"), std::string::npos);
    EXPECT_NE(Verse(23, 51, 3).find("Have mercy on me"), std::string::npos);       // English 51:1
    EXPECT_NE(Verse(36, 3, 1).find("I will pour out my Spirit"), std::string::npos); // English 2:28
    EXPECT_NE(Verse(46, 3, 19).find("the day comes, burning like a furnace"), std::string::npos); // English 4:1
    EXPECT_NE(Verse(29, 8, 23).find("Zebulun"), std::string::npos);                  // English 9:1
    EXPECT_NE(Verse(34, 3, 91).find("Nebuchadnezzar the king was astonished"), std::string::npos); // English 3:24
    EXPECT_NE(Verse(54, 13, 13).find("The grace of the Lord Jesus Christ"), std::string::npos);  // English 13:14
    EXPECT_NE(Verse(52, 16, 25).find("Now to him who is able to establish you"), std::string::npos);
    EXPECT_EQ(Verse(52, 14, 23).find("Now to him"), std::string::npos);
    EXPECT_NE(Verse(47, 1, 23).find("the virgin shall be with child"), std::string::npos);
    // Greek Daniel is not in the module: the lectionary's Dan 3:52 finds nothing.
    EXPECT_EQ(Verse(34, 3, 52), "");
}

TEST_F(BibleModuleTest, CleanHtmlWithHeadings)
{
    // Book title rows before Genesis 1:1; the psalm title before Psalm 51:3.
    EXPECT_EQ(Number("Select Type From Sentences Where Book = 1 AND Chapter = 1 AND Sentence = 1 "
                     "AND Contents = 'Genesis'"),
              1);
    EXPECT_EQ(Number("Select Type From Sentences Where Book = 23 AND Chapter = 51 AND Sentence = 3 "
                     "AND Contents LIKE 'For the Chief Musician%'"),
              3);
    // No markup of the module is left: only the page's own tags.
    EXPECT_EQ(Number("Select count(*) From Sentences Where Contents LIKE '%<w %' OR Contents LIKE '%<note%' "
                     "OR Contents LIKE '%lemma=%' OR Contents LIKE '%<l %' OR Contents LIKE '%strong:%'"),
              0);
    EXPECT_EQ(Number("Select count(*) From Sentences Where Contents = '' OR Contents IS NULL"), 0);
    // Words of Jesus and poetry lines.
    EXPECT_NE(Verse(47, 5, 3).find("<span class=\"jesus\">“Blessed are the poor in spirit,</span>"),
              std::string::npos);
    EXPECT_EQ(Verse(23, 23, 1).rfind("<span class=\"l1\">Yahweh is my shepherd;", 0), 0u);
    // A footnote's place leaves a blank between words.
    EXPECT_EQ(Verse(1, 1, 1), "In the beginning, God created the heavens and the earth.");
}

TEST_F(BibleModuleTest, ASundaysPassagesOnThePage)
{
    const PASSAGEPAGE page =
        ShowReadingsPage("Is 7:10-14; Tv 24:1-2,3-4,5-6; Rm 1:1-7; Mt 1:18-24<br>Thánh Vịnh Tuần 4", m_db, true, "/p");
    ASSERT_TRUE(page.bShow);
    for (const char* part : {"<H2><b>Is  7:10-14</b></H2><sub>10</sub> Yahweh spoke again to Ahaz",
                             "<H2><b>Tv  24:1-2,3-4,5-6</b></H2>", "<H2><b>Rm  1:1-7</b></H2>",
                             "<H2><b>Mt  1:18-24</b></H2><sub>18</sub> Now the birth of Jesus Christ",
                             "<sub>14</sub> Therefore the Lord himself will give you a sign", "<sub>24</sub> Joseph arose"})
        EXPECT_NE(page.strHtml.find(part), std::string::npos) << part;
    EXPECT_TRUE(m_messages.Messages().empty());
}

TEST(BibleTools, TalvorenCalPrintsThePassagesFromTheBuiltDatabase)
{
    int status = -1;
    const std::string out =
        RunCommand(std::string(TALVOREN_CAL) + " --passages 'Is 7:10-14; Rm 1:1-7; Mt 1:18-24'", status);
    EXPECT_EQ(status, 0);
    std::size_t previous = 0;
    for (const char* part : {"<H2><b>Is  7:10-14</b></H2><sub>10</sub> ", "<sub>14</sub> ", "<H2><b>Rm  1:1-7</b></H2>",
                             "<sub>7</sub> ", "<H2><b>Mt  1:18-24</b></H2><sub>18</sub> ", "<sub>24</sub> "}) {
        const std::size_t at = out.find(part, previous);
        EXPECT_NE(at, std::string::npos) << part;
        previous = at == std::string::npos ? previous : at;
    }

    // A missing database: a message and status 1; a text that cites nothing
    // prints nothing, with a message and status 1.
    CTestFolder folder;
    RunCommand(std::string(TALVOREN_CAL) + " --passages 'Is 7:10' --db " + Quote(folder.File("none.db")) + " 2>/dev/null",
        status);
    EXPECT_EQ(status, 1);
    EXPECT_EQ(RunCommand(std::string(TALVOREN_CAL) + " --passages 'Tv 23' 2>/dev/null", status), "");
    EXPECT_EQ(status, 1);
    RunCommand(std::string(TALVOREN_CAL) + " --passages 2>/dev/null", status);
    EXPECT_EQ(status, 2);
    RunCommand(std::string(TALVOREN_CAL) + " --passages 'Is 7:10' 2024 2>/dev/null", status);
    EXPECT_EQ(status, 2);
}

// A second module, with another versification and without the deuterocanon
// (engKJV2006eb, Debian sword-text-kjv): its verses land where the
// lectionary cites them, and a reading from a book it lacks says so in the
// language of the folder, never with another verse.
TEST(BibleTools, BuilderReadsASecondModuleAndMissingBooksSaySo)
{
    if (::access("/usr/share/sword/mods.d/engKJV2006eb.conf", R_OK) != 0)
        GTEST_SKIP() << "sword-text-kjv is not installed";
    CTestFolder folder;
    int status = -1;
    const std::string said = RunCommand(std::string(TALVOREN_BIBLEBUILD) + " --module engKJV2006eb " +
                                            Quote(folder.File("kjv.db")) + " 2>&1",
                                        status);
    ASSERT_EQ(status, 0) << said;
    EXPECT_NE(said.find("book Tob is not in the module's versification"), std::string::npos) << said;
    const struct {
        const char* folder;
        const char* readings;
        std::vector<std::string> parts;
    } cases[] = {
        {"Vietnam", "Tb 1:1; Tv 51:3",
         {"<H2><b>Tb  1:1</b></H2><p><i>Bản Kinh Thánh đang dùng không có đoạn này.</i></p><H2><b>Tv  51:3</b></H2>",
          "<sub>3</sub> <span class=\"l1\">Have mercy upon me, O God"}},
        {"English", "Tb 1:1; Ps 51:3",
         {"<H2><b>Tb  1:1</b></H2><p><i>The Bible text in use does not have this passage.</i></p><H2><b>Ps  51:3</b></H2>",
          "<sub>3</sub> <span class=\"l1\">Have mercy upon me, O God"}},
    };
    for (const auto& test : cases) {
        const std::string page = RunCommand(std::string(TALVOREN_CAL) + " --passages " + Quote(test.readings) +
                                                " --data " + TALVOREN_PROGRAM_DIR + "/" + test.folder + " --db " +
                                                Quote(folder.File("kjv.db")) + " 2>/dev/null",
                                            status);
        EXPECT_EQ(status, 1) << test.folder;   // a passage without verses
        for (const std::string& part : test.parts)
            EXPECT_NE(page.find(part), std::string::npos) << test.folder << ": " << page.substr(0, 400);
        EXPECT_EQ(page.find("Tobit"), std::string::npos) << test.folder;
    }
}

TEST(BibleTools, BuilderConvertsACsvExportAndKeepsTheOldFileOnFailure)
{
    CTestFolder folder;
    folder.WriteBytes("in.csv", "ID,Book,Chapter,Sentence,Type,Contents\n1,72,1,3,0,\"Contend for the faith.\"\n");
    folder.WriteBytes("broken.csv", "ID,Book,Chapter,Sentence,Type,Contents\n1,72,1,3,0,\"never closed\n");
    const std::string builder = TALVOREN_BIBLEBUILD;
    int status = -1;
    RunCommand(builder + " --csv " + Quote(folder.File("in.csv")) + " " + Quote(folder.File("Bible.db")), status);
    ASSERT_EQ(status, 0);
    const std::string page =
        RunCommand(std::string(TALVOREN_CAL) + " --passages 'Gđ 1:3' --db " + Quote(folder.File("Bible.db")), status);
    EXPECT_EQ(page, "<H2><b>Gđ  1:3</b></H2><sub>3</sub> Contend for the faith.\n");

    const std::string before = folder.ReadBytes("Bible.db");
    RunCommand(builder + " --csv " + Quote(folder.File("broken.csv")) + " " + Quote(folder.File("Bible.db")) + " 2>/dev/null",
        status);
    EXPECT_EQ(status, 1);
    EXPECT_EQ(folder.ReadBytes("Bible.db"), before);
    RunCommand(builder + " --module NoSuchModule " + Quote(folder.File("other.db")) + " 2>/dev/null", status);
    EXPECT_EQ(status, 1);
    EXPECT_EQ(folder.ReadBytes("other.db"), "");
    RunCommand(builder + " 2>/dev/null", status);
    EXPECT_EQ(status, 2);
}

// The builder's --csv: a file it cannot read ends with a message and status
// 1 (no uncaught exception, no wait on a pipe, the old output kept); rows
// whose book, verse or type is out of range are warned about and kept.
TEST(BibleTools, BuilderRefusesCsvFilesItCannotReadAndWarnsAboutOddRows)
{
    CTestFolder folder;
    const std::string builder = TALVOREN_BIBLEBUILD;
    folder.WriteBytes("Bible.db", "old database");
    folder.WriteBytes("odd.csv", "ID,Book,Chapter,Sentence,Type,Contents\n"
                                 "1,72,1,3,0,\"fine\"\n"
                                 "2,99,1,3,0,\"book\"\n"
                                 "3,72,1,999,7,\"verse and type\"\n"
                                 "4,x,1,3,0,\"not a number\"\n");
    ASSERT_EQ(::mkfifo(folder.File("pipe.csv").c_str(), 0644), 0);
    struct CASE {
        std::string csv;
        int status;
        std::vector<std::string> said;   // parts of the output and messages
    };
    const CASE cases[] = {
        {folder.Path(), 1, {"cannot read " + folder.Path() + ": it is a folder, not a file"}},
        {folder.File("pipe.csv"), 1, {"it is a named pipe, not a file"}},
        {folder.File("none.csv"), 1, {"there is no such file"}},
        {"", 2, {"--csv takes a file"}},
        {folder.File("odd.csv"), 0,
         {"line 3: book 99 is outside 1..73", "line 4: verse 999 is outside 0..200, type 7 is outside 0..3",
          "line 5: book \"x\" is not a whole number", ": 4 rows"}},
    };
    for (const CASE& test : cases) {
        int status = -1;
        const std::string said = RunCommand(builder + " --csv " + Quote(test.csv) + " " +
                                                Quote(folder.File(test.status == 0 ? "new.db" : "Bible.db")) + " 2>&1",
                                            status);
        EXPECT_EQ(status, test.status) << test.csv;
        for (const std::string& part : test.said)
            EXPECT_NE(said.find(part), std::string::npos) << said;
        EXPECT_EQ(said.find("terminate"), std::string::npos) << said;
        EXPECT_EQ(folder.ReadBytes("Bible.db"), "old database") << test.csv;
    }
}

// The scripture passage page: queries, titles and HTML against a database
// made by the test.

#include "pages/ScripturePage.h"
#include "scripture/ScriptureDb.h"
#include "tests/scripture/ScriptureFixture.h"
#include "tests/support/RecordingMessageSink.h"
#include "tests/support/TestFolder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace talvoren;

namespace
{
class ScripturePageTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_path = m_folder.File("Bible.db");
        CreateSentencesDb(m_path, PassageRows());
        ASSERT_TRUE(m_db.Open("Data Source=" + m_path, "", ""));
    }

    PASSAGEPAGE Show(const std::string& readings, bool open = true)
    {
        return ShowReadingsPage(readings, m_db, open, "/opt/talvoren");
    }

    CRecordingMessageSink m_messages;
    CTestFolder m_folder;
    std::string m_path;
    CScriptureDb m_db;
};
} // namespace

TEST(ScripturePageQuery, QueriesAndTitlesOfThePassages)
{
    struct CASE {
        PASSAGE passage;
        const char* pszQuery;
        const char* pszTitle;
    };
    const std::vector<CASE> cases = {
        {{29, 7, "10-14"},
         "Select Type, Sentence, Contents From Sentences Where Book = 29 AND Chapter = 7 AND "
         "( (Sentence >= 10 AND Sentence <= 14) ) ORDER BY ID",
         "<H2><b>Is  7:10-14</b></H2>"},
        {{29, 8, "1,3"},
         "Select Type, Sentence, Contents From Sentences Where Book = 29 AND Chapter = 8 AND "
         "( (Sentence = 1 )  OR  (Sentence = 3 ) ) ORDER BY ID",
         "<H2><b>Is  8:1,3</b></H2>"},
        {{9, 3, "3-10,19"},
         "Select Type, Sentence, Contents From Sentences Where Book = 9 AND Chapter = 3 AND "
         "( (Sentence >= 3 AND Sentence <= 10)  OR  (Sentence = 19 ) ) ORDER BY ID",
         "<H2><b>1 Sm  3:3-10,19</b></H2>"},
        // Empty pieces give empty conditions, which make the query invalid.
        {{23, 23, ""},
         "Select Type, Sentence, Contents From Sentences Where Book = 23 AND Chapter = 23 AND "
         "( (Sentence =  ) ) ORDER BY ID",
         "<H2><b>Tv  23:</b></H2>"},
        {{26, 2, "8-"},
         "Select Type, Sentence, Contents From Sentences Where Book = 26 AND Chapter = 2 AND "
         "( (Sentence >= 8 AND Sentence <= ) ) ORDER BY ID",
         "<H2><b>Dc  2:8-</b></H2>"},
        // Only the first two parts of a piece with two hyphens count.
        {{45, 9, "1-2-3"},
         "Select Type, Sentence, Contents From Sentences Where Book = 45 AND Chapter = 9 AND "
         "( (Sentence >= 1 AND Sentence <= 2) ) ORDER BY ID",
         "<H2><b>Dcr  9:1-2-3</b></H2>"},
        {{72, 1, "3"}, nullptr, "<H2><b>Gđ  1:3</b></H2>"},
        {{18, 8, "1"}, nullptr, "<H2><b>Gđt  8:1</b></H2>"},
        {{74, 1, "1"}, nullptr, "<H2><b> 1:1</b></H2>"},   // no short name
    };
    for (const CASE& test : cases) {
        if (test.pszQuery) {
            EXPECT_EQ(PassageQuery(test.passage), test.pszQuery);
        }
        EXPECT_EQ(PassageTitle(test.passage), test.pszTitle);
    }
}

TEST_F(ScripturePageTest, VersesHeadingsAndLineBreaks)
{
    const PASSAGEPAGE page = Show("Is 7:10-14");
    ASSERT_TRUE(page.bShow);
    // Verse rows run on after their verse-number marks; a verse ending in ">"
    // is followed by "<br>"; a heading row (Type 3 here) is preceded by
    // "<br>" and has no number.
    EXPECT_EQ(page.strHtml,
              "<H2><b>Is  7:10-14</b></H2>"
              "<sub>10</sub> Yahweh spoke again to Ahaz, saying,"
              "<sub>11</sub> <span class=\"l1\">Ask a sign of Yahweh your God.</span><br>"
              "<sub>12</sub> But Ahaz said, I won't ask."
              "<br><h3>The sign of Immanuel</h3>"
              "<sub>13</sub> He said, Listen now, house of David."
              "<sub>14</sub> Behold, the virgin will conceive.");
    EXPECT_EQ(page.strScript, "OpenWin('/opt/talvoren/Html/layer.htm')");
    EXPECT_TRUE(m_messages.Messages().empty());
}

TEST_F(ScripturePageTest, MajorHeadingsAndSeveralPassages)
{
    const PASSAGEPAGE page = Show("Is 7:10-14; 8:1+3; Tv 23:1-2");
    ASSERT_TRUE(page.bShow);
    const std::string isaiah8 = "<H2><b>Is  8:1,3</b></H2>"
                                "<br><h2>The Son of Isaiah</h2>"
                                "<sub>1</sub> Yahweh said to me, Take a large tablet."
                                "<sub>3</sub> I went to the prophetess.";
    const std::string psalm = "<H2><b>Tv  23:1-2</b></H2>"
                              "<br><h2>The Psalms</h2>"
                              "<br><h3>A Psalm by David.</h3>"
                              "<sub>1</sub> Yahweh is my shepherd."
                              "<sub>2</sub> He makes me lie down in green pastures.";
    const std::size_t second = page.strHtml.find("<H2><b>Is  8:1,3");
    ASSERT_NE(second, std::string::npos);
    EXPECT_EQ(page.strHtml.substr(second), isaiah8 + psalm);
}

TEST_F(ScripturePageTest, TheMendedShortNamesReachTheirBooks)
{
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"Dc 9:9", "<H2><b>Dc  9:9</b></H2><sub>9</sub> Song of Songs nine nine."},
        {"Dcr 9:9", "<H2><b>Dcr  9:9</b></H2><sub>9</sub> Rejoice greatly, daughter of Zion!"},
        {"Gđ 1:3", "<H2><b>Gđ  1:3</b></H2><sub>3</sub> Contend earnestly for the faith."},
        {"Gđt 8:1", "<H2><b>Gđt  8:1</b></H2><sub>1</sub> In those days Judith heard."},
        {"1 Sm 3:3-10.19", "<H2><b>1 Sm  3:3-10</b></H2><sub>3</sub> Samuel was lying down."
                           "<sub>4</sub> Yahweh called Samuel.<sub>10</sub> Speak; for your servant hears."},
    };
    for (const auto& [readings, html] : cases)
        EXPECT_EQ(Show(readings).strHtml, html) << readings;
}

TEST_F(ScripturePageTest, PassagesWithoutRowsSayTheBibleTextLacksThemInThePageLanguage)
{
    // Isaiah 10:4 (the range across chapters), an empty verse, a verse that
    // is not there: each keeps its title with the note, silently; a Bible
    // without a book gives the same note, never another verse.
    CTitleList english;
    english.SetPageTexts(CPageTexts::FromLines({"scripture.missing = The Bible text in use does not have this passage."}));
    PASSAGELANGUAGE inEnglish;
    inEnglish.pTitles = &english;
    const std::string vi = "<p><i>Bản Kinh Thánh đang dùng không có đoạn này.</i></p>";
    const std::string en = "<p><i>The Bible text in use does not have this passage.</i></p>";
    const struct {
        const char* readings;
        const PASSAGELANGUAGE* language;
        std::string html;
    } cases[] = {
        {"Is 7:10-8:4", nullptr, "<H2><b>Is  10:4</b></H2>" + vi},
        {"Is 7:10,,12; Is 7:99; Dc 9:9", nullptr,
         "<H2><b>Is  7:10,,12</b></H2>" + vi + "<H2><b>Is  7:99</b></H2>" + vi +
             "<H2><b>Dc  9:9</b></H2><sub>9</sub> Song of Songs nine nine."},
        {"Tb 1:1", &inEnglish, "<H2><b>Tb  1:1</b></H2>" + en},
    };
    for (const auto& test : cases) {
        const PASSAGEPAGE page = ShowReadingsPage(test.readings, m_db, true, "/opt/talvoren",
                                                  test.language ? *test.language : PASSAGELANGUAGE());
        EXPECT_TRUE(page.bShow) << test.readings;
        EXPECT_EQ(page.strHtml, test.html) << test.readings;
        EXPECT_FALSE(page.strScript.empty()) << test.readings;
    }
    EXPECT_TRUE(m_messages.Messages().empty());
}

TEST_F(ScripturePageTest, NothingToShow)
{
    const std::vector<std::string> texts = {
        "",                                // no text
        "Thánh Vịnh Tuần 2",               // no abbreviation
        "Tv 23",                           // no chapter, so no passage
        "Tv 23<br>Thánh Vịnh Tuần 3",
    };
    for (const std::string& text : texts) {
        const PASSAGEPAGE page = Show(text);
        EXPECT_FALSE(page.bShow) << text;
        EXPECT_EQ(page.strHtml, "") << text;
        EXPECT_EQ(page.strScript, "") << text;
    }
    // The database not open: the click does nothing visible.
    const PASSAGEPAGE closed = Show("Is 7:10-14", false);
    EXPECT_FALSE(closed.bShow);
    EXPECT_EQ(closed.strHtml, "");
}

TEST_F(ScripturePageTest, RowsWithNullValues)
{
    RunSql(m_path, "INSERT INTO Sentences VALUES (500, 1, 1, 1, NULL, 'In the beginning.');"
                   "INSERT INTO Sentences VALUES (501, 1, 1, 2, 0, NULL);"
                   "INSERT INTO Sentences VALUES (502, 1, 1, NULL, 0, 'Darkness.');"
                   "INSERT INTO Sentences VALUES (503, 1, 1, 3, 7, 'Another kind of heading');");
    const PASSAGEPAGE page = Show("St 1:1-3");
    // A null Type is a verse; a null text adds nothing (not the previous
    // row's text again) and shows the database's message once; a null verse
    // number is outside every condition; any other Type is a minor heading.
    EXPECT_EQ(page.strHtml, "<H2><b>St  1:1-3</b></H2>"
                            "<sub>1</sub> In the beginning."
                            "<sub>2</sub> "
                            "<br><h3>Another kind of heading</h3>");
    EXPECT_EQ(m_messages.Messages().size(), 1u);
}

TEST_F(ScripturePageTest, RowsThatTryToRunScriptKeepOnlyTheirText)
{
    RunSql(m_path, "INSERT INTO Sentences VALUES (600, 1, 2, 1, 0, "
                   "'In <i>the</i> beginning<img src=x onerror=\"alert(1)\">.');"
                   "INSERT INTO Sentences VALUES (601, 1, 2, 2, 3, '<b onload=\"alert(2)\">Heading</b>');"
                   "INSERT INTO Sentences VALUES (602, 1, 2, 2, 0, "
                   "'<a href=\"javascript:alert(3)\">Light</a><script>alert(4)</script>');");
    EXPECT_EQ(Show("St 2:1-2").strHtml, "<H2><b>St  2:1-2</b></H2>"
                                        "<sub>1</sub> In <i>the</i> beginning."
                                        "<br><h3><b>Heading</b></h3>"
                                        "<sub>2</sub> Light");
}

TEST_F(ScripturePageTest, RenderPassagesEmptiesTheListAndOnlyWhenItRenders)
{
    std::vector<PASSAGE> passages = {{29, 7, "14"}};
    std::string html = "old";
    EXPECT_FALSE(RenderPassages(passages, m_db, false, html));
    EXPECT_EQ(html, "old");
    EXPECT_EQ(passages.size(), 1u);
    EXPECT_TRUE(RenderPassages(passages, m_db, true, html));
    EXPECT_EQ(html, "<H2><b>Is  7:14</b></H2><sub>14</sub> Behold, the virgin will conceive.");
    EXPECT_TRUE(passages.empty());
    EXPECT_FALSE(RenderPassages(passages, m_db, true, html));
}

TEST(ScripturePageScript, OpenWinReceivesAValidScriptString)
{
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"/opt/talvoren", "OpenWin('/opt/talvoren/Html/layer.htm')"},
        {"/opt/talvoren/", "OpenWin('/opt/talvoren/Html/layer.htm')"},
        {"/home/anh/Lịch Công Giáo", "OpenWin('/home/anh/Lịch Công Giáo/Html/layer.htm')"},
        // A backslash is doubled; a quote is escaped so it cannot end the string.
        {"/srv/a\\b", "OpenWin('/srv/a\\\\b/Html/layer.htm')"},
        {"/home/o'neil", "OpenWin('/home/o\\'neil/Html/layer.htm')"},
    };
    for (const auto& [folder, script] : cases)
        EXPECT_EQ(OpenWindowScript(folder), script) << folder;
}

// A citation list beyond 200 passages or 5,000 verses is cut with a note,
// so that a readings text citing everything cannot make a page of hundreds
// of megabytes.
TEST(ScripturePageBound, LongCitationListsAreCutWithANote)
{
    CRecordingMessageSink messages;
    CTestFolder folder;
    std::vector<FIXTUREROW> rows;
    long long id = 0;
    for (int chapter = 1; chapter <= 300; ++chapter)   // Psalms 1-300, verse 1 each
        rows.push_back({++id, 23, chapter, 1, 0, "v"});
    for (int verse = 1; verse <= 6000; ++verse)        // Isaiah 1:1-6000
        rows.push_back({++id, 29, 1, verse, 0, "w"});
    CreateSentencesDb(folder.File("Bible.db"), rows);
    CScriptureDb db;
    ASSERT_TRUE(db.Open("Data Source=" + folder.File("Bible.db"), "", ""));
    const std::string note = "<p><i>Danh sách trích dẫn hơn 200 đoạn hay 5.000 câu; phần còn lại không được hiện.</i></p>";
    const auto count = [](const std::string& html, const std::string& part) {
        std::size_t found = 0;
        for (std::size_t at = 0; (at = html.find(part, at)) != std::string::npos; at += part.size())
            ++found;
        return found;
    };
    std::string psalms;
    for (int chapter = 1; chapter <= 250; ++chapter)
        psalms += "Tv " + std::to_string(chapter) + ":1; ";
    struct CASE {
        std::string readings;
        std::size_t titles;
        std::size_t verses;
        bool cut;
    };
    const CASE cases[] = {
        {psalms, 200, 200, true},
        {"Is 1:1-6000", 1, 5000, true},
        {"Is 1:1-5000", 1, 5000, false},
        {"Is 1:1-4999; Tv 1:1; Tv 2:1", 2, 5000, true},
    };
    for (const CASE& test : cases) {
        const PASSAGEPAGE page = ShowReadingsPage(test.readings, db, true, "/opt/talvoren");
        ASSERT_TRUE(page.bShow) << test.readings.substr(0, 40);
        EXPECT_EQ(count(page.strHtml, "<H2>"), test.titles) << test.readings.substr(0, 40);
        EXPECT_EQ(count(page.strHtml, "<sub>"), test.verses) << test.readings.substr(0, 40);
        EXPECT_EQ(count(page.strHtml, note), test.cut ? 1u : 0u) << test.readings.substr(0, 40);
    }
}

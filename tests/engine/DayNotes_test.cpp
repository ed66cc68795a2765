#include "engine/DayNotes.h"
#include "tests/engine/EngineTestData.h"

#include <gtest/gtest.h>

using namespace talvoren;

TEST(DayNotes, DatedLines)
{
    constexpr NoteLine kDated = NoteLine::Dated;
    constexpr NoteLine kGoesOn = NoteLine::Continuation;
    constexpr NoteLine kNoDate = NoteLine::ImpossibleDate;
    struct Case { const char* line; NoteLine kind; int day, month; const char* text; };
    const Case cases[] = {
        {"2\t9\tX", kDated, 2, 9, "X"},
        {"2 9 X and more", kDated, 2, 9, "X and more"},
        {"2  \t 9\t\tX", kDated, 2, 9, "\tX"},
        {"2 9", kDated, 2, 9, ""},
        {"31 12 end", kDated, 31, 12, "end"},
        {"1x 2y z", kDated, 1, 2, "z"},
        {"29 2 leap years only", kDated, 29, 2, "leap years only"},
        {"30 4 April", kDated, 30, 4, "April"},
        {"32 1 something", kNoDate, 0, 0, ""},
        {"35 1 day 35", kNoDate, 0, 0, ""},
        {"0 5 zero", kNoDate, 0, 0, ""},
        {"5 13 month", kNoDate, 0, 0, ""},
        {"31 2 February", kNoDate, 0, 0, ""},
        {"30 2 February", kNoDate, 0, 0, ""},
        {"31 4 April", kNoDate, 0, 0, ""},
        {"31 11", kNoDate, 0, 0, ""},
        {"12", kGoesOn, 0, 0, ""},
        {"2 readings at nine", kGoesOn, 0, 0, ""},
        {"x 1 letter", kGoesOn, 0, 0, ""},
    };
    for (const Case& c : cases) {
        int day = 0, month = 0;
        std::string text;
        ASSERT_EQ(ClassifyNoteLine(c.line, day, month, text), c.kind) << c.line;
        EXPECT_EQ(ParseDatedNoteLine(c.line, day, month, text), c.kind == kDated) << c.line;
        if (c.kind == kDated) {
            EXPECT_EQ(day, c.day) << c.line;
            EXPECT_EQ(month, c.month) << c.line;
            EXPECT_EQ(text, c.text) << c.line;
        }
    }
}

// A note on a date that does not exist is reported and dropped with its
// continuation lines; it never rolls into the next month or joins the note
// before it.
TEST(DayNotes, NotesGroupContinuationsAndDropLinesWithoutADate)
{
    std::vector<std::string> got;
    std::vector<std::string> impossible;
    NOTEREADING reading;
    reading.impossible = [&impossible](const std::string& line) { impossible.push_back(line); };
    CollectDayNotes({"orphan line", "2\t9\tX", "Y", "32 1 something", "dropped with it", "3\t9\tZ", "3 9",
                     "3 9 again", "31 2 no such day"},
                    [&](const std::string& note, int month, int day) {
                        got.push_back(std::to_string(day) + "/" + std::to_string(month) + ":" + note);
                    },
                    reading);
    EXPECT_EQ(got, (std::vector<std::string>{"2/9:X<br>Y", "3/9:Z", "3/9:again"}));
    EXPECT_EQ(impossible, (std::vector<std::string>{"32 1 something", "31 2 no such day"}));
}

TEST(DayNotes, NotesFollowTheReadingsInFileOrder)
{
    CEngineTestData data;
    data.WriteNotes("uLocal.txt", {"2\t9\tX", "Y", "3\t9\tZ", "31 4 April the 31st", "29 2 leap"});
    data.WriteNotes("uOrdo.txt", {"2 9 ordo", "# 2 9 hidden", "2 9 ordo # hidden too"});
    data.WriteNotes("uNote.txt", {"2\t9\tmine"});
    auto engine = data.Engine();   // read from files: the comment lines are not kept
    ASSERT_TRUE(engine->ComputeYear(2002));
    const std::string& september2 = engine->GetDay(engine->GetDayIndex(9, 2)).strReadings;
    const std::string weekday = september2.substr(0, september2.find("<br>"));
    EXPECT_EQ(weekday.substr(0, 3), "W2-");
    EXPECT_EQ(september2, weekday + "<br>X<br>Y<br>ordo<br>mine");
    const std::string& september3 = engine->GetDay(engine->GetDayIndex(9, 3)).strReadings;
    EXPECT_EQ(september3.substr(september3.size() - 5), "<br>Z");
    const std::string& may1 = engine->GetDay(engine->GetDayIndex(5, 1)).strReadings;
    EXPECT_EQ(may1.find("April"), std::string::npos) << "31 April does not roll into May";
    const std::string& march1 = engine->GetDay(engine->GetDayIndex(3, 1)).strReadings;
    EXPECT_EQ(march1.substr(march1.size() - 8), "<br>leap") << "29 February of a common year";
    EXPECT_EQ(data.Messages().Messages(),
              std::vector<std::string>{"The notes of " + data.Folder().File("uLocal.txt") +
                                       " on dates that do not exist are not shown:\n31 4 April the 31st"});
}

// The user's notes are the user's plain text: a "#" inside a note is text,
// only a line beginning with "#" is a comment, and "&", "<" and ">" show as
// typed, so "<!--" hides nothing. The language files' notes stay HTML.
TEST(DayNotes, TheUsersNotesArePlainText)
{
    struct CASE {
        const char* file;
        std::vector<std::string> lines;
        const char* september2;   // what the notes add to 2 September
    };
    const CASE cases[] = {
        {"uNote.txt", {"2 9 note #1", "# a comment line"}, "<br>note #1"},
        {"uNote.txt", {"2 9 <!-- hidden?", "3 9 next day"}, "<br>&lt;!-- hidden?"},
        {"uNote.txt", {"2 9 Tom & Jerry <b>", "more <i>"}, "<br>Tom &amp; Jerry &lt;b&gt;<br>more &lt;i&gt;"},
        {"uLocal.txt", {"2 9 <b>bold</b> # gone"}, ""},
        {"uLocal.txt", {"2 9 <b>bold</b>"}, "<br><b>bold</b>"},
    };
    for (const CASE& test : cases) {
        CEngineTestData data;
        data.WriteNotes(test.file, test.lines);
        auto engine = data.Engine();
        ASSERT_TRUE(engine->ComputeYear(2002));
        const std::string& readings = engine->GetDay(engine->GetDayIndex(9, 2)).strReadings;
        EXPECT_EQ(readings.substr(readings.find("<br>") == std::string::npos ? readings.size() : readings.find("<br>")),
                  test.september2)
            << test.lines[0];
        EXPECT_TRUE(data.Messages().Messages().empty()) << test.lines[0];
    }
    CEngineTestData data;
    data.WriteNotes("uNote.txt", {"2 9 <!-- hidden?", "3 9 next day"});
    auto engine = data.Engine();
    ASSERT_TRUE(engine->ComputeYear(2002));
    const std::string& september3 = engine->GetDay(engine->GetDayIndex(9, 3)).strReadings;
    EXPECT_EQ(september3.substr(september3.find("<br>")), "<br>next day");
}

// The folder is read once: a missing file is reported when it is read, not
// at every computation.
TEST(DayNotes, MissingNoteFileIsReportedOnceWhenTheFolderIsRead)
{
    CEngineTestData data;
    data.Folder().Remove("uOrdo.txt");
    auto engine = data.Engine();
    ASSERT_TRUE(engine->ComputeYear(2002));
    ASSERT_TRUE(engine->ComputeYear(2002, true));
    ASSERT_TRUE(engine->ComputeYear(2003));
    ASSERT_EQ(data.Messages().Messages().size(), 1u);
    EXPECT_EQ(data.Messages().Messages()[0], "File " + data.Folder().File("uOrdo.txt") + " not found!");
}

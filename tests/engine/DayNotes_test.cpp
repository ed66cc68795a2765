#include "engine/DayNotes.h"
#include "tests/engine/EngineTestData.h"

#include <gtest/gtest.h>

using namespace talvoren;

TEST(DayNotes, DatedLines)
{
    struct Case { const char* line; bool dated; int day, month; const char* text; };
    const Case cases[] = {
        {"2\t9\tX", true, 2, 9, "X"},
        {"2 9 X and more", true, 2, 9, "X and more"},
        {"2  \t 9\t\tX", true, 2, 9, "\tX"},
        {"2 9", true, 2, 9, ""},
        {"31 12 end", true, 31, 12, "end"},
        {"1x 2y z", true, 1, 2, "z"},
        {"32 1 something", false, 0, 0, ""},
        {"0 5 zero", false, 0, 0, ""},
        {"5 13 month", false, 0, 0, ""},
        {"12", false, 0, 0, ""},
        {"x 1 letter", false, 0, 0, ""},
    };
    for (const Case& c : cases) {
        int day = 0, month = 0;
        std::string text;
        ASSERT_EQ(ParseDatedNoteLine(c.line, day, month, text), c.dated) << c.line;
        if (c.dated) {
            EXPECT_EQ(day, c.day) << c.line;
            EXPECT_EQ(month, c.month) << c.line;
            EXPECT_EQ(text, c.text) << c.line;
        }
    }
}

TEST(DayNotes, NotesGroupContinuationsAndDropLinesBeforeTheFirstDate)
{
    std::vector<std::string> got;
    CollectDayNotes({"orphan line", "2\t9\tX", "Y", "32 1 something", "3\t9\tZ", "3 9", "3 9 again"},
                    [&](const std::string& note, int month, int day) {
                        got.push_back(std::to_string(day) + "/" + std::to_string(month) + ":" + note);
                    });
    EXPECT_EQ(got, (std::vector<std::string>{"2/9:X<br>Y<br>32 1 something", "3/9:Z", "3/9:again"}));
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
    EXPECT_EQ(may1.substr(may1.size() - 18), "<br>April the 31st");
    const std::string& march1 = engine->GetDay(engine->GetDayIndex(3, 1)).strReadings;
    EXPECT_EQ(march1.substr(march1.size() - 8), "<br>leap");
    EXPECT_TRUE(data.Messages().Messages().empty());
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

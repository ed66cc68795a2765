// Notes placed by a rule ("uMoveable.txt"): each rule of the file's syntax
// on the days it names, and the lines that are skipped.

#include "engine/MoveableNotes.h"
#include "tests/engine/EngineTestData.h"

#include <gtest/gtest.h>

using namespace talvoren;

namespace
{
// "month-day" of every day of `year` whose readings hold the line `note`.
std::vector<std::string> DaysOf(const YEARTABLE& year, const std::string& note)
{
    std::vector<std::string> days;
    for (int i = 0; i < year.nDaysInYear; ++i) {
        const std::string& readings = year.Day(i).strReadings;
        const std::string line = "<br>" + note;
        if (readings.size() >= line.size() &&
            (readings.find(line + "<br>") != std::string::npos ||
             readings.compare(readings.size() - line.size(), line.size(), line) == 0))
            days.push_back(std::to_string(year.Day(i).nMonth) + "-" + std::to_string(year.Day(i).nDay));
    }
    return days;
}
} // namespace

// 2026: Easter 5 April, the Baptism on Sunday 11 January, Pentecost 24 May
// (25 May is Monday of week VIII), Advent from 29 November.
TEST(MoveableNotes, RulesAndTheDaysTheyName)
{
    struct Case { const char* line; int year, ascension; std::vector<std::string> days; };
    const Case cases[] = {
        {"Easter-2 Good Friday", 2026, 1, {"4-3"}},
        {"Easter Easter", 2026, 1, {"4-5"}},
        {"Easter+7[2000-] Mercy", 2026, 1, {"4-12"}},
        {"Easter+7[2000-] Mercy", 1999, 1, {}},
        {"Pentecost+7 Trinity", 2026, 1, {"5-31"}},
        {"Ascension Ascension Sunday", 2026, 1, {"5-17"}},
        {"Ascension Ascension Thursday", 2026, 0, {"5-14"}},
        {"AshWednesday Fast", 2026, 1, {"2-18"}},
        {"OT3[2020-] Word", 2026, 1, {"1-25"}},
        {"OT3[2020-] Word", 2019, 1, {}},
        {"OT2[2023-2023] Second", 2023, 1, {"1-15"}},   // the Baptism on Monday 9 January
        {"OT8 Pentecost itself", 2026, 1, {}},
        {"OT9 Trinity", 2026, 1, {"5-31"}},
        {"OT33 Poor", 2026, 1, {"11-15"}},
        {"OT34 King", 2026, 1, {"11-22"}},
        {"1Sun10 Rosary", 2026, 1, {"10-4"}},
        {"-2Sun10 Mission", 2026, 1, {"10-18"}},
        {"-1Sun11 Last", 2026, 1, {"11-29"}},
        {"4Sun7[2021-] Elderly", 2026, 1, {"7-26"}},
        {"2Fri3 Friday", 2026, 1, {"3-13"}},
        {"1-3/11 Dead", 2026, 1, {"11-1", "11-2", "11-3"}},
        // Skipped lines.
        {"Easter+ x", 2026, 1, {}},
        {"6Sun10 x", 2026, 1, {}},
        {"-3Sun10 x", 2026, 1, {}},
        {"OT40 x", 2026, 1, {}},
        {"OT1 x", 2026, 1, {}},
        {"1-8/13 x", 2026, 1, {}},
        {"8-1/11 x", 2026, 1, {}},
        {"Bogus x", 2026, 1, {}},
        {"Easter+1[2030] x", 2026, 1, {}},
        {"Easter+1", 2026, 1, {}},
    };
    for (const Case& c : cases) {
        CEngineTestData data;
        data.WriteNotes("uMoveable.txt", {c.line});
        const std::string line = c.line;
        const std::string text = line.substr(line.find(' ') + 1);
        EXPECT_EQ(DaysOf(data.Year(c.year, 0, c.ascension, 1), text), c.days) << c.line << " in " << c.year;
    }
}

// On a day the notes follow the file order: local and ordo notes, lunar
// notes, moveable notes, then the user's notes.
TEST(MoveableNotes, NotesOfTheFourKindsInTheirOrder)
{
    CEngineTestData data;
    data.WriteNotes("uNote.txt", {"2 9 mine"});
    data.WriteNotes("uMoveable.txt", {"2-2/9 moveable"});
    data.WriteNotes("uLunarNote.txt", {"25 7 lunar"});   // 2 September 2002 is 25 of the seventh month
    data.WriteNotes("uOrdo.txt", {"2 9 ordo"});
    const YEARTABLE year = data.Year(2002);
    const std::string& readings = year.Day(year.DayIndex(9, 2)).strReadings;
    EXPECT_EQ(readings.substr(readings.find("<br>")), "<br>ordo<br>lunar<br>moveable<br>mine");
}

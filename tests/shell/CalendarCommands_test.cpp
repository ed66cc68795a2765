#include "shell/CalendarCommands.h"
#include "tests/engine/EngineTestData.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace talvoren;

namespace
{
// Records the pages that the commands ask for.
class CRecordingTarget : public CPageTarget
{
public:
    struct PAGE {
        std::string kind;   // "list", "table", "readings"
        int first = 0;
        int end = 0;
        std::string readings;
    };
    void ShowMonthList(int first, int end) override { m_pages.push_back({"list", first, end, ""}); }
    void ShowMonthTable(int first, int end) override { m_pages.push_back({"table", first, end, ""}); }
    void ShowReadings(const std::string& readings, const std::string&) override
    {
        m_pages.push_back({"readings", 0, 0, readings});
    }
    std::vector<PAGE> m_pages;
};

class CalendarCommandsTest : public ::testing::Test
{
protected:
    CEngineTestData m_data;
    std::unique_ptr<CLiturgicalYear> m_year = m_data.Engine();
    CRecordingTarget m_target;
    CCalendarCommands m_commands{*m_year, m_target};
};
}

TEST_F(CalendarCommandsTest, MonthCommandsShowTheMonthOfTheHeldYear)
{
    ASSERT_TRUE(m_year->ComputeYear(2003));
    // March 2003: 1 March is day 59, 1 April day 90.
    EXPECT_TRUE(m_commands.RunStatusText("talvorencommand|view|3"));
    EXPECT_TRUE(m_commands.RunStatusText("talvorencommand|VIEW|3"));
    EXPECT_TRUE(m_commands.RunStatusText("talvorencommand|viewtbl|11"));   // 1 November = 304
    EXPECT_TRUE(m_commands.RunStatusText("talvorencommand|view|3x"));
    ASSERT_EQ(m_target.m_pages.size(), 4u);
    EXPECT_EQ(m_target.m_pages[0].kind, "list");
    EXPECT_EQ(m_target.m_pages[0].first, 59);
    EXPECT_EQ(m_target.m_pages[0].end, 90);
    EXPECT_EQ(m_target.m_pages[1].first, 59);
    EXPECT_EQ(m_target.m_pages[2].kind, "table");
    EXPECT_EQ(m_target.m_pages[2].first, 304);
    EXPECT_EQ(m_target.m_pages[2].end, 334);
    EXPECT_EQ(m_target.m_pages[3].first, 59);
}

TEST_F(CalendarCommandsTest, OutOfRangeAndMalformedCommandsShowNothing)
{
    ASSERT_TRUE(m_year->ComputeYear(2004));
    struct Case { const char* text; bool shown; };
    const Case cases[] = {
        {"talvorencommand|view|13", true},
        {"talvorencommand|view|0", true},
        {"talvorencommand|view|", true},
        {"talvorencommand|view", false},
        {"talvorencommand|viewtbl|-1", true},
        {"talvorencommand|viewBible|366", true},     // 2004 has days 0..365
        {"talvorencommand|viewBible|-1", true},
        {"talvorencommand|frobnicate|1", true},
        {"talvorencommand|deleteref|4", true},
        {"TalvorenCommand|view|3", true},
        {"file:///somewhere/page.htm", true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(m_commands.RunStatusText(c.text), c.shown) << c.text;
    EXPECT_TRUE(m_target.m_pages.empty());
    EXPECT_EQ(m_year->GetComputedYear(), 2004);
}

// Addresses no page of ours sends: a megabyte long, with non-ASCII text, or
// with numbers beyond 32 bits. None may run a command outside its range
// (a number that wrapped around would: 4294967299 is 3 modulo 2^32), none
// may crash; each is shown in the status bar as any other status text.
TEST_F(CalendarCommandsTest, HugeForeignAndOverflowingAddressesRunNothingOutOfRange)
{
    ASSERT_TRUE(m_year->ComputeYear(2004));
    const std::string megabyte(1u << 20, '9');
    struct CASE {
        std::string text;
        bool bShown;
    };
    const CASE cases[] = {
        {"talvorencommand|view|" + megabyte, true},
        {"talvorencommand|viewBible|" + megabyte, true},
        {"talvorencommand|yearchange|" + megabyte, true},
        {std::string(1u << 20, 'x') + "talvorencommand|view", false},   // no argument field
        {"talvorencommand|" + std::string(1u << 20, '|'), true},
        {"talvorencommand|view|" + std::string(1u << 20, '-'), true},
        {"talvorencommand|" + megabyte + "|3", true},
        {"talvorencommand|view|4294967299", true},
        {"talvorencommand|viewtbl|-4294967293", true},
        {"talvorencommand|viewBible|4294967296", true},
        {"talvorencommand|viewBible|18446744073709551616", true},
        {"talvorencommand|yearchange|4294969300", true},
        {"talvorencommand|yearchange|-4294965292", true},
        {"talvorencommand|view|\xEF\xBC\x93", true},                              // a fullwidth 3
        {"talvorencommand|view|\xD9\xA3", true},                                  // an Arabic-Indic 3
        {"talvorencommand|v\xC4\xB0" "ew|3", true},                                 // a capital I with a dot
        {"talvorencommand|\xEF\xBD\x96\xEF\xBD\x89\xEF\xBD\x85\xEF\xBD\x97|3", true},   // fullwidth "view"
        {"talvorencommand|view|\xFF\xFE\x80", true},                              // not UTF-8 at all
    };
    for (const CASE& test : cases)
        EXPECT_EQ(m_commands.RunStatusText(test.text), test.bShown) << test.text.substr(0, 40);
    EXPECT_TRUE(m_target.m_pages.empty());
    EXPECT_EQ(m_year->GetComputedYear(), 2004);

    // A number followed by a megabyte of non-ASCII text is read up to its end.
    std::string tail;
    for (int i = 0; i < (1 << 19); ++i)
        tail += "\xC6\xB0";   // ư
    EXPECT_TRUE(m_commands.RunStatusText("talvorencommand|view|3" + tail));
    ASSERT_EQ(m_target.m_pages.size(), 1u);
    EXPECT_EQ(m_target.m_pages[0].first, 60);   // 1 March 2004
    EXPECT_EQ(m_target.m_pages[0].end, 91);
}

TEST_F(CalendarCommandsTest, ViewBibleTakesTheReadingsOfThatDay)
{
    ASSERT_TRUE(m_year->ComputeYear(2004));
    m_commands.RunStatusText("talvorencommand|viewBible|365");   // 31 December of a leap year
    m_commands.RunStatusText("talvorencommand|viewBible|45");
    ASSERT_EQ(m_target.m_pages.size(), 2u);
    EXPECT_EQ(m_target.m_pages[0].readings, m_year->GetDay(365).strReadings);
    EXPECT_EQ(m_target.m_pages[1].readings, m_year->GetDay(45).strReadings);
    EXPECT_FALSE(m_target.m_pages[1].readings.empty());
}

TEST_F(CalendarCommandsTest, YearChangeComputesOnceAndShowsJanuary)
{
    ASSERT_TRUE(m_year->ComputeYear(2003));
    m_commands.RunStatusText("talvorencommand|yearchange|2004");
    EXPECT_EQ(m_year->GetComputedYear(), 2004);
    ASSERT_EQ(m_target.m_pages.size(), 1u);
    EXPECT_EQ(m_target.m_pages[0].kind, "list");
    EXPECT_EQ(m_target.m_pages[0].first, 0);
    EXPECT_EQ(m_target.m_pages[0].end, 31);

    // A note written now is not seen by the second command: the held year is kept.
    m_data.WriteNotes("uLocal.txt", {"5 1 LOCALNOTE"});
    m_commands.RunStatusText("talvorencommand|yearchange|2004");
    ASSERT_EQ(m_target.m_pages.size(), 2u);
    EXPECT_EQ(m_year->GetDay(4).strReadings.find("LOCALNOTE"), std::string::npos);
    // After invalidation the year is computed afresh.
    m_year->Invalidate();
    m_commands.RunStatusText("talvorencommand|yearchange|2004");
    EXPECT_NE(m_year->GetDay(4).strReadings.find("LOCALNOTE"), std::string::npos);
}

TEST_F(CalendarCommandsTest, RefusedYearLeavesThePageAlone)
{
    ASSERT_TRUE(m_year->ComputeYear(2003));
    m_commands.RunStatusText("talvorencommand|yearchange|1200");
    m_commands.RunStatusText("talvorencommand|yearchange|0");
    EXPECT_TRUE(m_target.m_pages.empty());
    EXPECT_EQ(m_year->GetComputedYear(), 2003);
}

TEST_F(CalendarCommandsTest, CommandBeforeAnyYearUsesTheCurrentYear)
{
    m_commands.RunStatusText("talvorencommand|view|2");
    EXPECT_EQ(m_year->GetComputedYear(), TodayLocal().nYear);
    ASSERT_EQ(m_target.m_pages.size(), 1u);
    EXPECT_EQ(m_target.m_pages[0].first, 31);
}

TEST_F(CalendarCommandsTest, CurrentMonthOfBothKinds)
{
    m_commands.ShowCurrentMonth(1, CIVILDATE{2004, 2, 17});
    m_commands.ShowCurrentMonth(2, CIVILDATE{2004, 12, 5});
    ASSERT_EQ(m_target.m_pages.size(), 2u);
    EXPECT_EQ(m_target.m_pages[0].kind, "list");
    EXPECT_EQ(m_target.m_pages[0].first, 31);
    EXPECT_EQ(m_target.m_pages[0].end, 60);    // February of a leap year
    EXPECT_EQ(m_target.m_pages[1].kind, "table");
    EXPECT_EQ(m_target.m_pages[1].first, 335);
    EXPECT_EQ(m_target.m_pages[1].end, 366);
}

TEST_F(CalendarCommandsTest, SelectionRanges)
{
    DATESELECTION month;
    month.nYear = 2003;
    month.nMonth = 3;
    m_commands.ShowSelection(month);

    DATESELECTION reversed;   // 5 March to 1 March: shows 1 to 5 March
    reversed.nMode = 1;
    reversed.nYear = 2003;
    reversed.nMonth = 3;
    reversed.nFromDay = 5;
    reversed.nToMonth = 3;
    reversed.nToDay = 1;
    reversed.nTabular = 1;
    m_commands.ShowSelection(reversed);

    DATESELECTION same = reversed;   // the same date twice: that day
    same.nToDay = 5;
    same.nTabular = 0;
    m_commands.ShowSelection(same);

    DATESELECTION noYear = same;     // an empty year box gives year 0: refused, nothing shown
    noYear.nYear = 0;
    m_commands.ShowSelection(noYear);

    ASSERT_EQ(m_target.m_pages.size(), 3u);
    EXPECT_EQ(m_target.m_pages[0].kind, "list");
    EXPECT_EQ(m_target.m_pages[0].first, 59);
    EXPECT_EQ(m_target.m_pages[0].end, 90);
    EXPECT_EQ(m_target.m_pages[1].kind, "table");
    EXPECT_EQ(m_target.m_pages[1].first, 59);   // 1 March
    EXPECT_EQ(m_target.m_pages[1].end, 64);     // 5 March included
    EXPECT_EQ(m_target.m_pages[2].first, 63);
    EXPECT_EQ(m_target.m_pages[2].end, 64);
}

// Moving from page to page: each command from the page before, with the
// kind, year and first day it shows (or none when it shows nothing).
TEST_F(CalendarCommandsTest, MovesBetweenMonthsKindsAndYears)
{
    ASSERT_TRUE(m_year->ComputeYear(2026));
    struct Case { const char* text; const char* kind; int year; int first; };
    const Case cases[] = {
        {"talvorencommand|view|12", "list", 2026, 334},
        {"talvorencommand|step|1", "list", 2027, 0},           // across the year's end
        {"talvorencommand|step|-1", "list", 2026, 334},        // and back
        {"talvorencommand|switchview|2", "table", 2026, 334},  // the same month, the other kind
        {"talvorencommand|step|1", "table", 2027, 0},
        {"talvorencommand|yearchange|2028", "table", 2028, 0}, // the kind and month stay
        {"talvorencommand|viewtbl|3", "table", 2028, 60},      // 2028 is a leap year
        {"talvorencommand|switchview|1", "list", 2028, 60},
        {"talvorencommand|yearchange|1583", "list", 1583, 59},
        {"talvorencommand|view|1", "list", 1583, 0},
        {"talvorencommand|step|-1", nullptr, 0, 0},            // no year before 1583
        {"talvorencommand|yearchange|9999", "list", 9999, 0},
        {"talvorencommand|view|12", "list", 9999, 334},
        {"talvorencommand|step|1", nullptr, 0, 0},             // nor after 9999
        {"talvorencommand|switchview|7", nullptr, 0, 0},
    };
    for (const Case& c : cases) {
        m_target.m_pages.clear();
        m_commands.RunStatusText(c.text);
        if (!c.kind) {
            EXPECT_TRUE(m_target.m_pages.empty()) << c.text;
            continue;
        }
        ASSERT_EQ(m_target.m_pages.size(), 1u) << c.text;
        EXPECT_EQ(m_target.m_pages[0].kind, c.kind) << c.text;
        EXPECT_EQ(m_year->GetComputedYear(), c.year) << c.text;
        EXPECT_EQ(m_target.m_pages[0].first, c.first) << c.text;
    }
}

TEST(CivilDate, StepsAcrossMonthAndYearEnds)
{
    struct Case { CIVILDATE from; int days; CIVILDATE to; };
    const Case cases[] = {
        {{2003, 12, 31}, 1, {2004, 1, 1}},
        {{2004, 1, 1}, -1, {2003, 12, 31}},
        {{2004, 2, 28}, 1, {2004, 2, 29}},
        {{2100, 2, 28}, 1, {2100, 3, 1}},    // 2100 is no leap year
        {{2000, 2, 28}, 1, {2000, 2, 29}},   // 2000 is one
        {{2003, 3, 1}, -1, {2003, 2, 28}},
        {{2003, 1, 31}, 1, {2003, 2, 1}},
        {{1583, 1, 1}, 365, {1584, 1, 1}},
        {{2002, 2, 12}, 365, {2003, 2, 12}},
    };
    for (const Case& c : cases) {
        const CIVILDATE to = AddDays(c.from, c.days);
        EXPECT_TRUE(to == c.to) << c.from.nYear << "-" << c.from.nMonth << "-" << c.from.nDay << " " << c.days
                                << " gave " << to.nYear << "-" << to.nMonth << "-" << to.nDay;
    }
}

TEST(CivilDate, WalkingAWholeYearVisitsEveryDayOnce)
{
    // Day by day through 2004, the walk agrees with the engine's day indexes.
    CIVILDATE date{2004, 1, 1};
    for (int index = 0; index < 366; ++index) {
        EXPECT_EQ(CLiturgicalYear::DayOfYear(2004, date.nMonth, date.nDay), index);
        date = AddDays(date, 1);
    }
    EXPECT_TRUE(date == (CIVILDATE{2005, 1, 1}));
}

TEST_F(CalendarCommandsTest, AfterStartingAfreshThePageCommandsWorkOnTodaysYear)
{
    const int today = TodayLocal().nYear;
    for (const char* text : {"talvorencommand|view|3", "talvorencommand|viewtbl|3", "talvorencommand|viewBible|59"}) {
        ASSERT_TRUE(m_year->ComputeYear(today - 3));
        m_commands.StartAfresh();
        EXPECT_TRUE(m_commands.RunStatusText(text));
        EXPECT_EQ(m_year->GetComputedYear(), today) << text;
    }
}

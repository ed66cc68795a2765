// Every year of 1583..2400 with both Epiphany settings: invariants that must
// hold whatever the year.

#include "base/CivilDate.h"
#include "engine/YearComputation.h"
#include "tests/engine/EngineTestData.h"

#include <gtest/gtest.h>

using namespace talvoren;

namespace
{
void CheckYear(const YEARTABLE& table, int year, int& previousWeekday)
{
    const int days = table.nDaysInYear;
    ASSERT_EQ(days, CLiturgicalYear::IsLeapYear(year) ? 366 : 365);
    ASSERT_EQ(table.Day(0).nWeekday, (previousWeekday + 1) % 7) << year << ": weekdays run on across years";
    previousWeekday = table.Day(days - 1).nWeekday;

    int easters = 0;
    std::vector<int> seasons;
    for (int i = 0; i < days; ++i) {
        const DAYRECORD& day = table.Day(i);
        if (i > 0) {
            ASSERT_EQ(day.nWeekday, (table.Day(i - 1).nWeekday + 1) % 7) << year << " " << i;
        }
        if (day.strCelebration == "T25") {
            ++easters;
            EXPECT_EQ(day.nWeekday, 0) << year;
            EXPECT_EQ(day.nRank, 10) << year;
            EXPECT_EQ(i, table.anchors.nEaster) << year;
        }
        if (seasons.empty() || seasons.back() != day.nSeason)
            seasons.push_back(day.nSeason);
        ASSERT_GE(day.nRank, 0);
        ASSERT_LE(day.nRank, 10);
    }
    EXPECT_EQ(easters, 1) << year;

    const DAYRECORD& ash = table.Day(table.anchors.nEaster - 46);
    EXPECT_EQ(ash.strCelebration, "T14") << year;
    EXPECT_EQ(ash.nWeekday, 3) << year;

    const int advent = table.anchors.nAdventStart;
    EXPECT_EQ(table.Day(advent).nWeekday, 0) << year;
    EXPECT_EQ(table.Day(advent - 1).nSeason, 0) << year;
    int adventSundays = 0;
    for (int i = advent; table.Day(i).nSeason == 1; ++i)
        adventSundays += table.Day(i).nWeekday == 0;
    EXPECT_EQ(adventSundays, 4) << year;
    EXPECT_EQ(table.DayIndex(12, 24), table.anchors.nChristmas - 1);
    EXPECT_EQ(table.Day(table.anchors.nChristmas - 1).nSeason, 1) << year << ": Advent ends on 24 December";
    EXPECT_EQ(table.Day(advent - 7).strCelebration, "T46") << year;

    // Christmas season (from 1 January), Ordinary Time, Ash Wednesday, Lent,
    // Holy Week and the octave, Easter season, Ordinary Time, Advent,
    // Christmas season (from Christmas Day).
    const std::vector<int> order{2, 0, 5, 3, 5, 4, 0, 1, 2};
    EXPECT_EQ(seasons, order) << year;
}
} // namespace

TEST(YearSweep, EveryYearFrom1583To2400)
{
    CEngineTestData data;
    const auto language = data.Language().Data();
    for (bool flag : {false, true}) {
        const CALENDARSETTINGS settings{flag, flag, !flag};
        int previousWeekday = (WeekdayOf(1583, 1, 1) + 6) % 7;
        for (int year = 1583; year <= 2400; ++year) {
            const YEARTABLE table = ComputeYearTable(year, settings, *language);
            ASSERT_TRUE(table.bComplete) << year;
            CheckYear(table, year, previousWeekday);
            if (HasFatalFailure())
                return;
        }
    }
    EXPECT_TRUE(data.Messages().Messages().empty());
}

TEST(YearSweep, WeekdayOfNewYear)
{
    struct Case { int year, weekday; };
    const Case cases[] = {{1583, 6}, {1900, 1}, {2000, 6}, {2002, 2}, {2006, 0}, {2007, 1}, {2026, 4}, {9999, 5}};
    for (const Case& c : cases)
        EXPECT_EQ(WeekdayOf(c.year, 1, 1), c.weekday) << c.year;
}

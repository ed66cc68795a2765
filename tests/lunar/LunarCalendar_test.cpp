// Civil dates with lunar dates known independently: the worked examples of
// the calendar's design, Tết and other feast days as Vietnam kept them, and
// a historical date before the table.

#include "lunar/LunarAstronomy.h"
#include "lunar/LunarCalendar.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace talvoren;

namespace
{
struct LunarCase {
    int year, month, day;              // civil
    int lunarDay, lunarMonth, lunarYear;
    bool leap;
    const char* yearName;              // nullptr = not checked
};

std::string Where(const LunarCase& c)
{
    return std::to_string(c.year) + "-" + std::to_string(c.month) + "-" + std::to_string(c.day);
}

void ExpectDates(const std::vector<LunarCase>& cases)
{
    for (const LunarCase& c : cases) {
        CLunarCalendar lunar;
        ASSERT_TRUE(lunar.SetSolarDate(c.year, c.month, c.day)) << Where(c);
        EXPECT_EQ(lunar.GetLunarDay(), c.lunarDay) << Where(c);
        EXPECT_EQ(lunar.GetLunarMonth(), c.lunarMonth) << Where(c);
        EXPECT_EQ(lunar.GetLunarYear(), c.lunarYear) << Where(c);
        EXPECT_EQ(lunar.IsLeapMonth(), c.leap) << Where(c);
        if (c.yearName) {
            EXPECT_EQ(lunar.GetYearName(), c.yearName) << Where(c);
        }
        EXPECT_EQ(lunar.GetSolarYear(), c.year);
        EXPECT_EQ(lunar.GetSolarMonth(), c.month);
        EXPECT_EQ(lunar.GetSolarDay(), c.day);
    }
}
} // namespace

TEST(LunarCalendar, DesignExamples)
{
    ExpectDates({
        {2002, 2, 12, 1, 1, 2002, false, "Nh&#226;m Ng&#7885;"},
        {2002, 2, 11, 30, 12, 2001, false, "T&#226;n T&#7925;"},
        {2001, 5, 23, 1, 4, 2001, true, nullptr},
        {2001, 6, 20, 29, 4, 2001, true, nullptr},
        {2001, 6, 21, 1, 5, 2001, false, nullptr},
        {2004, 1, 22, 1, 1, 2004, false, "Gi&#225;p Th&#226;n"},
        {1905, 1, 1, 26, 11, 1904, false, "Gi&#225;p Th&#236;n"},
        {2049, 12, 31, 7, 12, 2049, false, nullptr},
        // Once folded by whole 60-year cycles, now their true dates.
        {1900, 1, 31, 1, 1, 1900, false, "Canh T&#237;"},
        {2050, 1, 1, 8, 12, 2049, false, "K&#7927; T&#7925;"},
        {2100, 1, 1, 21, 11, 2099, false, "K&#7927; M&#249;i"},
    });
}

// Mùng Một Tết as Vietnam kept it, and the last day of the year before.
TEST(LunarCalendar, TetDates)
{
    const struct {
        int year, month, day;
        const char* name;
    } tet[] = {
        {1968, 1, 29, "M&#7853;u Th&#226;n"},   // the UTC+7 new year, a day before China's
        {1985, 1, 21, "&#7844;t S&#7917;u"},     // China: 20 February
        {2007, 2, 17, "&#208;inh H&#7907;i"},    // China: 18 February
        {2030, 2, 2, "Canh Tu&#7845;t"},         // China: 3 February
        {2024, 2, 10, "Gi&#225;p Th&#236;n"},
        {2025, 1, 29, "&#7844;t T&#7925;"},
        {2026, 2, 17, "B&#237;nh Ng&#7885;"},
    };
    for (const auto& t : tet) {
        CLunarCalendar lunar;
        ASSERT_TRUE(lunar.SetSolarDate(t.year, t.month, t.day));
        EXPECT_EQ(lunar.GetLunarDay(), 1) << t.year;
        EXPECT_EQ(lunar.GetLunarMonth(), 1) << t.year;
        EXPECT_FALSE(lunar.IsLeapMonth()) << t.year;
        EXPECT_EQ(lunar.GetLunarYear(), t.year) << t.year;
        EXPECT_EQ(lunar.GetYearName(), t.name) << t.year;

        // The day before: the last (29th or 30th) day of month 12.
        ASSERT_TRUE(t.day > 1 ? lunar.SetSolarDate(t.year, t.month, t.day - 1)
                              : lunar.SetSolarDate(t.year, t.month - 1, 31));
        EXPECT_EQ(lunar.GetLunarMonth(), 12) << t.year;
        EXPECT_GE(lunar.GetLunarDay(), 29) << t.year;
        EXPECT_EQ(lunar.GetLunarYear(), t.year - 1) << t.year;
    }
}

TEST(LunarCalendar, LeapMonthsAndFeastDays)
{
    ExpectDates({
        {2020, 5, 23, 1, 4, 2020, true, nullptr},     // leap fourth month of Canh Tý
        {2023, 3, 22, 1, 2, 2023, true, nullptr},     // leap second month of Quý Mão
        {2025, 7, 25, 1, 6, 2025, true, nullptr},     // leap sixth month of Ất Tỵ
        {2024, 9, 17, 15, 8, 2024, false, nullptr},   // Mid-Autumn 2024
        {2025, 10, 6, 15, 8, 2025, false, nullptr},   // Mid-Autumn 2025
        {2024, 12, 1, 1, 11, 2024, false, nullptr},   // month 11 holds the solstice of 21 December
    });
}

// Before the table, computed from the sky: Quang Trung's victory at Đống Đa
// on the fifth day of Tết Kỷ Dậu, 30 January 1789.
TEST(LunarCalendar, BeforeTheTable)
{
    ExpectDates({{1789, 1, 30, 5, 1, 1789, false, "K&#7927; D&#7853;u"}});
}

TEST(LunarCalendar, YearNamesRunThroughTheCycle)
{
    // Lunar 1984 (Giáp Tý) opens a cycle: stem and branch advance together.
    CLunarCalendar lunar;
    for (int i = 0; i < 60; ++i) {
        ASSERT_TRUE(lunar.SetSolarDate(1984 + i, 7, 1));
        ASSERT_EQ(lunar.GetLunarYear(), 1984 + i);
        EXPECT_EQ(lunar.GetYearName(),
                  std::string(CLunarCalendar::GetStemName(i % 10)) + " " + CLunarCalendar::GetBranchName(i % 12));
    }
    EXPECT_STREQ(CLunarCalendar::GetStemName(9), "Qu&#237;");
    EXPECT_STREQ(CLunarCalendar::GetBranchName(11), "H&#7907;i");
    EXPECT_STREQ(CLunarCalendar::GetStemName(10), "");
    EXPECT_STREQ(CLunarCalendar::GetBranchName(-1), "");
}

TEST(LunarCalendar, BadDatesKeepThePreviousResult)
{
    CLunarCalendar lunar;
    EXPECT_EQ(lunar.GetLunarYear(), 0);
    EXPECT_EQ(lunar.GetYearName(), "");
    ASSERT_TRUE(lunar.SetSolarDate(2002, 2, 12));

    const int bad[][3] = {
        {2002, 2, 29}, {2100, 2, 29}, {2002, 4, 31}, {2002, 13, 1}, {2002, 0, 10},
        {2002, 1, 0},  {2002, 1, 32}, {1582, 12, 31}, {10000, 1, 1}, {-5, 1, 1},
    };
    for (const auto& date : bad) {
        EXPECT_FALSE(lunar.SetSolarDate(date[0], date[1], date[2])) << date[0] << "-" << date[1] << "-" << date[2];
        EXPECT_EQ(lunar.GetSolarYear(), 2002);
        EXPECT_EQ(lunar.GetLunarDay(), 1);
        EXPECT_EQ(lunar.GetLunarMonth(), 1);
        EXPECT_EQ(lunar.GetLunarYear(), 2002);
    }
    // The ends of the accepted range convert.
    EXPECT_TRUE(lunar.SetSolarDate(2000, 2, 29));
    EXPECT_TRUE(lunar.SetSolarDate(1583, 1, 1));
    EXPECT_EQ(lunar.GetLunarYear(), 1582);
    EXPECT_TRUE(lunar.SetSolarDate(9999, 12, 31));
    EXPECT_EQ(lunar.GetLunarYear(), 9999);
}

// Outside the table a converter keeps the lunar year it computed last. Used
// for dates in any order (forwards, backwards, across lunar new years and
// leap months, far jumps, and into the table and out again), one converter
// must give every date exactly what the computation gives for that day alone.
TEST(LunarCalendar, AKeptYearGivesWhatAFreshComputationGives)
{
    std::vector<int> days;
    for (const int year : {1583, 1650, 1799, 2200, 2262, 4321, 9998}) {
        const int newYearWindow = CLunarAstronomy::JulianDay(year, 1, 15);
        for (int d = 0; d < 70; ++d)                // forwards over Tết
            days.push_back(newYearWindow + d);
        for (int d = 400; d >= 0; d -= 7)           // backwards over a whole year
            days.push_back(newYearWindow + d);
    }
    days.push_back(CLunarAstronomy::JulianDay(2000, 1, 1));   // into the table
    days.push_back(CLunarAstronomy::JulianDay(2263, 6, 1));   // and out again
    days.push_back(CLunarAstronomy::JulianDay(1700, 6, 1));
    days.push_back(CLunarAstronomy::JulianDay(2263, 6, 2));
    CLunarCalendar lunar;
    for (const int jdn : days) {
        int year = 0, month = 0, day = 0;
        CLunarAstronomy::CivilDate(jdn, &year, &month, &day);
        ASSERT_TRUE(lunar.SetSolarDate(year, month, day)) << year << "-" << month << "-" << day;
        LUNARDATE alone;
        ASSERT_TRUE(CLunarAstronomy::Convert(jdn, alone));
        EXPECT_EQ(lunar.GetLunarDay(), alone.nDay) << year << "-" << month << "-" << day;
        EXPECT_EQ(lunar.GetLunarMonth(), alone.nMonth) << year << "-" << month << "-" << day;
        EXPECT_EQ(lunar.GetLunarYear(), alone.nYear) << year << "-" << month << "-" << day;
        EXPECT_EQ(lunar.IsLeapMonth(), alone.bLeap) << year << "-" << month << "-" << day;
    }
}

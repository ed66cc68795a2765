// Every day of the table's years 1800..2199 and of the years around it:
// the lunar calendar runs on without a gap.

#include "lunar/LunarAstronomy.h"
#include "lunar/LunarCalendar.h"

#include <gtest/gtest.h>

#include <string>

using namespace talvoren;

namespace
{
struct SWEEP {
    int nDays = 0;              // days seen
    int nPrevDay = 0, nPrevMonth = 0, nPrevYear = 0;
    bool bPrevLeap = false;
    std::string strPrevName;
    bool bWholeYear = false;    // the sweep saw the year's first day
    int nMonthsInYear = 0;
    int nLeapsInYear = 0;
    int nYearsChecked = 0;
};

// Feeds one converted day; returns false after the first broken rule.
::testing::AssertionResult Step(SWEEP& s, const CLunarCalendar& lunar, int jdn)
{
    const int day = lunar.GetLunarDay(), month = lunar.GetLunarMonth(), year = lunar.GetLunarYear();
    const bool leap = lunar.IsLeapMonth();
    const std::string name = lunar.GetYearName();
    if (day < 1 || day > 30 || month < 1 || month > 12)
        return ::testing::AssertionFailure() << "day " << jdn << ": " << day << "/" << month;
    if (s.nDays > 0) {
        if (day == s.nPrevDay + 1) {
            if (month != s.nPrevMonth || year != s.nPrevYear || leap != s.bPrevLeap || name != s.strPrevName)
                return ::testing::AssertionFailure() << "day " << jdn << ": the month changed mid-month";
        } else if (day == 1 && (s.nPrevDay == 29 || s.nPrevDay == 30)) {
            const bool newYear = month == 1 && !leap;
            if (newYear) {
                if (s.nPrevMonth != 12 || year != s.nPrevYear + 1 || name == s.strPrevName)
                    return ::testing::AssertionFailure() << "day " << jdn << ": bad new year";
                if (s.bWholeYear) {
                    if (s.nMonthsInYear != 12 + s.nLeapsInYear || s.nLeapsInYear > 1)
                        return ::testing::AssertionFailure()
                               << "lunar " << s.nPrevYear << " had " << s.nMonthsInYear << " months";
                    ++s.nYearsChecked;
                }
                s.bWholeYear = true;
                s.nMonthsInYear = 0;
                s.nLeapsInYear = 0;
            } else {
                const bool next = !leap && month == s.nPrevMonth + 1;
                const bool leapAfter = leap && !s.bPrevLeap && month == s.nPrevMonth;
                if (!(next || leapAfter) || year != s.nPrevYear || name != s.strPrevName)
                    return ::testing::AssertionFailure() << "day " << jdn << ": " << month << (leap ? "L" : "")
                                                         << " follows " << s.nPrevMonth;
            }
        } else {
            return ::testing::AssertionFailure() << "day " << jdn << ": day " << day << " follows " << s.nPrevDay;
        }
    }
    if (day == 1) {
        ++s.nMonthsInYear;
        s.nLeapsInYear += leap;
    }
    ++s.nDays;
    s.nPrevDay = day;
    s.nPrevMonth = month;
    s.nPrevYear = year;
    s.bPrevLeap = leap;
    s.strPrevName = name;
    return ::testing::AssertionSuccess();
}

void Sweep(int firstYear, int lastYear, SWEEP& s, bool compareWithSky)
{
    CLunarCalendar lunar;
    const int first = CLunarAstronomy::JulianDay(firstYear, 1, 1);
    const int last = CLunarAstronomy::JulianDay(lastYear, 12, 31);
    for (int jdn = first; jdn <= last; ++jdn) {
        int year = 0, month = 0, day = 0;
        CLunarAstronomy::CivilDate(jdn, &year, &month, &day);
        ASSERT_TRUE(lunar.SetSolarDate(year, month, day)) << year << "-" << month << "-" << day;
        ASSERT_TRUE(Step(s, lunar, jdn));
        if (compareWithSky) {
            // The table holds exactly what the computation gives.
            LUNARDATE sky;
            ASSERT_TRUE(CLunarAstronomy::Convert(jdn, sky));
            ASSERT_EQ(sky.nDay, lunar.GetLunarDay()) << year << "-" << month << "-" << day;
            ASSERT_EQ(sky.nMonth, lunar.GetLunarMonth()) << year << "-" << month << "-" << day;
            ASSERT_EQ(sky.nYear, lunar.GetLunarYear()) << year << "-" << month << "-" << day;
            ASSERT_EQ(sky.bLeap, lunar.IsLeapMonth()) << year << "-" << month << "-" << day;
        }
    }
}
} // namespace

// Inside the table, including its edges from and to the computed years, and
// every day agreeing with the direct computation.
TEST(LunarSweep, EveryDayFrom1795To2204)
{
    SWEEP s;
    Sweep(1795, 2204, s, true);
    EXPECT_GE(s.nYearsChecked, 408);
}

TEST(LunarSweep, ComputedYearsBeforeAndAfterTheTable)
{
    SWEEP before;
    Sweep(1583, 1800, before, false);
    EXPECT_GE(before.nYearsChecked, 215);
    SWEEP after;
    Sweep(2195, 2400, after, false);
    EXPECT_GE(after.nYearsChecked, 204);
    SWEEP end;
    Sweep(9980, 9999, end, false);
    EXPECT_GE(end.nYearsChecked, 18);
}

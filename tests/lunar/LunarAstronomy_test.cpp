// The astronomical computation against published moments: day numbers, new
// moons and solstices from almanacs.

#include "lunar/LunarAstronomy.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace talvoren;

TEST(LunarAstronomy, JulianDayNumbers)
{
    const struct {
        int year, month, day, jdn;
    } cases[] = {
        {2000, 1, 1, 2451545}, {1582, 10, 15, 2299161}, {1858, 11, 17, 2400001},
        {1900, 1, 1, 2415021}, {9999, 12, 31, 5373484},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CLunarAstronomy::JulianDay(c.year, c.month, c.day), c.jdn) << c.year;
        int year = 0, month = 0, day = 0;
        CLunarAstronomy::CivilDate(c.jdn, &year, &month, &day);
        EXPECT_EQ(year, c.year);
        EXPECT_EQ(month, c.month);
        EXPECT_EQ(day, c.day);
    }
    // Round trip over the civil years the converter accepts.
    for (int jdn = CLunarAstronomy::JulianDay(1583, 1, 1); jdn <= 5373484; jdn += 97) {
        int year = 0, month = 0, day = 0;
        CLunarAstronomy::CivilDate(jdn, &year, &month, &day);
        ASSERT_EQ(CLunarAstronomy::JulianDay(year, month, day), jdn);
    }
}

// New moons in universal time, from almanac tables; the series is good to a
// few minutes.
TEST(LunarAstronomy, NewMoonMoments)
{
    const struct {
        int year, month, day, hour, minute;
    } moons[] = {
        {2000, 1, 6, 18, 14},
        {2017, 8, 21, 18, 30},   // total solar eclipse
        {2024, 4, 8, 18, 21},    // total solar eclipse
        {1968, 1, 29, 16, 29},
    };
    for (const auto& m : moons) {
        const double jd = CLunarAstronomy::JulianDay(m.year, m.month, m.day) - 0.5 + (m.hour + m.minute / 60.0) / 24.0;
        const int k = static_cast<int>(std::lround((jd - 2415021.077) / 29.530588853));
        EXPECT_NEAR(CLunarAstronomy::NewMoon(k), jd, 10.0 / 1440) << m.year << "-" << m.month;
    }
}

TEST(LunarAstronomy, SolsticesAndEquinoxes)
{
    const struct {
        int year, month, day, hour, minute;
        double longitude;
    } moments[] = {
        {2024, 12, 21, 9, 20, 270.0},
        {2024, 3, 20, 3, 6, 0.0},
        {2000, 6, 21, 1, 48, 90.0},
    };
    for (const auto& m : moments) {
        const double jd = CLunarAstronomy::JulianDay(m.year, m.month, m.day) - 0.5 + (m.hour + m.minute / 60.0) / 24.0;
        double difference = CLunarAstronomy::SunLongitude(jd) - m.longitude;
        difference -= 360.0 * std::round(difference / 360.0);
        // The method takes the geometric longitude (no aberration or
        // nutation): within 0.02 degrees, half an hour of the sun's motion.
        EXPECT_NEAR(difference, 0.0, 0.02) << m.year << "-" << m.month;
    }
    // The solstice of 2024 falls in the night of 21 December in Vietnam: the
    // sector changes between the midnights of 21 and 22 December.
    EXPECT_EQ(CLunarAstronomy::SunSector(CLunarAstronomy::JulianDay(2024, 12, 21), 7.0), 8);
    EXPECT_EQ(CLunarAstronomy::SunSector(CLunarAstronomy::JulianDay(2024, 12, 22), 7.0), 9);
}

TEST(LunarAstronomy, Month11AndYears)
{
    // Month 11 of Giáp Thìn began on 1 December 2024.
    EXPECT_EQ(CLunarAstronomy::NewMoonDay(CLunarAstronomy::Month11(2024, 7.0), 7.0),
              CLunarAstronomy::JulianDay(2024, 12, 1));

    // 2025 has a leap sixth month; 2026 none.
    LUNARYEAR year;
    ASSERT_TRUE(CLunarAstronomy::ComputeYear(2025, year));
    EXPECT_EQ(year.nFirstDay, CLunarAstronomy::JulianDay(2025, 1, 29));
    EXPECT_EQ(year.nNextFirstDay, CLunarAstronomy::JulianDay(2026, 2, 17));
    ASSERT_EQ(year.nMonths, 13);
    EXPECT_EQ(year.arrMonths[6].nNumber, 6);
    EXPECT_TRUE(year.arrMonths[6].bLeap);
    EXPECT_EQ(year.arrMonths[6].nFirstDay, CLunarAstronomy::JulianDay(2025, 7, 25));
    EXPECT_EQ(CLunarAstronomy::YearWord(year) & 0xF, 6u);
    ASSERT_TRUE(CLunarAstronomy::ComputeYear(2026, year));
    EXPECT_EQ(year.nMonths, 12);
    EXPECT_EQ(CLunarAstronomy::YearWord(year) & 0xF, 0u);

    // Lunar 1967, counted in UTC+8, ends on 28 January 1968, the day before
    // the UTC+7 new year.
    ASSERT_TRUE(CLunarAstronomy::ComputeYear(1967, year));
    EXPECT_EQ(year.nNextFirstDay, CLunarAstronomy::JulianDay(1968, 1, 29));
    EXPECT_EQ(year.arrMonths[year.nMonths - 1].nNumber, 12);

    EXPECT_FALSE(CLunarAstronomy::ComputeYear(1000, year));
    LUNARDATE date;
    EXPECT_FALSE(CLunarAstronomy::Convert(CLunarAstronomy::JulianDay(1400, 1, 1), date));
}

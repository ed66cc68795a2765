// The committed year table is what the generator writes today, and its
// derived arrays agree with its words.

#include "lunar/LunarAstronomy.h"
#include "lunar/LunarTableWriter.h"
#include "lunar/LunarYearTable.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

using namespace talvoren;

TEST(LunarYearTable, CommittedFileIsWhatTheGeneratorWrites)
{
    std::string text, error;
    ASSERT_TRUE(CLunarTableWriter::WriteSource(text, error)) << error;

    std::ifstream file(std::string(TALVOREN_SOURCE_DIR) + "/lunar/LunarYearTable.cpp", std::ios::binary);
    ASSERT_TRUE(file) << "lunar/LunarYearTable.cpp not found";
    std::stringstream committed;
    committed << file.rdbuf();
    EXPECT_EQ(committed.str(), text) << "regenerate with the lunar-table target";
}

TEST(LunarYearTable, WordsAndEpoch)
{
    // Lunar 1800 began on 25 January 1800.
    EXPECT_EQ(CLunarYearTable::s_nEpochYear, 1800);
    EXPECT_EQ(CLunarYearTable::s_nEpochMonth, 1);
    EXPECT_EQ(CLunarYearTable::s_nEpochDay, 25);
    EXPECT_EQ(CLunarYearTable::s_nEpochJulianDay, CLunarAstronomy::JulianDay(1800, 1, 25));

    const auto& starts = CLunarYearTable::s_arrYearStarts;
    EXPECT_EQ(starts[0], 0);
    int leapYears = 0;
    for (int i = 0; i < CLunarYearTable::kYears; ++i) {
        const std::uint32_t word = CLunarYearTable::s_arrWords[i];
        EXPECT_EQ(word >> 17, 0u) << 1800 + i;
        EXPECT_LE(CLunarYearTable::LeapMonth(word), 12) << 1800 + i;
        if (CLunarYearTable::LeapMonth(word) == 0) {
            EXPECT_EQ(word & 0x10000, 0u) << 1800 + i << ": a leap length without a leap month";
        }
        const int length = starts[i + 1] - starts[i];
        EXPECT_EQ(length, CLunarYearTable::YearLength(word));
        EXPECT_TRUE((length >= 353 && length <= 355) || (length >= 383 && length <= 385)) << 1800 + i << ": " << length;
        leapYears += CLunarYearTable::LeapMonth(word) != 0;
    }
    // Seven leap months in nineteen years: 147 in 400 years, give or take.
    EXPECT_NEAR(leapYears, 400 * 7 / 19, 2);

    // The table ends where lunar 2200 begins.
    LUNARYEAR after;
    ASSERT_TRUE(CLunarAstronomy::ComputeYear(2200, after));
    EXPECT_EQ(CLunarYearTable::s_nEpochJulianDay + starts[CLunarYearTable::kYears], after.nFirstDay);
}

// Words the old Chinese table and the Vietnamese calendar share.
TEST(LunarYearTable, WordsSharedWithTheChineseCalendar)
{
    const struct {
        int year;
        std::uint32_t word;
    } shared[] = {{1900, 0x04BD8}, {2001, 0x0D954}, {2002, 0x0D4A0}, {2004, 0x07552}, {2025, 0x0A6E6}};
    for (const auto& s : shared)
        EXPECT_EQ(CLunarYearTable::s_arrWords[s.year - 1800], s.word) << s.year;
}

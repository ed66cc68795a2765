#pragma once
// The year table of the lunar calendar: one 32-bit word for each lunar year
// from 1800 to 2199 and the civil date of the first day of lunar 1800 (the
// epoch, day number 0). The words are written by talvoren-lunar-table
// (lunar/LunarYearTable.cpp) from CLunarAstronomy.
//
// Word layout: bits 0..3 = number of the month that the leap month follows
// (0 = no leap month); bits 15..4 = lengths of regular months 1..12 (bit 15 =
// month 1; 1 = 30 days, 0 = 29 days); bit 16 = length of the leap month;
// bits 17..31 are 0.

#include <array>
#include <cstdint>

namespace talvoren
{
class CLunarYearTable
{
public:
    static constexpr int kFirstYear = 1800;
    static constexpr int kLastYear = 2199;
    static constexpr int kYears = kLastYear - kFirstYear + 1;

    using WordArray = std::array<std::uint32_t, kYears>;
    using StartArray = std::array<int, kYears + 1>;

    static constexpr int LeapMonth(std::uint32_t word) { return static_cast<int>(word & 0xF); }

    // Length of regular month `month` (1..12) of a year.
    static constexpr int MonthLength(std::uint32_t word, int month)
    {
        return (word >> (16 - month)) & 1 ? 30 : 29;
    }

    // Length of the leap month (meaningful only when LeapMonth is not 0).
    static constexpr int LeapMonthLength(std::uint32_t word) { return (word >> 16) & 1 ? 30 : 29; }

    // Days of a year: its twelve regular months and the leap month if any.
    static constexpr int YearLength(std::uint32_t word)
    {
        int days = 0;
        for (int month = 1; month <= 12; ++month)
            days += MonthLength(word, month);
        return LeapMonth(word) != 0 ? days + LeapMonthLength(word) : days;
    }

    // Day number (from the epoch) of the first day of each year, and at
    // [kYears] the day after the table.
    static constexpr StartArray YearStarts(const WordArray& words)
    {
        StartArray starts{};
        for (int i = 0; i < kYears; ++i)
            starts[i + 1] = starts[i] + YearLength(words[i]);
        return starts;
    }

    static const WordArray s_arrWords;
    static const StartArray s_arrYearStarts;   // YearStarts(s_arrWords)
    static const int s_nEpochYear;             // civil date of the first day of lunar kFirstYear
    static const int s_nEpochMonth;
    static const int s_nEpochDay;
    static const int s_nEpochJulianDay;        // its Julian day number
};

} // namespace talvoren

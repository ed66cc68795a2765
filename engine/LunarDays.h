#pragma once
// The Vietnamese lunar date of every day of a civil year, for placing the
// lunar-dated celebrations and notes.

#include "engine/YearTable.h"

#include <vector>

namespace talvoren
{
struct LUNARDAY
{
    int nDay = 0;               // 1..30
    int nMonth = 0;             // 1..12 (a leap month carries the number of the month before it)
    bool bLeapMonth = false;
    bool bLastOfMonth = false;  // the next day begins a lunar month
};

// Given a table whose dates are set, one lunar date per day of its year
// (index 0 = 1 January). Converts the first day, then only the days whose
// count would reach 29 (a lunar month has 29 or 30 days), and 1 January of
// the next year for the last day.
std::vector<LUNARDAY> LunarDaysOf(const YEARTABLE& table);

// True when `lunar` is day `day` of the regular month `month`; day 30 is the
// last day of a month of 29 days.
bool IsLunarDate(const LUNARDAY& lunar, int day, int month);

} // namespace talvoren

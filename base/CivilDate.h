#pragma once
// A civil (proleptic Gregorian) date and the few steps the program takes
// with it: today's local date and moving by whole days.

namespace talvoren
{
struct CIVILDATE
{
    int nYear = 0;
    int nMonth = 0;   // 1..12
    int nDay = 0;     // 1..31
};

inline bool operator==(const CIVILDATE& a, const CIVILDATE& b)
{
    return a.nYear == b.nYear && a.nMonth == b.nMonth && a.nDay == b.nDay;
}

// The present local date of the system.
CIVILDATE TodayLocal();

// `date` moved by `days` (negative: backwards), across month and year ends.
// Given a valid date; a day beyond its month counts on into the next month.
// Method: days since 1970-01-01 and back (H. Hinnant's civil-day algorithms).
CIVILDATE AddDays(const CIVILDATE& date, int days);

} // namespace talvoren

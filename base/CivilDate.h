#pragma once
// Civil dates of the proleptic Gregorian calendar: the one place where the
// program counts days. The engine, the lunar converter, the dialogs and the
// windows all call these.
//
// Method: days since 1970-01-01 and back (H. Hinnant, "chrono-Compatible
// Low-Level Date Algorithms"); valid for every year the program accepts and
// far beyond. Nothing here reads the clock except TodayLocal.

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
inline bool operator!=(const CIVILDATE& a, const CIVILDATE& b)
{
    return !(a == b);
}

// Divisible by 400, or by 4 and not by 100.
constexpr bool IsLeapYear(int year)
{
    return year % 400 == 0 || (year % 4 == 0 && year % 100 != 0);
}

constexpr int DaysInYear(int year)
{
    return IsLeapYear(year) ? 366 : 365;
}

// 28..31; 0 for a month outside 1..12.
constexpr int DaysInMonth(int year, int month)
{
    constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12)
        return 0;
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

// A real date: month 1..12 and a day that its month has (no 31 April, no
// 29 February in a common year).
constexpr bool IsValidDate(int year, int month, int day)
{
    return day >= 1 && day <= DaysInMonth(year, month);
}

// Days before month `month` (1..13: 13 gives the year's length).
constexpr int DaysBeforeMonth(int year, int month)
{
    constexpr int kBefore[13] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334, 365};
    return kBefore[month - 1] + (month > 2 && IsLeapYear(year) ? 1 : 0);
}

// 0-based day of the year; 0 for a month outside 1..12 or a day outside
// 1..31. The day is not checked against its month: 30 February is the index
// of 1 March in a leap year and of 2 March in a common one.
constexpr int DayOfYear(int year, int month, int day)
{
    if (month < 1 || month > 12 || day < 1 || day > 31)
        return 0;
    return DaysBeforeMonth(year, month) + day - 1;
}

// Days from 1970-01-01 to a date (negative before it). The day may lie past
// its month's end and then counts on into the next month.
constexpr long long DaysFromCivil(long long year, int month, int day)
{
    year -= month <= 2;
    const long long era = (year >= 0 ? year : year - 399) / 400;
    const long long yoe = year - era * 400;                                 // [0, 399]
    const long long doy = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;   // [0, 365]
    const long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;            // [0, 146096]
    return era * 146097 + doe - 719468;
}

// The date `days` days after 1970-01-01 (inverse of DaysFromCivil).
constexpr CIVILDATE CivilFromDays(long long days)
{
    days += 719468;
    const long long era = (days >= 0 ? days : days - 146096) / 146097;
    const long long doe = days - era * 146097;                              // [0, 146096]
    const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;   // [0, 399]
    const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);          // [0, 365]
    const long long mp = (5 * doy + 2) / 153;                               // [0, 11]
    CIVILDATE date;
    date.nDay = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    date.nMonth = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    date.nYear = static_cast<int>(yoe + era * 400 + (date.nMonth <= 2 ? 1 : 0));
    return date;
}

// Julian day number (the day that begins at noon UT of that date):
// 1 January 2000 is 2451545.
constexpr int JulianDayNumber(int year, int month, int day)
{
    return static_cast<int>(DaysFromCivil(year, month, day) + 2440588);
}

constexpr CIVILDATE CivilFromJulianDay(int jdn)
{
    return CivilFromDays(static_cast<long long>(jdn) - 2440588);
}

// 0 = Sunday .. 6 = Saturday.
constexpr int WeekdayOf(int year, int month, int day)
{
    const long long days = DaysFromCivil(year, month, day);   // 1970-01-01 was a Thursday
    return static_cast<int>(((days + 4) % 7 + 7) % 7);
}

// The present local date of the system.
CIVILDATE TodayLocal();

// `date` moved by `days` (negative: backwards), across month and year ends.
// A month outside 1..12 counts as January and a day below 1 as the 1st; a
// day beyond its month counts on into the next month.
CIVILDATE AddDays(const CIVILDATE& date, int days);

} // namespace talvoren

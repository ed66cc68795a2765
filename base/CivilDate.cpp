#include "base/CivilDate.h"

#include <ctime>

namespace talvoren
{
static_assert(JulianDayNumber(2000, 1, 1) == 2451545, "the Julian day of the J2000 epoch");
static_assert(WeekdayOf(2006, 1, 1) == 0, "1 January 2006 was a Sunday");
static_assert(DayOfYear(2003, 2, 29) == 59 && DayOfYear(2004, 12, 31) == 365, "day indexes");

CIVILDATE TodayLocal()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    CIVILDATE date;
    date.nYear = local.tm_year + 1900;
    date.nMonth = local.tm_mon + 1;
    date.nDay = local.tm_mday;
    return date;
}

CIVILDATE AddDays(const CIVILDATE& date, int days)
{
    const int month = date.nMonth >= 1 && date.nMonth <= 12 ? date.nMonth : 1;
    const int day = date.nDay >= 1 ? date.nDay : 1;
    return CivilFromDays(DaysFromCivil(date.nYear, month, day) + days);
}

} // namespace talvoren

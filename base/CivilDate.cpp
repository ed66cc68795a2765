#include "base/CivilDate.h"

#include <ctime>

namespace talvoren
{
namespace
{
long long DaysFromCivil(long long y, unsigned m, unsigned d)
{
    y -= m <= 2;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);              // [0, 399]
    const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;   // [0, 365]
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;             // [0, 146096]
    return era * 146097 + static_cast<long long>(doe) - 719468;
}

CIVILDATE CivilFromDays(long long z)
{
    z += 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);                // [0, 146096]
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;  // [0, 399]
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);                // [0, 365]
    const unsigned mp = (5 * doy + 2) / 153;                                     // [0, 11]
    CIVILDATE date;
    date.nDay = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    date.nMonth = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    date.nYear = static_cast<int>(static_cast<long long>(yoe) + era * 400 + (date.nMonth <= 2));
    return date;
}
}

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
    const unsigned month = date.nMonth >= 1 && date.nMonth <= 12 ? static_cast<unsigned>(date.nMonth) : 1u;
    const unsigned day = date.nDay >= 1 ? static_cast<unsigned>(date.nDay) : 1u;
    return CivilFromDays(DaysFromCivil(date.nYear, month, day) + days);
}

} // namespace talvoren

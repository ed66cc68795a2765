#include "engine/LunarDays.h"

#include "lunar/LunarCalendar.h"

namespace talvoren
{
namespace
{
constexpr int kShortestMonth = 29;
constexpr int kLongestMonth = 30;
} // namespace

std::vector<LUNARDAY> LunarDaysOf(const YEARTABLE& table)
{
    std::vector<LUNARDAY> days(static_cast<std::size_t>(table.nDaysInYear));
    CLunarCalendar lunar;
    LUNARDAY current;
    for (int i = 0; i < table.nDaysInYear; ++i) {
        if (i == 0 || current.nDay + 1 >= kShortestMonth) {
            const DAYRECORD& day = table.Day(i);
            lunar.SetSolarDate(table.nYear, day.nMonth, day.nDay);
            current.nDay = lunar.GetLunarDay();
            current.nMonth = lunar.GetLunarMonth();
            current.bLeapMonth = lunar.IsLeapMonth();
        } else {
            ++current.nDay;
        }
        days[static_cast<std::size_t>(i)] = current;
    }
    for (std::size_t i = 0; i + 1 < days.size(); ++i)
        days[i].bLastOfMonth = days[i + 1].nDay == 1;
    if (!days.empty()) {
        LUNARDAY& last = days.back();
        // 1 January of the next year, when the converter knows it.
        const bool next = lunar.SetSolarDate(table.nYear + 1, 1, 1);
        last.bLastOfMonth = next ? lunar.GetLunarDay() == 1 : last.nDay == kLongestMonth;
    }
    return days;
}

bool IsLunarDate(const LUNARDAY& lunar, int day, int month)
{
    if (lunar.bLeapMonth || lunar.nMonth != month)
        return false;
    return lunar.nDay == day || (day == kLongestMonth && lunar.bLastOfMonth);
}

} // namespace talvoren

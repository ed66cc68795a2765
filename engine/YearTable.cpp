#include "engine/YearTable.h"

#include "base/CivilDate.h"

namespace talvoren
{
namespace
{
const DAYRECORD kEmptyDay;
constexpr int kMonthsInYear = 12;
} // namespace

const DAYRECORD& YEARTABLE::Day(int index) const
{
    if (index < 0 || index >= kTableSize)
        return kEmptyDay;
    return days[index];
}

int YEARTABLE::DayIndex(int month, int day) const
{
    return DayOfYear(nYear, month, day);
}

MONTHRANGE YEARTABLE::MonthRange(int month) const
{
    if (month < 1 || month > kMonthsInYear)
        return MONTHRANGE();
    return MONTHRANGE{DaysBeforeMonth(nYear, month), DaysBeforeMonth(nYear, month + 1)};
}

void YEARTABLE::AppendLine(const std::string& text, int month, int day)
{
    const int index = DayOfYear(nYear, month, day);
    if (!InYear(index))
        return;
    std::string& readings = days[index].strReadings;
    if (!readings.empty())
        readings += "<br>";
    readings += text;
}

} // namespace talvoren

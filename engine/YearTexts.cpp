#include "engine/YearTexts.h"

#include "engine/DayRecord.h"
#include "engine/LectionaryPositions.h"

namespace talvoren
{
namespace
{
const std::string kEmpty;

const std::string& Entry(const std::vector<std::string>& list, int n)
{
    if (n < 0 || n >= static_cast<int>(list.size()))
        return kEmpty;
    return list[n];
}
} // namespace

const std::string& CYearTexts::SundayEntry(int n) const
{
    return Entry(m_sunday, n);
}

const std::string& CYearTexts::WeekdayEntry(int n) const
{
    return Entry(m_weekday, n);
}

std::string CYearTexts::SundayReadings(int season, int week, int weekday) const
{
    if (weekday != 0)
        return std::string();
    switch (season) {
    case kSeasonOrdinary:
        return SundayEntry(kSundayOrdinaryTimeOffset + week) + m_titles.PsalterMark(PsalterWeek(week));
    case kSeasonAdvent:
        return SundayEntry(kSundayFirstAdvent + week - 1) + m_titles.PsalterMark(PsalterWeek(week));
    case kSeasonChristmas:
        // Week 2: the Second Sunday after Christmas.
        return SundayEntry(kSundaySecondAfterChristmas + week - 2);
    case kSeasonEaster:
        // Week 1 is Easter Sunday itself.
        return SundayEntry(kSundayEaster + week - 1) + m_titles.PsalterMark(PsalterWeek(week));
    default:
        return std::string();
    }
}

} // namespace talvoren

#include "engine/Lectionary.h"

#include "base/CivilDate.h"
#include "engine/LectionaryPositions.h"
#include "engine/TemporalCycle.h"

namespace talvoren
{
void SetReadingsByDate(YEARTABLE& table, const CYearTexts& texts)
{
    constexpr int kJanuaryDays = 12;    // 1 to 12 January
    constexpr int kDecemberDays = 6;    // 26 to 31 December
    constexpr int kDecember = 12;
    constexpr int kFirstDecemberDay = 26;
    for (int i = 0; i < kJanuaryDays; ++i)
        table.days[i].strReadings = texts.WeekdayEntry(kWeekdayJanuary1 + i);
    for (int k = 0; k < kDecemberDays; ++k)
        table.days[DayOfYear(table.nYear, kDecember, kFirstDecemberDay + k)].strReadings =
            texts.WeekdayEntry(kWeekdayDecember26 + k);
}

void ApplyDeferredReadings(YEARTABLE& table, const CYearTexts& texts, const SEASONANCHORS& anchors,
                           const CALENDARSETTINGS& settings)
{
    table.days[CorpusChristiDay(anchors, settings)].strReadings = texts.SundayEntry(kSundayCorpusChristi);
    table.days[SacredHeartDay(anchors)].strReadings = texts.SundayEntry(kSundaySacredHeart);
}

} // namespace talvoren

#include "engine/YearComputation.h"

#include "base/CivilDate.h"
#include "engine/DayNotes.h"
#include "engine/FeastCalendar.h"
#include "engine/Lectionary.h"
#include "engine/LunarCelebrations.h"
#include "engine/LunarDays.h"
#include "engine/MoveableNotes.h"
#include "engine/PsalterMarks.h"
#include "engine/TemporalCycle.h"

namespace talvoren
{
namespace
{
constexpr int kDaysInWeek = 7;

// Dates and weekdays; every day an ordinary green weekday, but Sundays.
void SetDates(YEARTABLE& table)
{
    const int year = table.nYear;
    const int newYearWeekday = WeekdayOf(year, 1, 1);
    const int firstSunday = table.anchors.nFirstSunday;
    int month = 1;
    for (int i = 0; i < table.nDaysInYear; ++i) {
        while (i >= DaysBeforeMonth(year, month + 1))
            ++month;
        DAYRECORD& day = table.days[i];
        day.nMonth = month;
        day.nDay = i - DaysBeforeMonth(year, month) + 1;
        day.nWeekday = (newYearWeekday + i) % kDaysInWeek;
        day.nColour = kColourGreen;
        day.nRank = i % kDaysInWeek == firstSunday ? kRankSunday : kRankWeekday;
        day.nSeason = kSeasonOrdinary;
    }
}
} // namespace

YEARTABLE ComputeYearTable(int year, const CALENDARSETTINGS& settings, const CLanguageData& data)
{
    YEARTABLE table;
    if (year < YEARTABLE::kFirstYear || year > YEARTABLE::kLastYear)
        return table;
    table.nYear = year;
    table.nDaysInYear = DaysInYear(year);
    SEASONANCHORS anchors = ComputeSeasonAnchors(year, settings);
    table.anchors = anchors;
    SetDates(table);

    const std::vector<std::string>* sunday = data.SundayLectionary(year);
    const std::vector<std::string>* weekday = data.WeekdayLectionary(year);
    if (!sunday || !weekday)
        return table;
    const CYearTexts texts(data.Titles(), *sunday, *weekday);

    SetReadingsByDate(table, texts);
    SetChristmasSeasonJanuary(table, texts, anchors, settings);
    SetLent(table, texts, anchors);
    SetEasterSeason(table, texts, anchors, settings);
    SetAdvent(table, texts, anchors);
    SetChristmasSeasonDecember(table, texts, anchors);
    anchors.nWeekAtLent = SetOrdinaryTimeBeforeLent(table, texts, anchors);
    SetOrdinaryTimeAfterPentecost(table, texts, anchors);
    SetMaryMotherOfTheChurch(table, texts, anchors);
    ApplyFeasts(table, data.Feasts(), data.Titles());
    // The lunar dates are worked out only for a folder that has lunar lines.
    const bool lunar = !data.LunarFeasts().empty() || !data.LunarNotes().empty();
    const std::vector<LUNARDAY> lunarDays = lunar ? LunarDaysOf(table) : std::vector<LUNARDAY>();
    anchors.nAshWednesdayKept = ApplyLunarCelebrations(table, data.LunarFeasts(), lunarDays, data.Titles());
    ApplyDeferredReadings(table, texts, anchors, settings);
    ApplyDayNotes(table, data.Notes());
    ApplyLunarNotes(table, data.LunarNotes(), lunarDays);
    ApplyMoveableNotes(table, data.MoveableNotes(), anchors);
    ApplyDayNotes(table, data.UserNotes());
    MarkNotedDays(table, data.UserNotes());
    SetPsalterWeekMarks(table, data.Titles(), anchors);
    table.anchors = anchors;
    table.bComplete = true;
    return table;
}

} // namespace talvoren

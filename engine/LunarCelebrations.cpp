#include "engine/LunarCelebrations.h"

#include "engine/FeastCalendar.h"
#include "engine/PsalterMarks.h"
#include "engine/TitlePositions.h"

namespace talvoren
{
namespace
{
constexpr int kFirstLunarMonth = 1;
constexpr int kFourthDayOfTet = 4;

bool KeepsItsCelebration(const DAYRECORD& day, int rank)
{
    return day.nRank >= rank || day.nRank >= kRankAshWednesday || day.nSeason == kSeasonPrivileged ||
           IsPrivilegedSunday(day);
}

void Celebrate(DAYRECORD& day, const FEASTLINE& line, const CTitleList& titles)
{
    day.strReadings = line.strReadings + PsalterMarkIn(day.strReadings, titles);
    day.strCelebration = line.strCelebration;
    day.nRank = line.nRank;
    day.bNoRankLabel = line.bNoRankLabel;
    if (line.nColour != kColourNone)
        day.nColour = line.nColour;
}

// Moves the Mass of an Ash Wednesday on Mồng Một, Hai or Ba to Mồng Bốn;
// returns the day it is kept.
int MoveAshWednesdayOffTet(YEARTABLE& table, const std::vector<LUNARDAY>& lunarDays)
{
    const int wednesday = table.anchors.nAshWednesday;
    const LUNARDAY& lunar = lunarDays[static_cast<std::size_t>(wednesday)];
    if (lunar.bLeapMonth || lunar.nMonth != kFirstLunarMonth || lunar.nDay >= kFourthDayOfTet)
        return wednesday;
    const int kept = wednesday + kFourthDayOfTet - lunar.nDay;
    DAYRECORD& from = table.days[wednesday];
    DAYRECORD& to = table.days[kept];
    to.strCelebration = from.strCelebration;
    to.strReadings = from.strReadings;
    to.nRank = kRankAshWednesday;
    to.nColour = kColourViolet;
    to.nSeason = kSeasonPrivileged;
    to.bNoRankLabel = false;
    from.nRank = kRankWeekday;
    from.nSeason = kSeasonLent;
    return kept;
}
} // namespace

int ApplyLunarCelebrations(YEARTABLE& table, const std::vector<FEASTLINE>& celebrations,
                           const std::vector<LUNARDAY>& lunarDays, const CTitleList& titles)
{
    const int wednesday = table.anchors.nAshWednesday;
    if (celebrations.empty() || static_cast<int>(lunarDays.size()) != table.nDaysInYear)
        return wednesday;
    const int kept = MoveAshWednesdayOffTet(table, lunarDays);
    for (int i = 0; i < table.nDaysInYear; ++i) {
        const LUNARDAY& lunar = lunarDays[static_cast<std::size_t>(i)];
        for (const FEASTLINE& line : celebrations) {
            if (!IsLunarDate(lunar, line.nDay, line.nMonth))
                continue;
            DAYRECORD& day = table.days[i];
            if (KeepsItsCelebration(day, line.nRank))
                table.AppendLine(line.strCelebration, day.nMonth, day.nDay);
            else
                Celebrate(day, line, titles);
        }
    }
    const std::string& hours = titles.Title(kTitleHoursOfAshWednesday);
    if (kept != wednesday && !hours.empty())
        table.AppendLine(hours, table.days[wednesday].nMonth, table.days[wednesday].nDay);
    return kept;
}

void ApplyLunarNotes(YEARTABLE& table, const std::vector<DAYNOTE>& notes, const std::vector<LUNARDAY>& lunarDays)
{
    if (notes.empty() || static_cast<int>(lunarDays.size()) != table.nDaysInYear)
        return;
    for (int i = 0; i < table.nDaysInYear; ++i) {
        const LUNARDAY& lunar = lunarDays[static_cast<std::size_t>(i)];
        for (const DAYNOTE& note : notes) {
            if (IsLunarDate(lunar, note.nDay, note.nMonth))
                table.AppendLine(note.strText, table.days[i].nMonth, table.days[i].nDay);
        }
    }
}

} // namespace talvoren

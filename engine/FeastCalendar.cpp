#include "engine/FeastCalendar.h"

#include "base/CivilDate.h"

namespace talvoren
{
namespace
{
constexpr int kWalksBackFromDay = 19;   // a solemnity on the 19th (Saint Joseph) walks back
} // namespace

void ApplyFeasts(YEARTABLE& table, const std::vector<FEASTLINE>& feasts)
{
    auto& days = table.days;
    for (const FEASTLINE& feast : feasts) {
        int i = DayOfYear(table.nYear, feast.nMonth, feast.nDay);
        if (!table.InYear(i))
            continue;
        // A solemnity leaves the privileged days: one dated on the 19th walks
        // back to the day before them; any other walks back one day from the
        // first privileged day of a stretch, else forward past the stretch.
        while (feast.nRank == kRankSolemnity && table.InYear(i) && days[i].nSeason == kSeasonPrivileged) {
            if (i == 0 || days[i - 1].nSeason != kSeasonPrivileged || feast.nDay == kWalksBackFromDay)
                --i;
            else
                ++i;
        }
        if (!table.InYear(i) || days[i].nRank >= feast.nRank)
            continue;   // the day keeps everything, ties included
        const int season = days[i].nSeason;
        if (days[i].nRank == kRankSunday &&
            (season == kSeasonAdvent || season == kSeasonLent || season == kSeasonEaster)) {
            ++i;   // a Sunday of Advent, Lent or Easter hands the celebration to its Monday
            if (!table.InYear(i))
                continue;
        }
        DAYRECORD& day = days[i];
        day.strCelebration = feast.strCelebration;
        day.nRank = feast.nRank;
        if (feast.nRank < kRankFeast && day.nSeason == kSeasonLent)
            day.nRank = kRankLentMemorial;   // and the day stays violet
        else if (feast.nColour != kColourNone)
            day.nColour = feast.nColour;
        if (!feast.strReadings.empty())
            day.strReadings = feast.strReadings;
    }
}

} // namespace talvoren

// Fixed-date celebrations from "ufeast.txt", placed by precedence over the
// temporal cycle.

#include "engine/FeastLine.h"
#include "engine/LanguageFile.h"
#include "engine/LiturgicalYear.h"

namespace talvoren
{
void CLiturgicalYear::ApplyFeasts()
{
    if (!CLanguageFile::Read(m_language.strFolder + "ufeast.txt", m_lineBuffer))
        return;
    FEASTLINE feast;
    for (const std::string& line : m_lineBuffer) {
        if (!ParseFeastLine(line, feast))
            continue;
        int i = DayOfYear(m_nYear, feast.nMonth, feast.nDay);   // a date past the month's end runs on
        if (!InYear(i))
            continue;
        // A solemnity leaves the privileged days: one dated on the 19th walks
        // back to the day before them; any other walks back one day from the
        // first privileged day of a stretch, else forward past the stretch.
        while (feast.nRank == kRankSolemnity && InYear(i) && m_days[i].nSeason == kSeasonPrivileged) {
            if (i == 0 || m_days[i - 1].nSeason != kSeasonPrivileged || feast.nDay == 19)
                --i;
            else
                ++i;
        }
        if (!InYear(i) || m_days[i].nRank >= feast.nRank)
            continue;   // the day keeps everything, ties included
        const int season = m_days[i].nSeason;
        if (m_days[i].nRank == kRankSunday &&
            (season == kSeasonAdvent || season == kSeasonLent || season == kSeasonEaster)) {
            ++i;   // a Sunday of Advent, Lent or Easter hands the celebration to its Monday
            if (!InYear(i))
                continue;
        }
        DAYRECORD& day = m_days[i];
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

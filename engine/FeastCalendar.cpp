#include "engine/FeastCalendar.h"

#include "base/CivilDate.h"
#include "engine/TemporalCycle.h"
#include "engine/TitlePositions.h"

namespace talvoren
{
namespace
{
// Days from Easter Sunday.
constexpr int kSaturdayBeforePalmSunday = -8;
constexpr int kPalmSunday = -7;
constexpr int kSecondSundayOfEaster = 7;
constexpr int kMondayAfterSecondSundayOfEaster = 8;

// The dates of the feast file whose solemnities the Congregation ruled on.
struct FEASTDATE
{
    int nDay;
    int nMonth;
};
constexpr FEASTDATE kSaintJoseph{19, 3};
constexpr FEASTDATE kAnnunciation{25, 3};
constexpr FEASTDATE kBirthOfJohnTheBaptist{24, 6};

bool IsDated(const FEASTLINE& feast, const FEASTDATE& date)
{
    return feast.nDay == date.nDay && feast.nMonth == date.nMonth;
}

bool ImpedesSolemnity(const DAYRECORD& day)
{
    return day.nRank == kRankSolemnity || day.nRank >= kRankAshWednesday || day.nSeason == kSeasonPrivileged ||
           IsPrivilegedSunday(day);
}

// A day an impeded solemnity may move to.
bool TakesTransfer(const DAYRECORD& day)
{
    return day.nWeekday != 0 && day.nRank < kRankFeast && day.nSeason != kSeasonPrivileged;
}

// The day that solemnity `feast`, impeded on day `i`, is kept on; -1 when
// none is left in the year.
int TransferDay(const YEARTABLE& table, const FEASTLINE& feast, int i)
{
    const int easter = table.anchors.nEaster;
    // The rulings of the Congregation for Divine Worship (2008, 2022).
    if (IsDated(feast, kSaintJoseph) && i >= easter + kPalmSunday && i < easter)
        return easter + kSaturdayBeforePalmSunday;
    if (IsDated(feast, kAnnunciation) && i >= easter + kPalmSunday && i <= easter + kSecondSundayOfEaster)
        return easter + kMondayAfterSecondSundayOfEaster;
    if (IsDated(feast, kBirthOfJohnTheBaptist) && i == SacredHeartDay(table.anchors))
        return i - 1;   // 23 June
    for (int d = i + 1; table.InYear(d); ++d) {
        if (TakesTransfer(table.days[d]))
            return d;
    }
    return -1;
}

void Place(DAYRECORD& day, const FEASTLINE& feast)
{
    day.strCelebration = feast.strCelebration;
    day.nRank = feast.nRank;
    day.bNoRankLabel = feast.bNoRankLabel;
    if (feast.nColour != kColourNone)
        day.nColour = feast.nColour;
    if (!feast.strReadings.empty())
        day.strReadings = feast.strReadings;
}

// The weekdays on which a memorial is only commemorated (Table of Liturgical
// Days, no. 9): those of Lent, of 17 to 24 December and of the Christmas
// octave.
bool IsPrivilegedWeekday(const DAYRECORD& day)
{
    constexpr int kDecember = 12;
    constexpr int kFirstPrivilegedDecemberDay = 17;
    return day.nSeason == kSeasonLent || (day.nMonth == kDecember && day.nDay >= kFirstPrivilegedDecemberDay);
}

// " (Tr)": the mark of colour `colour`; "" without one.
std::string ColourMark(const CTitleList& titles, int colour)
{
    if (colour < kColourGreen || colour > kColourBlack)
        return std::string();
    const std::string& mark = titles.Title(kTitleColourMark + colour);
    return mark.empty() ? std::string() : " (" + mark + ")";
}

// Names the saint of `feast` after the day's celebration; the day keeps its
// title, colour and readings. A line repeated right after itself names its
// saint once.
void Commemorate(DAYRECORD& day, const FEASTLINE& feast, const CTitleList& titles, int rank)
{
    const std::string named = "; " + feast.strCelebration + ColourMark(titles, feast.nColour);
    std::string& celebration = day.strCelebration;
    day.nRank = rank;
    if (celebration.size() >= named.size() &&
        celebration.compare(celebration.size() - named.size(), named.size(), named) == 0)
        return;
    celebration += celebration.empty() ? named.substr(2) : named;
}
} // namespace

bool IsPrivilegedSunday(const DAYRECORD& day)
{
    return day.nWeekday == 0 && day.nSeason != kSeasonOrdinary && day.nSeason != kSeasonChristmas;
}

void ApplyFeasts(YEARTABLE& table, const std::vector<FEASTLINE>& feasts, const CTitleList& titles)
{
    auto& days = table.days;
    for (const FEASTLINE& feast : feasts) {
        int i = DayOfYear(table.nYear, feast.nMonth, feast.nDay);
        if (!table.InYear(i))
            continue;
        if (feast.nRank == kRankSolemnity) {
            if (ImpedesSolemnity(days[i]))
                i = TransferDay(table, feast, i);
            if (table.InYear(i))
                Place(days[i], feast);
            continue;
        }
        DAYRECORD& here = days[i];
        if (feast.nRank < kRankFeast) {
            if (here.nRank >= kRankMemorial)
                continue;   // a memorial, or more, keeps the day
            if (IsPrivilegedWeekday(here))
                Commemorate(here, feast, titles, kRankLentMemorial);
            else if (feast.nRank < kRankMemorial)
                Commemorate(here, feast, titles, kRankOptional);
            else
                Place(here, feast);
            continue;
        }
        if (here.nRank >= feast.nRank)
            continue;   // the day keeps everything, ties included
        const int season = here.nSeason;
        if (here.nRank == kRankSunday &&
            (season == kSeasonAdvent || season == kSeasonLent || season == kSeasonEaster)) {
            ++i;   // a Sunday of Advent, Lent or Easter hands the celebration to its Monday
            if (!table.InYear(i))
                continue;
        }
        Place(days[i], feast);
    }
}

} // namespace talvoren

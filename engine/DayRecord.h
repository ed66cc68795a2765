#pragma once
#include <string>

namespace talvoren
{
// Liturgical colour codes (nColour).
enum : int { kColourNone = 0, kColourGreen = 1, kColourWhite = 2, kColourRed = 3, kColourViolet = 4,
             kColourRose = 5, kColourBlack = 6 };

// Season codes (nSeason).
enum : int { kSeasonOrdinary = 0, kSeasonAdvent = 1, kSeasonChristmas = 2, kSeasonLent = 3, kSeasonEaster = 4,
             kSeasonPrivileged = 5 };

// Rank codes (nRank), 0..10; a higher rank wins.
enum : int { kRankWeekday = 0, kRankLentMemorial = 1, kRankOptional = 2, kRankMemorial = 3, kRankFeast = 4,
             kRankSunday = 5, kRankFeastOfLord = 6, kRankAshWednesday = 7, kRankHolyWeek = 8, kRankTriduum = 9,
             kRankSolemnity = 10 };

// One day of the year table.
struct DAYRECORD
{
    int nMonth = 0;                // 1..12
    int nDay = 0;                  // 1..31
    int nWeekday = 0;              // 0 = Sunday .. 6 = Saturday
    int nColour = 0;               // kColour*
    int nRank = 0;                 // kRank*
    int nSeason = 0;               // kSeason*
    std::string strCelebration;    // HTML
    std::string strReadings;       // HTML: lectionary entry, then "<br>" lines (marks, notes)
    // The pages print no rank label: the Easter octave, and celebrations
    // whose data line asks for none (All Souls, Tết).
    bool bNoRankLabel = false;
    // The user's notes file holds a note for this date.
    bool bHasNote = false;
};

} // namespace talvoren

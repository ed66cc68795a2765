#pragma once
// Positions in the titles list "utitles.txt" (kept lines, 0-based). A
// position past the end of a short list reads as an empty title.

namespace talvoren
{
enum : int {
    kTitleEpiphany = 0,
    kTitleBaptism = 1,
    kTitleBeforeEpiphany = 1,       // + weekday (1..6): the weekdays before Epiphany, 2..7
    kTitleAfterEpiphany = 7,        // + weekday (1..6): the weekdays after Epiphany, 8..13
    kTitleAshWednesday = 14,        // 14..17: Ash Wednesday to the Saturday after it
    kTitlePalmSunday = 18,          // 18..24: Palm Sunday to Holy Saturday
    kTitleEaster = 25,              // 25..32: Easter Sunday to the Second Sunday of Easter
    kTitleAscension = 33,
    kTitlePentecost = 34,
    kTitleTrinity = 35,
    kTitleCorpusChristi = 36,
    kTitleSacredHeart = 37,
    kTitleImmaculateHeart = 38,
    kTitleHolyFamily = 39,
    kTitleDecember26 = 40,          // 40..45: 26 to 31 December
    kTitleChristTheKing = 46,
    kTitleSeasonName = 47,          // + season code (kSeasonOrdinary .. kSeasonEaster): 47..51
    kTitleFirstOrdinal = 52,        // 52..85: the ordinals of weeks 1..34
    kTitleWeekdayName = 86,         // + weekday (0 = Sunday .. 6): 86..92
    kTitleWeekWord = 93,            // "week", or a pattern where "*" stands for the ordinal
    kTitleFirstMonthName = 94,      // 94..105: January .. December
    kTitleSolemnityLabel = 106,     // the rank label after the celebration of a solemnity
    kTitleYearLabel = 107,
    kTitlePsalterLabel = 108,
    kTitleDevotionMondaySaturday = 109,
    kTitleDevotionTuesdayFriday = 110,
    kTitleDevotionSundayWednesday = 111,
    kTitleDevotionThursday = 112,
    // Appended later; a list that ends before them leaves the feature out.
    kTitleFeastLabel = 113,         // the rank label after the celebration of a feast
    kTitleMaryMotherOfTheChurch = 114,
    kTitleHoursOfAshWednesday = 115,   // the note of an Ash Wednesday whose Mass moved to the fourth day of Tết
    kTitleColourMark = 115,         // + colour code (kColourGreen .. kColourBlack): 116..121
    kTitleFirstLunarMonthName = 122,   // 122..133: the lunar months 1 .. 12
    kTitleColourName = 133,         // + colour code (kColourGreen .. kColourBlack): 134..139
    kTitleRankWeekday = 140,        // 140..144: rank names of exported calendars (feast and
    kTitleRankOptionalMemorial = 141,   // solemnity are the labels 113 and 106)
    kTitleRankMemorial = 142,
    kTitleRankSunday = 143,
    kTitleRankTriduum = 144,
    kTitleCount = 145,
};

} // namespace talvoren

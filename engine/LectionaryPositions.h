#pragma once
// Positions in the lectionary lists (kept lines, 0-based): the Sunday lists
// "uLectionaryA/B/C.txt" and the weekday lists "uLectionary1/2.txt". The
// Sunday list also carries the solemnities and feasts of the temporal cycle.

namespace talvoren
{
// Sunday lists.
enum : int {
    kSundayFirstAdvent = 0,             // 0..3: the Sundays of Advent
    kSundayHolyFamily = 6,
    kSundaySecondAfterChristmas = 7,
    kSundayEpiphany = 9,
    kSundayBaptism = 10,
    kSundayFirstLent = 12,              // 12..16: the Sundays of Lent
    kSundayPalmSunday = 17,             // 17..23: Palm Sunday to Holy Saturday
    kSundayEaster = 24,                 // 24..30: Easter Sunday, then the Sundays of Easter 2..7
    kSundayAscension = 31,
    kSundayPentecost = 32,
    kSundayOrdinaryTimeOffset = 38,     // week n of Ordinary Time reads n + 38
    kSundayChristTheKing = 72,
    kSundayTrinity = 73,
    kSundayCorpusChristi = 74,
    kSundaySacredHeart = 75,
    kSundayPositions = 76,
};

// Weekday lists.
enum : int {
    kWeekdayFirstAdvent = 0,            // Advent weekdays in order, but for 17..24 December
    kWeekdayDecember17 = 17,
    kWeekdayDecember19 = 18,            // 18..23: 19 to 24 December
    kWeekdayDecember18 = 24,
    kWeekdayDecember26 = 25,            // 25..30: 26 to 31 December
    kWeekdayJanuary1 = 31,              // 31..42: 1 to 12 January
    kWeekdayJanuary7 = 37,              // 37..42: 7 to 12 January, or Monday to Saturday after a Sunday Epiphany
    kWeekdayAshWednesday = 47,          // 47..50: Ash Wednesday to the Saturday after it
    kWeekdayFirstLent = 51,             // Lent weekdays in order from the first Monday
    kWeekdayEasterOctave = 86,          // + day after Easter (1..6): 87..92
    kWeekdayEasterSeasonOffset = 85,    // day n after Easter (8..43) reads n + 85: 93..128
    kWeekdayEasterSeventhTuesday = 333, // 333..337: Tuesday to Saturday of the seventh week of Easter
    kWeekdayFirstOrdinary = 129,        // 129..332: Ordinary Time weekdays in order
    kWeekdayLastOrdinary = 332,
    kWeekdayMaryMotherOfTheChurch = 338,   // appended: the Monday after Pentecost
    kWeekdayPositions = 339,
};

} // namespace talvoren

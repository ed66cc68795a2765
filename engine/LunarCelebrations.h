#pragma once
// Celebrations and notes dated by the lunar calendar ("uLunar.txt",
// "uLunarNote.txt"): the Masses of Tết, and the notes of Mid-Autumn, the
// year's end and the eve. Their lines read as those of the feast file and of
// the day-note files, with a lunar day and month; they fall on the days whose
// lunar date they name (day 30: the last day of the month; never in a leap
// month).

#include "engine/DayNotes.h"
#include "engine/FeastLine.h"
#include "engine/LunarDays.h"
#include "engine/TitleList.h"
#include "engine/YearTable.h"

#include <vector>

namespace talvoren
{
// When `celebrations` is not empty and Ash Wednesday falls on Mồng Một, Hai
// or Ba, its Mass (title, rank, violet, readings, a privileged day) moves to
// Mồng Bốn (rescript of the Congregation for Divine Worship 2407/98L, 26
// November 1998); the Wednesday stays the first day of Lent, becomes a Lenten
// weekday and, after the celebrations are placed, gets the note of titles
// entry 115 (the Liturgy of the Hours stays there).
// Then each celebration takes the days of its lunar date whose rank is below
// its own and that are neither privileged (season 5, Ash Wednesday and
// above) nor a Sunday of Advent, Lent or Easter: their title, rank, colour
// (when the line gives one) and readings (the day's psalter mark stays), and
// the no-rank-label flag of its line; the day keeps its season. On any other
// day of its date it is named in a line under the readings.
// Returns the day Ash Wednesday is kept.
int ApplyLunarCelebrations(YEARTABLE& table, const std::vector<FEASTLINE>& celebrations,
                           const std::vector<LUNARDAY>& lunarDays, const CTitleList& titles);

// Appends each note to the readings of the days of its lunar date, in file
// order, after a "<br>".
void ApplyLunarNotes(YEARTABLE& table, const std::vector<DAYNOTE>& notes, const std::vector<LUNARDAY>& lunarDays);

} // namespace talvoren

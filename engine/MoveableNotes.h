#pragma once
// Notes placed by a rule rather than a date ("uMoveable.txt"). A kept line
// is a rule, optionally followed at once by the years it holds in, then one
// blank or tab and the note:
//   Easter, Easter+N, Easter-N    N days from Easter Sunday
//   Pentecost, Pentecost+N        N days from Pentecost
//   AshWednesday                  the day Ash Wednesday is kept (Mồng Bốn
//                                 when it falls on the first three days of Tết)
//   Ascension                     the day the Ascension is kept (settings)
//   OT<n>                         the Sunday of week n (2..34) of Ordinary Time
//   <k><Sun..Sat><m>              the k-th (1..5) weekday of month m; k -1 is
//                                 the last, -2 the one before it ("-1Sun11")
//   <d1>-<d2>/<m>                 every day from d1 to d2 of month m
//   [from-] or [from-to]          after the rule: only in those civil years
// A line of any other shape is skipped, as other data files skip theirs.

#include "engine/YearTable.h"

#include <string>
#include <vector>

namespace talvoren
{
struct MOVEABLENOTE
{
    enum class RULE { kEaster, kPentecost, kAshWednesday, kAscension, kOrdinarySunday, kWeekdayOfMonth, kDays };
    RULE eRule = RULE::kEaster;
    int nOffset = 0;    // days from Easter or Pentecost; week of Ordinary Time; k of a weekday; first day
    int nWeekday = 0;   // 0 = Sunday .. 6 (kWeekdayOfMonth)
    int nMonth = 0;     // 1..12 (kWeekdayOfMonth, kDays)
    int nLastDay = 0;   // kDays: the last day of the range
    int nFirstYear = YEARTABLE::kFirstYear;
    int nLastYear = YEARTABLE::kLastYear;
    std::string strText;
};

// Parses a kept line. Returns false when the line is to be skipped: an
// unknown rule, numbers out of range, or no note.
bool ParseMoveableLine(const std::string& line, MOVEABLENOTE& note);

// The days of the civil year of `table` that `note` falls on (none outside
// its years). `anchors` gives the days the rules hang on, with the day Ash
// Wednesday and the Ascension are kept.
std::vector<int> MoveableNoteDays(const MOVEABLENOTE& note, const YEARTABLE& table, const SEASONANCHORS& anchors);

// Appends each note to the readings of its days, in file order, after a
// "<br>".
void ApplyMoveableNotes(YEARTABLE& table, const std::vector<MOVEABLENOTE>& notes, const SEASONANCHORS& anchors);

} // namespace talvoren

#pragma once
// The calendar of one civil (Gregorian) year as a value: a day record per
// day (index 0 = 1 January) and the days that the seasons hang on.

#include "engine/DayRecord.h"

#include <array>
#include <string>

namespace talvoren
{
// Day indexes of the year that the seasons are laid out from.
struct SEASONANCHORS
{
    int nEaster = 0;
    int nChristmas = 0;
    int nFirstSunday = 0;     // 0..6: index of the first Sunday of the year
    int nBaptism = 0;         // the Baptism of the Lord (a Sunday, or the Monday after Epiphany)
    int nAshWednesday = 0;
    int nAshWednesdayKept = 0;   // the day its Mass is kept: Mồng Bốn when it falls on Mồng Một to Ba
    int nAscension = 0;          // Thursday or Sunday, by the settings
    int nPentecost = 0;
    int nAdventStart = 0;     // the First Sunday of Advent
    int nWeekAtLent = 0;      // the week of Ordinary Time that Ash Wednesday interrupts
};

// Day indexes [nFirst, nEnd).
struct MONTHRANGE
{
    int nFirst = 0;
    int nEnd = 0;
};

struct YEARTABLE
{
    static constexpr int kFirstYear = 1583;   // first full year of the Gregorian calendar
    static constexpr int kLastYear = 9999;
    static constexpr int kMaxDaysInYear = 366;
    // A leap year's days and one empty record after them.
    static constexpr int kTableSize = kMaxDaysInYear + 1;

    int nYear = 0;
    int nDaysInYear = 365;
    // False when a lectionary of the year's cycles was missing: the records
    // then hold only dates, weekdays, Sunday ranks and green.
    bool bComplete = false;
    SEASONANCHORS anchors;
    std::array<DAYRECORD, kTableSize> days;

    // Record `index`; an empty record for an index outside the table.
    const DAYRECORD& Day(int index) const;
    bool InYear(int index) const { return index >= 0 && index < nDaysInYear; }
    // Index of (month, day) in the year (see DayOfYear: the day may run past
    // its month's end).
    int DayIndex(int month, int day) const;
    // The days of `month`; an empty range for a month outside 1..12.
    MONTHRANGE MonthRange(int month) const;
    // Appends `text` to the readings of (month, day), after a "<br>" when
    // the readings are not empty; nothing for a date outside the year.
    void AppendLine(const std::string& text, int month, int day);
};
static_assert(YEARTABLE::kTableSize == 367, "366 days and the empty record after them");

} // namespace talvoren

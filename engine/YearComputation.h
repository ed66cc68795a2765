#pragma once
// A year of the calendar as a function of its inputs.

#include "engine/CalendarSettings.h"
#include "engine/LanguageData.h"
#include "engine/YearTable.h"

namespace talvoren
{
// Given a year within YEARTABLE::kFirstYear..kLastYear, the settings and the
// language data: the year's table. Steps, in order: dates and weekdays (all
// ordinary green weekdays, Sundays ranked), the readings fixed by date, the
// temporal cycle (with Mary, Mother of the Church), the fixed feasts, the
// lunar-dated celebrations (and Ash Wednesday moved off Tết), the deferred
// readings, the notes (local and ordo, lunar-dated, moveable, the user's),
// the psalter-week marks.
// On bad input: a year outside the range gives an empty table (nYear 0); a
// missing lectionary of the year's cycles gives a table of dates, weekdays,
// Sunday ranks and green only, with bComplete false.
YEARTABLE ComputeYearTable(int year, const CALENDARSETTINGS& settings, const CLanguageData& data);

} // namespace talvoren

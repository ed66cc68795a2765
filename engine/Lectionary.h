#pragma once
// The lectionary readings that the seasons do not lay out themselves: those
// fixed by date, and those of Corpus Christi and the Sacred Heart, which the
// weekday steps and the feasts may write over.

#include "engine/CalendarSettings.h"
#include "engine/YearTable.h"
#include "engine/YearTexts.h"

namespace talvoren
{
// 1 to 12 January and 26 to 31 December read the weekday entries of their
// date. Runs before the seasons, which may replace them.
void SetReadingsByDate(YEARTABLE& table, const CYearTexts& texts);

// Puts the Sunday entries of Corpus Christi and the Sacred Heart back on
// their days. Runs after the feasts and before the notes, so that notes on
// those days are kept.
void ApplyDeferredReadings(YEARTABLE& table, const CYearTexts& texts, const SEASONANCHORS& anchors,
                           const CALENDARSETTINGS& settings);

} // namespace talvoren

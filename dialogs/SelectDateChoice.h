#pragma once
// What the select-date dialog works out: the choices it opens with, the year
// box and its arrows, and the selection it hands to the view.

#include "base/CivilDate.h"
#include "base/DateSelection.h"

#include <string>

namespace talvoren
{
// The choices of a fresh dialog.
struct SELECTDATEDEFAULTS
{
    int nYear = 0;       // today's year, also for the end of the span
    int nMonth = 1;      // today's month: the month list and the span's first month
    int nFromDay = 1;    // today's day
    int nToMonth = 1;    // the month and day one week ahead
    int nToDay = 1;
};

// Given today's date; returns today as the month and the first day, and the
// day seven days later as the last day. The year stays today's, so near the
// end of December the span runs into January of the same year.
SELECTDATEDEFAULTS SelectDateDefaults(const CIVILDATE& today);

// The integer value of the year box's text: leading blanks skipped, an
// optional minus sign, the digits up to the first other character. An empty
// text, a text without digits or a value beyond the 32-bit range gives 0.
int YearFromText(const std::string& text);

// The year box holds digits only.
bool IsDigitsOnly(const std::string& text);

// One press of the year arrows. The up-down control proposes a change of -1
// for its up arrow and +1 for its down arrow; the year box gets its value
// minus the change, formatted "%d", with no limit. A result beyond the
// 32-bit range leaves the text as it is.
std::string StepYearText(const std::string& text, int proposedChange);

// The selection of the OK button: the whole month `monthIndex` (0 = January)
// of the year box's year; `tabular` 1 for the tabular page.
DATESELECTION MonthSelection(int monthIndex, const std::string& yearText, int tabular);

// The selection of the show-days button: from (fromDay, fromMonth) to
// (toDay, toMonth), all list indexes from 0, in the year box's year.
DATESELECTION DaysSelection(int fromMonthIndex, int fromDayIndex, int toMonthIndex, int toDayIndex,
                            const std::string& yearText, int tabular);

// What is wrong with a selection, if anything: a year the calendar does not
// compute (outside 1583..9999), or a first or last day that its month does
// not have (31 February, 31 April).
enum class DateSelectionProblem { None, YearOutOfRange, ImpossibleFromDay, ImpossibleToDay };

// Given a selection of OK or of show days; the first problem it has. The
// days are checked only for a span (mode 1), and only in a year in range.
DateSelectionProblem CheckDateSelection(const DATESELECTION& selection);

} // namespace talvoren

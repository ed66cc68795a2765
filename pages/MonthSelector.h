#pragma once
// The header row that both calendar pages put above their days: the month's
// name, the previous and next month, all twelve months with the one shown
// marked (so that each number keeps its place), today, the other kind of
// page for the same days, and the year list.

#include <string>

namespace talvoren
{
class CTitleList;

enum class MonthPageKind { List = 1, Table = 2 };

// The cells of <tr id=MonthSelector> (the row's own tags included) for
// `month` of `year` on a page of `kind`. The row carries data-year,
// data-month and data-kind for the page's script. The year list offers
// year - 10 .. year + 19 cut to the years the calendar computes
// (1583..9999). Month links call View(m) or ViewTbl(m); the arrows Step(-1)
// and Step(1); today Today(); the other kind SwitchView(k); the year list
// SelYear(). Every link can take the keyboard's focus.
std::string MonthSelectorRow(MonthPageKind kind, int year, int month, const CTitleList& titles);

// The year list alone, "<select ... id=cmbYear>...</select>".
std::string YearList(int year);

} // namespace talvoren

#pragma once
// The psalter-week marks that the seasons do not write themselves, and the
// marks that a Sunday with a higher celebration hands on.

#include "engine/TitleList.h"
#include "engine/YearTable.h"

#include <string>

namespace talvoren
{
// Marks the three Mondays after Pentecost (with the psalter week of their
// week of Ordinary Time) and the Baptism (week 1). Then a Sunday that carries a higher
// celebration hands its mark to the next day of lower rank within its week;
// with no such day the mark is dropped. Runs last.
void SetPsalterWeekMarks(YEARTABLE& table, const CTitleList& titles, const SEASONANCHORS& anchors);

// The first psalter-week mark in `readings` ("<br>", the label, " " and the
// Roman numeral); "" without one.
std::string PsalterMarkIn(const std::string& readings, const CTitleList& titles);

} // namespace talvoren

#pragma once
// Fixed-date celebrations from "ufeast.txt", placed by precedence over the
// temporal cycle.

#include "engine/FeastLine.h"
#include "engine/YearTable.h"

#include <vector>

namespace talvoren
{
// Lays `feasts` over `table`, in order. A date past its month's end runs on
// into the next month. A solemnity leaves the privileged days; a day keeps
// everything against a feast of its own rank or lower; a Sunday of Advent,
// Lent or Easter hands a higher celebration to its Monday; a memorial in
// Lent becomes a Lenten memorial and the day stays violet.
void ApplyFeasts(YEARTABLE& table, const std::vector<FEASTLINE>& feasts);

} // namespace talvoren

#pragma once
// Fixed-date celebrations from "ufeast.txt", placed by precedence over the
// temporal cycle.

#include "engine/FeastLine.h"
#include "engine/TitleList.h"
#include "engine/YearTable.h"

#include <vector>

namespace talvoren
{
// Lays `feasts` over `table`, in order. A date past its month's end runs on
// into the next month.
// A solemnity replaces whatever its day holds, a Sunday of Ordinary Time or
// of Christmas included, unless the day impedes it: a solemnity already
// there, a Sunday of Advent, Lent or Easter, Ash Wednesday, Holy Week or
// the Easter octave. An impeded solemnity moves to the nearest following day
// that is no Sunday, no feast or higher and no privileged day (General Norms
// for the Liturgical Year and the Calendar 60), and what that day held gives
// way; three rulings of the Congregation for Divine Worship come first,
// recognised by the line's date: a solemnity of 19 March in Holy Week moves
// to the Saturday before Palm Sunday, one of 25 March from Palm Sunday to
// the Second Sunday of Easter to the Monday after that Sunday, and one of 24
// June on the Sacred Heart to 23 June.
// A memorial on a weekday of Lent, of 17 to 24 December or of the Christmas
// octave becomes a commemoration (rank 1), and an optional memorial on a day
// below a memorial's rank is named too (rank 2): the day keeps its title,
// colour and readings and reads "<title>; <saint> (<colour mark>)", several
// in file order; the mark is the titles entry of the saint's colour, left
// out when the list has none.
// Any other line: a day keeps everything against a celebration of its own
// rank or lower; a Sunday of Advent, Lent or Easter hands a higher one to
// its Monday.
void ApplyFeasts(YEARTABLE& table, const std::vector<FEASTLINE>& feasts, const CTitleList& titles);

// Palm Sunday and the Sundays of Advent, Lent and Easter, which no
// celebration below a solemnity displaces.
bool IsPrivilegedSunday(const DAYRECORD& day);

} // namespace talvoren

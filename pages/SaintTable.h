#pragma once
// The table of fixed-date celebrations that Calendar.htm shows for a day's
// row (viewSaint): built at build time from the kept lines of the feast file
// "ufeast.txt", so that the page and the year engine read the same data.

#include "engine/FeastLine.h"

#include <string>
#include <vector>

namespace talvoren
{
// Given the kept lines of a feast file, the script text
//   var SAINTS = {"DDMM": [[rank, colour, "celebration", "readings"], ...], ...};
// with one entry per line that the engine would use (lines it skips are left
// out), keyed by the line's day and month, in calendar order and within a
// date in file order. Ranks and colours are the engine's codes; the texts
// are JavaScript string literals of the file's HTML after the HTML whitelist.
std::string SaintTableScript(const std::vector<std::string>& feastLines);

// The same from the parsed lines of a feast file (CLanguageData::Feasts):
// the program serves the table of the folder in use.
std::string SaintTableScript(const std::vector<FEASTLINE>& feasts);

} // namespace talvoren

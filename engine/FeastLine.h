#pragma once
// One line of the feast file "ufeast.txt":
//   day, blanks, month, blanks, rank letter, blanks, colour letter, one blank
//   or tab, celebration (leading tabs skipped, up to the next tab), tab,
//   readings (the rest of the line; may be absent).
// Letters are read from their first character, upper case only: rank S 10,
// L 6, F 4, M 3, any other 2; colour W 2, R 3, G 1, P 4, B 6, any other 0
// (the day keeps its colour). A "-" right after the rank letter ("S-",
// "L-") asks the pages to print no rank label; a reader that knows only the
// letter still reads the rank. Only the first 1023 UTF-16 code units count.

#include <string>

namespace talvoren
{
struct FEASTLINE
{
    int nDay = 0;
    int nMonth = 0;
    int nRank = 0;
    int nColour = 0;
    bool bNoRankLabel = false;
    std::string strCelebration;
    std::string strReadings;
};

// Parses a kept line. Returns false when the line is to be skipped: fewer
// than four fields, a day outside 1..31 or a month outside 1..12.
bool ParseFeastLine(const std::string& line, FEASTLINE& feast);

} // namespace talvoren

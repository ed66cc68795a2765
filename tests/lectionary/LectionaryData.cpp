#include "tests/lectionary/LectionaryData.h"

#include "engine/LanguageFile.h"
#include "engine/LectionaryEntry.h"

namespace talvoren
{
namespace
{
struct RANGE { int nFirst; int nLast; };

// Sunday positions and their days: 0-3 Advent Sundays, 6 Holy Family, 7 Second
// Sunday after Christmas, 9 Epiphany, 10 Baptism, 12-16 Lent Sundays, 17 Palm
// Sunday, 18-23 Holy Week and the Triduum, 24 Easter, 25-30 Easter Sundays,
// 31 Ascension, 32 Pentecost, 40-71 Ordinary Sundays 2-33, 72 Christ the King,
// 73 Trinity, 74 Corpus Christi, 75 Sacred Heart.
const RANGE kSundayRead[] = {{0, 3}, {6, 7}, {9, 10}, {12, 32}, {40, 75}};

// Weekday positions: 0-23 Advent, 24 18 December, 25-30 26-31 December, 31-42 1-12 January,
// 47-50 Ash Wednesday to Saturday, 51-80 Lent, 87-92 Easter octave, 93-128
// Easter + 8 to Easter + 43 without the Sundays, 129-332 Ordinary Time,
// 333-337 Tuesday to Saturday of the seventh week of Easter, 338 Mary, Mother
// of the Church.
const RANGE kWeekdayRead[] = {{0, 42}, {47, 80}, {87, 98}, {100, 105}, {107, 112},
                              {114, 119}, {121, 126}, {128, 338}};
} // namespace

std::string LectionaryPath(const std::string& folder, char cycle)
{
    return std::string(TALVOREN_PROGRAM_DIR) + "/" + folder + "/uLectionary" + cycle + ".txt";
}

bool ReadLectionary(const std::string& path, std::vector<std::string>& entries, std::vector<std::string>* lines)
{
    std::vector<std::string> kept;
    entries.clear();
    if (!CLanguageFile::Read(path, kept, false))
        return false;
    for (const std::string& line : kept)
        entries.push_back(LectionaryEntry(line));
    if (lines)
        *lines = std::move(kept);
    return true;
}

bool IsReadPosition(bool sunday, int position)
{
    if (sunday) {
        for (const RANGE& r : kSundayRead)
            if (position >= r.nFirst && position <= r.nLast)
                return true;
        return false;
    }
    for (const RANGE& r : kWeekdayRead)
        if (position >= r.nFirst && position <= r.nLast)
            return true;
    return false;
}

} // namespace talvoren

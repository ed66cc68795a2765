// Fuzz target: one line of the moveable notes ("uMoveable.txt"). A line the
// parser accepts has a note, years in order and numbers in range, and every
// day its rule names in a year (2026, with Easter, Tết and Advent anchors
// computed) is a day of that year.

#include "base/Utf16.h"
#include "engine/MoveableNotes.h"
#include "engine/YearComputation.h"
#include "fuzz/FuzzSupport.h"

#include <cstddef>
#include <cstdint>
#include <string>

using namespace talvoren;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const YEARTABLE year = ComputeYearTable(2026, CALENDARSETTINGS(), CLanguageData());
    const std::string line(reinterpret_cast<const char*>(data), size);
    MOVEABLENOTE note;
    if (!ParseMoveableLine(line, note))
        return 0;
    FUZZ_CHECK(!note.strText.empty());
    FUZZ_CHECK(note.nFirstYear <= note.nLastYear);
    FUZZ_CHECK(note.strText.size() < line.size());
    if (note.eRule == MOVEABLENOTE::RULE::kWeekdayOfMonth || note.eRule == MOVEABLENOTE::RULE::kDays)
        FUZZ_CHECK(note.nMonth >= 1 && note.nMonth <= 12);
    if (IsValidUtf8(line))
        FUZZ_CHECK(Utf16Length(note.strText) <= 1023);
    for (int day : MoveableNoteDays(note, year, year.anchors))
        FUZZ_CHECK(year.InYear(day));
    return 0;
}

// Fuzz target: one line of the feast file. A line the parser accepts has a
// day 1..31, a month 1..12, a known rank and colour, and a celebration
// without tabs; both texts lie within the first 1023 UTF-16 code units.

#include "base/Utf16.h"
#include "engine/FeastLine.h"
#include "fuzz/FuzzSupport.h"

#include <cstddef>
#include <cstdint>
#include <string>

using namespace talvoren;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string line(reinterpret_cast<const char*>(data), size);
    FEASTLINE feast;
    if (!ParseFeastLine(line, feast))
        return 0;
    FUZZ_CHECK(feast.nDay >= 1 && feast.nDay <= 31);
    FUZZ_CHECK(feast.nMonth >= 1 && feast.nMonth <= 12);
    FUZZ_CHECK(feast.nRank == 10 || feast.nRank == 6 || feast.nRank == 4 || feast.nRank == 3 || feast.nRank == 2);
    FUZZ_CHECK(feast.nColour == 0 || feast.nColour == 1 || feast.nColour == 2 || feast.nColour == 3 ||
               feast.nColour == 4 || feast.nColour == 6);
    FUZZ_CHECK(feast.strCelebration.find('\t') == std::string::npos);
    FUZZ_CHECK(feast.strCelebration.size() + feast.strReadings.size() <= line.size());
    if (IsValidUtf8(line))
        FUZZ_CHECK(Utf16Length(feast.strCelebration) + Utf16Length(feast.strReadings) <= 1023);
    return 0;
}

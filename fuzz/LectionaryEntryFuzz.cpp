// Fuzz target: the entry of a lectionary line, the text between the first
// two "@". It holds no "@", is trimmed and is part of the line.

#include "base/Utf16.h"
#include "engine/LectionaryEntry.h"
#include "fuzz/FuzzSupport.h"

#include <cstddef>
#include <cstdint>
#include <string>

using namespace talvoren;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string line(reinterpret_cast<const char*>(data), size);
    const std::string entry = LectionaryEntry(line);
    FUZZ_CHECK(entry.find('@') == std::string::npos);
    FUZZ_CHECK(entry.size() <= line.size());
    if (line.find('@') == std::string::npos)
        FUZZ_CHECK(entry.empty());
    if (IsValidUtf8(line)) {
        FUZZ_CHECK(TrimWide(entry) == entry);
        FUZZ_CHECK(line.find(entry) != std::string::npos);
    }
    return 0;
}

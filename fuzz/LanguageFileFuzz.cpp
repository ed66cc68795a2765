// Fuzz target: the reader of the language data files. Any byte image is
// decoded; the kept lines must be non-empty, trimmed, free of "#" (with the
// notes' rule: not beginning with "#", and every line of the language rule
// among them) and valid UTF-8, and decoding the file image of the lines
// gives them again.

#include "base/Utf16.h"
#include "engine/LanguageFile.h"
#include "fuzz/FuzzSupport.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

using namespace talvoren;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::vector<std::string> lines;
    CLanguageFile::Decode(reinterpret_cast<const char*>(data), size, lines);

    for (const std::string& line : lines) {
        FUZZ_CHECK(!line.empty());
        FUZZ_CHECK(line.find('#') == std::string::npos);
        FUZZ_CHECK(IsValidUtf8(line));
        FUZZ_CHECK(TrimWide(line) == line);
    }
    // No file has more lines than line ends plus one.
    FUZZ_CHECK(lines.size() <= size / 2 + 1);

    const std::string image = CLanguageFile::Encode(lines);
    std::vector<std::string> again;
    CLanguageFile::Decode(image.data(), image.size(), again);
    FUZZ_CHECK(again == lines);

    std::vector<std::string> notes;
    CLanguageFile::Decode(reinterpret_cast<const char*>(data), size, notes, CommentRule::LeadingHash);
    std::size_t common = 0;
    for (const std::string& line : notes) {
        FUZZ_CHECK(!line.empty() && line[0] != '#');
        common += common < lines.size() && lines[common] == line;
    }
    FUZZ_CHECK(common == lines.size());   // the notes' rule keeps more lines, never fewer
    return 0;
}

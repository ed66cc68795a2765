// Fuzz target: the reader of the day-note files. The input is taken as the
// kept lines of a file (split at line feeds); every note handed on has a
// valid date and some text, and no note is handed on before a dated line.

#include "engine/DayNotes.h"
#include "fuzz/FuzzSupport.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

using namespace talvoren;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
        lines.push_back(text.substr(start, end - start));
    lines.push_back(text.substr(start));

    std::size_t datedLines = 0;
    for (const std::string& line : lines) {
        int day = -1;
        int month = -1;
        std::string note;
        if (ParseDatedNoteLine(line, day, month, note)) {
            ++datedLines;
            FUZZ_CHECK(day >= 1 && day <= 31);
            FUZZ_CHECK(month >= 1 && month <= 12);
            FUZZ_CHECK(note.size() < line.size());
            FUZZ_CHECK(line[0] >= '0' && line[0] <= '9');
        }
    }

    std::size_t notes = 0;
    std::size_t noteBytes = 0;
    CollectDayNotes(lines, [&](const std::string& note, int month, int day) {
        ++notes;
        noteBytes += note.size();
        FUZZ_CHECK(!note.empty());
        FUZZ_CHECK(day >= 1 && day <= 31);
        FUZZ_CHECK(month >= 1 && month <= 12);
    });
    FUZZ_CHECK(notes <= datedLines);
    // The notes hold at most the file's text and one "<br>" per line.
    FUZZ_CHECK(noteBytes <= text.size() + 4 * lines.size());
    return 0;
}

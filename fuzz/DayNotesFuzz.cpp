// Fuzz target: the reader of the day-note files. The input is taken as the
// kept lines of a file (split at line feeds); every note handed on has a
// date that exists and some text, no note is handed on before a dated line,
// every line that starts no note and no continuation is reported, and the
// user's plain text holds no "<" or ">" but those of the "<br>" between lines.

#include "base/CivilDate.h"
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
    std::size_t impossibleLines = 0;
    for (const std::string& line : lines) {
        int day = -1;
        int month = -1;
        std::string note;
        const NoteLine kind = ClassifyNoteLine(line, day, month, note);
        FUZZ_CHECK((kind == NoteLine::Dated) == ParseDatedNoteLine(line, day, month, note));
        impossibleLines += kind == NoteLine::ImpossibleDate;
        if (kind == NoteLine::Dated) {
            ++datedLines;
            FUZZ_CHECK(IsValidDate(2000, month, day));
            FUZZ_CHECK(note.size() < line.size());
            FUZZ_CHECK(line[0] >= '0' && line[0] <= '9');
        }
    }

    std::size_t notes = 0;
    std::size_t noteBytes = 0;
    std::size_t reported = 0;
    NOTEREADING reading;
    reading.impossible = [&reported](const std::string&) { ++reported; };
    CollectDayNotes(
        lines,
        [&](const std::string& note, int month, int day) {
            ++notes;
            noteBytes += note.size();
            FUZZ_CHECK(!note.empty());
            FUZZ_CHECK(IsValidDate(2000, month, day));
        },
        reading);
    FUZZ_CHECK(notes <= datedLines);
    FUZZ_CHECK(reported == impossibleLines);
    // The notes hold at most the file's text and one "<br>" per line.
    FUZZ_CHECK(noteBytes <= text.size() + 4 * lines.size());

    reading.bPlainText = true;
    CollectDayNotes(
        lines,
        [](const std::string& note, int, int) {
            std::string withoutBreaks = note;
            for (std::size_t at; (at = withoutBreaks.find("<br>")) != std::string::npos;)
                withoutBreaks.erase(at, 4);
            FUZZ_CHECK(withoutBreaks.find_first_of("<>") == std::string::npos);
        },
        reading);
    return 0;
}

// Fuzz target: the text of an iCalendar export. Whatever the data HTML, its
// plain text has no empty line and no line that starts or ends with a blank;
// escaped and folded as a DESCRIPTION line it ends in CR LF, has no physical
// line over 75 octets and no other line end, starts no further line inside a
// UTF-8 sequence of valid text, and unfolds and unescapes to the plain text.

#include "base/HtmlPlainText.h"
#include "fuzz/FuzzSupport.h"
#include "pages/ICalendarWriter.h"

#include <cstddef>
#include <cstdint>
#include <string>

using namespace talvoren;

namespace
{
std::string Unescape(const std::string& value)
{
    std::string text;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] != '\\') {
            text += value[i];
            continue;
        }
        FUZZ_CHECK(i + 1 < value.size());
        const char next = value[++i];
        FUZZ_CHECK(next == '\\' || next == ';' || next == ',' || next == 'n');
        text += next == 'n' ? '\n' : next;
    }
    return text;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string html(reinterpret_cast<const char*>(data), size);
    const std::string text = HtmlToPlainText(html);
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        FUZZ_CHECK(end > start && text[start] != ' ' && text[end - 1] != ' ');
        start = end + 1;
    }

    const std::string line = "DESCRIPTION:" + CICalendarWriter::EscapeText(text);
    const std::string folded = CICalendarWriter::FoldLine(line);
    FUZZ_CHECK(folded.size() >= 2 && folded.compare(folded.size() - 2, 2, "\r\n") == 0);
    std::string unfolded;
    const bool valid = IsValidUtf8(text);
    for (std::size_t from = 0; from < folded.size();) {
        const std::size_t end = folded.find("\r\n", from);
        FUZZ_CHECK(end != std::string::npos && end - from <= 75);
        std::string physical = folded.substr(from, end - from);
        FUZZ_CHECK(physical.find_first_of("\r\n") == std::string::npos);
        if (from > 0) {
            FUZZ_CHECK(!physical.empty() && physical[0] == ' ');
            physical.erase(0, 1);
            FUZZ_CHECK(!valid || physical.empty() || (static_cast<unsigned char>(physical[0]) & 0xC0) != 0x80);
        }
        unfolded += physical;
        from = end + 2;
    }
    FUZZ_CHECK(unfolded == line);
    FUZZ_CHECK(Unescape(unfolded.substr(12)) == text);
    return 0;
}

#include "base/HtmlEscape.h"

#include "base/Utf16.h"

namespace talvoren
{
std::string EscapeHtmlText(const std::string& text)
{
    std::string out;
    out.reserve(text.size());
    for (char ch : text) {
        switch (ch) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        default: out += ch; break;
        }
    }
    return out;
}

std::string DecodeCharacterReferences(const std::string& html)
{
    std::string out;
    out.reserve(html.size());
    std::size_t i = 0;
    while (i < html.size()) {
        if (html.compare(i, 2, "&#") != 0) {
            out += html[i++];
            continue;
        }
        const bool hex = i + 2 < html.size() && (html[i + 2] == 'x' || html[i + 2] == 'X');
        const std::size_t first = i + (hex ? 3 : 2);
        const std::size_t end = html.find_first_not_of(hex ? "0123456789abcdefABCDEF" : "0123456789", first);
        unsigned long code = 0;
        const bool valid = end != std::string::npos && html[end] == ';' && end > first && end - first <= 7;
        if (valid)
            code = std::stoul(html.substr(first, end - first), nullptr, hex ? 16 : 10);
        if (!valid || code == 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
            out += html[i++];
            continue;
        }
        AppendUtf8(out, static_cast<char32_t>(code));
        i = end + 1;
    }
    return out;
}

} // namespace talvoren

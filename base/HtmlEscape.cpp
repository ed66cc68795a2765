#include "base/HtmlEscape.h"

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

} // namespace talvoren

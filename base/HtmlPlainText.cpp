#include "base/HtmlPlainText.h"

#include "base/HtmlWhitelist.h"
#include "base/Utf16.h"

#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace talvoren
{
namespace
{
// The character a numeric reference names, as a browser shows it.
void AppendReferencedCharacter(std::string& out, std::uint32_t code)
{
    if (code == 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        code = 0xFFFD;   // what a browser shows for a reference to no character
    if (code < 0x20 || code == 0x7F)
        code = ' ';      // a line end or tab by reference is white space, as in a browser
    AppendUtf8(out, static_cast<char32_t>(code));
}

// Decodes the character reference at text[at] ("&...;"); returns its length,
// or 0 when it is none that this reader knows.
std::size_t DecodeReference(const std::string& text, std::size_t at, std::string& out)
{
    const std::size_t end = text.find(';', at);
    if (end == std::string::npos || end - at > 10)
        return 0;
    const std::string name = text.substr(at + 1, end - at - 1);
    if (name.size() >= 2 && name[0] == '#') {
        const bool hex = name[1] == 'x' || name[1] == 'X';
        const std::string digits = name.substr(hex ? 2 : 1);
        if (digits.empty() || digits.find_first_not_of(hex ? "0123456789abcdefABCDEF" : "0123456789") !=
                                  std::string::npos)
            return 0;
        AppendReferencedCharacter(out, static_cast<std::uint32_t>(std::strtoul(digits.c_str(), nullptr, hex ? 16 : 10)));
        return end - at + 1;
    }
    static const struct { const char* name; const char* text; } kNamed[] = {
        {"amp", "&"}, {"lt", "<"}, {"gt", ">"}, {"quot", "\""}, {"apos", "'"}, {"nbsp", " "},
    };
    for (const auto& named : kNamed) {
        if (name == named.name) {
            out += named.text;
            return end - at + 1;
        }
    }
    return 0;
}

bool IsBlank(char ch)
{
    return ch == ' ' || ch == '\t' || ch == '\n' || ch == '\r' || ch == '\f';
}

// True when the tag text (between "<" and ">") is a br or p tag, open or closed.
bool EndsLine(const std::string& tag)
{
    std::size_t i = tag.empty() || tag[0] != '/' ? 0 : 1;
    std::string name;
    while (i < tag.size() && std::isalpha(static_cast<unsigned char>(tag[i])))
        name += static_cast<char>(std::tolower(static_cast<unsigned char>(tag[i++])));
    return name == "br" || name == "p";
}
} // namespace

std::string HtmlToPlainText(const std::string& html)
{
    const std::string safe = SanitizeHtml(html);
    std::vector<std::string> lines(1);
    for (std::size_t i = 0; i < safe.size();) {
        const char ch = safe[i];
        if (ch == '<') {
            const std::size_t close = safe.find('>', i);
            if (close == std::string::npos)
                break;   // the whitelist leaves no open tag; a cut one shows nothing
            if (EndsLine(safe.substr(i + 1, close - i - 1)))
                lines.emplace_back();
            i = close + 1;
        } else if (ch == '&') {
            const std::size_t used = DecodeReference(safe, i, lines.back());
            lines.back() += used ? "" : "&";
            i += used ? used : 1;
        } else {
            lines.back() += IsBlank(ch) ? ' ' : ch;
            ++i;
        }
    }
    std::string text;
    for (const std::string& line : lines) {
        std::string squeezed;
        for (char ch : line) {
            if (ch == ' ' && (squeezed.empty() || squeezed.back() == ' '))
                continue;
            squeezed += ch;
        }
        while (!squeezed.empty() && squeezed.back() == ' ')
            squeezed.pop_back();
        if (squeezed.empty())
            continue;
        text += (text.empty() ? "" : "\n") + squeezed;
    }
    return text;
}

} // namespace talvoren

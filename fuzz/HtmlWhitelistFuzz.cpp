// Fuzz target: the HTML whitelist of data texts. Whatever the input, every
// "<" of the output opens a kept tag (br, b, i, sub, sup, p, span with only
// class, font with only color, values of letters, digits, blanks, "#", "-"
// and "_"), so that no output holds an event attribute, a script element or
// a javascript: URL; the output passes the whitelist unchanged; and text
// that holds no "<" (such as text escaped as plain text) survives unchanged.
// The same holds for the page-text whitelist, which keeps a few more tags
// (ul, ol, li, kbd, h2, h3, table, tr, th, td, with only class).

#include "base/HtmlWhitelist.h"
#include "fuzz/FuzzSupport.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

using namespace talvoren;

namespace
{
bool IsBlank(char ch)
{
    return ch == ' ' || ch == '\t' || ch == '\n' || ch == '\f' || ch == '\r';
}

bool IsLetter(char ch)
{
    return (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z');
}

bool IsValueCharacter(char ch)
{
    return IsLetter(ch) || (ch >= '0' && ch <= '9') || ch == ' ' || ch == '#' || ch == '-' || ch == '_';
}

std::string Lower(std::string text)
{
    for (char& ch : text)
        ch = static_cast<char>(ch >= 'A' && ch <= 'Z' ? ch - 'A' + 'a' : ch);
    return text;
}

// `tag` ("<" ... ">", no ">" inside) is a kept tag, read strictly; with
// `pageText`, of the page-text whitelist.
bool IsKeptTag(const std::string& tag, bool pageText)
{
    std::size_t i = 1;
    const bool end = tag[i] == '/';
    if (end)
        ++i;
    const std::size_t nameStart = i;
    while (IsLetter(tag[i]) || (i > nameStart && tag[i] >= '0' && tag[i] <= '9'))   // "h2"
        ++i;
    const std::string name = Lower(tag.substr(nameStart, i - nameStart));
    static const char* const kKept[] = {"br", "b", "i", "sub", "sup", "p", "span", "font"};
    bool known = false;
    static const char* const kPage[] = {"ul", "ol", "li", "kbd", "h2", "h3", "table", "tr", "th", "td"};
    for (const char* kept : kKept)
        known = known || name == kept;
    bool page = false;
    for (const char* kept : kPage)
        page = page || name == kept;
    if (!known && !(pageText && page))
        return false;
    const std::string attribute = name == "span" || page ? "class" : name == "font" ? "color" : "";
    for (;;) {
        while (IsBlank(tag[i]) || tag[i] == '/')
            ++i;
        if (tag[i] == '>')
            return i + 1 == tag.size();
        const std::size_t attributeStart = i;
        while (IsLetter(tag[i]))
            ++i;
        if (end || attribute.empty() || Lower(tag.substr(attributeStart, i - attributeStart)) != attribute)
            return false;
        while (IsBlank(tag[i]))
            ++i;
        if (tag[i] != '=')
            continue;
        ++i;
        while (IsBlank(tag[i]))
            ++i;
        const char quote = tag[i] == '"' || tag[i] == '\'' ? tag[i] : '\0';
        if (quote)
            ++i;
        while (IsValueCharacter(tag[i]) && !(tag[i] == ' ' && !quote))
            ++i;
        if (quote && tag[i++] != quote)
            return false;
        if (!quote && !IsBlank(tag[i]) && tag[i] != '>')
            return false;
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string input(reinterpret_cast<const char*>(data), size);
    std::string text;
    for (const char ch : input) {
        if (ch != '<')
            text += ch;
    }
    for (const bool pageText : {false, true}) {
        const auto sanitize = [pageText](const std::string& html) {
            return pageText ? SanitizePageText(html) : SanitizeHtml(html);
        };
        const std::string output = sanitize(input);
        for (std::size_t open = output.find('<'); open != std::string::npos; open = output.find('<', open + 1)) {
            const std::size_t close = output.find('>', open);
            FUZZ_CHECK(close != std::string::npos);
            FUZZ_CHECK(IsKeptTag(output.substr(open, close - open + 1), pageText));
        }
        const std::string lower = Lower(output);
        FUZZ_CHECK(lower.find("<script") == std::string::npos && lower.find("<style") == std::string::npos);
        FUZZ_CHECK(sanitize(output) == output);
        FUZZ_CHECK(sanitize(text) == text);
    }
    return 0;
}

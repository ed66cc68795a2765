#include "base/HtmlWhitelist.h"

#include <cstring>
#include <vector>

namespace talvoren
{
namespace
{
constexpr std::size_t kNone = std::string::npos;

// The white space of HTML's tokenizer.
bool IsSpace(char ch)
{
    return ch == ' ' || ch == '\t' || ch == '\n' || ch == '\f' || ch == '\r';
}

bool IsLetter(char ch)
{
    return (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z');
}

std::string Lower(const std::string& text)
{
    std::string lower = text;
    for (char& ch : lower) {
        if (ch >= 'A' && ch <= 'Z')
            ch = static_cast<char>(ch - 'A' + 'a');
    }
    return lower;
}

bool IsOneOf(const std::string& name, const char* const* names)
{
    for (; *names; ++names) {
        if (name == *names)
            return true;
    }
    return false;
}

const char* const kKeptElements[] = {"br", "b", "i", "span", "sub", "sup", "p", "font", nullptr};
// Kept as well in the texts of the program's own pages (lists, headings and
// tables of the help page), each with no attribute but "class".
const char* const kPageElements[] = {"ul", "ol", "li", "kbd", "h2", "h3", "table", "tr", "th", "td", nullptr};
// Elements whose content the browser reads as text up to their end tag
// (plaintext: up to the end of the input); they go with that content.
const char* const kRawTextElements[] = {"script",   "style",     "iframe",   "noembed", "noframes",
                                        "noscript", "plaintext", "textarea", "title",   "xmp",
                                        nullptr};

// The one attribute an element keeps, or null.
const char* KeptAttribute(const std::string& element)
{
    if (element == "span" || IsOneOf(element, kPageElements))
        return "class";
    if (element == "font")
        return "color";
    return nullptr;
}

bool IsPlainValue(const std::string& value)
{
    for (const char ch : value) {
        if (!IsLetter(ch) && !(ch >= '0' && ch <= '9') && ch != ' ' && ch != '#' && ch != '-' && ch != '_')
            return false;
    }
    return true;
}

struct ATTRIBUTE
{
    std::string strName;   // lower case
    std::string strValue;
};

struct TAG
{
    bool bEnd = false;
    std::string strName;   // lower case
    std::vector<ATTRIBUTE> attributes;
    std::size_t nEnd = kNone;   // just past its ">"; kNone when the input ends inside it
};

// Reads the start or end tag at `pos` ("<" and a letter, or "</" and a
// letter) the way HTML's tokenizer does: the name runs to a blank, "/" or
// ">"; attribute values may be quoted, and a quoted value may hold ">".
TAG ReadTag(const std::string& html, std::size_t pos)
{
    TAG tag;
    const std::size_t n = html.size();
    std::size_t i = pos + 1;
    if (html[i] == '/') {
        tag.bEnd = true;
        ++i;
    }
    const std::size_t nameStart = i;
    while (i < n && !IsSpace(html[i]) && html[i] != '/' && html[i] != '>')
        ++i;
    tag.strName = Lower(html.substr(nameStart, i - nameStart));
    for (;;) {
        while (i < n && (IsSpace(html[i]) || html[i] == '/'))
            ++i;
        if (i >= n)
            return tag;
        if (html[i] == '>') {
            tag.nEnd = i + 1;
            return tag;
        }
        ATTRIBUTE attribute;
        const std::size_t attributeStart = i++;   // a leading "=" belongs to the name
        while (i < n && !IsSpace(html[i]) && html[i] != '/' && html[i] != '>' && html[i] != '=')
            ++i;
        attribute.strName = Lower(html.substr(attributeStart, i - attributeStart));
        while (i < n && IsSpace(html[i]))
            ++i;
        if (i < n && html[i] == '=') {
            ++i;
            while (i < n && IsSpace(html[i]))
                ++i;
            if (i >= n)
                return tag;
            if (html[i] == '"' || html[i] == '\'') {
                const std::size_t close = html.find(html[i], i + 1);
                if (close == kNone)
                    return tag;
                attribute.strValue = html.substr(i + 1, close - i - 1);
                i = close + 1;
            } else if (html[i] != '>') {
                const std::size_t valueStart = i;
                while (i < n && !IsSpace(html[i]) && html[i] != '>')
                    ++i;
                attribute.strValue = html.substr(valueStart, i - valueStart);
            }
        }
        tag.attributes.push_back(std::move(attribute));
    }
}

// The tag as it goes into the page, or "" when it is dropped.
std::string KeptTag(const std::string& html, std::size_t pos, const TAG& tag, bool pageText)
{
    if (!IsOneOf(tag.strName, kKeptElements) && !(pageText && IsOneOf(tag.strName, kPageElements)))
        return std::string();
    const std::string written = html.substr(pos, tag.nEnd - pos);
    if (tag.bEnd)
        return tag.attributes.empty() ? written : "</" + tag.strName + ">";
    const char* kept = KeptAttribute(tag.strName);
    std::string fresh = "<" + tag.strName;
    bool asWritten = true;
    bool keptOne = false;
    for (const ATTRIBUTE& attribute : tag.attributes) {
        // The browser reads the first of two attributes of one name.
        if (kept && !keptOne && attribute.strName == kept && IsPlainValue(attribute.strValue)) {
            fresh += " " + attribute.strName + "=\"" + attribute.strValue + "\"";
            keptOne = true;
        } else {
            asWritten = false;
        }
    }
    return asWritten ? written : fresh + ">";
}

bool StartsWith(const std::string& html, std::size_t pos, const char* text)
{
    return html.compare(pos, std::strlen(text), text) == 0;
}

// Where the content of the raw-text element `name` ends: the "<" of its end
// tag ("</name" and a blank, "/" or ">", in any case), or the input's end.
std::size_t RawTextEnd(const std::string& html, std::size_t from, const std::string& name)
{
    if (name == "plaintext")
        return html.size();
    for (std::size_t i = html.find("</", from); i != kNone; i = html.find("</", i + 1)) {
        const std::size_t after = i + 2 + name.size();
        if (after < html.size() && Lower(html.substr(i + 2, name.size())) == name &&
            (IsSpace(html[after]) || html[after] == '/' || html[after] == '>'))
            return i;
    }
    return html.size();
}

// Just past the comment that starts at `pos` ("<!--"), as the browser ends
// it: at "-->" or "--!>", at once for "<!-->" and "<!--->"; or the input's end.
std::size_t CommentEnd(const std::string& html, std::size_t pos)
{
    const std::size_t body = pos + 4;
    if (StartsWith(html, body, ">"))
        return body + 1;
    if (StartsWith(html, body, "->"))
        return body + 2;
    for (std::size_t i = html.find("--", body); i != kNone; i = html.find("--", i + 1)) {
        if (StartsWith(html, i, "-->"))
            return i + 3;
        if (StartsWith(html, i, "--!>"))
            return i + 4;
    }
    return html.size();
}

// Just past the ">" that ends a declaration, a processing instruction or a
// broken end tag ("<!DOCTYPE", "<?xml", "</ 3"), or the input's end.
std::size_t BogusCommentEnd(const std::string& html, std::size_t pos)
{
    const std::size_t close = html.find('>', pos);
    return close == kNone ? html.size() : close + 1;
}

std::string Sanitize(const std::string& html, bool pageText)
{
    if (html.find('<') == kNone)
        return html;
    std::string out;
    out.reserve(html.size());
    const std::size_t n = html.size();
    std::size_t i = 0;
    while (i < n) {
        const std::size_t open = html.find('<', i);
        if (open == kNone) {
            out.append(html, i, kNone);
            break;
        }
        out.append(html, i, open - i);
        const char next = open + 1 < n ? html[open + 1] : '\0';
        const char after = open + 2 < n ? html[open + 2] : '\0';
        if (IsLetter(next) || (next == '/' && IsLetter(after))) {
            const TAG tag = ReadTag(html, open);
            if (tag.nEnd == kNone)
                break;   // the input ends inside the tag: the browser drops it
            out += KeptTag(html, open, tag, pageText);
            i = tag.nEnd;
            if (!tag.bEnd && IsOneOf(tag.strName, kRawTextElements))
                i = RawTextEnd(html, i, tag.strName);
        } else if (StartsWith(html, open, "<!--")) {
            i = CommentEnd(html, open);
        } else if (next == '!' || next == '?' || next == '/') {
            i = next == '/' && after == '>' ? open + 3 : BogusCommentEnd(html, open);
        } else {
            out += "&lt;";
            i = open + 1;
        }
    }
    return out;
}
} // namespace

std::string SanitizeHtml(const std::string& html)
{
    return Sanitize(html, false);
}

std::string SanitizePageText(const std::string& html)
{
    return Sanitize(html, true);
}

} // namespace talvoren

#pragma once
// Conversions between the UTF-16 of the data files and the UTF-8 that the
// core uses inside. Length limits of the data formats count UTF-16 code units.

#include <cstddef>
#include <functional>
#include <string>

namespace talvoren
{
// Decodes `count` UTF-16 code units; a lone surrogate becomes U+FFFD.
std::string Utf16ToUtf8(const char16_t* units, std::size_t count);
std::string Utf16ToUtf8(const std::u16string& text);

// Appends the UTF-8 bytes of the Unicode scalar value `cp` (inline: the
// decoders call it for every character).
inline void AppendUtf8(std::string& out, char32_t cp)
{
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// Encodes UTF-8 as UTF-16; a malformed byte sequence becomes U+FFFD.
std::u16string Utf8ToUtf16(const std::string& text);

// True when `text` is well-formed UTF-8 (no surrogates, no overlong forms).
bool IsValidUtf8(const std::string& text);

// Number of UTF-16 code units that `text` takes.
std::size_t Utf16Length(const std::string& text);

// The longest prefix of `text` that takes at most `maxUnits` UTF-16 code
// units. A character that would be cut in two is left out whole.
std::string TruncateUtf16(const std::string& text, std::size_t maxUnits);

// White space as the data files are trimmed of it: blank, tab, the line-end
// and other control spaces, and the Unicode space separators.
bool IsWideSpace(char32_t ch);

// `text` without white space (IsWideSpace) at either end.
std::string TrimWide(const std::string& text);

// Splits a file image of UTF-16 little-endian code units into lines and hands
// each line, trimmed of white space (IsWideSpace) at both ends, to `line`
// (empty lines included). A line ends at a line feed, or at a carriage
// return, which also consumes the code unit after it; the end of the data
// ends the last line. A byte-order mark at the very start is skipped; an odd
// final byte is ignored.
void ForEachUtf16Line(const char* data, std::size_t size,
                      const std::function<void(const char16_t* text, std::size_t length)>& line);

// The file image of `units` in UTF-16 little-endian, without a byte-order
// mark. A text that begins with U+FEFF gets a mark in front, since readers
// drop a leading one: ForEachUtf16Line then gives the text back unchanged.
std::string Utf16LeFileImage(std::u16string units);

} // namespace talvoren

#include "base/Utf16.h"

namespace talvoren
{
namespace
{

// Decodes one UTF-8 character at `i`; advances `i`. Malformed input gives
// U+FFFD and consumes one byte.
char32_t NextCodePoint(const std::string& s, std::size_t& i)
{
    const auto b0 = static_cast<unsigned char>(s[i]);
    if (b0 < 0x80) {
        ++i;
        return b0;
    }
    int extra = 0;
    char32_t cp = 0;
    if ((b0 & 0xE0) == 0xC0) {
        extra = 1;
        cp = b0 & 0x1F;
    } else if ((b0 & 0xF0) == 0xE0) {
        extra = 2;
        cp = b0 & 0x0F;
    } else if ((b0 & 0xF8) == 0xF0) {
        extra = 3;
        cp = b0 & 0x07;
    } else {
        ++i;
        return 0xFFFD;
    }
    if (i + extra >= s.size()) {   // truncated sequence
        ++i;
        return 0xFFFD;
    }
    for (int k = 1; k <= extra; ++k) {
        const auto b = static_cast<unsigned char>(s[i + k]);
        if ((b & 0xC0) != 0x80) {
            ++i;
            return 0xFFFD;
        }
        cp = (cp << 6) | (b & 0x3F);
    }
    static const char32_t minimum[] = {0, 0x80, 0x800, 0x10000};
    if (cp < minimum[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        ++i;
        return 0xFFFD;
    }
    i += extra + 1;
    return cp;
}
} // namespace

std::string Utf16ToUtf8(const char16_t* units, std::size_t count)
{
    std::string out;
    out.reserve(count + count / 2);
    for (std::size_t i = 0; i < count; ++i) {
        char32_t cp = units[i];
        if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < count && units[i + 1] >= 0xDC00 && units[i + 1] <= 0xDFFF) {
            cp = 0x10000 + ((cp - 0xD800) << 10) + (units[i + 1] - 0xDC00);
            ++i;
        } else if (cp >= 0xD800 && cp <= 0xDFFF) {
            cp = 0xFFFD;
        }
        AppendUtf8(out, cp);
    }
    return out;
}

std::string Utf16ToUtf8(const std::u16string& text)
{
    return Utf16ToUtf8(text.data(), text.size());
}

std::u16string Utf8ToUtf16(const std::string& text)
{
    std::u16string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const char32_t cp = NextCodePoint(text, i);
        if (cp >= 0x10000) {
            out += static_cast<char16_t>(0xD800 + ((cp - 0x10000) >> 10));
            out += static_cast<char16_t>(0xDC00 + ((cp - 0x10000) & 0x3FF));
        } else {
            out += static_cast<char16_t>(cp);
        }
    }
    return out;
}

bool IsValidUtf8(const std::string& text)
{
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t start = i;
        // U+FFFD stands for a malformed sequence unless it was written so.
        if (NextCodePoint(text, i) == 0xFFFD && text.compare(start, 3, "\xEF\xBF\xBD") != 0)
            return false;
    }
    return true;
}

std::size_t Utf16Length(const std::string& text)
{
    std::size_t units = 0;
    for (std::size_t i = 0; i < text.size();)
        units += NextCodePoint(text, i) >= 0x10000 ? 2 : 1;
    return units;
}

std::string TruncateUtf16(const std::string& text, std::size_t maxUnits)
{
    if (text.size() <= maxUnits)   // every code unit takes at least one byte
        return text;
    std::size_t units = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        std::size_t next = i;
        const std::size_t width = NextCodePoint(text, next) >= 0x10000 ? 2 : 1;
        if (units + width > maxUnits)
            break;
        units += width;
        i = next;
    }
    return text.substr(0, i);
}

bool IsWideSpace(char32_t ch)
{
    if ((ch >= 0x09 && ch <= 0x0D) || ch == 0x20 || ch == 0x85 || ch == 0xA0 || ch == 0x1680)
        return true;
    if (ch >= 0x2000 && ch <= 0x200A)
        return true;
    return ch == 0x2028 || ch == 0x2029 || ch == 0x202F || ch == 0x205F || ch == 0x3000;
}

std::string TrimWide(const std::string& text)
{
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end) {
        std::size_t next = begin;
        if (!IsWideSpace(NextCodePoint(text, next)))
            break;
        begin = next;
    }
    // Walk back over whole characters: find each character's start.
    while (end > begin) {
        std::size_t start = end - 1;
        while (start > begin && (static_cast<unsigned char>(text[start]) & 0xC0) == 0x80)
            --start;
        std::size_t next = start;
        if (!IsWideSpace(NextCodePoint(text, next)) || next != end)
            break;
        end = start;
    }
    return text.substr(begin, end - begin);
}

void ForEachUtf16Line(const char* data, std::size_t size,
                      const std::function<void(const char16_t* text, std::size_t length)>& line)
{
    std::u16string units(size / 2, u'\0');
    for (std::size_t i = 0; i < units.size(); ++i)
        units[i] = static_cast<char16_t>(static_cast<unsigned char>(data[2 * i]) |
                                         (static_cast<unsigned char>(data[2 * i + 1]) << 8));
    const auto emit = [&](std::size_t begin, std::size_t end) {
        while (begin < end && IsWideSpace(units[begin]))
            ++begin;
        while (end > begin && IsWideSpace(units[end - 1]))
            --end;
        line(units.data() + begin, end - begin);
    };
    std::size_t start = (!units.empty() && units[0] == 0xFEFF) ? 1 : 0;
    std::size_t i = start;
    while (i < units.size()) {
        if (units[i] == u'\n') {
            emit(start, i);
            start = i + 1;
        } else if (units[i] == u'\r') {
            emit(start, i);
            start = i + 2;   // the code unit after a carriage return is taken to be its line feed
            ++i;
        }
        ++i;
    }
    if (start < units.size())
        emit(start, units.size());
}

std::string Utf16LeFileImage(std::u16string units)
{
    if (!units.empty() && units[0] == 0xFEFF)
        units.insert(units.begin(), char16_t{0xFEFF});
    std::string bytes;
    bytes.reserve(2 * units.size());
    for (const char16_t unit : units) {
        bytes += static_cast<char>(unit & 0xFF);
        bytes += static_cast<char>(unit >> 8);
    }
    return bytes;
}

} // namespace talvoren

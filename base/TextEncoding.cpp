#include "base/TextEncoding.h"

#include "base/Utf16.h"

#include <algorithm>

namespace talvoren
{
namespace
{
constexpr std::size_t kSampleBytes = 4096;

const char kUtf8Mark[] = "\xEF\xBB\xBF";
const char kUtf16LeMark[] = "\xFF\xFE";
const char kUtf16BeMark[] = "\xFE\xFF";

bool StartsWith(const char* data, std::size_t size, const char* mark, std::size_t length)
{
    return size >= length && std::equal(mark, mark + length, data);
}
} // namespace

TEXTENCODING GuessTextEncoding(const char* data, std::size_t size)
{
    if (StartsWith(data, size, kUtf8Mark, 3))
        return {TextKind::Utf8, true};
    if (StartsWith(data, size, kUtf16LeMark, 2))
        return {TextKind::Utf16Le, true};
    if (StartsWith(data, size, kUtf16BeMark, 2))
        return {TextKind::Utf16Be, true};
    std::size_t evenZeros = 0;
    std::size_t oddZeros = 0;
    bool lineEnd = false;
    const std::size_t sample = std::min(size, kSampleBytes);
    for (std::size_t i = 0; i < sample; ++i) {
        if (data[i] == '\0')
            ++(i % 2 == 0 ? evenZeros : oddZeros);
        else if (data[i] == '\n' || data[i] == '\r')
            lineEnd = true;
    }
    if (oddZeros > 0 && oddZeros >= evenZeros)
        return {TextKind::Utf16Le, false};
    if (evenZeros > oddZeros)
        return {TextKind::Utf16Be, false};
    return {lineEnd ? TextKind::Utf8 : TextKind::Unknown, false};
}

const char* TextKindName(TextKind kind)
{
    switch (kind) {
    case TextKind::Utf8: return "UTF-8";
    case TextKind::Utf16Le: return "UTF-16 little-endian";
    case TextKind::Utf16Be: return "UTF-16 big-endian";
    case TextKind::Unknown: break;
    }
    return "unknown";
}

bool DecodeText(const char* data, std::size_t size, const TEXTENCODING& encoding, std::string& utf8)
{
    if (encoding.kind == TextKind::Utf16Le || encoding.kind == TextKind::Utf16Be) {
        if (size % 2 != 0)
            return false;
        const bool little = encoding.kind == TextKind::Utf16Le;
        std::u16string units(size / 2, u'\0');
        for (std::size_t i = 0; i < units.size(); ++i) {
            const auto low = static_cast<unsigned char>(data[2 * i + (little ? 0 : 1)]);
            const auto high = static_cast<unsigned char>(data[2 * i + (little ? 1 : 0)]);
            units[i] = static_cast<char16_t>(low | (high << 8));
        }
        const std::size_t first = encoding.bByteOrderMark && !units.empty() && units[0] == 0xFEFF ? 1 : 0;
        for (std::size_t i = first; i < units.size(); ++i) {
            const char16_t unit = units[i];
            const bool pair = unit >= 0xD800 && unit <= 0xDBFF && i + 1 < units.size() && units[i + 1] >= 0xDC00 &&
                              units[i + 1] <= 0xDFFF;
            if (pair)
                ++i;
            else if (unit >= 0xD800 && unit <= 0xDFFF)
                return false;   // a lone surrogate
        }
        utf8 = Utf16ToUtf8(units.data() + first, units.size() - first);
        return true;
    }
    const std::size_t first = encoding.bByteOrderMark && StartsWith(data, size, kUtf8Mark, 3) ? 3 : 0;
    utf8.assign(data + first, size - first);
    return IsValidUtf8(utf8);
}

std::string EncodeText(const std::string& utf8, const TEXTENCODING& encoding)
{
    if (encoding.kind != TextKind::Utf16Le && encoding.kind != TextKind::Utf16Be)
        return (encoding.bByteOrderMark ? std::string(kUtf8Mark) : std::string()) + utf8;
    const bool little = encoding.kind == TextKind::Utf16Le;
    std::u16string units = Utf8ToUtf16(utf8);
    if (encoding.bByteOrderMark)
        units.insert(units.begin(), char16_t{0xFEFF});
    std::string bytes;
    bytes.reserve(2 * units.size());
    for (char16_t unit : units) {
        const char low = static_cast<char>(unit & 0xFF);
        const char high = static_cast<char>(unit >> 8);
        bytes += little ? low : high;
        bytes += little ? high : low;
    }
    return bytes;
}

} // namespace talvoren

#include "engine/LanguageFile.h"

#include "base/Utf16.h"
#include "platform/MessageSink.h"

#include <cstdio>
#include <memory>

namespace talvoren
{
namespace
{
struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

bool ReadWholeFile(const std::string& path, std::string& bytes)
{
    FilePtr file(std::fopen(path.c_str(), "rb"));
    if (!file)
        return false;
    bytes.clear();
    char buffer[65536];
    for (;;) {
        const std::size_t got = std::fread(buffer, 1, sizeof buffer, file.get());
        bytes.append(buffer, got);
        if (got < sizeof buffer)
            return !std::ferror(file.get());
    }
}

} // namespace

void CLanguageFile::Decode(const char* data, std::size_t size, std::vector<std::string>& lines)
{
    lines.clear();
    ForEachUtf16Line(data, size, [&lines](const char16_t* text, std::size_t length) {
        // Empty lines and comment lines (any "#") are not kept.
        if (length == 0 || std::char_traits<char16_t>::find(text, length, u'#'))
            return;
        lines.push_back(Utf16ToUtf8(text, length));
    });
}

bool CLanguageFile::Read(const std::string& path, std::vector<std::string>& lines, bool reportMissing)
{
    lines.clear();
    std::string bytes;
    if (!ReadWholeFile(path, bytes)) {
        if (reportMissing)
            ShowFileNotFound(path);
        return false;
    }
    Decode(bytes.data(), bytes.size(), lines);
    return true;
}

std::string CLanguageFile::Encode(const std::vector<std::string>& lines)
{
    std::u16string units;
    for (const std::string& line : lines)
        units += Utf8ToUtf16(line) + u"\r\n";
    // A leading U+FEFF would be taken for a byte-order mark and dropped.
    if (!units.empty() && units[0] == 0xFEFF)
        units.insert(units.begin(), char16_t{0xFEFF});
    std::string bytes;
    bytes.reserve(2 * units.size());
    for (char16_t unit : units) {
        bytes += static_cast<char>(unit & 0xFF);
        bytes += static_cast<char>(unit >> 8);
    }
    return bytes;
}

bool CLanguageFile::Write(const std::string& path, const std::vector<std::string>& lines)
{
    const std::string bytes = Encode(lines);
    FilePtr file(std::fopen(path.c_str(), "wb"));
    if (!file)
        return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file.get()) == bytes.size();
    return std::fclose(file.release()) == 0 && written;
}

} // namespace talvoren

#include "engine/LanguageFile.h"

#include "engine/Utf16.h"
#include "platform/MessageSink.h"

#include <cstdio>
#include <memory>

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

// Keeps the code units [begin, end) as a line if, trimmed, it is not empty
// and holds no "#".
void KeepLine(const std::u16string& units, std::size_t begin, std::size_t end, std::vector<std::string>& lines)
{
    while (begin < end && IsWideSpace(units[begin]))
        ++begin;
    while (end > begin && IsWideSpace(units[end - 1]))
        --end;
    if (begin == end)
        return;
    for (std::size_t i = begin; i < end; ++i)
        if (units[i] == u'#')
            return;
    lines.push_back(Utf16ToUtf8(units.data() + begin, end - begin));
}
} // namespace

void CLanguageFile::Decode(const char* data, std::size_t size, std::vector<std::string>& lines)
{
    lines.clear();
    std::u16string units(size / 2, u'\0');
    for (std::size_t i = 0; i < units.size(); ++i)
        units[i] = static_cast<char16_t>(static_cast<unsigned char>(data[2 * i]) |
                                         (static_cast<unsigned char>(data[2 * i + 1]) << 8));

    std::size_t start = (!units.empty() && units[0] == 0xFEFF) ? 1 : 0;
    std::size_t i = start;
    while (i < units.size()) {
        const char16_t unit = units[i];
        if (unit == u'\n') {
            KeepLine(units, start, i, lines);
            start = i + 1;
        } else if (unit == u'\r') {
            KeepLine(units, start, i, lines);
            start = i + 2;   // the code unit after a carriage return is taken to be its line feed
            ++i;
        }
        ++i;
    }
    if (start < units.size())
        KeepLine(units, start, units.size(), lines);
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

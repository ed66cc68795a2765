#include "engine/LanguageFile.h"

#include "base/TextEncoding.h"
#include "base/Utf16.h"
#include "platform/FileReading.h"
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

// Why the bytes are no language file: the other encodings a text editor
// saves in would otherwise read as nothing at all, without a word. "" for
// UTF-16LE (or bytes that do not tell).
std::string EncodingProblem(const std::string& bytes)
{
    const TEXTENCODING encoding = GuessTextEncoding(bytes.data(), bytes.size());
    if (encoding.kind != TextKind::Utf8 && encoding.kind != TextKind::Utf16Be)
        return "";
    return std::string("it is in ") + TextKindName(encoding.kind) + ", not in UTF-16 little-endian";
}
} // namespace

void CLanguageFile::Decode(const char* data, std::size_t size, std::vector<std::string>& lines,
                           CommentRule comments)
{
    lines.clear();
    ForEachUtf16Line(data, size, [&lines, comments](const char16_t* text, std::size_t length) {
        if (length == 0)
            return;
        const bool comment = comments == CommentRule::AnyHash
                                 ? std::char_traits<char16_t>::find(text, length, u'#') != nullptr
                                 : text[0] == u'#';
        if (!comment)
            lines.push_back(Utf16ToUtf8(text, length));
    });
}

bool CLanguageFile::Read(const std::string& path, std::vector<std::string>& lines, bool report,
                         CommentRule comments)
{
    lines.clear();
    const FILEREAD file = ReadRegularFile(path);
    const std::string problem = file.bRead ? EncodingProblem(file.strBytes) : file.strReason;
    if (!problem.empty()) {
        if (report && file.bMissing)
            ShowFileNotFound(path);
        else if (report)
            ShowMessage(CannotReadMessage(path, problem), MessageIcon::Error);
        return false;
    }
    Decode(file.strBytes.data(), file.strBytes.size(), lines, comments);
    return true;
}

std::string CLanguageFile::Encode(const std::vector<std::string>& lines)
{
    std::u16string units;
    for (const std::string& line : lines)
        units += Utf8ToUtf16(line) + u"\r\n";
    return Utf16LeFileImage(std::move(units));
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

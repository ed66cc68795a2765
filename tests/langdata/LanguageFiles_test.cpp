// The shipped language files as files: each is its readable source converted
// to UTF-16 little-endian with CR LF line ends, decodes cleanly, and keeps the
// conventions of the reader (a line with "#" is a comment, so no entry may
// hold one).

#include "tests/langdata/ShippedLanguage.h"

#include "base/Utf16.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

using namespace talvoren;

namespace
{
// The lines of a UTF-8 source as the converter takes them: split at line
// feeds, a carriage return before the feed dropped, no line after a final
// feed.
std::vector<std::string> SourceLines(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

std::vector<std::string> ShippedTextFiles(const std::string& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(ShippedFolderPath(folder)))
        if (entry.path().extension() == ".txt")
            names.push_back(entry.path().filename().string());
    return names;
}
} // namespace

TEST(LanguageFiles, EveryFolderShipsTheDataFiles)
{
    for (const SHIPPEDFOLDER& folder : ShippedFolders())
        for (const std::string& file : LanguageDataFiles()) {
            EXPECT_TRUE(std::filesystem::is_regular_file(ShippedFolderPath(folder.pszName) + file))
                << folder.pszName << "/" << file;
            EXPECT_TRUE(std::filesystem::is_regular_file(SourceFolderPath(folder.pszName) + file))
                << "source of " << folder.pszName << "/" << file;
        }
}

TEST(LanguageFiles, ShippedFilesAreTheirSourcesInUtf16LittleEndianWithCrLf)
{
    for (const SHIPPEDFOLDER& folder : ShippedFolders())
        for (const std::string& file : LanguageDataFiles()) {
            const std::string source = ReadWholeFile(SourceFolderPath(folder.pszName) + file);
            std::string expected;
            for (const std::string& line : SourceLines(source))
                expected += CTestFolder::EncodeUtf16(line + "\r\n");
            EXPECT_EQ(ReadWholeFile(ShippedFolderPath(folder.pszName) + file), expected)
                << folder.pszName << "/" << file;
        }
}

TEST(LanguageFiles, EveryShippedFileDecodesWithCrLfLineEnds)
{
    for (const SHIPPEDFOLDER& folder : ShippedFolders())
        for (const std::string& file : ShippedTextFiles(folder.pszName)) {
            const std::string bytes = ReadWholeFile(ShippedFolderPath(folder.pszName) + file);
            SCOPED_TRACE(std::string(folder.pszName) + "/" + file);
            ASSERT_EQ(bytes.size() % 2, 0u) << "whole UTF-16 code units";
            std::u16string units;
            for (std::size_t i = 0; i < bytes.size(); i += 2)
                units += static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                               static_cast<unsigned char>(bytes[i + 1]) << 8);
            EXPECT_FALSE(!units.empty() && units[0] == u'\xFEFF') << "no byte-order mark";
            EXPECT_EQ(Utf16ToUtf8(units).find("\xEF\xBF\xBD"), std::string::npos) << "no lone surrogate";
            EXPECT_EQ(units.find(u'\0'), std::u16string::npos);
            for (std::size_t i = 0; i < units.size(); ++i) {
                if (units[i] == u'\r') {
                    ASSERT_TRUE(i + 1 < units.size() && units[i + 1] == u'\n') << "carriage return at unit " << i;
                } else if (units[i] == u'\n') {
                    ASSERT_TRUE(i > 0 && units[i - 1] == u'\r') << "bare line feed at unit " << i;
                }
            }
            EXPECT_TRUE(units.empty() || (units.size() >= 2 && units.substr(units.size() - 2) == u"\r\n"))
                << "the last line is ended too";
        }
}

TEST(LanguageFiles, HashSignsOnlyStartCommentLines)
{
    // A line that holds "#" anywhere is skipped by the reader; an entry with a
    // "#" inside (an HTML character reference, say) would vanish silently.
    for (const SHIPPEDFOLDER& folder : ShippedFolders())
        for (const std::string& file : LanguageDataFiles()) {
            int number = 0;
            for (const std::string& line : SourceLines(ReadWholeFile(SourceFolderPath(folder.pszName) + file))) {
                ++number;
                const std::string trimmed = TrimWide(line);
                if (trimmed.find('#') != std::string::npos) {
                    EXPECT_EQ(trimmed[0], '#') << folder.pszName << "/" << file << ":" << number << ": " << line;
                }
            }
        }
}

TEST(LanguageFiles, NotesFileShipsEmpty)
{
    for (const SHIPPEDFOLDER& folder : ShippedFolders()) {
        EXPECT_EQ(std::filesystem::file_size(ShippedFolderPath(folder.pszName) + "uNote.txt"), 0u) << folder.pszName;
        EXPECT_EQ(std::filesystem::file_size(SourceFolderPath(folder.pszName) + "uNote.txt"), 0u) << folder.pszName;
    }
}

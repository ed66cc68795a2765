#include "base/Utf16.h"
#include "engine/LanguageFile.h"
#include "tests/support/RecordingMessageSink.h"
#include "tests/support/TestFolder.h"

#include <gtest/gtest.h>

using namespace talvoren;

namespace
{
std::vector<std::string> Decode(const std::string& bytes)
{
    std::vector<std::string> lines;
    CLanguageFile::Decode(bytes.data(), bytes.size(), lines);
    return lines;
}

std::string U16(const std::string& utf8)
{
    return CTestFolder::EncodeUtf16(utf8);
}
} // namespace

TEST(LanguageFile, LineConventions)
{
    struct Case {
        const char* what;
        std::string bytes;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"line feeds", U16("a\nb\nc"), {"a", "b", "c"}},
        {"CR LF", U16("a\r\nb\r\n"), {"a", "b"}},
        {"a carriage return eats the next code unit", U16("ab\rXcd\nef"), {"ab", "cd", "ef"}},
        {"trimmed at both ends", U16("  \t x y \t\r\n"), {"x y"}},
        {"empty lines skipped", U16("\n\n  \nz\n"), {"z"}},
        {"any # makes a comment", U16("keep\nnot # this\n#no\nalso&#7885;\nkept"), {"keep", "kept"}},
        {"no line end at the end", U16("last"), {"last"}},
        {"byte-order mark skipped", "\xFF\xFE" + U16("first\nsecond"), {"first", "second"}},
        {"odd final byte ignored", U16("ab") + "x", {"ab"}},
        {"Vietnamese text", U16("Chúa Nhật Thứ Nhất\n"), {"Chúa Nhật Thứ Nhất"}},
        {"surrogate pair", U16("a\xF0\x9F\x98\x80" "b"), {"a\xF0\x9F\x98\x80" "b"}},
        {"wide spaces trimmed", U16("\xE3\x80\x80word\xC2\xA0"), {"word"}},
        {"empty file", "", {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Decode(c.bytes), c.lines) << c.what;
}

TEST(LanguageFile, LoneSurrogateBecomesReplacementCharacter)
{
    const std::string bytes = std::string("a\0\x00\xD8" "b\0", 6);
    EXPECT_EQ(Decode(bytes), std::vector<std::string>{"a\xEF\xBF\xBD" "b"});
}

TEST(LanguageFile, MissingFileIsReportedWithItsFullPath)
{
    CTestFolder folder;
    CRecordingMessageSink messages;
    std::vector<std::string> lines{"stale"};
    EXPECT_FALSE(CLanguageFile::Read(folder.File("utitles.txt"), lines));
    EXPECT_TRUE(lines.empty());
    ASSERT_EQ(messages.Messages().size(), 1u);
    EXPECT_EQ(messages.Messages()[0], "File " + folder.File("utitles.txt") + " not found!");
    EXPECT_EQ(messages.Icons()[0], MessageIcon::Error);

    EXPECT_FALSE(CLanguageFile::Read(folder.File("other.txt"), lines, false));
    EXPECT_EQ(messages.Messages().size(), 1u);
}

TEST(LanguageFile, WriteThenReadRoundTrip)
{
    CTestFolder folder;
    const std::vector<std::string> lines{"25\t12\tGiáng Sinh", "Ghi chú"};
    ASSERT_TRUE(CLanguageFile::Write(folder.File("uNote.txt"), lines));
    EXPECT_EQ(folder.ReadBytes("uNote.txt"), U16("25\t12\tGiáng Sinh\r\nGhi chú\r\n"));
    std::vector<std::string> read;
    ASSERT_TRUE(CLanguageFile::Read(folder.File("uNote.txt"), read));
    EXPECT_EQ(read, lines);
}

// Found by fuzzing: a first line that begins with U+FEFF (a zero-width
// no-break space, kept since it is no white space) came back without it,
// because the reader took it for a byte-order mark.
TEST(LanguageFile, FirstLineBeginningWithFeffSurvivesWriteAndRead)
{
    CTestFolder folder;
    const std::vector<std::string> lines{"\xEF\xBB\xBFx", "\xEF\xBB\xBF"};
    ASSERT_TRUE(CLanguageFile::Write(folder.File("uNote.txt"), lines));
    EXPECT_EQ(folder.ReadBytes("uNote.txt"), std::string("\xFF\xFE", 2) + U16("\xEF\xBB\xBFx\r\n\xEF\xBB\xBF\r\n"));
    std::vector<std::string> read;
    ASSERT_TRUE(CLanguageFile::Read(folder.File("uNote.txt"), read));
    EXPECT_EQ(read, lines);
}

TEST(Utf16, TruncateCountsCodeUnitsAndKeepsCharactersWhole)
{
    EXPECT_EQ(TruncateUtf16("abcdef", 3), "abc");
    EXPECT_EQ(TruncateUtf16("ấấấ", 2), "ấấ");                          // 3 bytes, 1 unit each
    EXPECT_EQ(TruncateUtf16("a\xF0\x9F\x98\x80" "b", 2), "a");          // the pair would be cut
    EXPECT_EQ(TruncateUtf16("a\xF0\x9F\x98\x80" "b", 3), "a\xF0\x9F\x98\x80");
    EXPECT_EQ(Utf16Length("Nhật"), 4u);
    EXPECT_EQ(TrimWide(" \t x \n"), "x");
    EXPECT_EQ(TrimWide("\xC2\xA0"), "");
}

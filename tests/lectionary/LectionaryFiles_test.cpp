// The shipped lectionary files: every position in its place, every position
// that a day reads filled, the others left empty, in both language folders.

#include "engine/LanguageFile.h"
#include "scripture/BookAbbreviations.h"
#include "scripture/Citations.h"
#include "tests/lectionary/LectionaryData.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace talvoren;

namespace
{
bool IsSunday(const LECTIONARYFILE& file)
{
    return file.chCycle >= 'A';
}
} // namespace

TEST(LectionaryFiles, EachFileHoldsEveryPositionAsALabelledLine)
{
    for (const char* folder : kLanguageFolders) {
        for (const LECTIONARYFILE& file : kLectionaryFiles) {
            const std::string path = LectionaryPath(folder, file.chCycle);
            std::vector<std::string> entries;
            std::vector<std::string> lines;
            ASSERT_TRUE(ReadLectionary(path, entries, &lines)) << path;
            EXPECT_EQ(static_cast<int>(entries.size()), file.nPositions) << path;
            for (std::size_t n = 0; n < lines.size(); ++n) {
                // "label @ entry": a line without the sign or without a label
                // would still take a position, but silently lose its entry.
                const std::size_t at = lines[n].find('@');
                EXPECT_NE(at, std::string::npos) << path << " position " << n << ": " << lines[n];
                EXPECT_GT(at, 0u) << path << " position " << n << " has no label";
                EXPECT_EQ(lines[n].find('@', at + 1), std::string::npos) << path << " position " << n;
            }
        }
    }
}

TEST(LectionaryFiles, PositionsThatADayReadsAreFilledAndNoOthers)
{
    for (const char* folder : kLanguageFolders) {
        for (const LECTIONARYFILE& file : kLectionaryFiles) {
            const std::string path = LectionaryPath(folder, file.chCycle);
            std::vector<std::string> entries;
            ASSERT_TRUE(ReadLectionary(path, entries)) << path;
            for (int n = 0; n < static_cast<int>(entries.size()); ++n) {
                if (IsReadPosition(IsSunday(file), n))
                    EXPECT_FALSE(entries[n].empty()) << path << " position " << n << " is read but empty";
                else
                    EXPECT_TRUE(entries[n].empty()) << path << " position " << n << " is read by no day";
            }
        }
    }
}

TEST(LectionaryFiles, EnglishFolderCitesTheSamePassagesWithItsOwnBookNames)
{
    // Each folder's entries read with its own book names give the same passages.
    CBookAbbreviations english;
    std::vector<std::string> lines;
    ASSERT_TRUE(CLanguageFile::Read(std::string(TALVOREN_PROGRAM_DIR) + "/English/uBooks.txt", lines, false));
    ASSERT_TRUE(CBookAbbreviations::Parse(lines, english));
    const auto passagesOf = [](const std::string& entry, const CBookAbbreviations& names) {
        std::vector<unsigned> books;
        std::vector<std::string> texts;
        std::vector<PASSAGE> passages;
        ScanCitations(entry, names, books, texts);
        ParseCitations(books, texts, passages);
        std::string flat;
        for (const PASSAGE& passage : passages)
            flat += std::to_string(passage.nBook) + " " + std::to_string(passage.nChapter) + ":" + passage.strVerses + "; ";
        return flat;
    };
    for (const LECTIONARYFILE& file : kLectionaryFiles) {
        std::vector<std::string> vietnam;
        std::vector<std::string> englishEntries;
        ASSERT_TRUE(ReadLectionary(LectionaryPath("Vietnam", file.chCycle), vietnam));
        ASSERT_TRUE(ReadLectionary(LectionaryPath("English", file.chCycle), englishEntries));
        ASSERT_EQ(vietnam.size(), englishEntries.size()) << "uLectionary" << file.chCycle;
        for (std::size_t n = 0; n < vietnam.size(); ++n) {
            EXPECT_EQ(passagesOf(englishEntries[n], english), passagesOf(vietnam[n], CBookAbbreviations::Vietnamese()))
                << "uLectionary" << file.chCycle << " position " << n << ": " << englishEntries[n];
            EXPECT_EQ(englishEntries[n].find("hoặc"), std::string::npos) << englishEntries[n];
        }
    }
}

TEST(LectionaryFiles, CyclesAgreeWhereTheLectionaryDoesNotVary)
{
    std::vector<std::string> a, b, c, one, two;
    ASSERT_TRUE(ReadLectionary(LectionaryPath("Vietnam", 'A'), a));
    ASSERT_TRUE(ReadLectionary(LectionaryPath("Vietnam", 'B'), b));
    ASSERT_TRUE(ReadLectionary(LectionaryPath("Vietnam", 'C'), c));
    ASSERT_TRUE(ReadLectionary(LectionaryPath("Vietnam", '1'), one));
    ASSERT_TRUE(ReadLectionary(LectionaryPath("Vietnam", '2'), two));
    ASSERT_EQ(a.size(), 76u);
    ASSERT_EQ(b.size(), 76u);
    ASSERT_EQ(c.size(), 76u);
    ASSERT_EQ(one.size(), 339u);
    ASSERT_EQ(two.size(), 339u);
    // Monday of Holy Week to Good Friday and the Second Sunday after Christmas
    // are the same in the three Sunday cycles; the Advent Sundays are not.
    for (int n : {7, 18, 19, 20, 21, 22}) {
        EXPECT_EQ(a[n], b[n]) << n;
        EXPECT_EQ(b[n], c[n]) << n;
    }
    for (int n : {0, 1, 2, 3, 6})
        EXPECT_TRUE(a[n] != b[n] && b[n] != c[n] && a[n] != c[n]) << n;
    // The two weekday years differ only in Ordinary Time (129..332).
    for (int n = 0; n < 339; ++n) {
        if (n < 129 || n > 332)
            EXPECT_EQ(one[n], two[n]) << n;
        else
            EXPECT_NE(one[n], two[n]) << n;
    }
}

TEST(LectionaryFiles, EntriesOfKnownPositions)
{
    struct Case { char cycle; int position; const char* entry; };
    const Case cases[] = {
        // Fourth Sunday of Advent, Year A: read in December of the civil years
        // of letter C (2025, 2028 ...), which begin liturgical Year A.
        {'C', 3, "Is 7:10-14; Tv 24:1-6; Rm 1:1-7; Mt 1:18-24"},
        // Second Sunday after Christmas (all cycles).
        {'A', 7, "Hc 24:1-4,12-16; Tv 147:12-15,19-20; Ep 1:3-6,15-18; Ga 1:1-18"},
        // Christ the King, Year B; Good Friday with readings across chapters.
        {'B', 72, "Đn 7:13-14; Tv 93:1-2,5; Kh 1:5-8; Ga 18:33-37"},
        {'B', 22, "Is 52:13-15; 53:1-12; Tv 31:2,6,12-13,15-17,25; Dt 4:14-16; 5:7-9; Ga 18:1-40; 19:1-42"},
        // Monday of the seventh week of Easter, and Tuesday of that week.
        {'1', 128, "Cv 19:1-8; Tv 68:2-7; Ga 16:29-33"},
        {'2', 333, "Cv 20:17-27; Tv 68:10-11,20-21; Ga 17:1-11"},
        // 22 December: the canticle of Hannah, a second reading of the same book.
        {'1', 21, "1 Sm 1:24-28; 1 Sm 2:1,4-8; Lc 1:46-56"},
        // Zechariah ("Dcr") and the Song of Songs ("Dc").
        {'1', 278, "Dcr 2:5-9,14-15; Gr 31:10-13; Lc 9:43-45"},
        {'C', 50, "Dcr 12:10-11; 13:1; Tv 63:2-6,8-9; Gl 3:26-29; Lc 9:18-24"},
        {'2', 20, "Dc 2:8-14; Tv 33:2-3,11-12,20-21; Lc 1:39-45"},
        // Jude ("Gđ").
        {'2', 176, "Gđ 1:17,20-25; Tv 63:2-6; Mc 11:27-33"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> entries;
        ASSERT_TRUE(ReadLectionary(LectionaryPath("Vietnam", c.cycle), entries));
        ASSERT_LT(c.position, static_cast<int>(entries.size()));
        EXPECT_EQ(entries[c.position], c.entry) << c.cycle << " " << c.position;
    }
}

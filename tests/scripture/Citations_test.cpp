// Finding the citations of a readings text and parsing them into passages.

#include "scripture/BookAbbreviations.h"
#include "scripture/Citations.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

using namespace talvoren;

namespace talvoren
{
static bool operator==(const PASSAGE& a, const PASSAGE& b)
{
    return a.nBook == b.nBook && a.nChapter == b.nChapter && a.strVerses == b.strVerses;
}

static std::ostream& operator<<(std::ostream& out, const PASSAGE& passage)
{
    return out << "{" << passage.nBook << ", " << passage.nChapter << ", \"" << passage.strVerses << "\"}";
}
} // namespace talvoren

namespace
{
struct PASSAGECASE {
    const char* pszText;
    std::vector<unsigned> books;          // what the scan finds
    std::vector<PASSAGE> passages;        // what the parse makes of it
};


std::vector<PASSAGE> Parse(const std::string& text, std::vector<unsigned>* books = nullptr,
                           std::vector<std::string>* texts = nullptr)
{
    std::vector<unsigned> foundBooks;
    std::vector<std::string> foundTexts;
    ScanCitations(text, foundBooks, foundTexts);
    EXPECT_EQ(foundBooks.size(), foundTexts.size()) << text;
    std::vector<PASSAGE> passages;
    ParseCitations(foundBooks, foundTexts, passages);
    if (books)
        *books = foundBooks;
    if (texts)
        *texts = foundTexts;
    return passages;
}
} // namespace

TEST(Citations, ExamplesOfTheReadingsTexts)
{
    const std::vector<PASSAGECASE> cases = {
        {"Is 7:10-14", {29}, {{29, 7, "10-14"}}},
        // A second chapter of the same book; "+" joins single verses.
        {"Is 7:10-14; 8:1+3", {29}, {{29, 7, "10-14"}, {29, 8, "1,3"}}},
        // The part after the full stop has no chapter and is dropped.
        {"1 Sm 3:3-10.19", {9}, {{9, 3, "3-10"}}},
        // A range across chapters: the second colon starts chapter 10.
        {"Is 7:10-8:4", {29}, {{29, 10, "4"}}},
        // No colon, no passage.
        {"Tv 23", {23}, {}},
        {"Dc 9:9", {26}, {{26, 9, "9"}}},
        // A Sunday's four readings; the psalter-week line after "<br>" gives
        // nothing.
        {"Is 7:10-14; Tv 24:1-6; Rm 1:1-7; Mt 1:18-24<br>Thánh vịnh tuần IV",
         {29, 23, 52, 47},
         {{29, 7, "10-14"}, {23, 24, "1-6"}, {52, 1, "1-7"}, {47, 1, "18-24"}}},
        {"1 Sm 3:3-10,19; Tv 40:2,4,7-10; 1 Cr 6:13-15,17-20; Ga 1:35-42<br>Psalter Week II",
         {9, 23, 53, 50},
         {{9, 3, "3-10,19"}, {23, 40, "2,4,7-10"}, {53, 6, "13-15,17-20"}, {50, 1, "35-42"}}},
        // Leading blanks; blanks inside a citation are ignored.
        {"   Mt 5 : 1 - 12", {47}, {{47, 5, "1-12"}}},
        // A chapter never carries over to the next book's citation.
        {"Is 7:10; Mt 5", {29, 47}, {{29, 7, "10"}}},
        // Text before the first abbreviation is ignored; no abbreviation at all
        // gives nothing.
        {"Bài đọc: Gc 1:1-11", {66}, {{66, 1, "1-11"}}},
        {"Thánh Vịnh Tuần 1", {}, {}},
        {"", {}, {}},
        // A numbered book only where no digit stands before it.
        {"11 Sm 3:1", {}, {}},
        {"21 Sm 3:1; 2 Sm 7:4", {10}, {{10, 7, "4"}}},
        // The character right after a matched abbreviation starts no other.
        {"Is Is 1:1", {29}, {{29, 1, "1"}}},
        {"Rm Mt 2:1; Mt 2:2", {52, 47}, {{52, 2, "1"}, {47, 2, "2"}}},
        // Letters inside words are tried too: "R " (Ruth) after "K".
        {"KR 1:16", {8}, {{8, 1, "16"}}},
    };
    for (const PASSAGECASE& test : cases) {
        std::vector<unsigned> books;
        EXPECT_EQ(Parse(test.pszText, &books), test.passages) << test.pszText;
        EXPECT_EQ(books, test.books) << test.pszText;
    }
}

TEST(Citations, EveryBookHasOneShortNameThatTheScanFinds)
{
    // The mended tables: Judith "Gđt ", Zechariah "Dcr ", while "Dc " stays
    // the Song of Songs and "Gđ " reaches Jude.
    const std::vector<std::pair<const char*, unsigned>> cases = {
        {"Gđt 8:1", 18}, {"Dcr 9:9", 45}, {"Dc 2:8", 26}, {"Gđ 1:3", 72},
        {"Đnl 6:4", 5},  {"Đn 3:1", 34},  {"G 1:1", 22},  {"Ga 1:1", 50},
        {"1 Ga 4:7", 69}, {"3 Ga 1:5", 71}, {"Gl 5:1", 55}, {"Gc 1:1", 66},
    };
    for (const auto& [text, book] : cases) {
        std::vector<unsigned> books;
        Parse(text, &books);
        EXPECT_EQ(books, std::vector<unsigned>{book}) << text;
    }

    std::set<int> seen;
    std::set<std::string> names;
    for (const BOOKABBREVIATION* table : {NumberedBookAbbreviations(), OtherBookAbbreviations()}) {
        for (const BOOKABBREVIATION* entry = table; entry->nBook != 0; ++entry) {
            EXPECT_TRUE(seen.insert(entry->nBook).second) << "book " << entry->nBook << " twice";
            EXPECT_TRUE(names.insert(entry->pszAbbreviation).second) << entry->pszAbbreviation << " twice";
            const std::string name = entry->pszAbbreviation;
            ASSERT_FALSE(name.empty());
            EXPECT_EQ(name.back(), ' ');
            EXPECT_LE(name.size(), 9u);
            // Each short name, cited, is found as its own book.
            std::vector<unsigned> books;
            Parse(name + "1:1", &books);
            EXPECT_EQ(books, std::vector<unsigned>{static_cast<unsigned>(entry->nBook)}) << name;
            EXPECT_EQ(BookAbbreviation(entry->nBook), name);
        }
    }
    EXPECT_EQ(seen.size(), static_cast<std::size_t>(kBookCount));
    EXPECT_EQ(*seen.begin(), 1);
    EXPECT_EQ(*seen.rbegin(), kBookCount);
    EXPECT_EQ(BookAbbreviation(0), "");
    EXPECT_EQ(BookAbbreviation(74), "");
}

// A folder's book-names file: every book one name; a file that leaves a
// book out or has a line of another shape is refused. The names it gives
// are what the scan finds, a name that begins with a Z or a digit included.
TEST(Citations, BookNamesOfAFolder)
{
    std::vector<std::string> english;
    for (int book = 1; book <= kBookCount; ++book)
        english.push_back(std::to_string(book) + " " + BookAbbreviation(book).substr(0, BookAbbreviation(book).size() - 1));
    english[43 - 1] = "43 Zep";
    english[53 - 1] = "53 1 Cor";
    const auto with = [&english](std::size_t line, const std::string& text) {
        std::vector<std::string> lines = english;
        if (line < lines.size())
            lines[line] = text;
        else
            lines.push_back(text);
        return lines;
    };
    const struct {
        std::vector<std::string> lines;
        bool valid;
    } cases[] = {
        {english, true},
        {with(99, "26 Sg"), true},                   // a second name of a book
        {std::vector<std::string>(english.begin(), english.end() - 1), false},   // Revelation missing
        {with(0, "1Gn"), false},   {with(0, "Gn 1"), false}, {with(0, "74 Gn"), false},
        {with(0, "0 Gn"), false},  {with(0, "1  Gn"), false}, {with(0, "1 "), false},
    };
    for (const auto& test : cases) {
        CBookAbbreviations names;
        EXPECT_EQ(CBookAbbreviations::Parse(test.lines, names), test.valid) << test.lines.back();
    }
    CBookAbbreviations names;
    ASSERT_TRUE(CBookAbbreviations::Parse(english, names));
    std::vector<unsigned> books;
    std::vector<std::string> texts;
    ScanCitations("1 Cor 1:3; Zep 3:14; Is 7:14", names, books, texts);
    EXPECT_EQ(books, (std::vector<unsigned>{53, 43, 29}));
    EXPECT_EQ(names.Abbreviation(53), "1 Cor ");
}

TEST(Citations, LongCitationsAreCut)
{
    std::string verses;
    while (verses.size() < 3000)
        verses += "1,";
    std::vector<std::string> texts;
    const std::vector<PASSAGE> passages = Parse("Is 7:" + verses + "; Mt 1:1", nullptr, &texts);
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].size(), 1023u);
    ASSERT_EQ(passages.size(), 2u);
    EXPECT_EQ(passages[0].strVerses.size(), 1021u);   // 1023 less "7:"
    EXPECT_EQ(passages[1], (PASSAGE{47, 1, "1"}));

    // The cut counts UTF-16 code units and never splits a character.
    std::vector<std::string> wide;
    Parse("Is " + std::string(1022, 'a') + "Đ", nullptr, &wide);
    ASSERT_EQ(wide.size(), 1u);
    EXPECT_EQ(wide[0], std::string(1022, 'a') + "Đ");
    Parse("Is " + std::string(1023, 'a') + "Đ", nullptr, &wide);
    EXPECT_EQ(wide[0], std::string(1023, 'a'));
}

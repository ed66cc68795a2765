// Every entry of the shipped lectionaries as the scripture page reads it:
// each reading's book abbreviation is found, and each piece of each reading
// becomes one passage with its chapter and verses.

#include "scripture/BookAbbreviations.h"
#include "scripture/Citations.h"
#include "tests/lectionary/LectionaryData.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace talvoren;

namespace
{
// The pieces of an entry, split at "; " and at " hoặc " (or), which joins a
// reading's alternative.
std::vector<std::string> Pieces(const std::string& entry)
{
    std::vector<std::string> pieces;
    for (std::size_t start = 0; start <= entry.size();) {
        std::size_t end = entry.find("; ", start);
        std::size_t next = end + 2;
        const std::size_t alternative = entry.find(" hoặc ", start);
        if (alternative < end) {
            end = alternative;
            next = alternative + std::string(" hoặc ").size();
        }
        if (end == std::string::npos) {
            end = entry.size();
            next = end + 2;
        }
        pieces.push_back(entry.substr(start, end - start));
        start = next;
    }
    return pieces;
}

// A piece that continues the reading before it into another chapter begins
// with its chapter number and ":" ("53:1-12"); any other begins with a book.
bool IsContinuation(const std::string& piece)
{
    const std::size_t digits = piece.find_first_not_of("0123456789");
    return digits > 0 && digits != std::string::npos && piece[digits] == ':';
}

// "10-14,16" is made of numbers and ranges a-b with a <= b, with no empty
// piece.
bool IsVerseList(const std::string& verses)
{
    std::size_t start = 0;
    while (true) {
        std::size_t end = verses.find(',', start);
        const std::string piece = verses.substr(start, end == std::string::npos ? std::string::npos : end - start);
        const std::size_t dash = piece.find('-');
        const std::string first = piece.substr(0, dash);
        const std::string last = dash == std::string::npos ? first : piece.substr(dash + 1);
        for (const std::string& number : {first, last})
            if (number.empty() || number.find_first_not_of("0123456789") != std::string::npos)
                return false;
        if (std::stoi(first) > std::stoi(last) || std::stoi(first) == 0)
            return false;
        if (end == std::string::npos)
            return true;
        start = end + 1;
    }
}
} // namespace

TEST(LectionaryCitations, EveryEntryScansAndParsesPieceByPiece)
{
    int entriesChecked = 0;
    for (const LECTIONARYFILE& file : kLectionaryFiles) {
        const std::string path = LectionaryPath("Vietnam", file.chCycle);
        std::vector<std::string> entries;
        ASSERT_TRUE(ReadLectionary(path, entries)) << path;
        for (std::size_t n = 0; n < entries.size(); ++n) {
            const std::string& entry = entries[n];
            if (entry.empty())
                continue;
            ++entriesChecked;
            const std::string where = path + " position " + std::to_string(n) + ": " + entry;
            EXPECT_EQ(entry.find('#'), std::string::npos) << where;

            const std::vector<std::string> pieces = Pieces(entry);
            std::size_t readings = 0;
            for (const std::string& piece : pieces)
                readings += IsContinuation(piece) ? 0 : 1;

            std::vector<unsigned> books;
            std::vector<std::string> texts;
            ScanCitations(entry, books, texts);
            ASSERT_EQ(books.size(), readings) << where;
            ASSERT_EQ(texts.size(), readings) << where;
            std::vector<PASSAGE> passages;
            ParseCitations(books, texts, passages);
            ASSERT_EQ(passages.size(), pieces.size()) << where;

            int book = 0;
            for (std::size_t k = 0; k < pieces.size(); ++k) {
                const PASSAGE& passage = passages[k];
                const std::string& piece = pieces[k];
                const std::size_t colon = piece.find(':');
                ASSERT_NE(colon, std::string::npos) << where;
                std::size_t numberStart = piece.find_last_of(' ', colon);
                numberStart = numberStart == std::string::npos ? 0 : numberStart + 1;
                if (!IsContinuation(piece)) {
                    // The book the piece names, by its abbreviation.
                    book = passage.nBook;
                    EXPECT_EQ(BookAbbreviation(book), piece.substr(0, numberStart)) << where;
                }
                EXPECT_EQ(passage.nBook, book) << where << " piece " << piece;
                EXPECT_GE(passage.nBook, 1) << where;
                EXPECT_LE(passage.nBook, kBookCount) << where;
                EXPECT_EQ(std::to_string(passage.nChapter), piece.substr(numberStart, colon - numberStart))
                    << where << " piece " << piece;
                EXPECT_EQ(passage.strVerses, piece.substr(colon + 1)) << where << " piece " << piece;
                EXPECT_TRUE(IsVerseList(passage.strVerses)) << where << " piece " << piece;
            }
        }
    }
    // 65 read Sunday positions in each of three files, 324 read weekday
    // positions in each weekday file.
    EXPECT_EQ(entriesChecked, 3 * 65 + 2 * 324);
}

TEST(LectionaryCitations, BooksThatShareTheirFirstLettersKeepTheirOwnNumbers)
{
    // Song of Songs and Zechariah, Judith and Jude, John and the letters of
    // John, as the entries write them.
    struct Case { const char* text; std::vector<unsigned> books; };
    const Case cases[] = {
        {"Dc 2:8-14; Dcr 9:9-10", {26, 45}},
        {"Gđt 8:1; Gđ 1:17,20-25", {18, 72}},
        {"Ga 1:1-18; 1 Ga 4:7-16; 2 Ga 1:4-9; 3 Ga 1:5-8", {50, 69, 70, 71}},
    };
    for (const Case& c : cases) {
        std::vector<unsigned> books;
        std::vector<std::string> texts;
        ScanCitations(c.text, books, texts);
        EXPECT_EQ(books, c.books) << c.text;
    }
}

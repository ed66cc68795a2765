#pragma once
// The short names of the books of the Bible as the readings texts cite them
// ("Is 7:10-14", "1 Sm 3:3-10"), and the book numbers 1..73 of the scripture
// database (Catholic order: 1 Genesis .. 46 Malachi, 47 Matthew .. 73
// Revelation). The built-in table is that of the Vietnamese Catholic Bible;
// a language folder may bring its own (CBookAbbreviations::Parse).

#include <string>
#include <vector>

namespace talvoren
{
struct BOOKABBREVIATION {
    const char* pszAbbreviation;   // UTF-8, ends in one blank that belongs to it
    int nBook;                     // 1..73; 0 ends a table
};

constexpr int kBookCount = 73;

// The Vietnamese books whose short name begins with a digit ("1 Sm ", "2 Cr
// "), in the order in which a scan tries them; the table ends with an entry
// numbered 0.
const BOOKABBREVIATION* NumberedBookAbbreviations();

// The Vietnamese books whose short name begins with a letter ("St ", "Đnl "),
// in scan order; ends with an entry numbered 0. Every book has exactly one
// entry in one of the two tables.
const BOOKABBREVIATION* OtherBookAbbreviations();

// The Vietnamese short name of book `book`, trailing blank included; "" for
// a number outside 1..73.
std::string BookAbbreviation(int book);

// One language's table: the short names a scan tries, in order.
class CBookAbbreviations
{
public:
    struct ENTRY {
        std::string strAbbreviation;   // UTF-8, with its trailing blank
        int nBook;                     // 1..73
    };

    // The Vietnamese table above.
    static const CBookAbbreviations& Vietnamese();

    // Given the kept lines of a book-names file, one book a line: the book
    // number 1..73, one blank, the short name ("1 Gn", "9 1 Sam"). Lines in
    // file order are the scan order. Returns false, leaving `table` alone,
    // when a line cannot be read or a book of 1..73 has no name: a folder
    // then cites with the Vietnamese names.
    static bool Parse(const std::vector<std::string>& lines, CBookAbbreviations& table);

    // The table of a language folder's book-names file (CLanguageData::
    // BookNameLines): Parse's, or the Vietnamese one when Parse refuses the
    // lines (a missing file included).
    static CBookAbbreviations OfFolder(const std::vector<std::string>& lines);

    // The entries whose short name begins with a digit, and the others.
    const std::vector<ENTRY>& Numbered() const { return m_numbered; }
    const std::vector<ENTRY>& Other() const { return m_other; }

    // The first short name of book `book`, trailing blank included; "" for
    // a number outside 1..73.
    std::string Abbreviation(int book) const;

private:
    std::vector<ENTRY> m_numbered;
    std::vector<ENTRY> m_other;
};

} // namespace talvoren

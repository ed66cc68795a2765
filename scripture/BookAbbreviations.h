#pragma once
// The short names of the books of the Vietnamese Catholic Bible, as the
// readings texts cite them ("Is 7:10-14", "1 Sm 3:3-10"), and the book
// numbers 1..73 of the scripture database (Catholic order: 1 Genesis ..
// 46 Malachi, 47 Matthew .. 73 Revelation).

#include <string>

namespace talvoren
{
struct BOOKABBREVIATION {
    const char* pszAbbreviation;   // UTF-8, ends in one blank that belongs to it
    int nBook;                     // 1..73; 0 ends a table
};

constexpr int kBookCount = 73;

// The books whose short name begins with a digit ("1 Sm ", "2 Cr "), in the
// order in which a scan tries them; the table ends with an entry numbered 0.
const BOOKABBREVIATION* NumberedBookAbbreviations();

// The books whose short name begins with a capital letter ("St ", "Đnl "),
// in scan order; ends with an entry numbered 0. Every book has exactly one
// entry in one of the two tables.
const BOOKABBREVIATION* OtherBookAbbreviations();

// The short name of book `book`, trailing blank included: the first entry
// with that number in the numbered table, else in the other table, else "".
std::string BookAbbreviation(int book);

} // namespace talvoren

#pragma once
// Verse numbers: from the English numbering of most English Bibles (the
// World English Bible among them) to the numbering that the Catholic
// lectionary cites, which is the original Hebrew one for the Old Testament
// (psalm titles counted as verses: English Ps 51:1 is Ps 51:3; English Joel
// 2:28 is Joel 3:1, Mal 4:1 is Mal 3:19, Isa 9:1 is Isa 8:23) and the Greek
// and Latin one for Daniel (the Hebrew 3:24-33 as 3:91-100).

namespace talvoren
{
// One run of verses of one English chapter and where it lands. A psalm title
// is English verse 0; where a title counts as two verses, the run of one
// English verse covers two lectionary verses.
struct VERSEMAPROW {
    int nBook;        // 1..73 (scripture/BookAbbreviations.h)
    int nChapter;     // English chapter
    int nFirst;       // first English verse
    int nLast;        // last English verse
    int nToChapter;   // lectionary chapter
    int nToFirst;     // lectionary verse of nFirst
    int nToLast;      // lectionary verse of nLast
};

struct VERSEREF {
    int nChapter;
    int nVerse;
};

// The rows of the mapping, by book in Catholic order. Verses in no row keep
// their numbers.
const VERSEMAPROW* VerseMapRows(int* count);

// Given a book (1..73) and an English chapter and verse, the chapter and
// verse that the lectionary cites: the row that holds the verse moves it by
// the row's offset; a verse in no row, and any book without rows, keeps its
// numbers. Method: linear search of the rows of the book.
VERSEREF LectionaryVerse(int book, int chapter, int verse);

} // namespace talvoren

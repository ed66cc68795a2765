#pragma once
// Finding the scripture citations of a day's readings text and turning them
// into passages: "Is 7:10-14; 8:1+3" gives Isaiah 7 verses "10-14" and
// Isaiah 8 verses "1,3".

#include <string>
#include <vector>

namespace talvoren
{
class CBookAbbreviations;

// One passage of one chapter: the verses are a list of numbers and ranges
// made only of digits, "," and "-" ("10-14", "1,3", "3-10").
struct PASSAGE {
    int nBook;              // 1..73 (scripture/BookAbbreviations.h)
    int nChapter;
    std::string strVerses;  // at most 1023 characters
};

// Given a readings text (UTF-8), appends one book number to `books` and one
// citation text to `texts` for each book abbreviation found: the citation
// text runs from just after the abbreviation to the next abbreviation or
// the end, cut to 1023 UTF-16 code units. Text before the first
// abbreviation is ignored; a text without abbreviations adds nothing.
// Method: at each character, a digit tries the numbered-book names of
// `names` (only when the character before is not a digit), any other
// character the other names; the first entry that the text continues with
// wins, and the character after a matched abbreviation starts no other one.
// Without `names`, the Vietnamese table.
void ScanCitations(const std::string& text, const CBookAbbreviations& names, std::vector<unsigned>& books,
                   std::vector<std::string>& texts);
void ScanCitations(const std::string& text, std::vector<unsigned>& books, std::vector<std::string>& texts);

// Given the parallel lists of ScanCitations, appends the passages they cite
// to `passages`, in order. Each citation text is read character by
// character: digits, "," and "-" collect verses ("+" counts as ","), ":"
// makes the digits collected so far the chapter, and any other character
// but a blank ends the passage under way. Citations without ":" give no
// passage; a chapter never carries over from one citation to the next.
void ParseCitations(const std::vector<unsigned>& books, const std::vector<std::string>& texts,
                    std::vector<PASSAGE>& passages);

} // namespace talvoren

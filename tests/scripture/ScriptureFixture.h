#pragma once
// Small scripture databases made by the tests themselves with SQLite, with
// the table "Sentences" as the program reads it.

#include <string>
#include <vector>

namespace talvoren
{
struct FIXTUREROW {
    long long nId;
    int nBook;
    int nChapter;
    int nSentence;
    int nType;
    const char* pszContents;   // nullptr stores null
};

// Creates `path` with the table Sentences holding `rows`. Throws on failure.
void CreateSentencesDb(const std::string& path, const std::vector<FIXTUREROW>& rows);

// Runs `sql` on the database at `path` (read-write). Throws on failure.
void RunSql(const std::string& path, const std::string& sql);

// Rows of a few passages: Isaiah 7:10-15 and 8:1-4 (book 29), Psalm 23:1-2
// with its title (book 23), Song of Songs 9:9 (book 26), Zechariah 9:9
// (book 45), Jude 1:3 (book 72), Judith 8:1 (book 18), 1 Samuel 3:3-10,19
// (book 9). IDs follow reading order; some are not in verse order on purpose
// (a heading row before its verse with the same number).
std::vector<FIXTUREROW> PassageRows();

} // namespace talvoren

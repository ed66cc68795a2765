// Verse numbers from the English numbering to the lectionary's.

#include "scripture/Versification.h"

#include <gtest/gtest.h>

#include <vector>

using namespace talvoren;

TEST(Versification, EnglishVersesLandWhereTheLectionaryCitesThem)
{
    struct CASE {
        const char* pszName;
        int nBook, nChapter, nVerse;   // English
        int nToChapter, nToVerse;      // lectionary
    };
    const std::vector<CASE> cases = {
        {"Ps 51:1, the title counting as two verses", 23, 51, 1, 51, 3},
        {"Ps 51:19", 23, 51, 19, 51, 21},
        {"Ps 23:1, no title", 23, 23, 1, 23, 1},
        {"Ps 3:1", 23, 3, 1, 3, 2},
        {"Ps 3:8", 23, 3, 8, 3, 9},
        {"Joel 2:28", 36, 2, 28, 3, 1},
        {"Joel 2:32", 36, 2, 32, 3, 5},
        {"Joel 3:1", 36, 3, 1, 4, 1},
        {"Joel 2:27 stays", 36, 2, 27, 2, 27},
        {"Mal 4:1", 46, 4, 1, 3, 19},
        {"Mal 4:6", 46, 4, 6, 3, 24},
        {"Isa 9:1", 29, 9, 1, 8, 23},
        {"Isa 9:2", 29, 9, 2, 9, 1},
        {"Isa 7:14 stays", 29, 7, 14, 7, 14},
        {"Zech 1:18", 45, 1, 18, 2, 1},
        {"Hos 11:12", 35, 11, 12, 12, 1},
        {"Jonah 1:17", 39, 1, 17, 2, 1},
        {"Num 16:36", 4, 16, 36, 17, 1},
        {"1 Kgs 4:21", 11, 4, 21, 5, 1},
        // Daniel as the Greek and Latin text numbers it.
        {"Dan 3:23 stays", 34, 3, 23, 3, 23},
        {"Dan 3:24, after the Greek 3:24-90", 34, 3, 24, 3, 91},
        {"Dan 3:30", 34, 3, 30, 3, 97},
        {"Dan 4:1", 34, 4, 1, 3, 98},
        {"Dan 4:3", 34, 4, 3, 3, 100},
        {"Dan 4:4", 34, 4, 4, 4, 1},
        {"Dan 4:37", 34, 4, 37, 4, 34},
        {"Dan 5:31 stays", 34, 5, 31, 5, 31},
        {"Dan 6:1 stays", 34, 6, 1, 6, 1},
        // Two English verses in one.
        {"2 Cor 13:13", 54, 13, 13, 13, 12},
        {"2 Cor 13:14", 54, 13, 14, 13, 13},
        {"Acts 19:41", 51, 19, 41, 19, 40},
        // Books without differences.
        {"Matt 5:3", 47, 5, 3, 5, 3},
        {"Sir 24:1", 28, 24, 1, 24, 1},
        {"Esth 4:17", 19, 4, 17, 4, 17},
    };
    for (const CASE& test : cases) {
        const VERSEREF ref = LectionaryVerse(test.nBook, test.nChapter, test.nVerse);
        EXPECT_EQ(ref.nChapter, test.nToChapter) << test.pszName;
        EXPECT_EQ(ref.nVerse, test.nToVerse) << test.pszName;
    }
}

TEST(Versification, RowsAreWellFormed)
{
    int count = 0;
    const VERSEMAPROW* rows = VerseMapRows(&count);
    ASSERT_GT(count, 100);
    for (int i = 0; i < count; ++i) {
        const VERSEMAPROW& row = rows[i];
        EXPECT_GE(row.nBook, 1);
        EXPECT_LE(row.nBook, 73);
        EXPECT_LE(row.nFirst, row.nLast) << "row " << i;
        // A run moves as a whole; only a psalm title (verse 0) may cover two
        // verses.
        const int extra = row.nToLast - row.nToFirst - (row.nLast - row.nFirst);
        EXPECT_EQ(extra, row.nFirst == 0 && row.nBook == 23 && extra == 1 ? 1 : 0) << "row " << i;
        // Runs of one chapter never overlap, so no verse has two places.
        for (int j = 0; j < i; ++j) {
            const VERSEMAPROW& other = rows[j];
            const bool apart = other.nBook != row.nBook || other.nChapter != row.nChapter ||
                               row.nLast < other.nFirst || row.nFirst > other.nLast;
            EXPECT_TRUE(apart) << "rows " << j << " and " << i;
        }
        // Books come in Catholic order.
        EXPECT_GE(row.nBook, i > 0 ? rows[i - 1].nBook : 1) << "row " << i;
    }
}

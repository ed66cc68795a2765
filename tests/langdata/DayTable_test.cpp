// Whole years with the shipped data: every day of every year shows a
// celebration text, under every setting of Epiphany, Ascension and Corpus
// Christi, and every solemnity of the feast file is kept.

#include "tests/langdata/ShippedLanguage.h"

#include "base/Utf16.h"
#include "tests/support/RecordingMessageSink.h"

#include <gtest/gtest.h>

using namespace talvoren;

TEST(DayTable, EveryDayOfEveryYearShowsACelebration)
{
    for (const SHIPPEDFOLDER& folder : ShippedFolders()) {
        const CCelebrationLanguage data(folder.pszName, folder.nSyntax);
        CRecordingMessageSink messages;
        for (int settings = 0; settings < 2; ++settings) {
            for (int year = 1583; year <= 2400; ++year) {
                const YEARTABLE table = data.Year(year, settings, settings, settings);
                ASSERT_TRUE(table.bComplete) << folder.pszName << " " << year;
                for (int i = 0; i < table.nDaysInYear; ++i) {
                    const DAYRECORD& day = table.Day(i);
                    ASSERT_FALSE(TrimWide(day.strCelebration).empty())
                        << folder.pszName << " " << year << "-" << day.nMonth << "-" << day.nDay;
                    ASSERT_GE(day.nColour, 1) << folder.pszName << " " << year << " " << i;
                }
            }
        }
        EXPECT_TRUE(messages.Messages().empty()) << folder.pszName << ": " << messages.Messages().front();
    }
}

// No solemnity is lost: every solemnity line of the feast file lands on
// exactly one day of the year with the solemnity's rank, moved or not, with
// the Ascension and Corpus Christi on Thursday and on Sunday.
TEST(DayTable, EverySolemnityOfTheFeastFileLandsOnOneDay)
{
    for (const SHIPPEDFOLDER& folder : ShippedFolders()) {
        const CCelebrationLanguage data(folder.pszName, folder.nSyntax);
        std::vector<std::string> solemnities;
        for (const FEASTLINE& feast : data.Data().Feasts())
            if (feast.nRank == kRankSolemnity)
                solemnities.push_back(feast.strCelebration);
        ASSERT_EQ(solemnities.size(), 11u) << folder.pszName;
        for (int sunday = 0; sunday < 2; ++sunday) {
            for (int year = 1583; year <= 2400; ++year) {
                const YEARTABLE table = data.Year(year, 0, sunday, sunday);
                for (const std::string& name : solemnities) {
                    int found = 0;
                    for (int i = 0; i < table.nDaysInYear; ++i)
                        found += table.Day(i).strCelebration == name && table.Day(i).nRank == kRankSolemnity;
                    ASSERT_EQ(found, 1) << folder.pszName << " " << year << " " << name << " settings " << sunday;
                }
            }
        }
    }
}

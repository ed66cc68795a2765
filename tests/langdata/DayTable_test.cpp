// Whole years with the shipped data: every day of every year shows a
// celebration text, under every setting of Epiphany, Ascension and Corpus
// Christi.

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

// Every year of 1583..2400 computed with each shipped folder as it stands in
// the program folder, lectionaries included: no message, and every day with
// a celebration and readings text.

#include "tests/langdata/ShippedLanguage.h"

#include "base/Utf16.h"
#include "tests/support/RecordingMessageSink.h"

#include <gtest/gtest.h>

using namespace talvoren;

TEST(ShippedYears, EveryYearFrom1583To2400ComputesWithoutAMessage)
{
    CTestFolder config;
    CScopedConfigFolder scopedConfig(config.Path());
    for (const SHIPPEDFOLDER& folder : ShippedFolders()) {
        CLanguageState language;
        language.strFolder = ShippedFolderPath(folder.pszName);
        language.nSyntax = folder.nSyntax;
        CRecordingMessageSink messages;
        for (int settings = 0; settings < 2; ++settings) {
            auto engine = MakeEngine(language, settings, settings, settings);
            for (int year = 1583; year <= 2400; ++year) {
                ASSERT_TRUE(engine->ComputeYear(year)) << folder.pszName << " " << year;
                ASSERT_TRUE(messages.Messages().empty())
                    << folder.pszName << " " << year << ": " << messages.Messages().front();
                for (int i = 0; i < engine->GetDaysInYear(); ++i) {
                    const DAYRECORD& day = engine->GetDay(i);
                    ASSERT_FALSE(TrimWide(day.strCelebration).empty())
                        << folder.pszName << " " << year << "-" << day.nMonth << "-" << day.nDay;
                    ASSERT_FALSE(TrimWide(day.strReadings).empty())
                        << folder.pszName << " " << year << "-" << day.nMonth << "-" << day.nDay;
                }
            }
        }
    }
}

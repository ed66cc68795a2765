#include "engine/TitlePositions.h"
#include "platform/SettingsKey.h"
#include "platform/SystemPaths.h"
#include "tests/engine/EngineTestData.h"
#include "tests/support/WithoutFileOverride.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace talvoren;

namespace
{
// Easter by the anonymous Gregorian algorithm (Meeus, Astronomical
// Algorithms, ch. 8): an independent method to check Oudin's against.
void AnonymousGregorianEaster(int year, int& month, int& day)
{
    const int a = year % 19, b = year / 100, c = year % 100, d = b / 4, e = b % 4;
    const int f = (b + 8) / 25, g = (b - f + 1) / 3, h = (19 * a + b - d - g + 15) % 30;
    const int i = c / 4, k = c % 4, l = (32 + 2 * e + 2 * i - h - k) % 7;
    const int m = (a + 11 * h + 22 * l) / 451;
    month = (h + l - 7 * m + 114) / 31;
    day = ((h + l - 7 * m + 114) % 31) + 1;
}
} // namespace

TEST(LiturgicalYear, LeapYearsAndDayIndexes)
{
    for (int year : {2000, 2400, 2004, 1600})
        EXPECT_TRUE(CLiturgicalYear::IsLeapYear(year)) << year;
    for (int year : {1900, 2100, 2003, 1700})
        EXPECT_FALSE(CLiturgicalYear::IsLeapYear(year)) << year;

    struct Case { int year, month, day, index; };
    const Case cases[] = {
        {2002, 1, 1, 0},    {2003, 12, 31, 364}, {2004, 12, 31, 365}, {2003, 2, 29, 59},
        {2004, 2, 29, 59},  {2004, 3, 1, 60},    {2003, 2, 30, 60},   {2004, 2, 30, 60},
        {2003, 4, 31, 120}, {2003, 5, 1, 120},   {2003, 13, 1, 0},    {2003, 0, 5, 0},
        {2003, 6, 0, 0},    {2003, 6, 32, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CLiturgicalYear::DayOfYear(c.year, c.month, c.day), c.index)
            << c.year << "-" << c.month << "-" << c.day;
}

TEST(LiturgicalYear, EasterDates)
{
    struct Case { int year, month, day; };
    const Case known[] = {{2002, 3, 31}, {2003, 4, 20}, {2004, 4, 11}, {2008, 3, 23}, {2038, 4, 25},
                          {2285, 3, 22}, {1583, 4, 10}, {1818, 3, 22}, {1943, 4, 25}, {2000, 4, 23},
                          {2019, 4, 21}, {2025, 4, 20}, {2026, 4, 5},  {2027, 3, 28}};
    for (const Case& c : known) {
        int month = 0, day = 0;
        CLiturgicalYear::ComputeEaster(c.year, &month, &day);
        EXPECT_EQ(month * 100 + day, c.month * 100 + c.day) << c.year;
    }
    for (int year = 1583; year <= 9999; ++year) {
        int month = 0, day = 0, expectedMonth = 0, expectedDay = 0;
        CLiturgicalYear::ComputeEaster(year, &month, &day);
        AnonymousGregorianEaster(year, expectedMonth, expectedDay);
        ASSERT_EQ(month * 100 + day, expectedMonth * 100 + expectedDay) << year;
    }
}

TEST(LiturgicalYear, MonthRanges)
{
    CEngineTestData data;
    const YEARTABLE common = data.Year(2003);
    EXPECT_EQ(common.MonthRange(12).nFirst, 334);
    EXPECT_EQ(common.MonthRange(12).nEnd, 365);
    EXPECT_EQ(common.MonthRange(2).nEnd - common.MonthRange(2).nFirst, 28);
    EXPECT_GE(common.MonthRange(0).nFirst, common.MonthRange(0).nEnd) << "month 0 gives no day";
    const YEARTABLE leap = data.Year(2004);
    EXPECT_EQ(leap.MonthRange(12).nEnd, 366);
    EXPECT_EQ(leap.DayIndex(2, 29), 59);
}

TEST(LiturgicalYear, TableOf2006StartsOnASunday)
{
    CEngineTestData data;
    const YEARTABLE year = data.Year(2006);
    EXPECT_EQ(year.anchors.nFirstSunday, 0);
    for (int i = 0; i < 365; ++i) {
        const DAYRECORD& day = year.Day(i);
        EXPECT_EQ(day.nWeekday, i % 7);
        if (i % 7 == 0) {
            EXPECT_GE(day.nRank, kRankSunday) << i;
        }
    }
    EXPECT_EQ(year.Day(364).nMonth, 12);
    EXPECT_EQ(year.Day(364).nDay, 31);
    EXPECT_EQ(year.Day(365).nMonth, 0) << "no record past the year's end";
}

TEST(LiturgicalYear, YearsOutsideTheGregorianRangeAreRefused)
{
    CEngineTestData data;
    auto engine = data.EngineInMemory();
    ASSERT_TRUE(engine->ComputeYear(2002));
    const std::string easter = engine->GetDay(89).strCelebration;
    for (int year : {0, -5, 1582, 10000}) {
        EXPECT_FALSE(engine->ComputeYear(year)) << year;
        EXPECT_EQ(engine->GetComputedYear(), 2002);
        EXPECT_EQ(engine->GetDay(89).strCelebration, easter);
    }
    EXPECT_TRUE(engine->ComputeYear(1583));
    EXPECT_TRUE(engine->ComputeYear(9999));
}

TEST(LiturgicalYear, HeldYearIsNotRecomputedUntilInvalidated)
{
    CEngineTestData data;
    auto engine = data.EngineInMemory();
    ASSERT_TRUE(engine->ComputeYear(2002));
    const int ascension = CEngineTestData::Index(2002, 5, 9);
    EXPECT_EQ(engine->GetDay(ascension).strCelebration, "T33");

    CALENDAROPTIONS sunday;
    sunday.nEpiphany = 0;
    sunday.nAscension = 1;
    sunday.nCorpusChristi = 0;
    engine->SetOptions(sunday);
    ASSERT_TRUE(engine->ComputeYear(2002));
    EXPECT_EQ(engine->GetDay(ascension).strCelebration, "T33") << "the held year is kept";
    engine->Invalidate();
    EXPECT_EQ(engine->GetComputedYear(), 0);
    ASSERT_TRUE(engine->ComputeYear(2002));
    EXPECT_NE(engine->GetDay(ascension).strCelebration, "T33");
    EXPECT_EQ(engine->GetDay(CEngineTestData::Index(2002, 5, 12)).strCelebration, "T33");

    engine->LoadTitles();
    EXPECT_EQ(engine->GetComputedYear(), -1) << "reloading titles forgets the year";
}

TEST(LiturgicalYear, MissingLectionaryFailsOnceAndLeavesABareTable)
{
    CEngineTestData data;
    data.Folder().Remove("uLectionary2.txt");
    auto engine = data.Engine();
    EXPECT_FALSE(engine->ComputeYear(2002));
    ASSERT_EQ(data.Messages().Messages().size(), 1u);
    EXPECT_EQ(data.Messages().Messages()[0], "File " + data.Folder().File("uLectionary2.txt") + " not found!");
    const DAYRECORD& easter = engine->GetDay(89);
    EXPECT_EQ(easter.nRank, kRankSunday);
    EXPECT_EQ(easter.nColour, kColourGreen);
    EXPECT_TRUE(easter.strCelebration.empty());
    EXPECT_TRUE(engine->GetDay(0).strReadings.empty());

    EXPECT_TRUE(engine->ComputeYear(2002)) << "the same year is not retried";
    EXPECT_EQ(data.Messages().Messages().size(), 1u);
    EXPECT_TRUE(engine->ComputeYear(2003)) << "odd years read the other weekday file";
}

TEST(LiturgicalYear, MissingTitlesGiveEmptyTextsWithoutFailing)
{
    CEngineTestData data;
    data.Folder().Remove("utitles.txt");
    auto engine = data.Engine();
    ASSERT_EQ(data.Messages().Messages().size(), 1u);
    ASSERT_TRUE(engine->ComputeYear(2002));
    EXPECT_EQ(engine->GetWeekdayName(0), "");
    EXPECT_EQ(engine->GetMonthNameOf(3), "");
    EXPECT_EQ(engine->GetDay(CEngineTestData::Index(2002, 12, 1)).strCelebration, "  ");
    EXPECT_EQ(engine->GetDay(CEngineTestData::Index(2002, 12, 1)).strReadings, "SA0<br> I");
}

TEST(LiturgicalYear, ShortTitlesListLeavesTheLaterEntriesEmpty)
{
    CEngineTestData data;
    data.Language().Lines("utitles.txt").resize(100);
    EXPECT_EQ(data.Language().Data()->Titles().Title(99), "T99");
    EXPECT_EQ(data.Language().Data()->Titles().Title(108), "");
    EXPECT_EQ(data.Year(2002).Day(CEngineTestData::Index(2002, 12, 8)).strReadings, "SA1<br> II");
}

TEST(LiturgicalYear, NamesOfWeekdaysAndMonths)
{
    CEngineTestData data;
    auto engine = data.EngineInMemory();
    ASSERT_TRUE(engine->ComputeYear(2002));   // 1 January 2002 was a Tuesday
    EXPECT_EQ(engine->GetWeekdayName(0), "T88");
    EXPECT_EQ(engine->GetMonthName(40), "T95");
    EXPECT_EQ(engine->GetWeekdayNameOf(0), "T86");
    EXPECT_EQ(engine->GetMonthNameOf(12), "T105");
    EXPECT_EQ(engine->GetTitle(kTitleCount), "");
    EXPECT_EQ(engine->GetTitle(-1), "");
}

class SettingsStoreTest : public ::testing::Test
{
protected:
    void WriteSettings(int epiphany, int ascension, int corpus)
    {
        CSettingsKey key;
        ASSERT_EQ(key.Open(SettingsRoot::LocalMachine), 0);
        key.WriteDword("Epiphany", static_cast<std::uint32_t>(epiphany));
        key.WriteDword("Ascension", static_cast<std::uint32_t>(ascension));
        key.WriteDword("CorpusChristi", static_cast<std::uint32_t>(corpus));
    }
    void SetUp() override { CSettingsKey::SetDefaultKeyPath("SOFTWARE\\Sorvane Network\\Talvoren\\2.0"); }

    static void ExpectSettings(const CALENDARSETTINGS& settings, bool epiphanyJan6, bool ascensionSunday,
                               bool corpusThursday)
    {
        EXPECT_EQ(settings.bEpiphanyJan6, epiphanyJan6);
        EXPECT_EQ(settings.bAscensionSunday, ascensionSunday);
        EXPECT_EQ(settings.bCorpusChristiThursday, corpusThursday);
    }

    CEngineTestData m_data;
};

// The defaults are the Vietnamese days: everything on Sunday.
TEST_F(SettingsStoreTest, NoKeyUsesTheDefaultsAndReadingCreatesNothing)
{
    ExpectSettings(ReadCalendarSettings(), false, true, false);
    CSettingsKey key;
    EXPECT_EQ(key.OpenForReading(SettingsRoot::LocalMachine), CSettingsKey::kNotFound) << "reading only reads";
    EXPECT_FALSE(std::filesystem::exists(CSettingsKey::StoreFilePath(SettingsRoot::LocalMachine)));
    EXPECT_TRUE(m_data.Messages().Messages().empty());
}

TEST_F(SettingsStoreTest, StoredValuesAndOptions)
{
    WriteSettings(7, 1, 1);   // any non-zero number counts as 1
    ExpectSettings(ReadCalendarSettings(), true, true, false);
    CALENDAROPTIONS some;
    some.nAscension = 0;
    ExpectSettings(CalendarSettingsFor(some), true, false, false);
}

// A store that cannot be reached, read or used gives the default
// settings (the Vietnamese days) and one message
// naming the file and the reason; the file stays as it was. A read-only
// file and values stored as texts are read.
TEST_F(SettingsStoreTest, StoresThatCannotBeUsedGiveDefaultsAndOneMessage)
{
    struct CASE {
        const char* what;
        std::string bytes;   // settings.ini
        bool epiphany, ascension, corpusThursday;
        const char* reason;  // part of the one message; "" for none
    };
    const std::string key = "[SOFTWARE\\Sorvane Network\\Talvoren\\2.0]\n";
    const CASE cases[] = {
        {"unreachable", "", false, true, false, "a part of its path is not a folder"},
        {"no section", "\"Epiphany\"=dword:00000001\n", false, true, false, "it has no [section] line"},
        {"random bytes", std::string("\x01\x02\xFF\xFE\x80", 5), false, true, false, "it is not text"},
        {"permission denied", key + "\"Epiphany\"=dword:00000001\n", false, true, false, "permission denied"},
        {"read-only", key + "\"Epiphany\"=dword:00000001\n", true, true, false, ""},
        {"texts", key + "\"Epiphany\"=\"0\"\n\"Ascension\"=\"1\"\n\"CorpusChristi\"=\"0\"\n", false, true, true, ""},
    };
    for (const CASE& test : cases) {
        CTestFolder config;
        const std::string what = test.what;
        std::string folder = config.Path();
        if (what == "unreachable") {
            config.WriteBytes("blocker", "");
            folder = config.File("blocker") + "/x";
        } else {
            config.WriteBytes("settings.ini", test.bytes);
        }
        const mode_t mode = what == "permission denied" ? 0 : what == "read-only" ? 0444 : 0644;
        ::chmod(config.File("settings.ini").c_str(), mode);
        CScopedConfigFolder scoped(folder);
        m_data.Messages().Clear();
        {
            const CWithoutFileOverride asUser;
            if (!asUser.Active() && mode != 0644)
                continue;
            ExpectSettings(ReadCalendarSettings(), test.epiphany, test.ascension, test.corpusThursday);
            ReadCalendarSettings();   // each year computed reads again: no second message
        }
        const auto& messages = m_data.Messages().Messages();
        if (*test.reason == '\0') {
            EXPECT_TRUE(messages.empty()) << what;
        } else {
            ASSERT_EQ(messages.size(), 1u) << what;
            EXPECT_NE(messages[0].find(JoinPath(folder, "settings.ini")), std::string::npos) << messages[0];
            EXPECT_NE(messages[0].find(test.reason), std::string::npos) << messages[0];
        }
        if (what != "unreachable") {
            EXPECT_EQ(config.ReadBytes("settings.ini"), test.bytes) << what;
        }
    }
}

// The engine reads the store at each fresh computation, not for a held year.
TEST_F(SettingsStoreTest, ChangedSettingsWaitForTheNextFreshComputation)
{
    WriteSettings(0, 0, 0);
    auto engine = m_data.EngineInMemory();
    engine->SetOptions(CALENDAROPTIONS());
    const int thursday = CEngineTestData::Index(2002, 5, 9);
    ASSERT_TRUE(engine->ComputeYear(2002));
    EXPECT_EQ(engine->GetDay(thursday).strCelebration, "T33");
    WriteSettings(0, 1, 0);
    ASSERT_TRUE(engine->ComputeYear(2002));
    EXPECT_EQ(engine->GetDay(thursday).strCelebration, "T33");
    ASSERT_TRUE(engine->ComputeYear(2002, true));
    EXPECT_EQ(engine->GetDay(CEngineTestData::Index(2002, 5, 12)).strCelebration, "T33");
}

// Celebrations and notes dated by the lunar calendar, in the symbolic test
// language with three Tết lines ("Tet1" .. "Tet3", rank L-, white) and two
// lunar notes: where Tết falls against Sundays, Lent, Ash Wednesday and a
// feast of the Lord, in the years the ordos show.

#include "engine/LunarDays.h"
#include "tests/engine/EngineTestData.h"

#include <gtest/gtest.h>

using namespace talvoren;

namespace
{
void WriteTet(CEngineTestData& data)
{
    data.WriteNotes("uLunar.txt", {"1 1 L- W Tet1\tR1", "2 1 L- W Tet2\tR2", "3 1 L- W Tet3\tR3"});
    data.WriteNotes("uLunarNote.txt", {"30 12 Eve", "15 8 Mid-Autumn"});
}
} // namespace

TEST(LunarCelebrations, TetAgainstSundaysLentAndAshWednesday)
{
    struct Case {
        int year, month, day;
        const char* celebration;
        int rank, colour, season;
        const char* readings;
        const char* why;
    };
    const Case cases[] = {
        {2024, 2, 10, "Tet1", 6, 2, 0, "R1", "a Saturday in Ordinary Time"},
        {2024, 2, 11, "Tet2", 6, 2, 0, "R2", "a Sunday in Ordinary Time gives way (UBPT 2024)"},
        {2024, 2, 13, "T88 T93 T57 T47", 0, 1, 0, "W2-159<br>T108 II", "the Sunday's psalter mark after Tết"},
        {2023, 1, 22, "Tet1", 6, 2, 0, "R1", "Sunday III in Ordinary Time"},
        {2018, 2, 14, "T14", 7, 4, 5, "W2-47", "Ash Wednesday on 29 of the twelfth month stays"},
        {2018, 2, 15, "T15", 0, 4, 3, "W2-48<br>Eve", "the last day of a short twelfth month"},
        {2018, 2, 16, "Tet1", 6, 2, 3, "R1", "a weekday of Lent: the season stays"},
        {2018, 2, 18, "T86 T52 T50", 5, 4, 3, "SB12<br>T108 I<br>Tet3", "a Sunday of Lent keeps its day"},
        {2026, 2, 17, "Tet1", 6, 2, 0, "R1", "Tuesday before Ash Wednesday"},
        {2026, 2, 18, "Tet2", 6, 2, 3, "R2<br>T115", "Ash Wednesday on Mồng Hai: the Tết Mass, the Hours of Lent"},
        {2026, 2, 19, "Tet3", 6, 2, 3, "R3", "Mồng Ba"},
        {2026, 2, 20, "T14", 7, 4, 5, "W2-47", "the ashes on Mồng Bốn"},
        {2026, 2, 22, "T86 T52 T50", 5, 4, 3, "SA12<br>T108 I", "Lent counts from the Wednesday"},
        {2029, 2, 14, "Tet2", 6, 2, 3, "R2<br>T115", "Mồng Hai again"},
        {2029, 2, 16, "T14", 7, 4, 5, "W1-47", "the ashes on Friday"},
        {2008, 2, 6, "T14", 7, 4, 5, "W2-47<br>Eve", "Ash Wednesday on 30 Tết stays"},
        {2008, 2, 7, "Tet1", 6, 2, 3, "R1", "Mồng Một, Thursday after Ash Wednesday"},
        {2030, 2, 2, "Presentation", 6, 2, 0, "RP<br>Tet1", "a feast of the Lord keeps its day"},
        {2019, 9, 13, "T91 T93 T74 T47", 0, 1, 0, "W1-265<br>Mid-Autumn", "15 of the eighth month"},
    };
    CEngineTestData data;
    WriteTet(data);
    data.WriteFeasts({"2 2 L W Presentation\tRP"});
    for (const Case& c : cases) {
        const YEARTABLE year = data.Year(c.year);
        const DAYRECORD& day = year.Day(year.DayIndex(c.month, c.day));
        const std::string where = std::to_string(c.year) + "-" + std::to_string(c.month) + "-" +
                                  std::to_string(c.day) + ": " + c.why;
        EXPECT_EQ(day.strCelebration, c.celebration) << where;
        EXPECT_EQ(day.nRank, c.rank) << where;
        EXPECT_EQ(day.nColour, c.colour) << where;
        EXPECT_EQ(day.nSeason, c.season) << where;
        EXPECT_EQ(day.strReadings, c.readings) << where;
        EXPECT_EQ(day.bNoRankLabel, c.rank == 6 && c.celebration[0] == 'T') << where;
    }
    EXPECT_EQ(data.Year(2026).anchors.nAshWednesdayKept, CEngineTestData::Index(2026, 2, 20));
}

// A folder without lunar celebrations (an older one) keeps Ash Wednesday on
// its day and reports nothing.
TEST(LunarCelebrations, AFolderWithoutThemKeepsAshWednesday)
{
    CEngineTestData data;
    auto engine = data.Engine();
    ASSERT_TRUE(engine->ComputeYear(2026));
    EXPECT_EQ(engine->GetDay(CEngineTestData::Index(2026, 2, 18)).strCelebration, "T14");
    EXPECT_EQ(engine->GetDay(CEngineTestData::Index(2026, 2, 20)).strCelebration, "T16");
    EXPECT_TRUE(data.Messages().Messages().empty());
}

// The lunar dates of a year against dates the ordos give: Tết 2018 on 16
// February after a short twelfth month, Tết 2026 on 17 February.
TEST(LunarCelebrations, LunarDaysOfAYear)
{
    CEngineTestData data;
    const YEARTABLE year = data.Year(2026);
    const std::vector<LUNARDAY> days = LunarDaysOf(year);
    ASSERT_EQ(days.size(), 365u);
    const LUNARDAY& eve = days[static_cast<std::size_t>(year.DayIndex(2, 16))];
    EXPECT_EQ(eve.nDay, 29);
    EXPECT_EQ(eve.nMonth, 12);
    EXPECT_TRUE(eve.bLastOfMonth);
    EXPECT_TRUE(IsLunarDate(eve, 30, 12));
    EXPECT_TRUE(IsLunarDate(days[static_cast<std::size_t>(year.DayIndex(2, 17))], 1, 1));
    const YEARTABLE y2018 = data.Year(2018);
    EXPECT_TRUE(IsLunarDate(LunarDaysOf(y2018)[static_cast<std::size_t>(y2018.DayIndex(2, 16))], 1, 1));
    EXPECT_TRUE(LunarDaysOf(data.Year(2025)).back().bLastOfMonth == false);
}

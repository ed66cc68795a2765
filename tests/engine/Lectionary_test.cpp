#include "engine/LectionaryEntry.h"
#include "tests/engine/EngineTestData.h"

#include <gtest/gtest.h>

using namespace talvoren;

TEST(Lectionary, EntryOfALine)
{
    struct Case { const char* line; const char* entry; };
    const Case cases[] = {
        {"Advent 1 @ Is 2:1-5; Rm 13:11-14", "Is 2:1-5; Rm 13:11-14"},
        {"label@first@second", "first"},
        {"label@  spaced out \t@", "spaced out"},
        {"@only entry", "only entry"},
        {"no at sign at all", ""},
        {"label@", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(LectionaryEntry(c.line), c.entry) << c.line;
}

TEST(Lectionary, CyclesFollowTheCivilYear)
{
    struct Case { int year; const char* sunday; const char* weekday; };
    const Case cases[] = {{2002, "SA", "W2"}, {2003, "SB", "W1"}, {2004, "SC", "W2"}, {2005, "SA", "W1"}};
    CEngineTestData data;
    for (const Case& c : cases) {
        const YEARTABLE year = data.Year(c.year);
        const int advent = year.anchors.nAdventStart;
        EXPECT_EQ(year.Day(advent).strReadings.substr(0, 3), std::string(c.sunday) + "0") << c.year;
        EXPECT_EQ(year.Day(advent + 1).strReadings, std::string(c.weekday) + "-0") << c.year;
    }
}

TEST(Lectionary, PositionsSkipCommentsAndEmptyLinesButKeepLinesWithoutAtSign)
{
    CEngineTestData data;
    data.Folder().WriteUtf16("uLectionaryA.txt", {"a@E0", "# a comment", "", "a line without the sign", "c@ E2 @ x"});
    auto engine = data.Engine();
    ASSERT_TRUE(engine->ComputeYear(2002));
    EXPECT_EQ(engine->GetDay(engine->GetDayIndex(12, 1)).strReadings, "E0<br>T108 I");
    EXPECT_EQ(engine->GetDay(engine->GetDayIndex(12, 8)).strReadings, "<br>T108 II");
    EXPECT_EQ(engine->GetDay(engine->GetDayIndex(12, 15)).strReadings, "E2<br>T108 III");
    EXPECT_EQ(engine->GetDay(engine->GetDayIndex(12, 22)).strReadings, "<br>T108 IV") << "beyond the file's end";
}

TEST(Lectionary, DeferredReadingsRestoreCorpusChristiAndTheSacredHeart)
{
    CEngineTestData data;
    data.WriteNotes("uLocal.txt", {"30\t5\tlocal note on Corpus Christi", "7\t6\tnote on the Sacred Heart"});
    const YEARTABLE year = data.Year(2002, 0, 0, 0);
    // The weekday step wrote over both days; the deferred texts put the Sunday
    // positions back, and the notes read after them are kept.
    EXPECT_EQ(year.Day(year.DayIndex(5, 30)).strReadings, "SA74<br>local note on Corpus Christi");
    EXPECT_EQ(year.Day(year.DayIndex(6, 7)).strReadings, "SA75<br>note on the Sacred Heart");
}

TEST(Lectionary, PsalterWeekMarks)
{
    CEngineTestData data;
    // The three Mondays after Pentecost take the psalter week of their week
    // of Ordinary Time: 20 May 2002 is in week VII (psalter week III), 1 June
    // 2020 in week IX (I), 25 May 2026 in week VIII (IV).
    struct Case { int year, month, day; const char* ending; };
    const Case cases[] = {{2002, 5, 20, "<br>T108 III"}, {2002, 5, 27, "<br>T108 IV"}, {2002, 6, 3, "<br>T108 I"},
                          {2020, 6, 1, "<br>T108 I"},    {2020, 6, 8, "<br>T108 II"},   {2026, 5, 25, "<br>T108 IV"},
                          {2002, 1, 14, "<br>T108 I"},   {2002, 4, 8, "<br>T108 II"},   {2002, 5, 13, "<br>T108 III"}};
    for (const Case& c : cases) {
        const YEARTABLE year = data.Year(c.year);
        const std::string& readings = year.Day(year.DayIndex(c.month, c.day)).strReadings;
        const std::string ending = c.ending;
        ASSERT_GE(readings.size(), ending.size());
        EXPECT_EQ(readings.substr(readings.size() - ending.size()), ending) << c.year << "-" << c.month << "-" << c.day;
    }
    const YEARTABLE year = data.Year(2002);
    const std::string& baptism = year.Day(year.anchors.nBaptism).strReadings;
    EXPECT_EQ(baptism, "SA10") << "the Sunday Baptism hands its mark on";
}

TEST(Lectionary, DisplacedSundayMarkGoesToTheNextLowerDayWithinTheWeek)
{
    CEngineTestData data;
    // 6 August 2006 (Sunday) and 7 to 12 August: only Saturday the 12th is free.
    data.WriteFeasts({"6 8 L W Sunday feast", "7 8 S W a", "8 8 L W b", "9 8 L W c", "10 8 L W d", "11 8 L W e"});
    const YEARTABLE year = data.Year(2006);
    const std::string& saturday = year.Day(year.DayIndex(8, 12)).strReadings;
    EXPECT_EQ(saturday.substr(saturday.size() - 11), "<br>T108 II");
    data.WriteFeasts({"6 8 L W Sunday feast", "7 8 S W a", "8 8 L W b", "9 8 L W c", "10 8 L W d", "11 8 L W e",
                      "12 8 L W f"});
    const YEARTABLE full = data.Year(2006);
    for (int day = 6; day <= 12; ++day)   // (Sunday the 13th has its own mark, III)
        EXPECT_EQ(full.Day(full.DayIndex(8, day)).strReadings.find("<br>T108 II"), std::string::npos)
            << "no free day in the week: the mark is dropped (" << day << ")";
}

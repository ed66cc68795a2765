#include "engine/FeastLine.h"
#include "tests/engine/EngineTestData.h"

#include <gtest/gtest.h>

using namespace talvoren;

namespace
{
const DAYRECORD& Day(const YEARTABLE& year, int month, int day)
{
    return year.Day(year.DayIndex(month, day));
}
} // namespace

TEST(FeastLine, Fields)
{
    struct Case {
        const char* line;
        bool kept;
        int day, month, rank, colour;
        const char* celebration;
        const char* readings;
    };
    const Case cases[] = {
        {"25 12 S W Giáng Sinh\tIs 9:1-6; Lc 2:1-14", true, 25, 12, 10, 2, "Giáng Sinh", "Is 9:1-6; Lc 2:1-14"},
        {"2\t2\tL\tW\tDâng Chúa", true, 2, 2, 6, 2, "Dâng Chúa", ""},
        {"6 1 F W\t\tName With  Blanks\tReadings text", true, 6, 1, 4, 2, "Name With  Blanks", "Readings text"},
        {"6 1 F W  two blanks", true, 6, 1, 4, 2, " two blanks", ""},
        {"1 5 Memorial Red Joseph", true, 1, 5, 3, 3, "Joseph", ""},
        {"1 5 s g lower case", true, 1, 5, 2, 0, "lower case", ""},
        {"3 7 O X keeps colour", true, 3, 7, 2, 0, "keeps colour", ""},
        {"5 1 S W", true, 5, 1, 10, 2, "", ""},
        {"09x 03y P P walk", true, 9, 3, 2, 4, "walk", ""},
        {"5 1 S", false, 0, 0, 0, 0, "", ""},
        {"32 1 S W too late", false, 0, 0, 0, 0, "", ""},
        {"0 1 S W zero", false, 0, 0, 0, 0, "", ""},
        {"1 13 S W no month", false, 0, 0, 0, 0, "", ""},
        {"x 1 S W letters", false, 0, 0, 0, 0, "", ""},
        {"", false, 0, 0, 0, 0, "", ""},
    };
    for (const Case& c : cases) {
        FEASTLINE feast;
        ASSERT_EQ(ParseFeastLine(c.line, feast), c.kept) << c.line;
        if (!c.kept)
            continue;
        EXPECT_EQ(feast.nDay, c.day) << c.line;
        EXPECT_EQ(feast.nMonth, c.month) << c.line;
        EXPECT_EQ(feast.nRank, c.rank) << c.line;
        EXPECT_EQ(feast.nColour, c.colour) << c.line;
        EXPECT_EQ(feast.strCelebration, c.celebration) << c.line;
        EXPECT_EQ(feast.strReadings, c.readings) << c.line;
    }
}

TEST(FeastLine, OnlyTheFirst1023CodeUnitsCount)
{
    FEASTLINE feast;
    ASSERT_TRUE(ParseFeastLine("7 1 F W " + std::string(2000, 'x') + "\tMt 1:1", feast));
    EXPECT_EQ(feast.strCelebration.size(), 1015u);
    EXPECT_EQ(feast.strReadings, "");
}

// An impeded solemnity moves by the rule of the General Norms (60) and the
// rulings of the Congregation for Divine Worship: each row is a feast file
// (and a Corpus Christi setting, 1 = Sunday) in a year whose calendar puts
// the solemnity where the comment says, with rank 10.
TEST(FeastCalendar, ImpededSolemnitiesMoveByTheRule)
{
    struct Case {
        int year, corpus;
        std::vector<std::string> lines;
        int toMonth, toDay;
        const char* name;
        const char* why;
    };
    const Case cases[] = {
        {2035, 1, {"19 3 S W Joseph"}, 3, 17, "Joseph", "Monday of Holy Week: the Saturday before Palm Sunday"},
        {1989, 1, {"19 3 S W Joseph"}, 3, 18, "Joseph", "Palm Sunday: the Saturday before"},
        {2023, 1, {"19 3 S W Joseph"}, 3, 20, "Joseph", "a Sunday of Lent: the Monday"},
        {2028, 1, {"19 3 S W Joseph"}, 3, 20, "Joseph", "a Sunday of Lent: the Monday"},
        {2018, 1, {"25 3 S W Annunciation"}, 4, 9, "Annunciation", "Palm Sunday: Monday after Easter II"},
        {2024, 1, {"25 3 S W Annunciation"}, 4, 8, "Annunciation", "Monday of Holy Week: Monday after Easter II"},
        {2029, 1, {"25 3 S W Annunciation"}, 4, 9, "Annunciation", "Palm Sunday: Monday after Easter II"},
        {2008, 1, {"25 3 S W Annunciation"}, 3, 31, "Annunciation", "Easter Tuesday: Monday after Easter II"},
        {2057, 1, {"25 3 S W Annunciation"}, 3, 26, "Annunciation", "a Sunday of Lent: the Monday"},
        {2024, 1, {"8 12 S W Immaculate\tIs 1:1"}, 12, 9, "Immaculate", "Second Sunday of Advent: the Monday"},
        {2019, 1, {"24 11 S R Martyrs", "25 11 O R Catherine"}, 11, 25, "Martyrs", "Christ the King: Monday"},
        {2030, 1, {"24 11 S R Martyrs", "25 11 O R Catherine"}, 11, 25, "Martyrs", "Christ the King: Monday"},
        {2022, 1, {"24 6 S W Baptist"}, 6, 23, "Baptist", "the Sacred Heart: the day before"},
        {2038, 0, {"24 6 S W Baptist"}, 6, 25, "Baptist", "Corpus Christi on Thursday: the day after"},
        {2057, 1, {"24 6 S W Baptist"}, 6, 25, "Baptist", "Corpus Christi on Sunday: the day after"},
        {2057, 1, {"29 6 S R Peter and Paul"}, 6, 30, "Peter and Paul", "the Sacred Heart: the day after"},
        {2026, 1, {"15 8 S W Assumption"}, 8, 15, "Assumption", "a Saturday: kept"},
        {2027, 1, {"15 8 S W Assumption"}, 8, 15, "Assumption", "a Sunday in Ordinary Time gives way"},
    };
    for (const Case& c : cases) {
        CEngineTestData data;
        data.WriteFeasts(c.lines);
        const YEARTABLE year = data.Year(c.year, 0, 1, c.corpus);
        const DAYRECORD& day = Day(year, c.toMonth, c.toDay);
        EXPECT_EQ(day.strCelebration, c.name) << c.year << ": " << c.why;
        EXPECT_EQ(day.nRank, 10) << c.year << ": " << c.why;
    }
}

TEST(FeastCalendar, SundayOfAdventKeepsItsTitleRankAndReadings)
{
    CEngineTestData data;
    data.WriteFeasts({"8 12 S W Immaculate\tIs 1:1"});
    const YEARTABLE year = data.Year(2002);
    const DAYRECORD& sunday = Day(year, 12, 8);
    EXPECT_EQ(sunday.strCelebration, "T86 T53 T48");
    EXPECT_EQ(sunday.nRank, 5);
    EXPECT_EQ(sunday.strReadings, "SA1<br>T108 II");
    const DAYRECORD& monday = Day(year, 12, 9);
    EXPECT_EQ(monday.strCelebration, "Immaculate");
    EXPECT_EQ(monday.strReadings, "Is 1:1");
    EXPECT_EQ(monday.nColour, 2);
    EXPECT_EQ(monday.nSeason, 1) << "the season never changes";
}

TEST(FeastCalendar, FeastsOnASundayInOrdinaryTime)
{
    // 6 August 2006 is a Sunday of the eighteenth week (psalter week 2).
    struct Case {
        const char* line;
        const char* celebration;
        int rank;
        const char* sundayReadings;
        bool mondayGetsMark;
    };
    const Case cases[] = {
        {"6 8 F W Feast", "T86 T69 T47", 5, "SB56<br>T108 II", false},
        {"6 8 L W Transfiguration\tMt 17:1-9", "Transfiguration", 6, "Mt 17:1-9", false},
        {"6 8 L W Transfiguration", "Transfiguration", 6, "SB56", true},
        {"6 8 S W Solemnity", "Solemnity", 10, "SB56", true},
    };
    for (const Case& c : cases) {
        CEngineTestData data;
        data.WriteFeasts({c.line});
        const YEARTABLE year = data.Year(2006);
        const DAYRECORD& sunday = Day(year, 8, 6);
        EXPECT_EQ(sunday.strCelebration, c.celebration) << c.line;
        EXPECT_EQ(sunday.nRank, c.rank) << c.line;
        EXPECT_EQ(sunday.strReadings, c.sundayReadings) << c.line;
        const std::string& monday = Day(year, 8, 7).strReadings;
        const std::string mark = "<br>T108 II";
        EXPECT_EQ(monday.size() >= mark.size() && monday.compare(monday.size() - mark.size(), mark.size(), mark) == 0,
                  c.mondayGetsMark) << c.line << ": " << monday;
    }
}

// Memorials on the weekdays of Lent, of 17 to 24 December and of the
// Christmas octave are commemorated, and optional memorials named: the day
// keeps its title, colour and readings, and the saints follow the title with
// the marks of their colours (titles 116..121), in file order. Elsewhere a
// memorial takes the day and its colour; the privileged days keep theirs.
TEST(FeastCalendar, CommemorationsAndOptionalMemorialsFollowTheDaysTitle)
{
    CEngineTestData data;
    data.WriteFeasts({"7 3 M R Perpetua", "8 3 O W Optional", "25 3 M W Holy Monday", "2 4 M W Easter Tuesday",
                      "17 1 O W First", "17 1 O R Second", "17 1 O R Second", "18 1 O W A", "18 1 M R B",
                      "18 1 O W C", "19 1 s W lower case", "21 12 O W Canisius", "29 12 O R Becket",
                      "20 12 M W Advent memorial"});
    struct Case { int month, day; const char* celebration; int rank, colour; };
    const Case cases[] = {
        {3, 7, "T90 T93 T54 T50; Perpetua (T118)", 1, 4},          // Lent: the day stays violet
        {3, 8, "T91 T93 T54 T50; Optional (T117)", 1, 4},
        {3, 25, "T19", 8, 4},                                      // Holy Week keeps its day
        {4, 2, "T27", 10, 2},                                      // and so does the Easter octave
        {1, 17, "T90 T93 T52 T47; First (T117); Second (T118)", 2, 1},   // green: the weekday's colour
        {1, 18, "B", 3, 3},                                        // a memorial replaces, ties do not
        {1, 19, "T92 T93 T52 T47; lower case (T117)", 2, 1},
        {12, 21, "T92 T93 T54 T48; Canisius (T117)", 1, 4},        // 17 to 24 December
        {12, 20, "T91 T93 T54 T48; Advent memorial (T117)", 1, 4},
        {12, 29, "T39", 6, 2},                                     // Holy Family, a Sunday: not named
    };
    const YEARTABLE year = data.Year(2002);
    for (const Case& c : cases) {
        const DAYRECORD& day = Day(year, c.month, c.day);
        EXPECT_EQ(day.strCelebration, c.celebration) << c.month << "-" << c.day;
        EXPECT_EQ(day.nRank, c.rank) << c.month << "-" << c.day;
        EXPECT_EQ(day.nColour, c.colour) << c.month << "-" << c.day;
    }
    EXPECT_EQ(Day(data.Year(2003), 12, 29).strCelebration, "T43; Becket (T118)");   // the octave, a Monday
    data.Language().Lines("utitles.txt").resize(116);   // no colour marks
    EXPECT_EQ(Day(data.Year(2002), 3, 7).strCelebration, "T90 T93 T54 T50; Perpetua");
}

TEST(FeastCalendar, DatesPastTheMonthEndRunOn)
{
    CEngineTestData data;
    data.WriteFeasts({"29 2 M W Leap"});
    EXPECT_EQ(Day(data.Year(2003), 3, 1).strCelebration, "Leap");
    const YEARTABLE leap = data.Year(2008);   // a Friday of Lent
    EXPECT_EQ(Day(leap, 2, 29).strCelebration, "T91 T93 T54 T50; Leap (T117)");
    EXPECT_NE(Day(leap, 3, 1).strCelebration, "Leap");
}

TEST(FeastCalendar, SolemnitiesOfTheNewYearAndChristmasAreChristmasTime)
{
    CEngineTestData data;
    data.WriteFeasts({"1 1 S W Mother of God\tDs 6:22-27", "25 12 S W Christmas\tIs 9:1-6", "junk line",
                      "5 1 S W"});
    const YEARTABLE year = data.Year(2002);
    const DAYRECORD& newYear = year.Day(0);
    EXPECT_EQ(newYear.strCelebration, "Mother of God");
    EXPECT_EQ(newYear.nSeason, 2);
    EXPECT_EQ(newYear.nColour, 2);
    EXPECT_EQ(newYear.strReadings, "Ds 6:22-27");
    const DAYRECORD& christmas = Day(year, 12, 25);
    EXPECT_EQ(christmas.nRank, 10);
    EXPECT_EQ(christmas.nSeason, 2);
    EXPECT_EQ(Day(year, 1, 5).strCelebration, "") << "an empty celebration is allowed";
    EXPECT_EQ(Day(year, 1, 5).nRank, 10);
    EXPECT_TRUE(data.Messages().Messages().empty());
}

TEST(FeastCalendar, MissingFeastFileIsReportedAndTheYearStillComputes)
{
    CEngineTestData data;
    data.Folder().Remove("ufeast.txt");
    auto engine = data.Engine();
    ASSERT_TRUE(engine->ComputeYear(2002));
    ASSERT_EQ(data.Messages().Messages().size(), 1u);
    EXPECT_EQ(data.Messages().Messages()[0], "File " + data.Folder().File("ufeast.txt") + " not found!");
    EXPECT_EQ(engine->GetDay(89).strCelebration, "T25");
}

TEST(FeastLine, ADashAfterTheRankLetterAsksForNoRankLabel)
{
    FEASTLINE feast;
    ASSERT_TRUE(ParseFeastLine("2 11 S- P All Souls\tKn 3:1-9", feast));
    EXPECT_EQ(feast.nRank, 10);
    EXPECT_TRUE(feast.bNoRankLabel);
    EXPECT_EQ(feast.strCelebration, "All Souls");
    ASSERT_TRUE(ParseFeastLine("1 11 S W All Saints", feast));
    EXPECT_FALSE(feast.bNoRankLabel);
}

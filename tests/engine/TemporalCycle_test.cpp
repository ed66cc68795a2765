#include "engine/TitleList.h"
#include "engine/YearTexts.h"
#include "tests/engine/EngineTestData.h"

#include <gtest/gtest.h>

using namespace talvoren;

namespace
{
struct DayCase {
    int month, day;
    const char* celebration;
    int rank, colour, season;
    const char* readings;
};

void ExpectDays(const YEARTABLE& table, const std::vector<DayCase>& cases)
{
    const int year = table.nYear;
    for (const DayCase& c : cases) {
        const DAYRECORD& day = table.Day(table.DayIndex(c.month, c.day));
        const std::string where = std::to_string(year) + "-" + std::to_string(c.month) + "-" + std::to_string(c.day);
        EXPECT_EQ(day.strCelebration, c.celebration) << where;
        EXPECT_EQ(day.nRank, c.rank) << where;
        EXPECT_EQ(day.nColour, c.colour) << where;
        EXPECT_EQ(day.nSeason, c.season) << where;
        EXPECT_EQ(day.strReadings, c.readings) << where;
    }
}
} // namespace

// 2002: Epiphany, Ascension and Corpus Christi settings 0 (Sunday, Thursday,
// Thursday); Sunday cycle A, weekday cycle 2; Easter 31 March.
TEST(TemporalCycle, Year2002)
{
    CEngineTestData data;
    const YEARTABLE year = data.Year(2002, 0, 0, 0);
    const SEASONANCHORS& anchors = year.anchors;
    EXPECT_EQ(anchors.nFirstSunday, 5);
    EXPECT_EQ(anchors.nEaster, 89);
    EXPECT_EQ(anchors.nBaptism, 12);
    EXPECT_EQ(anchors.nAshWednesday, CEngineTestData::Index(2002, 2, 13));
    EXPECT_EQ(anchors.nPentecost, CEngineTestData::Index(2002, 5, 19));
    EXPECT_EQ(anchors.nAdventStart, CEngineTestData::Index(2002, 12, 1));
    ExpectDays(year, {
        {1, 1, "", 0, 1, 2, "W2-31"},                                // the octave day of Christmas
        {1, 2, "T4", 0, 2, 2, "W2-32"},                              // Wednesday before Epiphany
        {1, 6, "T0", 10, 2, 2, "SA9"},                               // Epiphany
        {1, 7, "T8", 0, 2, 2, "W2-37"},                              // Monday after Epiphany
        {1, 13, "T1", 6, 2, 2, "SA10"},                              // Baptism; its mark went to Monday
        {1, 14, "T87 T93 T52 T47", 0, 1, 0, "W2-129<br>T108 I"},
        {1, 20, "T86 T53 T47", 5, 1, 0, "SA40<br>T108 II"},
        {2, 13, "T14", 7, 4, 5, "W2-47"},                            // Ash Wednesday
        {2, 14, "T15", 0, 4, 3, "W2-48"},
        {2, 17, "T86 T52 T50", 5, 4, 3, "SA12<br>T108 I"},           // First Sunday of Lent
        {2, 18, "T87 T93 T52 T50", 0, 4, 3, "W2-51"},
        {3, 10, "T86 T55 T50", 5, 5, 3, "SA15<br>T108 IV"},           // Fourth Sunday of Lent, rose
        {3, 23, "T92 T93 T56 T50", 0, 4, 3, "W2-80"},
        {3, 24, "T18", 5, 3, 5, "SA17<br>T108 II"},                   // Palm Sunday
        {3, 25, "T19", 8, 4, 5, "SA18"},
        {3, 28, "T22", 9, 2, 5, "SA21"},                             // Holy Thursday
        {3, 29, "T23", 9, 3, 5, "SA22"},                             // Good Friday
        {3, 30, "T24", 9, 2, 5, "SA23"},
        {3, 31, "T25", 10, 2, 5, "SA24"},                            // Easter
        {4, 1, "T26", 10, 2, 5, "W2-87"},
        {4, 7, "T32", 10, 2, 5, "SA25"},                             // Second Sunday of Easter
        {4, 8, "T87 T93 T53 T51", 0, 2, 4, "W2-93<br>T108 II"},
        {4, 14, "T86 T54 T51", 5, 2, 4, "SA26<br>T108 III"},
        {5, 9, "T33", 10, 2, 4, "SA31"},                             // Ascension Thursday
        {5, 12, "T86 T58 T51", 5, 2, 4, "SA30<br>T108 III"},
        {5, 13, "T87 T93 T58 T51", 0, 2, 4, "W2-128<br>T108 III"},
        {5, 14, "T88 T93 T58 T51", 0, 2, 4, "W2-333"},              // not 129: that is Ordinary Time's
        {5, 18, "T92 T93 T58 T51", 0, 2, 4, "W2-337"},
        {5, 19, "T34", 10, 3, 4, "SA32"},                            // Pentecost
        {5, 26, "T35", 10, 2, 0, "SA73"},                            // Trinity
        {5, 30, "T36", 10, 2, 0, "SA74"},                            // Corpus Christi, Thursday
        {6, 7, "T37", 10, 2, 0, "SA75"},                             // Sacred Heart
        {6, 8, "T38", 3, 2, 0, "W2-182"},                            // Immaculate Heart
        {11, 24, "T46", 10, 2, 0, "SA72"},                           // Christ the King
        {11, 25, "T87 T93 T85 T47", 0, 1, 0, "W2-327 <br>T108 II"},
        {11, 30, "T92 T93 T85 T47", 0, 1, 0, "W2-332"},
        {11, 17, "T86 T84 T47", 5, 1, 0, "SA71<br>T108 I"},
        {12, 1, "T86 T52 T48", 5, 4, 1, "SA0<br>T108 I"},            // First Sunday of Advent
        {12, 2, "T87 T93 T52 T48", 0, 4, 1, "W2-0"},
        {12, 15, "T86 T54 T48", 5, 5, 1, "SA2<br>T108 III"},           // Third Sunday, rose
        {12, 24, "T88 T93 T55 T48", 0, 4, 1, "W2-23"},
        {12, 25, "", 0, 1, 2, ""},                                   // its celebration from the feast file
        {12, 26, "T40", 0, 2, 2, "W2-25"},
        {12, 29, "T39", 6, 2, 2, "SA6"},                             // Holy Family
        {12, 31, "T45", 0, 2, 2, "W2-30"},
    });
}

TEST(TemporalCycle, WeekWordTemplateAndEnglishOrder)
{
    std::vector<std::string> titles;
    for (int n = 0; n <= 112; ++n)
        titles.push_back("T" + std::to_string(n));
    titles[52] = "First";
    titles[86] = "Sunday";
    titles[87] = "Monday";
    titles[48] = "of Advent";
    titles[93] = "of the * Week";
    const CTitleList english(titles, false);
    EXPECT_EQ(english.Compose(kSeasonAdvent, 1, 0), "First Sunday of Advent");
    EXPECT_EQ(english.Compose(kSeasonAdvent, 1, 1), "Monday of the First Week of Advent");
    const CTitleList vietnamese(titles, true);
    EXPECT_EQ(vietnamese.Compose(kSeasonAdvent, 1, 0), "Sunday First of Advent");
    EXPECT_EQ(vietnamese.Compose(kSeasonAdvent, 1, 1), "Monday of the First Week of Advent")
        << "weekdays read the same in both orders";
    titles[93] = "* and *";
    EXPECT_EQ(CTitleList(titles, true).Compose(kSeasonAdvent, 1, 1), "Monday First and First of Advent");
}

TEST(TemporalCycle, SundayReadingsBySeason)
{
    const CTitleList titles = CEngineTestData().Language().Data()->Titles();
    const std::vector<std::string> none;
    const CYearTexts texts(titles, none, none);   // entries read empty: only the marks are left
    EXPECT_EQ(texts.SundayReadings(kSeasonOrdinary, 5, 0), "<br>T108 I");
    EXPECT_EQ(texts.SundayReadings(kSeasonOrdinary, 5, 3), "");
    EXPECT_EQ(texts.SundayReadings(kSeasonLent, 2, 0), "");
    EXPECT_EQ(texts.SundayReadings(kSeasonChristmas, 2, 0), "");
    EXPECT_EQ(texts.SundayReadings(kSeasonEaster, 6, 0), "<br>T108 II");
}

TEST(TemporalCycle, EpiphanyOnASundayMovesTheBaptismToMondayOnTheSeventhOrEighth)
{
    CEngineTestData data;
    struct Case { int year, epiphanyDay, baptismDay, baptismWeekday; };
    const Case cases[] = {{2006, 8, 9, 1}, {2017, 8, 9, 1}, {2007, 7, 8, 1}, {2018, 7, 8, 1},
                          {2002, 6, 13, 0}, {2005, 2, 9, 0}, {2011, 2, 9, 0}};
    for (const Case& c : cases) {
        const YEARTABLE year = data.Year(c.year, 0, 0, 0);
        const DAYRECORD& epiphany = year.Day(c.epiphanyDay - 1);
        const DAYRECORD& baptism = year.Day(c.baptismDay - 1);
        EXPECT_EQ(epiphany.strCelebration, "T0") << c.year;
        EXPECT_EQ(epiphany.nRank, 10) << c.year;
        EXPECT_EQ(baptism.strCelebration, "T1") << c.year;
        EXPECT_EQ(baptism.nRank, 6) << c.year;
        EXPECT_EQ(baptism.nWeekday, c.baptismWeekday) << c.year;
        if (c.baptismWeekday == 1) {   // the Monday Baptism keeps its week-1 mark
            EXPECT_NE(baptism.strReadings.find("<br>T108 I"), std::string::npos) << c.year;
            // and the Tuesday of week 1 reads the first Ordinary Time position
            EXPECT_EQ(year.Day(c.baptismDay).strReadings.substr(0, 6), std::string("W") +
                      (c.year % 2 ? "1" : "2") + "-129") << c.year;
        }
    }
}

TEST(TemporalCycle, EpiphanyOnSixthJanuary)
{
    CEngineTestData data;
    ExpectDays(data.Year(2011, 1, 0, 0), {   // 2 January 2011 is a Sunday
        {1, 2, "T86 T53 T49", 5, 2, 2, "SA7"},   // Second Sunday after Christmas: position 7
        {1, 3, "T2", 0, 2, 2, "W1-33"},
        {1, 6, "T0", 10, 2, 2, "SA9"},
        {1, 7, "T12", 0, 2, 2, "W1-37"},
        {1, 9, "T1", 6, 2, 2, "SA10"},
    });
    const YEARTABLE y2007 = data.Year(2007, 1, 0, 0);   // 7 January 2007 is a Sunday: the Baptism
    EXPECT_EQ(y2007.Day(6).strCelebration, "T1");
    EXPECT_EQ(y2007.Day(5).strCelebration, "T0");
    const YEARTABLE y2002 = data.Year(2002, 1, 0, 0);   // no Sunday between 2 and 5 January
    for (int d = 1; d <= 4; ++d)
        EXPECT_NE(y2002.Day(d).nWeekday, 0);
}

TEST(TemporalCycle, ChristmasOnASunday)
{
    CEngineTestData data;
    const YEARTABLE year = data.Year(2005);
    EXPECT_EQ(year.anchors.nAdventStart, CEngineTestData::Index(2005, 11, 27));
    const DAYRECORD& holyFamily = year.Day(CEngineTestData::Index(2005, 12, 30));
    EXPECT_EQ(holyFamily.nWeekday, 5);
    EXPECT_EQ(holyFamily.strCelebration, "T39");
    EXPECT_EQ(holyFamily.nRank, 6);
    EXPECT_EQ(holyFamily.strReadings, "SA6");
    EXPECT_EQ(year.Day(CEngineTestData::Index(2005, 11, 20)).strCelebration, "T46");
}

TEST(TemporalCycle, AscensionAndCorpusChristiOnSunday)
{
    CEngineTestData data;
    ExpectDays(data.Year(2002, 0, 1, 1), {
        {5, 9, "T90 T93 T57 T51", 0, 2, 4, "W2-124"},   // Thursday of the sixth week
        {5, 12, "T33", 10, 2, 4, "SA31"},                // its Sunday title is lost
        {5, 30, "T90 T93 T59 T47", 0, 1, 0, "W2-174"},
        {6, 2, "T36", 10, 2, 0, "SA74"},
    });
}

TEST(TemporalCycle, WeekdaysFrom17To24DecemberReadTheirDate)
{
    CEngineTestData data;
    // 17 December at position 17, 18 December at 24, 19..24 December at 18..23,
    // whatever the weekday; the Sundays keep their Sunday readings.
    struct Case { int year, day; const char* readings; };
    const Case cases[] = {
        {2002, 16, "W2-12"}, {2002, 17, "W2-17"}, {2002, 18, "W2-24"}, {2002, 19, "W2-18"},
        {2002, 21, "W2-20"}, {2002, 22, "SA3<br>T108 IV"}, {2002, 23, "W2-22"}, {2002, 24, "W2-23"},
        {2005, 17, "W1-17"}, {2005, 18, "SA3<br>T108 IV"}, {2005, 19, "W1-18"}, {2005, 24, "W1-23"},
        {2006, 17, "SB2<br>T108 III"}, {2006, 18, "W2-24"}, {2006, 23, "W2-22"},
    };
    for (const Case& c : cases) {
        const YEARTABLE year = data.Year(c.year);
        EXPECT_EQ(year.Day(year.DayIndex(12, c.day)).strReadings, c.readings) << c.year << "-12-" << c.day;
    }
}

// Mary, Mother of the Church: the Monday after Pentecost from 2018, white,
// weekday position 338; a memorial of the feast file gives way, a feast
// prevails, and a titles list without entry 114 keeps the Monday as it was.
TEST(TemporalCycle, MaryMotherOfTheChurch)
{
    CEngineTestData data;
    data.WriteFeasts({"1 6 M R Justin", "14 5 F R Matthias\tCv 1:15-17"});
    struct Case { int year, month, day; const char* celebration; int rank, colour; const char* readings; };
    const Case cases[] = {
        {2020, 6, 1, "T114", 3, 2, "W2-338<br>T108 I"},
        {2018, 5, 21, "T114", 3, 2, "W2-338<br>T108 III"},
        {2017, 6, 5, "T87 T93 T60 T47", 0, 1, "W1-177<br>T108 I"},   // before the decree
        {2035, 5, 14, "Matthias", 4, 3, "Cv 1:15-17<br>T108 II"},
    };
    for (const Case& c : cases) {
        const YEARTABLE year = data.Year(c.year);
        const DAYRECORD& day = year.Day(year.DayIndex(c.month, c.day));
        const std::string where = std::to_string(c.year);
        EXPECT_EQ(day.strCelebration, c.celebration) << where;
        EXPECT_EQ(day.nRank, c.rank) << where;
        EXPECT_EQ(day.nColour, c.colour) << where;
        EXPECT_EQ(day.strReadings, c.readings) << where;
    }
    data.Language().Lines("utitles.txt").resize(114);
    EXPECT_EQ(data.Year(2020).Day(CEngineTestData::Index(2020, 6, 1)).strCelebration, "Justin");
}

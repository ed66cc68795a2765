// The shipped lectionaries read by the year engine: every day gets readings,
// and sample days of every season of 2025-2028 get the readings that the
// Roman lectionary gives them.

#include "engine/YearComputation.h"
#include "tests/lectionary/LectionaryData.h"
#include "tests/support/TestLanguage.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

using namespace talvoren;

namespace
{
// The built lectionaries of the Vietnam folder with the symbolic titles and
// empty feast and note files, so that every readings text comes from the
// lectionaries alone.
std::shared_ptr<const CLanguageData> LectionaryLanguage()
{
    CTestLanguage language;
    for (const LECTIONARYFILE& file : kLectionaryFiles)
        language.SetFromFile(std::string("uLectionary") + file.chCycle + ".txt", LectionaryPath("Vietnam", file.chCycle));
    return language.Data();
}

YEARTABLE Year(const CLanguageData& language, int year, int epiphany, int ascension, int corpus)
{
    return ComputeYearTable(year, CalendarSettingsFor(CALENDAROPTIONS{epiphany, ascension, corpus}), language);
}

// The readings of a day without its psalter-week mark or other added lines.
std::string FirstLine(const std::string& readings)
{
    std::string text = readings.substr(0, readings.find("<br>"));
    while (!text.empty() && text.back() == ' ')
        text.pop_back();
    return text;
}
} // namespace

TEST(LectionaryDays, EveryDayButChristmasGetsReadingsUnderEverySetting)
{
    const auto language = LectionaryLanguage();
    for (int settings = 0; settings < 8; ++settings) {
        for (int year = 1900; year <= 2199; ++year) {
            const YEARTABLE table = Year(*language, year, settings & 1, (settings >> 1) & 1, (settings >> 2) & 1);
            ASSERT_TRUE(table.bComplete) << year;
            const int christmas = table.DayIndex(12, 25);
            for (int d = 0; d < table.nDaysInYear; ++d) {
                if (d == christmas)   // its readings come from the feast file
                    continue;
                const DAYRECORD& day = table.Day(d);
                EXPECT_FALSE(FirstLine(day.strReadings).empty())
                    << year << "-" << day.nMonth << "-" << day.nDay << " settings " << settings
                    << " reads an empty position";
            }
        }
    }
}

TEST(LectionaryDays, SampleDaysOfEverySeasonReadTheirLectionary)
{
    // Epiphany and the Ascension on Sunday when the column says 1, Corpus
    // Christi on Sunday throughout. Expected readings are the Roman
    // lectionary's for the day, in the short form.
    struct Case { int year, month, day, epiphany, ascension; const char* readings; };
    const Case cases[] = {
        // 2025: Sunday cycle C (Advent: A), weekday Year I.
        {2025, 1, 3, 0, 0, "1 Ga 2:29; 3:1-6; Tv 98:1,3-6; Ga 1:29-34"},
        {2025, 1, 5, 1, 0, "Hc 24:1-4,12-16; Tv 147:12-15,19-20; Ep 1:3-6,15-18; Ga 1:1-18"},
        {2025, 1, 12, 0, 0, "Is 40:1-5,9-11; Tv 104:1-4,24-25,27-30; Tt 2:11-14; 3:4-7; Lc 3:15-16,21-22"},
        {2025, 1, 13, 0, 0, "Dt 1:1-6; Tv 97:1-2,6-7,9; Mc 1:14-20"},
        {2025, 2, 9, 0, 0, "Is 6:1-8; Tv 138:1-5,7-8; 1 Cr 15:1-11; Lc 5:1-11"},
        {2025, 3, 9, 0, 0, "Đnl 26:4-10; Tv 91:1-2,10-15; Rm 10:8-13; Lc 4:1-13"},
        {2025, 3, 13, 0, 0, "Es 4:17; Tv 138:1-3,7-8; Mt 7:7-12"},
        {2025, 4, 17, 0, 0, "Xh 12:1-8,11-14; Tv 116:12-13,15-18; 1 Cr 11:23-26; Ga 13:1-15"},
        {2025, 5, 4, 0, 0, "Cv 5:27-32,40-41; Tv 30:2,4-6,11-13; Kh 5:11-14; Ga 21:1-19"},
        {2025, 6, 3, 0, 0, "Cv 20:17-27; Tv 68:10-11,20-21; Ga 17:1-11"},
        {2025, 11, 23, 0, 0, "2 Sm 5:1-3; Tv 122:1-5; Cl 1:12-20; Lc 23:35-43"},
        {2025, 11, 24, 0, 0, "Đn 1:1-6,8-20; Đn 3:52-56; Lc 21:1-4"},
        {2025, 11, 30, 0, 0, "Is 2:1-5; Tv 122:1-9; Rm 13:11-14; Mt 24:37-44"},
        {2025, 12, 2, 0, 0, "Is 11:1-10; Tv 72:1-2,7-8,12-13,17; Lc 10:21-24"},
        {2025, 12, 21, 0, 0, "Is 7:10-14; Tv 24:1-6; Rm 1:1-7; Mt 1:18-24"},
        {2025, 12, 28, 0, 0, "Hc 3:3-7,14-17; Tv 128:1-5; Cl 3:12-21; Mt 2:13-15,19-23"},
        {2025, 12, 29, 0, 0, "1 Ga 2:3-11; Tv 96:1-3,5-6; Lc 2:22-35"},
        // 2026: Sunday cycle A (Advent: B), weekday Year II.
        // After Epiphany on Sunday 4 January, the weekdays read by weekday;
        // before it, and with Epiphany on 6 January, by date.
        {2026, 1, 5, 0, 0, "1 Ga 3:22-24; 4:1-6; Tv 2:7-8,10-12; Mt 4:12-17,23-25"},
        {2026, 1, 3, 0, 0, "1 Ga 2:29; 3:1-6; Tv 98:1,3-6; Ga 1:29-34"},
        {2026, 1, 8, 1, 0, "1 Ga 4:7-10; Tv 72:1-4,7-8; Mc 6:34-44"},
        {2026, 1, 11, 0, 0, "Is 42:1-4,6-7; Tv 29:1-4,9-10; Cv 10:34-38; Mt 3:13-17"},
        {2026, 1, 18, 0, 0, "Is 49:3,5-6; Tv 40:2,4,7-10; 1 Cr 1:1-3; Ga 1:29-34"},
        {2026, 2, 3, 0, 0, "2 Sm 18:9-10,14,24-25,30-32; 19:1-3; Tv 86:1-6; Mc 5:21-43"},
        {2026, 3, 15, 0, 0, "1 Sm 16:1,6-7,10-13; Tv 23:1-6; Ep 5:8-14; Ga 9:1-41"},
        {2026, 3, 16, 0, 0, "Is 65:17-21; Tv 30:2,4-6,11-13; Ga 4:43-54"},
        {2026, 4, 5, 0, 0, "Cv 10:34,37-43; Tv 118:1-2,16-17,22-23; Cl 3:1-4; Ga 20:1-9"},
        {2026, 4, 12, 0, 0, "Cv 2:42-47; Tv 118:2-4,13-15,22-24; 1 Pr 1:3-9; Ga 20:19-31"},
        {2026, 4, 21, 0, 0, "Cv 7:51-60; 8:1; Tv 31:3-4,6-8,17,21; Ga 6:30-35"},
        {2026, 5, 14, 0, 1, "Cv 18:1-8; Tv 98:1-4; Ga 16:16-20"},
        {2026, 5, 17, 0, 1, "Cv 1:1-11; Tv 47:2-3,6-9; Ep 1:17-23; Mt 28:16-20"},
        {2026, 5, 24, 0, 0, "Cv 2:1-11; Tv 104:1,24,29-31,34; 1 Cr 12:3-7,12-13; Ga 20:19-23"},
        {2026, 5, 31, 0, 0, "Xh 34:4-6,8-9; Đn 3:52-55; 2 Cr 13:11-13; Ga 3:16-18"},
        {2026, 6, 7, 0, 0, "Đnl 8:2-3,14-16; Tv 147:12-15,19-20; 1 Cr 10:16-17; Ga 6:51-58"},
        {2026, 6, 12, 0, 0, "Đnl 7:6-11; Tv 103:1-4,6-8,10; 1 Ga 4:7-16; Mt 11:25-30"},
        {2026, 8, 16, 0, 0, "Is 56:1,6-7; Tv 67:2-3,5-6,8; Rm 11:13-15,29-32; Mt 15:21-28"},
        {2026, 8, 20, 0, 0, "Ed 36:23-28; Tv 51:12-15,18-19; Mt 22:1-14"},
        {2026, 12, 9, 0, 0, "Is 40:25-31; Tv 103:1-4,8,10; Mt 11:28-30"},
        {2026, 12, 13, 0, 0, "Is 61:1-2,10-11; Lc 1:46-50,53-54; 1 Tx 5:16-24; Ga 1:6-8,19-28"},
        {2026, 12, 27, 0, 0, "St 15:1-6; 21:1-3; Tv 105:1-6,8-9; Dt 11:8,11-12,17-19; Lc 2:22-40"},
        {2026, 12, 31, 0, 0, "1 Ga 2:18-21; Tv 96:1-2,11-13; Ga 1:1-18"},
        // 2027: Sunday cycle B (Advent: C), weekday Year I.
        {2027, 1, 4, 0, 0, "1 Ga 3:22-24; 4:1-6; Tv 2:7-8,10-12; Mt 4:12-17,23-25"},   // Monday after 3 January
        {2028, 1, 4, 0, 0, "1 Ga 4:7-10; Tv 72:1-4,7-8; Mc 6:34-44"},                   // Tuesday after 2 January
        {2027, 1, 10, 0, 0, "Is 55:1-11; Is 12:2-6; 1 Ga 5:1-9; Mc 1:7-11"},
        {2027, 1, 31, 0, 0, "Đnl 18:15-20; Tv 95:1-2,6-9; 1 Cr 7:32-35; Mc 1:21-28"},
        {2027, 2, 5, 0, 0, "Dt 13:1-8; Tv 27:1,3,5,8-9; Mc 6:14-29"},
        {2027, 2, 10, 0, 0, "Ge 2:12-18; Tv 51:3-6,12-14,17; 2 Cr 5:20-21; 6:1-2; Mt 6:1-6,16-18"},
        {2027, 2, 28, 0, 0, "Xh 20:1-17; Tv 19:8-11; 1 Cr 1:22-25; Ga 2:13-25"},
        {2027, 3, 2, 0, 0, "Đn 3:25,34-43; Tv 25:4-9; Mt 18:21-35"},
        {2027, 3, 26, 0, 0, "Is 52:13-15; 53:1-12; Tv 31:2,6,12-13,15-17,25; Dt 4:14-16; 5:7-9; Ga 18:1-40; 19:1-42"},
        {2027, 4, 25, 0, 0, "Cv 9:26-31; Tv 22:26-28,30-32; 1 Ga 3:18-24; Ga 15:1-8"},
        {2027, 5, 10, 0, 0, "Cv 19:1-8; Tv 68:2-7; Ga 16:29-33"},
        {2027, 11, 14, 0, 0, "Đn 12:1-3; Tv 16:5,8-11; Dt 10:11-14,18; Mc 13:24-32"},
        {2027, 11, 27, 0, 0, "Đn 7:15-27; Đn 3:82-87; Lc 21:34-36"},
        {2027, 11, 28, 0, 0, "Gr 33:14-16; Tv 25:4-5,8-10,14; 1 Tx 3:12-13; 4:1-2; Lc 21:25-28,34-36"},
        {2027, 12, 6, 0, 0, "Is 35:1-10; Tv 85:9-14; Lc 5:17-26"},
        {2027, 12, 26, 0, 0, "1 Sm 1:20-22,24-28; Tv 84:2-3,5-6,9-10; 1 Ga 3:1-2,21-24; Lc 2:41-52"},
        {2027, 12, 28, 0, 0, "1 Ga 1:5-10; 2:1-2; Tv 124:2-5,7-8; Mt 2:13-18"},
    };
    const auto language = LectionaryLanguage();
    for (const Case& c : cases) {
        const YEARTABLE year = Year(*language, c.year, c.epiphany, c.ascension, 1);
        const DAYRECORD& day = year.Day(year.DayIndex(c.month, c.day));
        EXPECT_EQ(FirstLine(day.strReadings), c.readings) << c.year << "-" << c.month << "-" << c.day;
    }
}

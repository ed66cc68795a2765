// The tabular calendar page against golden files, and its blank cells and
// colours.

#include "pages/MonthTablePage.h"

#include "base/CivilDate.h"

#include "tests/pages/PageTestData.h"

#include <gtest/gtest.h>

using namespace talvoren;

namespace
{
std::size_t Count(const std::string& text, const std::string& what)
{
    std::size_t count = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + what.size()))
        ++count;
    return count;
}

const char kBlank[] = "<td width=100 bgColor=\"buttonFace\">&nbsp;</td>";
} // namespace

TEST(MonthTablePage, GoldenPages)
{
    const struct {
        const char* golden;
        int year, month;
    } cases[] = {
        // Begins on a Sunday and ends on a Saturday: no blank cells, and
        // the Saturday's "</tr>" is followed by "</tr></table></div>";
        // ranks 5, 6 and 7 (Ash Wednesday in red), a memorial in red cloth.
        {"month-table-2009-02.html", 2009, 2},
        // Begins on a Saturday (six blanks), ends on a Monday (five);
        // Holy Week (ranks 8 and 9) and the Easter octave (10) in red, the
        // rose Sunday, St Joseph moved to 15 March, the Annunciation to 31.
        {"month-table-2008-03.html", 2008, 3},
    };
    CPageTestData data;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.golden);
        const YEARTABLE year = data.Year(c.year);
        const MONTHRANGE month = year.MonthRange(c.month);
        ExpectSamePage(CMonthTablePage(year, data.Titles()).Render(month.nFirst, month.nEnd),
                       CPageTestData::Golden(c.golden));
    }
    EXPECT_TRUE(data.Messages().Messages().empty());
}

TEST(MonthTablePage, DecemberMarksItsMonthAmongAllTwelve)
{
    CPageTestData data;
    const YEARTABLE year = data.Year(2002);
    const MONTHRANGE december = year.MonthRange(12);
    const std::string page = CMonthTablePage(year, data.Titles()).Render(december.nFirst, december.nEnd);
    EXPECT_EQ(Count(page, "onclick=\"ViewTbl("), 11u);
    EXPECT_NE(page.find("onclick=\"ViewTbl(11);\">11</td><td class=Current nowrap aria-current=true>12</td>"),
              std::string::npos);
    EXPECT_NE(page.find("onclick=\"SwitchView(1);\""), std::string::npos);
    // 1 December 2002 is a Sunday and 31 December a Tuesday: no blanks
    // before, four after.
    EXPECT_NE(page.find("</tr><tr height=100><td valign=top"), std::string::npos);
    EXPECT_EQ(Count(page, kBlank), 4u);
}

TEST(MonthTablePage, WeeksAreCompleteRowsOfSevenCells)
{
    // Every month of 2001..2030: blanks and days fill whole weeks, and each
    // week's row but the last ends with its Saturday.
    CPageTestData data;
    for (int y = 2001; y <= 2030; ++y) {
        const YEARTABLE year = data.Year(y);
        for (int month = 1; month <= 12; ++month) {
            const int first = year.MonthRange(month).nFirst;
            const int end = year.MonthRange(month).nEnd;
            const std::string page = CMonthTablePage(year, data.Titles()).Render(first, end);
            const std::size_t blanks = Count(page, kBlank);
            const std::size_t days = Count(page, "<td valign=top");
            ASSERT_EQ(days, static_cast<std::size_t>(end - first)) << y << "-" << month;
            ASSERT_EQ((blanks + days) % 7, 0u) << y << "-" << month;
            ASSERT_EQ(blanks, static_cast<std::size_t>(year.Day(first).nWeekday + 6 -
                                                       year.Day(end - 1).nWeekday))
                << y << "-" << month;
        }
    }
}

TEST(MonthTablePage, EmptyRangeGivesOneWeekOfBlanks)
{
    CPageTestData data;
    const int wednesday = DayOfYear(2002, 3, 6);
    const std::string page = CMonthTablePage(data.Year(2002), data.Titles()).Render(wednesday, wednesday);
    EXPECT_EQ(Count(page, kBlank), 6u);   // three before the Wednesday, three after it
    EXPECT_EQ(Count(page, "<td valign=top"), 0u);
    EXPECT_EQ(page.substr(page.size() - 19), "</tr></table></div>");
}

TEST(MonthTablePage, CellColours)
{
    const struct {
        int colour;
        const char* background;
        const char* text;
    } cases[] = {
        {0, "White", "Black"},  {1, "#006666", "#FFFFCC"}, {2, "White", "Black"},  {3, "Red", "White"},
        {4, "PURPLE", "White"}, {5, "PURPLE", "White"},    {6, "PURPLE", "White"}, {9, "White", "Black"},
    };
    for (const auto& c : cases) {
        EXPECT_STREQ(CMonthTablePage::CellBackground(c.colour), c.background) << c.colour;
        EXPECT_STREQ(CMonthTablePage::CellTextColour(c.colour), c.text) << c.colour;
    }
}

// A span across months: a grid for each month, the later under a heading;
// a day the user noted something on carries the mark.
TEST(MonthTablePage, SpanAcrossMonthsAndNotedDays)
{
    CPageTestData data;
    YEARTABLE year = data.Year(2002);
    year.days[DayOfYear(2002, 3, 2)].bHasNote = true;
    const std::string page =
        CMonthTablePage(year, data.Titles()).Render(DayOfYear(2002, 2, 20), DayOfYear(2002, 3, 10));
    EXPECT_EQ(Count(page, "<table width=700 border=1"), 2u);
    EXPECT_NE(page.find("<h3 class=MonthHeading>Tháng Ba 2002</h3>"), std::string::npos);
    EXPECT_EQ(Count(page, "class=NoteMark"), 1u);
    EXPECT_NE(page.find("onclick=\"viewDay(" + std::to_string(DayOfYear(2002, 3, 2)) + ");\"><font size=\"+1\">2</font>"
                        "<span class=Lunar>19-1</span><span class=NoteMark"),
              std::string::npos);
}

// The month calendar page against golden files written from the page's
// templates and the test language (tests/data/pages), and its smaller rules.

#include "engine/TitleList.h"
#include "pages/MonthListPage.h"
#include "pages/MonthSelector.h"

#include "base/CivilDate.h"

#include "tests/pages/PageTestData.h"

#include <gtest/gtest.h>

using namespace talvoren;

namespace
{
int Index(int year, int month, int day)
{
    return DayOfYear(year, month, day);
}

std::size_t Count(const std::string& text, const std::string& what)
{
    std::size_t count = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + what.size()))
        ++count;
    return count;
}
} // namespace

TEST(MonthListPage, GoldenPages)
{
    // Ranges as the select-date dialog gives them: [first, end).
    const struct {
        const char* golden;
        int year, firstMonth, firstDay, endMonth, endDay;
    } cases[] = {
        // Tết on 12 February: "#FFFFCC", "1-1" with the new year's name and
        // the note; the first row names the old year; an empty readings
        // text on 7 February; ranks 5, 6, 7 and the plain ranks 0, 1, 4.
        {"month-list-2002-02.html", 2002, 2, 1, 3, 1},
        // January: links 2..12, "12" without the bar; 1 January has no
        // saint link, 2 January has 0201; a solemnity in red.
        {"month-list-2002-01-01-to-03.html", 2002, 1, 1, 1, 4},
        // December: links 1..11, "11" without the bar; Christmas and the
        // Holy Family (rank 6 on a Sunday) in red.
        {"month-list-2002-12-24-to-31.html", 2002, 12, 24, 13, 1},
        // Across a month end: March rows under the February header.
        {"month-list-2002-02-27-to-03-03.html", 2002, 2, 27, 3, 4},
        // From 20 February 2002: the first row's year name is lunar 2001's
        // (from 1 February) although its lunar date lies in lunar 2002.
        {"month-list-2002-02-20-to-24.html", 2002, 2, 20, 2, 25},
    };
    CPageTestData data;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.golden);
        const YEARTABLE year = data.Year(c.year);
        // 1 January of the next year: the end of the year's table.
        const int end = c.endMonth == 13 ? year.nDaysInYear : Index(c.year, c.endMonth, c.endDay);
        ExpectSamePage(CMonthListPage(year, data.Titles()).Render(Index(c.year, c.firstMonth, c.firstDay), end),
                       CPageTestData::Golden(c.golden));
    }
    EXPECT_TRUE(data.Messages().Messages().empty());
}

TEST(MonthListPage, YearListRunsFromTenBeforeToNineteenAfterWithinTheCalendar)
{
    struct Case { int year; int first; int last; };
    const Case cases[] = {{2003, 1993, 2022}, {1585, 1583, 1604}, {9995, 9985, 9999}};
    for (const Case& c : cases) {
        const std::string list = YearList(c.year);
        EXPECT_EQ(Count(list, "<option"), static_cast<std::size_t>(c.last - c.first + 1)) << c.year;
        EXPECT_NE(list.find("id=cmbYear><option value=\"" + std::to_string(c.first) + "\">"), std::string::npos);
        EXPECT_NE(list.find("<option selected value=\"" + std::to_string(c.year) + "\">"), std::string::npos);
        EXPECT_NE(list.find(std::to_string(c.last) + "</option></select>"), std::string::npos) << c.year;
    }
}

TEST(MonthListPage, EmptyRangeGivesTheHeaderOnly)
{
    CPageTestData data;
    const int day = Index(2002, 3, 5);
    const std::string page = CMonthListPage(data.Year(2002), data.Titles()).Render(day, day);
    EXPECT_NE(page.find("align=left nowrap>Tháng Ba<span"), std::string::npos);
    EXPECT_EQ(page.find("viewBible"), std::string::npos);
    EXPECT_EQ(page.substr(page.size() - 13), "</tr></table>");
    EXPECT_EQ(Count(page, "<tr"), 2u);   // the navy row and the month selector inside it
}

TEST(MonthListPage, IndexesOutsideTheYearAreLeftOut)
{
    CPageTestData data;
    const YEARTABLE year = data.Year(2004);   // a leap year: 366 rows
    const std::string page = CMonthListPage(year, data.Titles()).Render(-3, YEARTABLE::kTableSize + 5);
    EXPECT_EQ(Count(page, "onclick=\"viewBible("), 366u);
    EXPECT_NE(page.find("onclick=\"viewBible(0);\""), std::string::npos);
    EXPECT_NE(page.find("onclick=\"viewBible(365);\""), std::string::npos);
    EXPECT_EQ(page.find("onclick=\"viewBible(366);\""), std::string::npos);
    EXPECT_EQ(page.find("onclick=\"viewBible(-"), std::string::npos);
}

TEST(MonthListPage, ColourAbbreviations)
{
    const struct {
        int colour;
        const char* text;
    } cases[] = {{0, "-"},  {1, "X"},   {2, "Tr"}, {3, "\xC4\x90"}, {4, "Tm"},
                 {5, "Tm"}, {6, "\xC4\x90" "e"}, {7, ""},   {-1, ""}};
    const CTitleList builtIn;   // the Vietnamese page texts
    for (const auto& c : cases)
        EXPECT_EQ(CMonthListPage::ColourAbbreviation(c.colour, builtIn), c.text) << c.colour;
}

TEST(MonthListPage, NoSaintListMatchesWholeItems)
{
    const struct {
        const char* code;
        bool listed;
    } cases[] = {
        {"0101", true}, {"2512", true}, {"3112", true}, {"1607", true}, {"", true},   // the empty item
        {"0201", false}, {"0102", false}, {"010", false}, {"01012", false}, {"2301,", false}, {"1212", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CMonthListPage::IsNoSaintCode(c.code), c.listed) << c.code;
}

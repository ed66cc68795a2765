#include "pages/MonthTablePage.h"

#include "base/HtmlEscape.h"
#include "base/HtmlPlainText.h"
#include "base/HtmlWhitelist.h"
#include "engine/TitleList.h"
#include "engine/TitlePositions.h"
#include "engine/YearTable.h"
#include "lunar/LunarCalendar.h"
#include "pages/MonthSelector.h"
#include "pages/PageFormat.h"
#include "pages/StaticPageTexts.h"
#include "pages/RankLabel.h"

#include <algorithm>

namespace talvoren
{
namespace
{
struct CELLCOLOURS
{
    const char* background;
    const char* text;
};

// By colour code: none, green, white, red, violet, rose, black.
const CELLCOLOURS kCellColours[] = {
    {"White", "Black"},  {"#006666", "#FFFFCC"}, {"White", "Black"}, {"Red", "White"},
    {"PURPLE", "White"}, {"PURPLE", "White"},    {"PURPLE", "White"},
};
static_assert(sizeof kCellColours / sizeof kCellColours[0] == kColourBlack + 1, "one pair per colour code 0..6");

constexpr int kDaysInWeek = 7;

const char kBlankCell[] = "<td width=100 bgColor=\"buttonFace\">&nbsp;</td>";

} // namespace

const char* CMonthTablePage::CellBackground(int colour)
{
    return colour >= 0 && colour <= kColourBlack ? kCellColours[colour].background : kCellColours[0].background;
}

const char* CMonthTablePage::CellTextColour(int colour)
{
    return colour >= 0 && colour <= kColourBlack ? kCellColours[colour].text : kCellColours[0].text;
}

// One week grid: the weekday header, the days [from, to) of one month,
// blank cells before the first and after the last.
void CMonthTablePage::AppendGrid(std::string& page, int from, int to) const
{
    const DAYRECORD& firstDay = m_year.Day(from);
    page += "<table width=700 border=1 cellpadding=5 cellspacing=0><tr bgColor=\"#FFFFCC\">";
    for (int w = 0; w < kDaysInWeek; ++w)
        AppendFormat(page, "<td width=100>%s</td>", SanitizeHtml(m_titles.WeekdayName(w)).c_str());
    page += "</tr><tr height=100>";

    // Blank cells up to the weekday of the first day (none for a Sunday).
    for (int w = 0; w < firstDay.nWeekday; ++w)
        page += kBlankCell;

    CLunarCalendar lunar;
    std::string text;
    // The mark of a day with the user's notes, the same in every cell.
    const std::string noteMark = "<span class=NoteMark title=\"" +
                                 EscapeHtmlText(HtmlToPlainText(PageTextHtml(m_titles, "wall.note"))) +
                                 "\">&#9998;</span>";
    for (int i = from; i < to; ++i) {
        const DAYRECORD day = WhitelistedDay(m_year.Day(i));
        // Every rank above a Sunday's gets the red form here.
        text.clear();
        const std::string label = SanitizeHtml(RankLabelSuffix(day, m_titles));
        if (day.nRank == kRankSunday)
            AppendFormat(text, "<FONT COLOR=Navy>%s</FONT>", day.strCelebration.c_str());
        else if (day.nRank > kRankSunday)
            AppendFormat(text, "<FONT COLOR=Red><b>%s%s</b></FONT>", day.strCelebration.c_str(), label.c_str());
        else
            text = day.strCelebration + label;

        // The lunar date as on the month list: day-month, with the year's
        // name on the first day of a lunar year.
        lunar.SetSolarDate(m_year.nYear, day.nMonth, day.nDay);
        std::string lunarText;
        AppendFormat(lunarText, "%d-%d", lunar.GetLunarDay(), lunar.GetLunarMonth());
        if (lunar.GetLunarDay() == 1 && lunar.GetLunarMonth() == 1 && !lunar.IsLeapMonth())
            lunarText += " " + lunar.GetYearName();

        AppendFormat(page,
                     "<td valign=top bgColor=%s style=\"color:%s;\" data-day=%d tabindex=0 onclick=\"viewDay(%d);\">"
                     "<font size=\"+1\"%s>%d</font><span class=Lunar>%s</span>%s"
                     "<div class=Celebration tabindex=0 onclick=\"viewBible(%d);\">%s</div></td>",
                     CellBackground(day.nColour), CellTextColour(day.nColour), i, i,
                     day.nWeekday == 0 ? " color=Red" : "", day.nDay, lunarText.c_str(), day.bHasNote ? noteMark.c_str() : "", i, text.c_str());
        // The next cell starts the new week's row without an opening tag.
        if (day.nWeekday == 6)
            page += "</tr>";
    }

    // Blank cells after the last day up to Saturday.
    const int lastWeekday = to > from ? m_year.Day(to - 1).nWeekday : firstDay.nWeekday;
    for (int w = lastWeekday; w < 6; ++w)
        page += kBlankCell;
    page += "</tr></table>";
}

std::string CMonthTablePage::Render(int first, int end) const
{
    const int year = m_year.nYear;
    const int month = m_year.Day(first).nMonth;

    std::string page;
    page.reserve(16384);
    AppendFormat(page,
                 "<div align=center><table cellpadding=5 cellspacing=0 width=700 border=0 "
                 "style=\"cursor:hand;color:white;font-weight:bold\">%s</table>",
                 MonthSelectorRow(MonthPageKind::Table, year, month, m_titles).c_str());

    // A range that crosses month ends: a grid for each month, the later ones
    // under a heading of their own.
    const int from = std::max(first, 0);
    const int to = std::min(end, m_year.nDaysInYear);
    int start = from;
    do {
        int stop = start;
        while (stop < to && m_year.Day(stop).nMonth == m_year.Day(start).nMonth)
            ++stop;
        if (start > from)
            AppendFormat(page, "<h3 class=MonthHeading>%s %d</h3>",
                         SanitizeHtml(m_titles.MonthName(m_year.Day(start).nMonth)).c_str(), year);
        AppendGrid(page, start, stop);
        start = stop;
    } while (start < to);
    page += "</div>";
    return page;
}

} // namespace talvoren

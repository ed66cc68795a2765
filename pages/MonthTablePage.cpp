#include "pages/MonthTablePage.h"

#include "base/HtmlWhitelist.h"
#include "engine/TitleList.h"
#include "engine/TitlePositions.h"
#include "engine/YearTable.h"
#include "pages/PageFormat.h"
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

std::string CMonthTablePage::Render(int first, int end) const
{
    const int year = m_year.nYear;
    const DAYRECORD& firstDay = m_year.Day(first);
    const int month = firstDay.nMonth;
    const std::string monthName = SanitizeHtml(m_titles.MonthName(month));

    std::string page;
    page.reserve(12288);
    AppendFormat(page,
                 "<div align=center><table cellpadding=5 cellspacing=0 width=700 border=0 "
                 "style=\"cursor:hand;color:white;font-weight:bold\"><tr id=MonthSelector bgColor=Navy height=30>"
                 "<td align=left>%s</td>",
                 monthName.c_str());
    const int last = month == 12 ? 11 : 12;
    for (int m = 1; m <= 12; ++m) {
        if (m == month)
            continue;
        if (m < last)
            AppendFormat(page, "<td width=30 nowrap onclick=\"ViewTbl(%d);\">%d |</td>", m, m);
        else
            AppendFormat(page, "<td width=30 nowrap onclick=\"ViewTbl(%d);\">%d </td>", m, m);
    }
    AppendFormat(page, "<td>&nbsp;%s %d</td></tr></table>", SanitizeHtml(m_titles.Title(kTitleYearLabel)).c_str(),
                 year);
    page += "<table width=700 border=1 cellpadding=5 cellspacing=0><tr bgColor=\"#FFFFCC\">";
    for (int w = 0; w < kDaysInWeek; ++w)
        AppendFormat(page, "<td width=100>%s</td>", SanitizeHtml(m_titles.WeekdayName(w)).c_str());
    page += "</tr><tr height=100>";

    // Blank cells up to the weekday of the first day (none for a Sunday).
    for (int w = 0; w < firstDay.nWeekday; ++w)
        page += kBlankCell;

    const int from = std::max(first, 0);
    const int to = std::min(end, m_year.nDaysInYear);
    std::string text;
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

        if (day.nWeekday == 0)
            AppendFormat(page,
                         "<td valign=top bgColor=%s style=\"color:%s;\"><font size=\"+1\" color=Red>%d</font>%s</td>",
                         CellBackground(day.nColour), CellTextColour(day.nColour), day.nDay, text.c_str());
        else
            AppendFormat(page, "<td valign=top bgColor=%s style=\"color:%s;\"><font size=\"+1\">%d</font>%s</td>",
                         CellBackground(day.nColour), CellTextColour(day.nColour), day.nDay, text.c_str());
        // The next cell starts the new week's row without an opening tag.
        if (day.nWeekday == 6)
            page += "</tr>";
    }

    // Blank cells after the last day up to Saturday.
    const int lastWeekday = to > from ? m_year.Day(to - 1).nWeekday : firstDay.nWeekday;
    for (int w = lastWeekday; w < 6; ++w)
        page += kBlankCell;
    page += "</tr></table></div>";
    return page;
}

} // namespace talvoren

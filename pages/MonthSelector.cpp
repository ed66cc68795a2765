#include "pages/MonthSelector.h"

#include "base/HtmlEscape.h"
#include "base/HtmlPlainText.h"
#include "base/HtmlWhitelist.h"
#include "engine/TitleList.h"
#include "engine/TitlePositions.h"
#include "engine/YearTable.h"
#include "pages/PageFormat.h"
#include "pages/StaticPageTexts.h"

#include <algorithm>

namespace talvoren
{
namespace
{
// A page text without its tags, for an attribute value.
std::string AttributeText(const CTitleList& titles, const char* key)
{
    return EscapeHtmlText(HtmlToPlainText(PageTextHtml(titles, key)));
}

constexpr int kYearsBefore = 10;
constexpr int kYearsAfter = 19;
}

std::string YearList(int year)
{
    std::string years = "<Select onchange=\"SelYear();\" id=cmbYear>";
    const int from = std::max(year - kYearsBefore, YEARTABLE::kFirstYear);
    const int to = std::min(year + kYearsAfter, YEARTABLE::kLastYear);
    for (int y = from; y <= to; ++y) {
        if (y == year)
            AppendFormat(years, "<option selected value=\"%d\">%d</option>", y, y);
        else
            AppendFormat(years, "<option value=\"%d\">%d</option>", y, y);
    }
    years += "</select>";
    return years;
}

std::string MonthSelectorRow(MonthPageKind kind, int year, int month, const CTitleList& titles)
{
    const bool list = kind == MonthPageKind::List;
    const char* viewFunction = list ? "View" : "ViewTbl";
    std::string row;
    row.reserve(2048);
    AppendFormat(row, "<tr id=MonthSelector data-year=%d data-month=%d data-kind=%d>", year, month,
                 static_cast<int>(kind));
    AppendFormat(row, "<td class=MonthName align=left nowrap>%s<span class=YearOnPaper> %d</span></td>",
                 SanitizeHtml(titles.MonthName(month)).c_str(), year);
    AppendFormat(row,
                 "<td class=Step nowrap tabindex=0 role=button title=\"%s\" onclick=\"Step(-1);\">&#9664;</td>",
                 AttributeText(titles, "nav.previous").c_str());
    for (int m = 1; m <= 12; ++m) {
        if (m == month)
            AppendFormat(row, "<td class=Current nowrap aria-current=true>%d</td>", m);
        else
            AppendFormat(row, "<td class=Month nowrap tabindex=0 role=link onclick=\"%s(%d);\">%d</td>",
                         viewFunction, m, m);
    }
    AppendFormat(row, "<td class=Step nowrap tabindex=0 role=button title=\"%s\" onclick=\"Step(1);\">&#9654;</td>",
                 AttributeText(titles, "nav.next").c_str());
    AppendFormat(row, "<td class=Today nowrap tabindex=0 role=button onclick=\"Today();\">%s</td>",
                 PageTextHtml(titles, "nav.today").c_str());
    AppendFormat(row, "<td class=Switch nowrap tabindex=0 role=button onclick=\"SwitchView(%d);\">%s</td>",
                 list ? 2 : 1, PageTextHtml(titles, list ? "nav.table" : "nav.list").c_str());
    AppendFormat(row, "<td nowrap>&nbsp; %s&nbsp;%s</td></tr>", SanitizeHtml(titles.Title(kTitleYearLabel)).c_str(),
                 YearList(year).c_str());
    return row;
}

} // namespace talvoren

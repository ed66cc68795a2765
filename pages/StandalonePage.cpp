#include "pages/StandalonePage.h"

#include "base/HtmlEscape.h"
#include "base/HtmlPlainText.h"
#include "base/HtmlWhitelist.h"
#include "engine/TitleList.h"
#include "engine/TitlePositions.h"
#include "engine/YearTable.h"
#include "pages/DayPage.h"
#include "pages/MonthListPage.h"
#include "pages/MonthTablePage.h"
#include "pages/PageFormat.h"

#include <functional>
#include <regex>

namespace talvoren
{
namespace
{
constexpr int kMonthsInYear = 12;

// The look of the pages, for the screen and for paper.
const char kStyle[] =
    "body{margin:0 auto;max-width:1040px;padding:16px;background:#fff;color:#222;"
    "font-family:\"Noto Sans\",\"DejaVu Sans\",Verdana,Arial,sans-serif;font-size:14px;line-height:1.4}\n"
    "div.month{margin:0 0 28px}\n"
    "table{border-collapse:collapse}\n"
    "td{vertical-align:top}\n"
    "td.BORDER{border-bottom:1px solid #e4ddcc;padding:7px 10px}\n"
    "tr[bgcolor=\"navy\" i] td{background:#1f3a7a;color:#fff}\n"
    "tr[bgcolor=\"navy\" i] a,tr[bgcolor=\"navy\" i] td td{color:#fff}\n"
    "td[bgcolor=\"buttonFace\" i]{background:#eee9dd}\n"
    "a{color:inherit}\n"
    // The wall calendar: the day's number on a line of its own; red and navy
    // writing on a dark cell sits on a light label.
    "td[valign]{height:96px;font-size:13px;line-height:1.35}\n"
    "td[valign] font[size]{display:block;font-size:22px;font-weight:bold;line-height:1.2}\n"
    "td[bgcolor=\"Red\" i] font[color],td[bgcolor=\"PURPLE\" i] font[color],td[bgcolor=\"#006666\" i] font[color]"
    "{background:rgba(255,255,255,.94);border-radius:4px;padding:1px 4px;line-height:1.75;"
    "-webkit-box-decoration-break:clone;box-decoration-break:clone}\n"
    "td[valign] font[size]{width:fit-content;padding:0 4px}\n"
    ".year{text-align:center;color:#1f3a7a;font-weight:bold;margin:0}\n"
    ".daynum{display:inline-block;font-size:96px;font-weight:bold;color:#a61b29;line-height:1}\n"
    "@media print{body{max-width:none;padding:0}div.month{break-after:page}"
    "*{-webkit-print-color-adjust:exact;print-color-adjust:exact}}\n";

std::string LanguageOf(const std::string& code)
{
    return code.empty() ? std::string() : " lang=\"" + EscapeHtmlText(code) + "\"";
}
} // namespace

std::string CStandalonePage::Detach(const std::string& fragment, int year, bool monthLinks)
{
    using std::regex;
    const auto icase = regex::ECMAScript | regex::icase;
    // Script in the attributes of a tag: onclick="...", onchange='...'.
    static const regex handlers(R"((<[a-z][^>]*?)\s+on[a-z]+\s*=\s*("[^"]*"|'[^']*'|[^\s>]*))", icase);
    // The year list of the month list's header.
    static const regex yearList(R"(<select[^>]*>[\s\S]*?</select>)", icase);
    // The month links of the headers, "<td class=Month ...>3</td>", and the
    // month shown among them, "<td class=Current ...>12</td>".
    static const regex monthCell(R"(<td class=Month([^>]*)>(\d{1,2})</td>\n?)", icase);
    static const regex currentCell(R"(<td class=Current([^>]*)>(\d{1,2})</td>\n?)", icase);
    // The controls that only move the program's page: arrows, today, the
    // other kind of page; and what makes a cell take the keyboard's focus.
    static const regex controls(R"(<td class=(Step|Today|Switch)[^>]*>[^<]*</td>\n?)", icase);
    static const regex focusable(R"(\s+(tabindex=0|role=(link|button)))", icase);
    static const regex picture(R"(<img src='Images/(\d{1,2})\.jpg'>)", icase);
    // The hand pointer over what was a link.
    static const regex pointer(R"(cursor:hand;?)", icase);
    static const regex emptyStyle(R"(\s*style="")", icase);
    static const regex selector(R"(\s+id=(MonthSelector|cmbYear))", icase);
    // A week row of the wall calendar after the first starts without "<tr>".
    static const regex openWeek(R"(</tr>(\s*)<td)", icase);
    // The day page closes its last row twice.
    static const regex twiceClosed(R"(</tr>(\s*)</tr>(\s*)</table>)", icase);

    // One handler of each tag a pass, until none is left.
    std::string page = fragment;
    for (std::string before; before != page;) {
        before = page;
        page = std::regex_replace(before, handlers, "$1");
    }
    page = std::regex_replace(page, yearList, std::to_string(year));
    page = std::regex_replace(page, monthCell, monthLinks ? "<td$1><a href=\"#month-$2\">$2</a></td>\n" : std::string());
    page = std::regex_replace(page, currentCell, monthLinks ? "<td$1><b>$2</b></td>\n" : std::string());
    page = std::regex_replace(page, controls, "");
    page = std::regex_replace(page, focusable, "");
    page = std::regex_replace(page, picture, "<span class=\"daynum\">$1</span>");
    page = std::regex_replace(page, selector, "");
    page = std::regex_replace(page, openWeek, "</tr>$1<tr height=100><td");
    page = std::regex_replace(page, twiceClosed, "</tr>$1$2</table>");
    page = std::regex_replace(page, pointer, "");
    page = std::regex_replace(page, emptyStyle, "");
    return page;
}

std::string CStandalonePage::Document(const std::string& title, const std::string& body) const
{
    std::string page = "<!DOCTYPE html>\n<html" + LanguageOf(m_strLanguageCode) +
                       ">\n<head>\n<meta charset=\"utf-8\">\n<meta name=\"viewport\" "
                       "content=\"width=device-width, initial-scale=1\">\n<title>" +
                       EscapeHtmlText(title) + "</title>\n<style>\n" + kStyle + "</style>\n</head>\n<body>\n";
    page += body;
    page += "</body>\n</html>\n";
    return page;
}

std::string CStandalonePage::Months(int month, const std::function<std::string(int, int)>& render) const
{
    std::string body;
    for (int m = month == 0 ? 1 : month; m <= (month == 0 ? kMonthsInYear : month); ++m) {
        const MONTHRANGE range = m_year.MonthRange(m);
        AppendFormat(body, "<div class=\"month\" id=\"month-%d\">\n", m);
        body += Detach(render(range.nFirst, range.nEnd), m_year.nYear, month == 0);
        body += "\n</div>\n";
    }
    const std::string& name = month == 0 ? m_titles.Title(kTitleYearLabel) : m_titles.MonthName(month);
    return Document(HtmlToPlainText(name) + " " + std::to_string(m_year.nYear), body);
}

std::string CStandalonePage::MonthList(int month) const
{
    const CMonthListPage list(m_year, m_titles);
    return Months(month, [&list](int first, int end) { return list.Render(first, end); });
}

std::string CStandalonePage::WallCalendar(int month) const
{
    const CMonthTablePage table(m_year, m_titles);
    return Months(month, [&table](int first, int end) { return table.Render(first, end); });
}

std::string CStandalonePage::Day(int month, int day) const
{
    std::string title;
    AppendFormat(title, "%d/%d/%d", day, month, m_year.nYear);
    // The day page names the month only: the year goes above it.
    std::string body = "<p class=\"year\">" + SanitizeHtml(m_titles.Title(kTitleYearLabel)) + " " +
                       std::to_string(m_year.nYear) + "</p>\n";
    body += Detach(CDayPage(m_year, m_titles).Render(m_year.nYear, month, day), m_year.nYear, false);
    return Document(title, "<div class=\"month\">\n" + body + "\n</div>\n");
}

} // namespace talvoren

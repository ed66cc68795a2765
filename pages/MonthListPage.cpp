#include "pages/MonthListPage.h"

#include "base/HtmlWhitelist.h"
#include "engine/TitleList.h"
#include "engine/TitlePositions.h"
#include "engine/YearTable.h"
#include "lunar/LunarCalendar.h"
#include "pages/MonthSelector.h"
#include "pages/PageFormat.h"
#include "pages/RankLabel.h"
#include "pages/StaticPageTexts.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace talvoren
{
std::string CMonthListPage::ColourAbbreviation(int colour, const CTitleList& titles)
{
    return colour >= 0 && colour <= kColourBlack ? PageTextHtml(titles, "badge." + std::to_string(colour))
                                                 : std::string();
}

bool CMonthListPage::IsNoSaintCode(const std::string& code)
{
    // Item by item, so that a code matches only a whole item of the list.
    const char* item = kNoSaintList;
    for (;;) {
        const char* comma = std::strchr(item, ',');
        const std::size_t length = comma ? static_cast<std::size_t>(comma - item) : std::strlen(item);
        if (length == code.size() && code.compare(0, length, item, length) == 0)
            return true;
        if (!comma)
            return false;
        item = comma + 1;
    }
}

std::string CMonthListPage::Render(int first, int end) const
{
    const int year = m_year.nYear;
    const int month = m_year.Day(first).nMonth;
    // A month outside 1..12 (an index outside the table) has no name.
    std::string page;
    page.reserve(16384);
    page += "<table width=\"100%\" border=0 cellpadding=10 cellspacing=0>";

    // Lunar dates start from the first day of the record's month; the year
    // name of the first row is that day's lunar year.
    CLunarCalendar lunar;
    lunar.SetSolarDate(year, month, 1);
    int lunarDay = 29;
    int lunarMonth = lunar.GetLunarMonth();
    bool leapMonth = lunar.IsLeapMonth();
    std::string yearName = lunar.GetYearName();

    // Header: month name, arrows, the twelve months, today, the wall
    // calendar and the year list.
    AppendFormat(page, "<tr bgColor=Navy><td class=BORDER colspan=5 style=\"color:White;font-weight:bold\">"
                       "<table width=\"100%%\" style=\"cursor:hand;color:white;font-weight:bold\">%s</table></td></tr>",
                 MonthSelectorRow(MonthPageKind::List, year, month, m_titles).c_str());

    // Only days of the held year have records that a page may read.
    const int from = std::max(first, 0);
    const int to = std::min(end, m_year.nDaysInYear);
    std::string badges[kColourBlack + 1];
    for (int colour = 0; colour <= kColourBlack; ++colour)
        badges[colour] = ColourAbbreviation(colour, m_titles);
    std::string lunarText;
    std::string celebration;
    for (int i = from; i < to; ++i) {
        const DAYRECORD day = WhitelistedDay(m_year.Day(i));
        // A range that crosses a month's end gets a heading for each month.
        if (i > from && day.nMonth != m_year.Day(i - 1).nMonth)
            AppendFormat(page, "<tr class=MonthHeading><td class=BORDER colspan=5>%s %d</td></tr>",
                         SanitizeHtml(m_titles.MonthName(day.nMonth)).c_str(), year);

        // A lunar month has at least 29 days: only a day whose count reaches
        // 29 may begin a new month, so only such days are converted.
        ++lunarDay;
        if (lunarDay >= 29) {
            lunar.SetSolarDate(year, day.nMonth, day.nDay);
            lunarDay = lunar.GetLunarDay();
            lunarMonth = lunar.GetLunarMonth();
            leapMonth = lunar.IsLeapMonth();
        }
        // The first row and the first day of a lunar month name the month
        // (when the titles list has the lunar month names).
        lunarText.clear();
        AppendFormat(lunarText, "%d-%d", lunarDay, lunarMonth);
        const std::string lunarName = SanitizeHtml(m_titles.LunarMonthName(lunarMonth));
        if ((i == from || lunarDay == 1) && !lunarName.empty())
            lunarText += " " + lunarName;
        if (i == from)
            lunarText += " " + yearName;

        const char* background = day.nWeekday == 0 ? "#00CC00" : "White";

        celebration.clear();
        const std::string label = SanitizeHtml(RankLabelSuffix(day, m_titles));
        if (day.nRank == kRankSunday)
            AppendFormat(celebration, "<FONT COLOR=Navy>%s</FONT>", day.strCelebration.c_str());
        else if (day.nRank == kRankFeastOfLord || day.nRank == kRankSolemnity)
            AppendFormat(celebration, "<FONT COLOR=Red><b>%s%s</b></FONT>", day.strCelebration.c_str(), label.c_str());
        else
            celebration += day.strCelebration + label;
        if (!day.strReadings.empty())
            celebration += "<BR>";
        celebration += day.strReadings;

        // The first day of a lunar year. A leap month carries the number of
        // the month before it, so the first day of a leap first month is not
        // a new year.
        if (lunarMonth == 1 && lunarDay == 1 && !leapMonth) {
            background = "#FFFFCC";
            yearName = lunar.GetYearName();
            lunarText = "1-1";
            if (!lunarName.empty())
                lunarText += " " + lunarName;
            lunarText += " " + yearName;
        }

        char code[16];
        std::snprintf(code, sizeof code, "%02d%02d", day.nDay, day.nMonth);
        std::string saint;
        if (!IsNoSaintCode(code))
            AppendFormat(saint, " tabindex=0 style=\"cursor:hand;\" onclick=\"viewSaint('%s');\"", code);

        AppendFormat(page,
                     "<tr %s bgColor=%s><td class=BORDER nowrap>%s</td><td class=BORDER>%02d</td>"
                     "<td class=BORDER>%s</td><td class=BORDER tabindex=0 style=\"cursor:hand;\" onclick=\"viewBible(%d);\">%s</td>"
                     "<td class=BORDER align=RIGHT nowrap>%s</td></tr>",
                     saint.c_str(), background, SanitizeHtml(m_titles.WeekdayName(day.nWeekday)).c_str(),
                     day.nDay, day.nColour >= 0 && day.nColour <= kColourBlack ? badges[day.nColour].c_str() : "", i, celebration.c_str(), lunarText.c_str());
    }
    page += "</table>";
    return page;
}

} // namespace talvoren

#include "pages/DayPage.h"

#include "engine/LiturgicalYear.h"
#include "lunar/LunarCalendar.h"
#include "pages/PageFormat.h"

namespace talvoren
{
int CDayPage::DevotionTitle(int weekday)
{
    switch (weekday) {
    case 1:
    case 6: return 109;
    case 2:
    case 5: return 110;
    case 0:
    case 3: return 111;
    default: return 112;
    }
}

std::string CDayPage::Render(int year, int month, int day)
{
    m_year.ComputeYear(year, false);
    std::string page;
    page.reserve(2048);
    page += "<div align=center><table cellpadding=5 cellspacing=0 width=\"100%\" border=0>";
    if (m_year.GetComputedYear() != year || month < 1 || month > 12 || day < 1 || day > 31) {
        // The engine kept another year: its records would name another date.
        AppendFormat(page,
                     "<tr><td align=CENTER style=\"color:Navy\"><b>Ngày %d tháng %d năm %d</b><br><br>"
                     "Lịch chỉ tính được các năm từ %d đến %d.</td></tr></table></div>",
                     day, month, year, CLiturgicalYear::kFirstYear, CLiturgicalYear::kLastYear);
        return page;
    }
    const DAYRECORD& record = m_year.GetDay(m_year.GetDayIndex(month, day));

    AppendFormat(page,
                 "<tr><td align=CENTER style=\"font-size:12pt;color:Navy\"><b>%s</b><hr width=\"60%%\" "
                 "style=\"color:Red\"></td></tr>",
                 m_year.GetMonthNameOf(record.nMonth).c_str());
    AppendFormat(page, "<tr height=150><td align=CENTER><img src='Images/%d.jpg'></td></tr>", record.nDay);
    AppendFormat(page, "<tr><td align=CENTER style=\"font-size:16pt;color:%s\">%s</td></tr>",
                 record.nRank >= kRankSunday ? "Red" : "Navy", m_year.GetWeekdayNameOf(record.nWeekday).c_str());

    // A leap month shows like the regular month of its number.
    CLunarCalendar lunar;
    lunar.SetSolarDate(m_year.GetComputedYear(), record.nMonth, record.nDay);
    AppendFormat(page,
                 "<tr><td align=CENTER style=\"color:black\"><br><b> %d %s %s <br><hr width=\"60%%\"></b></td></tr>",
                 lunar.GetLunarDay(), m_year.GetTitle(93 + lunar.GetLunarMonth()).c_str(),
                 lunar.GetYearName().c_str());

    const bool great = record.nRank == kRankFeastOfLord || record.nRank == kRankSolemnity;
    const std::string noSuffix;
    const std::string& suffix = great ? m_year.GetTitle(106) : noSuffix;
    AppendFormat(page,
                 "<tr><td align=CENTER><b><FONT COLOR=Navy>%s. %s</FONT></b><br><br><FONT size='1' COLOR=Red>%s</FONT>"
                 "<br><br><b><FONT COLOR=Blue>%s</FONT></b></td></tr>",
                 record.strCelebration.c_str(), suffix.c_str(), record.strReadings.c_str(),
                 m_year.GetTitle(DevotionTitle(record.nWeekday)).c_str());
    page += "</tr></table></div>";
    return page;
}

} // namespace talvoren

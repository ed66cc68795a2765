#include "pages/DayPage.h"

#include "base/HtmlWhitelist.h"
#include "engine/TitleList.h"
#include "engine/TitlePositions.h"
#include "engine/YearTable.h"
#include "lunar/LunarCalendar.h"
#include "pages/PageFormat.h"
#include "pages/RankLabel.h"
#include "pages/StaticPageTexts.h"

namespace talvoren
{
namespace
{

// CSS class of the colour sample, as the main page's legend uses them.
const char* const kColourClasses[] = {"", "green", "white", "red", "violet", "rose", "black"};
static_assert(sizeof kColourClasses / sizeof kColourClasses[0] == kColourBlack + 1, "one class per colour code");

// The colour's name from the page texts ("" for none).
std::string ColourName(const CTitleList& titles, int colour)
{
    return colour > 0 && colour <= kColourBlack ? PageTextHtml(titles, "colour." + std::to_string(colour))
                                                : std::string();
}

const char* ColourClass(int colour)
{
    return colour >= 0 && colour <= kColourBlack ? kColourClasses[colour] : "";
}
}

int CDayPage::DevotionTitle(int weekday)
{
    switch (weekday) {
    case 1:
    case 6: return kTitleDevotionMondaySaturday;
    case 2:
    case 5: return kTitleDevotionTuesdayFriday;
    case 0:
    case 3: return kTitleDevotionSundayWednesday;
    default: return kTitleDevotionThursday;
    }
}

std::string CDayPage::Render(int year, int month, int day) const
{
    std::string page;
    page.reserve(2048);
    page += "<div align=center><table cellpadding=5 cellspacing=0 width=\"100%\" border=0>";
    if (m_year.nYear != year || month < 1 || month > 12 || day < 1 || day > 31) {
        // A table of another year: its records would name another date.
        const std::string text =
            FillFields(PageTextHtml(m_titles, "day.outOfRange"),
                       {{"day", std::to_string(day)}, {"month", std::to_string(month)}, {"year", std::to_string(year)},
                        {"first", std::to_string(YEARTABLE::kFirstYear)}, {"last", std::to_string(YEARTABLE::kLastYear)}});
        AppendFormat(page, "<tr><td align=CENTER style=\"color:Navy\">%s</td></tr></table></div>", text.c_str());
        return page;
    }
    const DAYRECORD record = WhitelistedDay(m_year.Day(m_year.DayIndex(month, day)));

    AppendFormat(page,
                 "<tr><td align=CENTER style=\"font-size:12pt;color:Navy\"><b>%s %d</b><hr width=\"60%%\" "
                 "style=\"color:Red\"></td></tr>",
                 SanitizeHtml(m_titles.MonthName(record.nMonth)).c_str(), m_year.nYear);
    AppendFormat(page, "<tr height=150><td align=CENTER><img src='Images/%d.jpg'></td></tr>", record.nDay);
    AppendFormat(page, "<tr><td align=CENTER style=\"font-size:16pt;color:%s\">%s</td></tr>",
                 record.nRank >= kRankSunday ? "Red" : "Navy",
                 SanitizeHtml(m_titles.WeekdayName(record.nWeekday)).c_str());

    // A leap month shows like the regular month of its number; a titles list
    // without the lunar month names gives the month by its number (the page
    // text "lunar.month"), never by the name of a civil month.
    CLunarCalendar lunar;
    lunar.SetSolarDate(m_year.nYear, record.nMonth, record.nDay);
    const std::string& lunarName = m_titles.LunarMonthName(lunar.GetLunarMonth());
    const std::string lunarMonth =
        lunarName.empty()
            ? FillFields(PageTextHtml(m_titles, "lunar.month"), {{"month", std::to_string(lunar.GetLunarMonth())}})
            : SanitizeHtml(lunarName);
    AppendFormat(page,
                 "<tr><td align=CENTER style=\"color:black\"><br><b> %d %s %s <br><hr width=\"60%%\"></b></td></tr>",
                 lunar.GetLunarDay(), lunarMonth.c_str(), lunar.GetYearName().c_str());

    const std::string label = SanitizeHtml(RankLabel(record, m_titles));
    const int index = m_year.DayIndex(month, day);
    AppendFormat(page,
                 "<tr><td align=CENTER><b><FONT COLOR=Navy>%s. %s</FONT></b><br><span class=\"DayColour\">"
                 "<span class=\"swatch %s\"></span>%s</span><br><span class=\"Readings\" tabindex=0 role=link "
                 "onclick=\"viewBible(%d);\"><FONT size='1' COLOR=Red>%s</FONT></span>"
                 "<br><br><b><FONT COLOR=Blue>%s</FONT></b></td></tr>",
                 record.strCelebration.c_str(), label.c_str(), ColourClass(record.nColour), ColourName(m_titles, record.nColour).c_str(),
                 index, record.strReadings.c_str(), SanitizeHtml(m_titles.Title(DevotionTitle(record.nWeekday))).c_str());
    page += "</tr></table></div>";
    return page;
}

std::string CDayPage::RenderToday(int year, int month, int day) const
{
    if (m_year.nYear != year || month < 1 || month > 12 || day < 1 || day > 31)
        return std::string();
    const int index = m_year.DayIndex(month, day);
    const DAYRECORD record = WhitelistedDay(m_year.Day(index));
    CLunarCalendar lunar;
    lunar.SetSolarDate(year, month, day);
    std::string panel;
    AppendFormat(panel,
                 "<div class=TodayCelebration>%s%s</div><div class=TodayFacts><span class=\"swatch %s\"></span>%s"
                 " &middot; %s %d-%d %s &middot; <span class=TodayReadings tabindex=0 role=link "
                 "onclick=\"viewBible(%d);\">%s</span></div>",
                 record.strCelebration.c_str(), SanitizeHtml(RankLabelSuffix(record, m_titles)).c_str(),
                 ColourClass(record.nColour), ColourName(m_titles, record.nColour).c_str(),
                 PageTextHtml(m_titles, "today.lunar").c_str(), lunar.GetLunarDay(), lunar.GetLunarMonth(),
                 lunar.GetYearName().c_str(), index, PageTextHtml(m_titles, "today.readings").c_str());
    return panel;
}

} // namespace talvoren

#include "shell/PageRenderers.h"

#include "pages/DayPage.h"
#include "pages/MonthListPage.h"
#include "pages/MonthTablePage.h"

namespace talvoren
{
PAGERENDERERS DefaultPageRenderers()
{
    PAGERENDERERS renderers;
    renderers.monthList = [](const YEARTABLE& year, const CTitleList& titles, int first, int end) {
        return CMonthListPage(year, titles).Render(first, end);
    };
    renderers.monthTable = [](const YEARTABLE& year, const CTitleList& titles, int first, int end) {
        return CMonthTablePage(year, titles).Render(first, end);
    };
    renderers.dayPage = [](const YEARTABLE& year, const CTitleList& titles, const CIVILDATE& date) {
        return CDayPage(year, titles).Render(date.nYear, date.nMonth, date.nDay);
    };
    renderers.todayPanel = [](const YEARTABLE& year, const CTitleList& titles, const CIVILDATE& date) {
        return CDayPage(year, titles).RenderToday(date.nYear, date.nMonth, date.nDay);
    };
    return renderers;
}

} // namespace talvoren

#include "shell/PageRenderers.h"

#include "pages/DayPage.h"
#include "pages/MonthListPage.h"
#include "pages/MonthTablePage.h"

namespace talvoren
{
PAGERENDERERS DefaultPageRenderers()
{
    PAGERENDERERS renderers;
    renderers.monthList = [](CLiturgicalYear& year, int first, int end) {
        return CMonthListPage(year).Render(first, end);
    };
    renderers.monthTable = [](CLiturgicalYear& year, int first, int end) {
        return CMonthTablePage(year).Render(first, end);
    };
    renderers.dayPage = [](CLiturgicalYear& year, const CIVILDATE& date) {
        return CDayPage(year).Render(date.nYear, date.nMonth, date.nDay);
    };
    return renderers;
}

} // namespace talvoren

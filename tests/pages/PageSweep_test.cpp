// Month lists of every month of 1800..2199, checked against facts that do
// not depend on the page: each row's lunar date is the converter's date of
// that day (the page converts only about three days a month), and Mùng Một
// Tết (the first day of a lunar year, between 21 January and 20 February)
// is marked on exactly one row per civil year, never on the first day of a
// leap first month.

#include "lunar/LunarCalendar.h"
#include "pages/MonthListPage.h"

#include "engine/YearComputation.h"
#include "tests/pages/PageTestData.h"

#include <gtest/gtest.h>

using namespace talvoren;

namespace
{
// The day rows of a month page (pieces ending with "</tr>" that hold a
// celebration cell).
std::vector<std::string> Rows(const std::string& page)
{
    std::vector<std::string> rows;
    std::size_t start = 0;
    for (std::size_t end = page.find("</tr>"); end != std::string::npos; end = page.find("</tr>", start)) {
        std::string piece = page.substr(start, end + 5 - start);
        if (piece.find("onclick=\"viewBible(") != std::string::npos)
            rows.push_back(std::move(piece));
        start = end + 5;
    }
    return rows;
}

std::string LunarText(const std::string& row)
{
    const std::string open = "<td class=BORDER align=RIGHT nowrap>";
    const std::size_t at = row.rfind(open) + open.size();
    return row.substr(at, row.find("</td>", at) - at);
}
} // namespace

TEST(PageSweep, LunarDatesAndNewYearOfEveryMonth)
{
    CPageTestData data;
    const auto language = data.Language();
    int leapFirstMonths = 0;
    for (int y = 1800; y <= 2199; ++y) {
        const YEARTABLE year = ComputeYearTable(y, CALENDARSETTINGS(), *language);
        int newYears = 0;
        for (int month = 1; month <= 12; ++month) {
            const int first = year.MonthRange(month).nFirst;
            const int end = year.MonthRange(month).nEnd;
            const std::vector<std::string> rows = Rows(CMonthListPage(year, language->Titles()).Render(first, end));
            ASSERT_EQ(rows.size(), static_cast<std::size_t>(end - first)) << y << "-" << month;
            for (int i = first; i < end; ++i) {
                const DAYRECORD& day = year.Day(i);
                const std::string where =
                    std::to_string(y) + "-" + std::to_string(day.nMonth) + "-" + std::to_string(day.nDay);
                CLunarCalendar lunar;
                ASSERT_TRUE(lunar.SetSolarDate(y, day.nMonth, day.nDay));
                const std::string& row = rows[static_cast<std::size_t>(i - first)];
                const std::string text = LunarText(row);
                ASSERT_EQ(text.substr(0, text.find(' ')),
                          std::to_string(lunar.GetLunarDay()) + "-" + std::to_string(lunar.GetLunarMonth()))
                    << where;

                const bool marked = row.find("bgColor=#FFFFCC>") != std::string::npos;
                if (lunar.GetLunarDay() == 1 && lunar.GetLunarMonth() == 1 && lunar.IsLeapMonth())
                    ++leapFirstMonths;
                if (!marked)
                    continue;
                ++newYears;
                EXPECT_TRUE((day.nMonth == 1 && day.nDay >= 21) || (day.nMonth == 2 && day.nDay <= 20)) << where;
                EXPECT_FALSE(lunar.IsLeapMonth()) << where;
                EXPECT_EQ(text, "1-1 Tháng Giêng " + lunar.GetYearName()) << where;
            }
        }
        EXPECT_EQ(newYears, 1) << y;
    }
    // The sweep reaches at least one leap first month, which must stay unmarked.
    EXPECT_GT(leapFirstMonths, 0);
}

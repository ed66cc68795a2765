// The ranks in the three pages: the month list decorates only 5, 6 and 10;
// the wall calendar puts every rank above 5 in red; the day page shows the
// weekday in red from rank 5 on. The rank label follows a solemnity ("Lễ
// trọng") or a feast and a feast of the Lord ("Lễ kính"), but not the days of
// the Easter octave; the day page keeps its ". " without one. Days of 2008 in
// the test language.

#include "pages/DayPage.h"
#include "pages/MonthListPage.h"
#include "pages/MonthTablePage.h"

#include "tests/pages/PageTestData.h"

#include <gtest/gtest.h>

using namespace talvoren;

TEST(RankForms, InTheThreePages)
{
    const struct {
        int month, day, rank;
        const char* celebration;
        const char* list;      // celebration cell before "<BR>" and the readings
        const char* table;     // cell text after the day number
        const char* weekday;   // the day page's weekday line colour
        const char* dayLine;   // the day page's navy line
    } cases[] = {
        {3, 9, 5, "Chúa Nhật V Mùa Chay", "<FONT COLOR=Navy>Chúa Nhật V Mùa Chay</FONT>",
         "<FONT COLOR=Navy>Chúa Nhật V Mùa Chay</FONT>", "Red", "Chúa Nhật V Mùa Chay. "},
        {2, 2, 6, "Dâng Chúa Vào Đền Thánh", "<FONT COLOR=Red><b>Dâng Chúa Vào Đền Thánh. Lễ kính</b></FONT>",
         "<FONT COLOR=Red><b>Dâng Chúa Vào Đền Thánh. Lễ kính</b></FONT>", "Red", "Dâng Chúa Vào Đền Thánh. Lễ kính"},
        {2, 6, 7, "T14", "T14", "<FONT COLOR=Red><b>T14</b></FONT>", "Red", "T14. "},
        {3, 17, 8, "T19", "T19", "<FONT COLOR=Red><b>T19</b></FONT>", "Red", "T19. "},
        {3, 21, 9, "T23", "T23", "<FONT COLOR=Red><b>T23</b></FONT>", "Red", "T23. "},
        {3, 23, 10, "T25", "<FONT COLOR=Red><b>T25. Lễ trọng</b></FONT>", "<FONT COLOR=Red><b>T25. Lễ trọng</b></FONT>",
         "Red", "T25. Lễ trọng"},
        {3, 24, 10, "T26", "<FONT COLOR=Red><b>T26</b></FONT>", "<FONT COLOR=Red><b>T26</b></FONT>", "Red", "T26. "},
        {2, 22, 4, "Lập Tông Tòa Thánh Phêrô", "Lập Tông Tòa Thánh Phêrô. Lễ kính", "Lập Tông Tòa Thánh Phêrô. Lễ kính",
         "Navy", "Lập Tông Tòa Thánh Phêrô. Lễ kính"},
        {1, 2, 3, "Thánh Basiliô và Thánh Grêgôriô", "Thánh Basiliô và Thánh Grêgôriô",
         "Thánh Basiliô và Thánh Grêgôriô", "Navy", "Thánh Basiliô và Thánh Grêgôriô. "},
    };
    CPageTestData data;
    const YEARTABLE year = data.Year(2008);
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.month) + "-" + std::to_string(c.day));
        const int index = year.DayIndex(c.month, c.day);
        const DAYRECORD& record = year.Day(index);
        ASSERT_EQ(record.nRank, c.rank);   // the test data gives the day this rank
        ASSERT_EQ(record.strCelebration, c.celebration);
        ASSERT_FALSE(record.strReadings.empty());

        const int first = year.MonthRange(c.month).nFirst;
        const int end = year.MonthRange(c.month).nEnd;
        const std::string list = CMonthListPage(year, data.Titles()).Render(first, end);
        EXPECT_NE(list.find("onclick=\"viewBible(" + std::to_string(index) + ");\">" + c.list + "<BR>" +
                            record.strReadings + "</td>"),
                  std::string::npos)
            << "month list";

        const std::string table = CMonthTablePage(year, data.Titles()).Render(first, end);
        EXPECT_NE(table.find("onclick=\"viewBible(" + std::to_string(index) + ");\">" + c.table + "</div>"),
                  std::string::npos)
            << "table";

        const std::string day = CDayPage(year, data.Titles()).Render(2008, c.month, c.day);
        EXPECT_NE(day.find(std::string("style=\"font-size:16pt;color:") + c.weekday + "\">"), std::string::npos)
            << "day page weekday";
        EXPECT_NE(day.find(std::string("<b><FONT COLOR=Navy>") + c.dayLine + "</FONT></b>"), std::string::npos)
            << "day page celebration";
    }
}

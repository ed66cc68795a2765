// The day page against golden files, its devotions and lunar line, and a
// date that the table's year does not hold.

#include "pages/DayPage.h"

#include "base/CivilDate.h"
#include "tests/pages/PageTestData.h"

#include <gtest/gtest.h>

using namespace talvoren;

TEST(DayPage, GoldenPages)
{
    const struct {
        const char* golden;
        int year, month, day;
    } cases[] = {
        {"day-2002-02-07.html", 2002, 2, 7},     // a Thursday: navy weekday, devotion 112, empty readings
        {"day-2002-02-10.html", 2002, 2, 10},    // a Sunday: red weekday, no suffix, devotion 111
        {"day-2002-12-25.html", 2002, 12, 25},   // a solemnity on a Wednesday: red weekday and the suffix
    };
    CPageTestData data;
    const YEARTABLE year = data.Year(2002);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.golden);
        ExpectSamePage(CDayPage(year, data.Titles()).Render(c.year, c.month, c.day), CPageTestData::Golden(c.golden));
    }
    EXPECT_TRUE(data.Messages().Messages().empty());
}

TEST(DayPage, DevotionOfEachWeekday)
{
    const int expected[] = {111, 109, 110, 111, 112, 110, 109};   // Sunday .. Saturday
    for (int weekday = 0; weekday < 7; ++weekday)
        EXPECT_EQ(CDayPage::DevotionTitle(weekday), expected[weekday]) << weekday;
    EXPECT_EQ(CDayPage::DevotionTitle(7), 112);
    EXPECT_EQ(CDayPage::DevotionTitle(-1), 112);
}

TEST(DayPage, DevotionsShownFromMondayToSaturday)
{
    // 4 to 9 February 2002, Monday to Saturday.
    const char* devotions[] = {"Sự Vui", "Sự Thương", "Sự Mừng", "Sự Sáng", "Sự Thương", "Sự Vui"};
    CPageTestData data;
    const YEARTABLE year = data.Year(2002);
    for (int n = 0; n < 6; ++n) {
        const std::string page = CDayPage(year, data.Titles()).Render(2002, 2, 4 + n);
        EXPECT_NE(page.find(std::string("<b><FONT COLOR=Blue>") + devotions[n] + "</FONT></b>"), std::string::npos)
            << 4 + n;
    }
}

TEST(DayPage, LunarLineOnTheFirstDayOfTheLunarYear)
{
    CPageTestData data;
    const std::string page = CDayPage(data.Year(2002), data.Titles()).Render(2002, 2, 12);
    EXPECT_NE(page.find("<br><b> 1 Tháng Giêng Nh&#226;m Ng&#7885; <br><hr width=\"60%\"></b>"), std::string::npos);
    EXPECT_NE(page.find("<img src='Images/12.jpg'>"), std::string::npos);
}

// The lunar month by its name, "Tháng Chạp" for the twelfth; a titles list
// without the lunar names (an older folder) gives the civil month's name.
TEST(DayPage, LunarMonthNames)
{
    CPageTestData data;
    const YEARTABLE year = data.Year(2002);
    EXPECT_NE(CDayPage(year, data.Titles()).Render(2002, 2, 10).find("<b> 29 Tháng Chạp T&#226;n T&#7925; "),
              std::string::npos);
    std::vector<std::string> titles;
    for (int n = 0; n < 122; ++n)
        titles.push_back(data.Titles().Title(n));
    const CTitleList older(titles, true);
    EXPECT_NE(CDayPage(year, older).Render(2002, 2, 10).find("<b> 29 Tháng 12 T&#226;n T&#7925; "),
              std::string::npos);
}

TEST(DayPage, NewYearsDayAndTheYearBefore)
{
    CPageTestData data;
    // The day after 31 December 2002, as the dialog's Next gives it.
    const std::string page = CDayPage(data.Year(2003), data.Titles()).Render(2003, 1, 1);
    EXPECT_NE(page.find("<b>Tháng Giêng 2003</b>"), std::string::npos);
    EXPECT_NE(page.find("<img src='Images/1.jpg'>"), std::string::npos);
    EXPECT_NE(page.find("color:Red\">Thứ Tư</td>"), std::string::npos);   // a solemnity on a Wednesday
    EXPECT_NE(page.find("<FONT COLOR=Navy>Thánh Maria, Mẹ Thiên Chúa. Lễ trọng</FONT>"), std::string::npos);
    // And back: 31 December 2002 (Tuesday, 28th of the eleventh lunar month).
    const std::string back = CDayPage(data.Year(2002), data.Titles()).Render(2002, 12, 31);
    EXPECT_NE(back.find(" 28 Tháng Mười Một Nh&#226;m Ng&#7885; "), std::string::npos);
}

// A date of another year than the table's (such as one the engine cannot
// compute) says so instead of showing another year's day.
TEST(DayPage, DateOfAnotherYearSaysSoInsteadOfAnotherDay)
{
    CPageTestData data;
    const YEARTABLE last = data.Year(9999);
    for (const CIVILDATE& date : {CIVILDATE{10000, 1, 1}, CIVILDATE{2003, 1, 1}}) {
        const std::string page = CDayPage(last, data.Titles()).Render(date.nYear, date.nMonth, date.nDay);
        EXPECT_EQ(page.find("Images/"), std::string::npos);
        EXPECT_NE(page.find("Ngày 1 tháng 1 năm " + std::to_string(date.nYear)), std::string::npos);
        EXPECT_NE(page.find("1583"), std::string::npos);
        EXPECT_NE(page.find("9999"), std::string::npos);
        EXPECT_EQ(page.substr(0, 6), "<div a");
        EXPECT_EQ(page.substr(page.size() - 6), "</div>");
    }
}

#include "shell/StatusDescription.h"

#include "engine/YearTable.h"

#include <gtest/gtest.h>

using namespace talvoren;

// What the status bar says over each kind of link, in both languages; a
// text that is no hover text is left to the caller.
TEST(StatusDescription, SaysWhatALinkDoes)
{
    YEARTABLE year;
    year.nYear = 2026;
    year.nDaysInYear = 365;
    year.days[341].nMonth = 12;   // 8 December
    year.days[341].nDay = 8;
    struct Case { const char* text; bool vietnamese; const char* shown; bool hover; };
    const Case cases[] = {
        {"talvorenhover|viewBible|341", true, "Bài đọc ngày 8/12", true},
        {"talvorenhover|viewBible|341", false, "Readings of 8/12", true},
        {"talvorenhover|viewday|341", true, "Trang ngày 8/12", true},
        {"talvorenhover|saint|0812", false, "Saints of 8/12", true},
        {"talvorenhover|view|3", false, "Month list of 3/2026", true},
        {"talvorenhover|viewtbl|3", true, "Lịch treo tường tháng 3/2026", true},
        {"talvorenhover|step|-1", true, "Tháng trước", true},
        {"talvorenhover|switchview|2", false, "Show as a wall calendar", true},
        {"talvorenhover|viewBible|365", true, "", true},      // beyond the year
        {"talvorenhover|view|13", true, "", true},
        {"talvorenhover|frobnicate|1", true, "", true},
        {"talvorenhover|view", true, "", true},
        {"talvorencommand|viewBible|341", true, "", false},   // a command, not a hover text
        {"", true, "", false},
    };
    for (const Case& c : cases) {
        bool hover = false;
        EXPECT_EQ(DescribeHover(c.text, year, c.vietnamese, &hover), c.shown) << c.text;
        EXPECT_EQ(hover, c.hover) << c.text;
    }
}

TEST(StatusDescription, VietnameseForTheFolderVietnamOnly)
{
    struct Case { const char* folder; bool vietnamese; };
    const Case cases[] = {{"/opt/cal/Vietnam/", true}, {"/opt/cal/vietnam", true}, {"/opt/cal/English/", false},
                          {"/opt/Vietnam/French/", false}, {"", false}};
    for (const Case& c : cases)
        EXPECT_EQ(IsVietnameseFolder(c.folder), c.vietnamese) << c.folder;
}

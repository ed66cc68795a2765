// The saint table that Calendar.htm shows: the feast lines the engine uses,
// by date, as script text.

#include "pages/SaintTable.h"

#include <gtest/gtest.h>

using namespace talvoren;

TEST(SaintTable, LinesByDateInCalendarAndFileOrder)
{
    const std::vector<std::string> lines = {
        "25 12 S W Giáng Sinh\tIs 9:1-6; Lc 2:1-14",
        "2 1 M W Thánh Basiliô",
        "2 1 O R Thánh Khác",            // same date: kept after the first, in file order
        "13 1 x g <i>chữ thường</i>",    // lower-case letters: rank 2, colour 0
        "32 1 M W ngày sai",             // not a date: skipped
        "3 1 M",                         // fewer than four fields: skipped
        "4 7 M W Nói \"xin chào\" \\ nhé",
    };
    const std::string expected = "var SAINTS = {\n"
                                 "\"0201\": [[3, 2, \"Thánh Basiliô\", \"\"], [2, 3, \"Thánh Khác\", \"\"]],\n"
                                 "\"1301\": [[2, 0, \"<i>chữ thường<\\/i>\", \"\"]],\n"
                                 "\"0407\": [[3, 2, \"Nói \\\"xin chào\\\" \\\\ nhé\", \"\"]],\n"
                                 "\"2512\": [[10, 2, \"Giáng Sinh\", \"Is 9:1-6; Lc 2:1-14\"]]\n"
                                 "};\n";
    EXPECT_EQ(SaintTableScript(lines), expected);
}

TEST(SaintTable, EmptyFeastFileGivesAnEmptyTable)
{
    EXPECT_EQ(SaintTableScript(std::vector<std::string>()), "var SAINTS = {\n};\n");
    EXPECT_EQ(SaintTableScript({"31 2"}), "var SAINTS = {\n};\n");
}

#include "shell/PageSetup.h"

#include <gtest/gtest.h>

using namespace talvoren;

TEST(PageSetupText, ExpandsTheCodes)
{
    PAGESETUPFIELDS fields;
    fields.strTitle = "Talvoren";
    fields.strUrl = "file:///x/Calendar.htm";
    fields.strDate = "12/02/2002";
    fields.nPage = 2;
    fields.nPages = 5;
    struct Case { const char* format; const char* left; const char* centre; const char* right; };
    const Case cases[] = {
        {"Sorvane Liturgical Calendar", "Sorvane Liturgical Calendar", "", ""},
        {"Page &p of &P", "Page 2 of 5", "", ""},
        {"&w&bPage &p of &P", "Talvoren", "", "Page 2 of 5"},
        {"&u&b&d", "file:///x/Calendar.htm", "", "12/02/2002"},
        {"a&bb&bc", "a", "b", "c"},
        {"a&bb&bc&bd", "a", "b", "cd"},
        {"R&&D &q", "R&D &q", "", ""},
        {"trailing &", "trailing &", "", ""},
        {"", "", "", ""},
    };
    for (const Case& c : cases) {
        const PAGESETUPLINE line = ExpandPageSetupText(c.format, fields);
        EXPECT_EQ(line.strLeft, c.left) << c.format;
        EXPECT_EQ(line.strCentre, c.centre) << c.format;
        EXPECT_EQ(line.strRight, c.right) << c.format;
    }
}

// The fields of the static pages filled from a folder's page texts.

#include "engine/TitleList.h"
#include "pages/StaticPageTexts.h"

#include <gtest/gtest.h>

#include <string>

using namespace talvoren;

TEST(StaticPageTexts, FieldsAreFilledSafelyForTheirPlace)
{
    CTitleList titles;
    titles.SetPageTexts(CPageTexts::FromLines({
        "t = A <b>B</b><script>alert(1)</script> [icon 32779] [icon x]",
        "q = Say \"hi\" <i>now</i>",
        "s = it's \"q\"",
        "not a line",
    }));
    const struct {
        const char* page;
        const char* filled;
    } cases[] = {
        {"<p>{{t}}</p>", "<p>A <b>B</b> <img class=\"tb\" src=\"Images/tb32779.png\" alt=\"\"> [icon x]</p>"},
        {"<a title=\"{{attr:q}}\">", "<a title=\"Say &quot;hi&quot; now\">"},
        {"var s = {{js:s}};", "var s = \"it's \\\"q\\\"\";"},
        {"[{{nothing}}] {{unclosed", "[] {{unclosed"},
        {"{{button.close}}", "Đóng ✕"},   // a text the folder lacks: the built-in one
    };
    for (const auto& test : cases)
        EXPECT_EQ(FillPageTexts(test.page, titles), test.filled) << test.page;
    EXPECT_EQ(FillFields("{day} {month} {day} {x}", {{"day", "3"}, {"month", "12"}}), "3 12 3 {x}");
}

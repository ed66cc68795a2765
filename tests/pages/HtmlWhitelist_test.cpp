// The HTML whitelist of data texts, and the pages that insert data texts
// through it: nothing from a language file can run script in a page.

#include "base/HtmlWhitelist.h"
#include "pages/DayPage.h"
#include "pages/MonthListPage.h"
#include "pages/MonthTablePage.h"
#include "pages/SaintTable.h"

#include "tests/pages/PageTestData.h"

#include <gtest/gtest.h>

using namespace talvoren;

TEST(HtmlWhitelist, KeepsTheFewTagsAndTheTextAndDropsTheRest)
{
    const struct {
        const char* html;
        const char* kept;
    } cases[] = {
        // Text and character references as they stand.
        {"Thánh Giuse, bạn trăm năm Đức Maria", "Thánh Giuse, bạn trăm năm Đức Maria"},
        {"R&amp;D &lt;b&gt; &#272; a > b", "R&amp;D &lt;b&gt; &#272; a > b"},
        // A user's note escaped as plain text passes unchanged.
        {"&lt;!-- the rest of the month", "&lt;!-- the rest of the month"},
        {"&lt;img src=x onerror=alert(1)&gt; &amp; javascript:alert(1)",
         "&lt;img src=x onerror=alert(1)&gt; &amp; javascript:alert(1)"},
        {"", ""},
        // The tags of the data, kept as written.
        {"Is 7:10-14<br>Rm 1:1-7<BR>", "Is 7:10-14<br>Rm 1:1-7<BR>"},
        {"<b>b</b><i>i</i><sub>7</sub><sup>2</sup><p>p</p><br/>", "<b>b</b><i>i</i><sub>7</sub><sup>2</sup><p>p</p><br/>"},
        {"<FONT COLOR=Navy>x</FONT><font color='#C00000'>y</font>", "<FONT COLOR=Navy>x</FONT><font color='#C00000'>y</font>"},
        {"<span class=\"rubric note-2\">x</span>", "<span class=\"rubric note-2\">x</span>"},
        // Other attributes go; the tag is written anew.
        {"<b onclick=\"alert(1)\">x</b>", "<b>x</b>"},
        {"<font color=red onmouseover=alert(1)>x</font>", "<font color=\"red\">x</font>"},
        {"<span class=a style=\"color:red\">x</span>", "<span class=\"a\">x</span>"},
        {"<p align=center class=x>x</P >", "<p>x</P >"},
        {"<b/onclick=alert(1)>x", "<b>x"},
        {"<span class=\"a\"onclick=\"alert(1)\">", "<span class=\"a\">"},
        {"<span class='x' class='y'>", "<span class=\"x\">"},
        {"<font color=\"javascript:alert(1)\">x", "<font>x"},
        {"<font color=\"&#106;avascript\">x", "<font>x"},
        {"<span class=\"a\" ONLOAD=alert(1)>", "<span class=\"a\">"},
        {"</b onclick=x>", "</b>"},
        // Other elements go; their text stays, except where the browser
        // reads it as no markup.
        {"<img src=x onerror=alert(1)>", ""},
        {"a<script>alert(1)</script>b", "ab"},
        {"a<SCRIPT type=x>alert('</b>')</SCRIPT >b", "ab"},
        {"a<script>alert(1)", "a"},
        {"a<scriptx>b</scriptx>", "ab"},
        {"a<style>b{}</style>c<title>t</title><textarea><b>x</b></textarea>d", "acd"},
        {"<iframe src=\"javascript:alert(1)\"><b>x</b></iframe>y", "y"},
        {"<object data=x.swf>fallback</object>", "fallback"},
        {"<a href=\"javascript:alert(1)\">link</a>", "link"},
        {"<svg onload=alert(1)><body onload=alert(1)>x", "x"},
        {"<b title=\">\"><img src=x onerror=alert(1)>\">x", "<b>\">x"},
        {"x<b onclick='alert(1)", "x"},
        // Comments and declarations.
        {"a<!-- <script>alert(1)</script> -->b", "ab"},
        {"a<!-->b<!--->c<!-- x --!>d", "abcd"},
        {"a<!-- never closed <b>", "a"},
        {"<!DOCTYPE html>a<?xml version=\"1.0\"?>b<![CDATA[x]]>c", "abc"},
        {"a</ 3>b</>c", "abc"},
        // A "<" that opens no tag, written so that nothing can join it.
        {"1 < 2 and 3 <4", "1 &lt; 2 and 3 &lt;4"},
        {"<<img src=x onerror=alert(1)>", "&lt;"},
        {"<<x>img src=x onerror=alert(1)>", "&lt;img src=x onerror=alert(1)>"},
        {"a<", "a&lt;"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SanitizeHtml(c.html), c.kept) << c.html;
}

// A celebration, readings and titles that try to run script, in the three
// pages and the saint table: what the whitelist keeps is there, nothing else.
TEST(HtmlWhitelist, PagesInsertTheDataTextsThroughIt)
{
    const std::string hostile = "<img src=x onerror=\"alert(1)\"><b onload=\"alert(2)\">kept</b>"
                                "<a href=\"javascript:alert(3)\">link</a><script>alert(4)</script>";
    CPageTestData data;
    YEARTABLE year = data.Year(2008);
    const int index = year.DayIndex(3, 23);   // Easter Sunday: the rank suffix too
    year.days[index].strCelebration = hostile;
    year.days[index].strReadings = hostile;
    const CTitleList titles(std::vector<std::string>(200, hostile), true);
    const MONTHRANGE march = year.MonthRange(3);
    const std::string pages[] = {
        CMonthListPage(year, titles).Render(march.nFirst, march.nEnd),
        CMonthTablePage(year, titles).Render(march.nFirst, march.nEnd),
        CDayPage(year, titles).Render(2008, 3, 23),
        SaintTableScript({"23 3 S W " + hostile + "\t" + hostile}),
    };
    for (const std::string& page : pages) {
        for (const char* banned : {"onerror", "onload", "javascript:", "<script", "<img src=x", "<a "})
            EXPECT_EQ(page.find(banned), std::string::npos) << banned << " in " << page.substr(0, 300);
        EXPECT_NE(page.find("kept"), std::string::npos);
    }
    EXPECT_NE(pages[0].find("<b>kept</b>link"), std::string::npos);
}

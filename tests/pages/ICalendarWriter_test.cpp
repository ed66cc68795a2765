// The pieces of the iCalendar export that a calendar program is strictest
// about: text values escaped, long lines folded at 75 octets without cutting
// a UTF-8 sequence, and data HTML turned into plain text. The whole export
// is read back by a real parser in tests/export.

#include "base/HtmlPlainText.h"
#include "pages/ICalendarWriter.h"

#include <gtest/gtest.h>

using namespace talvoren;

TEST(ICalendarWriter, TextIsEscaped)
{
    const std::pair<const char*, const char*> cases[] = {
        {"Is 7:10-14; Rm 1:1-7", "Is 7:10-14\\; Rm 1:1-7"},
        {"a,b\\c", "a\\,b\\\\c"},
        {"one\ntwo\r\nthree\rfour", "one\\ntwo\\nthree\\nfour"},
        {"", ""},
    };
    for (const auto& [text, escaped] : cases)
        EXPECT_EQ(CICalendarWriter::EscapeText(text), escaped) << text;
}

TEST(ICalendarWriter, LinesAreFoldedAt75OctetsBetweenCharacters)
{
    // "ữ" is three octets: with 74 ASCII octets before it, it does not fit on
    // the first line and moves whole to the next.
    const std::string ascii74(74, 'a');
    const std::string ascii75(75, 'a');
    struct CASE { std::string line, folded; };
    const CASE cases[] = {
        {ascii75, ascii75 + "\r\n"},
        {ascii75 + "b", ascii75 + "\r\n b\r\n"},
        {ascii74 + "ữ", ascii74 + "\r\n ữ\r\n"},
        {ascii75 + std::string(74, 'c') + "d", ascii75 + "\r\n " + std::string(74, 'c') + "\r\n d\r\n"},
    };
    for (const CASE& c : cases) {
        const std::string folded = CICalendarWriter::FoldLine(c.line);
        EXPECT_EQ(folded, c.folded) << c.line;
        for (std::size_t start = 0, end; (end = folded.find("\r\n", start)) != std::string::npos; start = end + 2)
            EXPECT_LE(end - start, 75u) << c.line;
    }
}

TEST(ICalendarWriter, DataHtmlBecomesPlainText)
{
    const std::pair<const char*, const char*> cases[] = {
        {"<FONT COLOR=Red><b>Giáng Sinh</b></FONT>", "Giáng Sinh"},
        {"Is 9:1-6<br>Thánh vịnh tuần I<BR >  <br/>note", "Is 9:1-6\nThánh vịnh tuần I\nnote"},
        {"B&#237;nh Ng&#x1ECD; &amp; a&nbsp;&nbsp;b &unknown; 1 &lt; 2", "Bính Ngọ & a b &unknown; 1 < 2"},
        {"x<script>alert(1)</script>y", "xy"},
        {"  spaced \t out  ", "spaced out"},
        {"a&#10;b&#13;c&#9;d", "a b c d"},   // a line end by reference is white space
    };
    for (const auto& [html, text] : cases)
        EXPECT_EQ(HtmlToPlainText(html), text) << html;
}

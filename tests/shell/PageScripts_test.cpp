#include "base/PageScripts.h"
#include "resources/ResourceIds.h"
#include "resources/StringTable.h"

#include <gtest/gtest.h>

using namespace talvoren;

TEST(PageScripts, OpenWinDoublesBackslashes)
{
    struct Case { const char* folder; const char* page; const char* script; };
    const Case cases[] = {
        {"/opt/cal", "print.htm", "OpenWin('/opt/cal/Html/print.htm')"},
        {"/opt/cal/", "calendar.htm", "OpenWin('/opt/cal/Html/calendar.htm')"},
        {"D:\\Cal", "print.htm", "OpenWin('D:\\\\Cal/Html/print.htm')"},
        {"/A\\B", "calendar.htm", "OpenWin('/A\\\\B/Html/calendar.htm')"},
        {"/home/o'neil", "print.htm", "OpenWin('/home/o\\'neil/Html/print.htm')"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(MakeOpenWinScript(c.folder, c.page), c.script) << c.folder;
}

TEST(PageScripts, StringLiterals)
{
    struct Case { const char* text; const char* literal; };
    const Case cases[] = {
        {"", "\"\""},
        {"<b class=\"x\">Chúa</b>", "\"<b class=\\\"x\\\">Chúa</b>\""},
        {"a\\b\nc\r\td", "\"a\\\\b\\nc\\r\\td\""},
        {"\x01", "\"\\x01\""},
        {"x\xE2\x80\xA8y\xE2\x80\xA9z", "\"x\\u2028y\\u2029z\""},
        {"</script>", "\"</script>\""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(JavaScriptStringLiteral(c.text), c.literal) << c.text;
}

TEST(StringTable, PromptsAndTooltips)
{
    EXPECT_EQ(CommandPrompt(ID_MONTH), "Litugical Calendar for this month");
    EXPECT_EQ(CommandTooltip(ID_PRINT_PAGE), "Print ");
    EXPECT_EQ(CommandPrompt(ID_EDIT_COPY), "Copy the selection and put it on the Clipboard");
    EXPECT_EQ(CommandTooltip(ID_EDIT_COPY), "Copy");
    EXPECT_EQ(CommandTooltip(ID_APP_ABOUT), "About");
    EXPECT_EQ(CommandTooltip(ID_APPENDIX), "Phu Luc ");
    EXPECT_EQ(LoadResourceString(AFX_IDS_IDLEMESSAGE), "Ready");
    EXPECT_EQ(LoadResourceString(ID_INDICATOR_SCRL), "SCRL");
    EXPECT_EQ(CommandTooltip(ID_INDICATOR_CAPS), "CAP");   // no line feed: the whole string
    EXPECT_EQ(LoadResourceString(4242), "");
}

#include "shell/CommandAddress.h"

#include <gtest/gtest.h>

using namespace talvoren;

TEST(CommandAddress, TableOfAddresses)
{
    struct Case {
        const char* text;
        bool isCommand;
        CommandWord word;
        bool hasArgument;
        int argument;
        bool shown;
    };
    const Case cases[] = {
        {"talvorencommand|view|3", true, CommandWord::View, true, 3, true},
        {"TalvorenCommand|view|3", false, CommandWord::None, false, 0, true},     // prefix is case-sensitive
        {"talvorencommand|VIEW|3", true, CommandWord::View, true, 3, true},       // the word is not
        {"talvorencommand|view", true, CommandWord::View, false, 0, false},       // no argument field
        {"talvorencommand|view|", true, CommandWord::View, true, 0, true},        // empty argument reads 0
        {"talvorencommand|view|3x", true, CommandWord::View, true, 3, true},
        {"talvorencommand|view|13", true, CommandWord::View, true, 13, true},
        {"talvorencommand|view|  7", true, CommandWord::View, true, 7, true},     // leading blanks skipped
        {"talvorencommand|view|-2", true, CommandWord::View, true, -2, true},
        {"talvorencommand|view|x3", true, CommandWord::View, true, 0, true},
        {"talvorencommand|view|4|9", true, CommandWord::View, true, 4, true},     // later fields ignored
        {"talvorencommand|viewtbl|11", true, CommandWord::ViewTable, true, 11, true},
        {"talvorencommand|ViewTbl|11", true, CommandWord::ViewTable, true, 11, true},
        {"talvorencommand|viewBible|45", true, CommandWord::ViewBible, true, 45, true},
        {"talvorencommand|VIEWBIBLE|45", true, CommandWord::ViewBible, true, 45, true},
        {"talvorencommand|yearchange|2003", true, CommandWord::YearChange, true, 2003, true},
        {"talvorencommand|deleteref|8", true, CommandWord::DeleteRef, true, 8, true},
        {"talvorencommand|deleteref", true, CommandWord::DeleteRef, false, 0, false},
        {"talvorencommand|frobnicate|1", true, CommandWord::Unknown, false, 0, true},
        {"talvorencommand|frobnicate", true, CommandWord::Unknown, false, 0, true},
        {"talvorencommand|", true, CommandWord::Unknown, false, 0, true},         // empty word
        {"talvorencommand|views|3", true, CommandWord::Unknown, false, 0, true},  // whole word only
        {"talvorencommand|vie|3", true, CommandWord::Unknown, false, 0, true},
        {"open talvorencommand|view|5", true, CommandWord::View, true, 5, true},  // prefix in the middle
        {"file:///opt/talvoren/Html/Calendar.htm", false, CommandWord::None, false, 0, true},
        {"", false, CommandWord::None, false, 0, true},
        {"talvorencommand", false, CommandWord::None, false, 0, true},            // no bar: no prefix
    };
    for (const Case& c : cases) {
        const COMMANDADDRESS address = ParseCommandAddress(c.text);
        EXPECT_EQ(address.bIsCommand, c.isCommand) << c.text;
        EXPECT_EQ(address.word, c.word) << c.text;
        EXPECT_EQ(address.bHasArgument, c.hasArgument) << c.text;
        EXPECT_EQ(address.nArgument, c.argument) << c.text;
        EXPECT_EQ(address.bShowInStatusBar, c.shown) << c.text;
    }
}

TEST(CommandAddress, FieldZeroIsTheTextBeforeTheFirstBar)
{
    EXPECT_EQ(ParseCommandAddress("open talvorencommand|view|5").strField0, "open talvorencommand");
    EXPECT_EQ(ParseCommandAddress("a|talvorencommand|view|5").strField0, "a");
    // There field 1 is "talvorencommand", which is no command word.
    EXPECT_EQ(ParseCommandAddress("a|talvorencommand|view|5").word, CommandWord::Unknown);
}

TEST(CommandAddress, LongArgumentsAreReadFromTheirFirstBytesOnly)
{
    // 19 digits fit the buffer; the value is clamped to the 32-bit range.
    EXPECT_EQ(ParseCommandAddress("talvorencommand|view|99999999999999999999999").nArgument, 2147483647);
    // A number that starts after 19 blanks is cut off: it reads as 0.
    EXPECT_EQ(ParseCommandAddress("talvorencommand|view|                   5").nArgument, 0);
    // Non-ASCII text stops the reading like any other non-digit.
    EXPECT_EQ(ParseCommandAddress("talvorencommand|view|4ư").nArgument, 4);
}

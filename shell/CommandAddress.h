#pragma once
// Command addresses that pages send through the browser's status text, such
// as "talvorencommand|view|3": the prefix, a command word and an argument,
// separated by bars.

#include <string>

namespace talvoren
{
// The words of the command channel. `Unknown` is a command address whose word
// is none of them.
enum class CommandWord { None, View, ViewTable, ViewBible, YearChange, DeleteRef, Step, Today, SwitchView, ViewDay,
                         Unknown };

// The prefix that marks a status text as a command address.
inline constexpr const char kCommandPrefix[] = "talvorencommand|";

struct COMMANDADDRESS
{
    bool bIsCommand = false;              // the text holds kCommandPrefix
    CommandWord word = CommandWord::None; // None when bIsCommand is false
    std::string strField0;                // the text before the first bar
    std::string strWord;                  // field 1 as written
    bool bHasArgument = false;            // field 2 exists
    int nArgument = 0;                    // field 2 read as a number
    bool bShowInStatusBar = true;         // false only for a known word without field 2
};

// Parses a status text. Given any text; returns what it asks for. A text
// without the prefix (a plain, case-sensitive substring search) is no command;
// otherwise the text is split at every bar, field 1 is compared with the
// words ignoring case, and field 2 is read with ReadSignedNumber ("3x" is 3,
// "" is 0). A known word without field 2 is not run and not shown.
COMMANDADDRESS ParseCommandAddress(const std::string& text);

} // namespace talvoren

#include "shell/CommandAddress.h"

#include "base/ParseNumber.h"

#include <cstring>
#include <vector>

namespace talvoren
{
namespace
{
bool SameWord(const std::string& a, const char* b)
{
    const std::size_t length = std::strlen(b);
    if (a.size() != length)
        return false;
    for (std::size_t i = 0; i < length; ++i) {
        char x = a[i];
        char y = b[i];
        if (x >= 'A' && x <= 'Z')
            x = static_cast<char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z')
            y = static_cast<char>(y - 'A' + 'a');
        if (x != y)
            return false;
    }
    return true;
}

std::vector<std::string> SplitAtBars(const std::string& text)
{
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (;;) {
        const std::size_t bar = text.find('|', start);
        if (bar == std::string::npos) {
            fields.push_back(text.substr(start));
            return fields;
        }
        fields.push_back(text.substr(start, bar - start));
        start = bar + 1;
    }
}
}

COMMANDADDRESS ParseCommandAddress(const std::string& text)
{
    COMMANDADDRESS address;
    if (text.find(kCommandPrefix) == std::string::npos)
        return address;
    address.bIsCommand = true;

    const std::vector<std::string> fields = SplitAtBars(text);
    address.strField0 = fields[0];
    address.strWord = fields.size() > 1 ? fields[1] : std::string();   // always there: the prefix holds a bar

    static const struct {
        const char* pszWord;
        CommandWord word;
    } kWords[] = {
        {"view", CommandWord::View},
        {"viewtbl", CommandWord::ViewTable},
        {"viewBible", CommandWord::ViewBible},
        {"yearchange", CommandWord::YearChange},
        {"deleteref", CommandWord::DeleteRef},
        {"step", CommandWord::Step},
        {"today", CommandWord::Today},
        {"switchview", CommandWord::SwitchView},
        {"viewday", CommandWord::ViewDay},
    };
    address.word = CommandWord::Unknown;
    for (const auto& entry : kWords) {
        if (SameWord(address.strWord, entry.pszWord)) {
            address.word = entry.word;
            break;
        }
    }
    if (address.word == CommandWord::Unknown)
        return address;

    if (fields.size() < 3) {
        address.bShowInStatusBar = false;
        return address;
    }
    address.bHasArgument = true;
    address.nArgument = ReadSignedNumber(fields[2]);
    return address;
}

} // namespace talvoren

#include "engine/FeastLine.h"

#include "base/ParseNumber.h"
#include "base/Utf16.h"
#include "engine/DayRecord.h"

#include <array>

namespace talvoren
{
namespace
{
constexpr std::size_t kLineUnits = 1023;   // the code units of a line that count

bool IsBlank(char ch)
{
    return ch == ' ' || ch == '\t';
}

// The token at `pos` up to the next blank or tab; `pos` moves past it.
std::string Token(const std::string& line, std::size_t& pos)
{
    const std::size_t begin = pos;
    while (pos < line.size() && !IsBlank(line[pos]))
        ++pos;
    return line.substr(begin, pos - begin);
}

void SkipBlanks(const std::string& line, std::size_t& pos)
{
    while (pos < line.size() && IsBlank(line[pos]))
        ++pos;
}

int RankOfLetter(char letter)
{
    switch (letter) {
    case 'S': return kRankSolemnity;
    case 'L': return kRankFeastOfLord;
    case 'F': return kRankFeast;
    case 'M': return kRankMemorial;
    default: return kRankOptional;
    }
}

int ColourOfLetter(char letter)
{
    switch (letter) {
    case 'W': return kColourWhite;
    case 'R': return kColourRed;
    case 'G': return kColourGreen;
    case 'P': return kColourViolet;
    case 'B': return kColourBlack;
    default: return kColourNone;
    }
}
} // namespace

bool ParseFeastLine(const std::string& fullLine, FEASTLINE& feast)
{
    const std::string line = TruncateUtf16(fullLine, kLineUnits);
    std::size_t pos = 0;
    constexpr int kFields = 4;   // day, month, rank letter, colour letter
    std::array<std::string, kFields> fields;
    for (int k = 0; k < kFields; ++k) {
        if (k > 0) {
            if (pos >= line.size())
                return false;   // fewer than four fields
            SkipBlanks(line, pos);
        }
        fields[k] = Token(line, pos);
        if (fields[k].empty())
            return false;
    }
    feast.nDay = LeadingNumber(fields[0]);
    feast.nMonth = LeadingNumber(fields[1]);
    if (feast.nDay < 1 || feast.nDay > 31 || feast.nMonth < 1 || feast.nMonth > 12)
        return false;
    feast.nRank = RankOfLetter(fields[2][0]);
    feast.bNoRankLabel = fields[2].size() > 1 && fields[2][1] == '-';
    feast.nColour = ColourOfLetter(fields[3][0]);
    feast.strCelebration.clear();
    feast.strReadings.clear();
    if (pos >= line.size())
        return true;   // no celebration text
    ++pos;             // the one blank or tab after the colour letter
    while (pos < line.size() && line[pos] == '\t')
        ++pos;
    const std::size_t tab = line.find('\t', pos);
    if (tab == std::string::npos) {
        feast.strCelebration = line.substr(pos);
    } else {
        feast.strCelebration = line.substr(pos, tab - pos);
        feast.strReadings = line.substr(tab + 1);
    }
    return true;
}

} // namespace talvoren

#include "engine/DayNotes.h"

#include "base/ParseNumber.h"
#include "base/Utf16.h"
#include "engine/YearTable.h"

namespace talvoren
{
namespace
{
constexpr std::size_t kLineUnits = 1023;   // the code units of a line that count
} // namespace

bool ParseDatedNoteLine(const std::string& fullLine, int& day, int& month, std::string& text)
{
    if (fullLine.empty() || fullLine[0] < '0' || fullLine[0] > '9')
        return false;
    const std::string line = TruncateUtf16(fullLine, kLineUnits);
    const auto isBlank = [](char ch) { return ch == ' ' || ch == '\t'; };
    std::size_t pos = 0;
    while (pos < line.size() && !isBlank(line[pos]))
        ++pos;
    if (pos >= line.size())
        return false;   // no second token
    const std::string dayToken = line.substr(0, pos);
    while (pos < line.size() && isBlank(line[pos]))
        ++pos;
    const std::size_t monthStart = pos;
    while (pos < line.size() && !isBlank(line[pos]))
        ++pos;
    if (pos == monthStart)
        return false;
    const int dayValue = LeadingNumber(dayToken);
    const int monthValue = LeadingNumber(line.substr(monthStart, pos - monthStart));
    if (dayValue < 1 || dayValue > 31 || monthValue < 1 || monthValue > 12)
        return false;
    day = dayValue;
    month = monthValue;
    text = pos < line.size() ? line.substr(pos + 1) : std::string();
    return true;
}

void CollectDayNotes(const std::vector<std::string>& lines,
                     const std::function<void(const std::string& note, int month, int day)>& append)
{
    std::string note;
    bool dated = false;
    int noteDay = 0;
    int noteMonth = 0;
    for (const std::string& line : lines) {
        int day = 0;
        int month = 0;
        std::string text;
        if (ParseDatedNoteLine(line, day, month, text)) {
            if (!note.empty())
                append(note, noteMonth, noteDay);
            note = std::move(text);
            noteDay = day;
            noteMonth = month;
            dated = true;
        } else if (dated) {
            if (!note.empty())
                note += "<br>";
            note += line;
        }
    }
    if (dated && !note.empty())
        append(note, noteMonth, noteDay);
}

void ApplyDayNotes(YEARTABLE& table, const std::vector<DAYNOTE>& notes)
{
    for (const DAYNOTE& note : notes)
        table.AppendLine(note.strText, note.nMonth, note.nDay);
}

} // namespace talvoren

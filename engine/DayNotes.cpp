#include "engine/DayNotes.h"

#include "base/CivilDate.h"
#include "base/HtmlEscape.h"
#include "base/ParseNumber.h"
#include "base/Utf16.h"
#include "engine/YearTable.h"

namespace talvoren
{
namespace
{
constexpr std::size_t kLineUnits = 1023;   // the code units of a line that count
constexpr int kLeapYear = 2000;

bool IsDigit(char ch)
{
    return ch >= '0' && ch <= '9';
}
} // namespace

bool SplitNoteLine(const std::string& line, NOTELINEPARTS& parts)
{
    const auto isBlank = [](char ch) { return ch == ' ' || ch == '\t'; };
    std::size_t pos = 0;
    while (pos < line.size() && !isBlank(line[pos]))
        ++pos;
    if (pos >= line.size())
        return false;   // no second token
    const std::size_t dayEnd = pos;
    while (pos < line.size() && isBlank(line[pos]))
        ++pos;
    const std::size_t monthStart = pos;
    while (pos < line.size() && !isBlank(line[pos]))
        ++pos;
    if (pos == monthStart)
        return false;
    parts.strDay = line.substr(0, dayEnd);
    parts.strMonth = line.substr(monthStart, pos - monthStart);
    parts.strText = pos < line.size() ? line.substr(pos + 1) : std::string();
    return true;
}

NoteLine ClassifyNoteLine(const std::string& line, int& day, int& month, std::string& text, NoteDates dates)
{
    NOTELINEPARTS parts;
    if (line.empty() || !IsDigit(line[0]) || !SplitNoteLine(TruncateUtf16(line, kLineUnits), parts))
        return NoteLine::Continuation;
    const int dayValue = LeadingNumber(parts.strDay);
    const int monthValue = LeadingNumber(parts.strMonth);
    // Any year's dates: 29 February is a date (of leap years).
    const bool exists = dates == NoteDates::Lunar ? monthValue >= 1 && monthValue <= 12 && dayValue >= 1 && dayValue <= 30
                                                  : IsValidDate(kLeapYear, monthValue, dayValue);
    if (!exists)
        return IsDigit(parts.strMonth[0]) ? NoteLine::ImpossibleDate : NoteLine::Continuation;
    day = dayValue;
    month = monthValue;
    text = std::move(parts.strText);
    return NoteLine::Dated;
}

bool ParseDatedNoteLine(const std::string& line, int& day, int& month, std::string& text)
{
    return ClassifyNoteLine(line, day, month, text) == NoteLine::Dated;
}

void CollectDayNotes(const std::vector<std::string>& lines,
                     const std::function<void(const std::string& note, int month, int day)>& append,
                     const NOTEREADING& reading)
{
    const auto take = [&reading](const std::string& text) {
        return reading.bPlainText ? EscapeHtmlText(text) : text;
    };
    std::string note;
    bool dated = false;
    int noteDay = 0;
    int noteMonth = 0;
    for (const std::string& line : lines) {
        int day = 0;
        int month = 0;
        std::string text;
        const NoteLine kind = ClassifyNoteLine(line, day, month, text, reading.dates);
        if (kind != NoteLine::Continuation) {
            if (!note.empty())
                append(note, noteMonth, noteDay);
            note.clear();
            // A note on a date that does not exist is dropped with its continuations.
            dated = kind == NoteLine::Dated;
            if (dated) {
                note = take(text);
                noteDay = day;
                noteMonth = month;
            } else if (reading.impossible) {
                reading.impossible(line);
            }
        } else if (dated) {
            if (!note.empty())
                note += "<br>";
            note += take(line);
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

void MarkNotedDays(YEARTABLE& table, const std::vector<DAYNOTE>& notes)
{
    for (const DAYNOTE& note : notes) {
        const int index = table.DayIndex(note.nMonth, note.nDay);
        if (table.InYear(index) && table.days[index].nMonth == note.nMonth)
            table.days[index].bHasNote = true;
    }
}

} // namespace talvoren

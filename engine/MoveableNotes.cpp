#include "engine/MoveableNotes.h"

#include "base/Utf16.h"

#include <array>
#include <cstring>

namespace talvoren
{
namespace
{
constexpr std::size_t kLineUnits = 1023;   // the code units of a line that count
constexpr int kDaysInWeek = 7;
constexpr int kMonthsInYear = 12;
constexpr int kLastOrdinaryWeek = 34;
constexpr int kPentecostAfterEaster = 49;
constexpr int kMaxNumber = 999999;

const std::array<const char*, kDaysInWeek> kWeekdayWords = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};

bool IsDigit(char ch)
{
    return ch >= '0' && ch <= '9';
}

// Reads the digits at `pos` (at least one); `pos` moves past them.
bool ReadNumber(const std::string& text, std::size_t& pos, int& value)
{
    const std::size_t start = pos;
    value = 0;
    while (pos < text.size() && IsDigit(text[pos])) {
        if (value < kMaxNumber)
            value = value * 10 + (text[pos] - '0');
        ++pos;
    }
    return pos > start;
}

// Reads an optional signed offset ("", "+N", "-N") that ends the rule.
bool ReadOffset(const std::string& rule, std::size_t pos, int& offset)
{
    offset = 0;
    if (pos == rule.size())
        return true;
    const char sign = rule[pos++];
    if ((sign != '+' && sign != '-') || !ReadNumber(rule, pos, offset) || pos != rule.size())
        return false;
    if (sign == '-')
        offset = -offset;
    return true;
}

bool StartsWith(const std::string& text, const char* prefix)
{
    return text.compare(0, std::strlen(prefix), prefix) == 0;
}

// "[from-]" or "[from-to]".
bool ParseYears(const std::string& years, MOVEABLENOTE& note)
{
    std::size_t pos = 1;
    int from = 0;
    if (years.size() < 4 || years.back() != ']' || !ReadNumber(years, pos, from) || pos >= years.size() ||
        years[pos++] != '-')
        return false;
    int to = YEARTABLE::kLastYear;
    if (years[pos] != ']' && (!ReadNumber(years, pos, to) || years[pos] != ']'))
        return false;
    if (pos + 1 != years.size() || from > to)
        return false;
    note.nFirstYear = from;
    note.nLastYear = to;
    return true;
}

bool ParseRule(const std::string& rule, MOVEABLENOTE& note)
{
    using RULE = MOVEABLENOTE::RULE;
    if (rule == "AshWednesday") {
        note.eRule = RULE::kAshWednesday;
        return true;
    }
    if (rule == "Ascension") {
        note.eRule = RULE::kAscension;
        return true;
    }
    if (StartsWith(rule, "Easter")) {
        note.eRule = RULE::kEaster;
        return ReadOffset(rule, std::strlen("Easter"), note.nOffset);
    }
    if (StartsWith(rule, "Pentecost")) {
        note.eRule = RULE::kPentecost;
        return ReadOffset(rule, std::strlen("Pentecost"), note.nOffset);
    }
    std::size_t pos = 0;
    if (StartsWith(rule, "OT")) {
        pos = 2;
        note.eRule = RULE::kOrdinarySunday;
        return ReadNumber(rule, pos, note.nOffset) && pos == rule.size() && note.nOffset >= 2 &&
               note.nOffset <= kLastOrdinaryWeek;
    }
    const bool fromEnd = !rule.empty() && rule[0] == '-';
    pos = fromEnd ? 1 : 0;
    int first = 0;
    if (!ReadNumber(rule, pos, first) || pos >= rule.size())
        return false;
    if (!fromEnd && rule[pos] == '-') {   // d1-d2/m
        ++pos;
        note.eRule = RULE::kDays;
        note.nOffset = first;
        return ReadNumber(rule, pos, note.nLastDay) && pos < rule.size() && rule[pos++] == '/' &&
               ReadNumber(rule, pos, note.nMonth) && pos == rule.size() && first >= 1 && first <= note.nLastDay &&
               note.nLastDay <= 31 && note.nMonth >= 1 && note.nMonth <= kMonthsInYear;
    }
    // <k><weekday><m>
    note.eRule = RULE::kWeekdayOfMonth;
    note.nOffset = fromEnd ? -first : first;
    if ((fromEnd && first > 2) || first < 1 || first > 5)
        return false;
    for (int w = 0; w < kDaysInWeek; ++w) {
        if (rule.compare(pos, 3, kWeekdayWords[w]) == 0) {
            note.nWeekday = w;
            pos += 3;
            return ReadNumber(rule, pos, note.nMonth) && pos == rule.size() && note.nMonth >= 1 &&
                   note.nMonth <= kMonthsInYear;
        }
    }
    return false;
}

// The Sunday of week `week` of Ordinary Time; -1 when the year has none. The
// first Sunday after the Baptism begins week 2; after Pentecost the weeks
// count back from Christ the King, week 34.
int OrdinarySunday(const SEASONANCHORS& anchors, const YEARTABLE& table, int week)
{
    const int baptism = anchors.nBaptism;
    const int firstSunday = baptism + (kDaysInWeek - table.Day(baptism).nWeekday) % kDaysInWeek;
    const int secondWeek = firstSunday == baptism ? baptism + kDaysInWeek : firstSunday;
    const int beforeLent = secondWeek + kDaysInWeek * (week - 2);
    if (beforeLent < anchors.nAshWednesday)
        return beforeLent;
    const int afterPentecost = anchors.nAdventStart - kDaysInWeek * (kLastOrdinaryWeek + 1 - week);
    return afterPentecost > anchors.nPentecost ? afterPentecost : -1;
}

// The k-th (or, k < 0, the |k|-th from the end) weekday `weekday` of `month`.
int WeekdayOfMonth(const YEARTABLE& table, int month, int weekday, int k)
{
    const MONTHRANGE range = table.MonthRange(month);
    if (k > 0) {
        const int first = range.nFirst + (weekday - table.Day(range.nFirst).nWeekday + kDaysInWeek) % kDaysInWeek;
        const int day = first + kDaysInWeek * (k - 1);
        return day < range.nEnd ? day : -1;
    }
    const int lastDay = range.nEnd - 1;
    const int last = lastDay - (table.Day(lastDay).nWeekday - weekday + kDaysInWeek) % kDaysInWeek;
    return last + kDaysInWeek * (k + 1);
}
} // namespace

bool ParseMoveableLine(const std::string& fullLine, MOVEABLENOTE& note)
{
    const std::string line = TruncateUtf16(fullLine, kLineUnits);
    std::size_t end = 0;
    while (end < line.size() && line[end] != ' ' && line[end] != '\t')
        ++end;
    if (end + 1 >= line.size())
        return false;   // no note
    std::string rule = line.substr(0, end);
    note = MOVEABLENOTE();
    const std::size_t bracket = rule.find('[');
    if (bracket != std::string::npos) {
        if (!ParseYears(rule.substr(bracket), note))
            return false;
        rule.erase(bracket);
    }
    if (!ParseRule(rule, note))
        return false;
    note.strText = line.substr(end + 1);
    return true;
}

std::vector<int> MoveableNoteDays(const MOVEABLENOTE& note, const YEARTABLE& table, const SEASONANCHORS& anchors)
{
    using RULE = MOVEABLENOTE::RULE;
    std::vector<int> days;
    if (table.nYear < note.nFirstYear || table.nYear > note.nLastYear)
        return days;
    switch (note.eRule) {
    case RULE::kEaster: days.push_back(anchors.nEaster + note.nOffset); break;
    case RULE::kPentecost: days.push_back(anchors.nEaster + kPentecostAfterEaster + note.nOffset); break;
    case RULE::kAshWednesday: days.push_back(anchors.nAshWednesdayKept); break;
    case RULE::kAscension: days.push_back(anchors.nAscension); break;
    case RULE::kOrdinarySunday: days.push_back(OrdinarySunday(anchors, table, note.nOffset)); break;
    case RULE::kWeekdayOfMonth:
        days.push_back(WeekdayOfMonth(table, note.nMonth, note.nWeekday, note.nOffset));
        break;
    case RULE::kDays:
        for (int day = note.nOffset; day <= note.nLastDay; ++day)
            days.push_back(table.DayIndex(note.nMonth, day));
        break;
    }
    std::vector<int> inYear;
    for (int day : days)
        if (table.InYear(day))
            inYear.push_back(day);
    return inYear;
}

void ApplyMoveableNotes(YEARTABLE& table, const std::vector<MOVEABLENOTE>& notes, const SEASONANCHORS& anchors)
{
    for (const MOVEABLENOTE& note : notes) {
        for (int day : MoveableNoteDays(note, table, anchors))
            table.AppendLine(note.strText, table.days[day].nMonth, table.days[day].nDay);
    }
}

} // namespace talvoren

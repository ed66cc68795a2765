#include "shell/StatusDescription.h"

#include "base/ParseNumber.h"
#include "engine/YearTable.h"

#include <cstdio>
#include <vector>

namespace talvoren
{
namespace
{
// ---- Status texts, Vietnamese and English ----
struct STATUSTEXTS
{
    const char* readings;     // day, month
    const char* dayPage;      // day, month
    const char* saints;       // day, month
    const char* monthList;    // month, year
    const char* wallCalendar; // month, year
    const char* previous;
    const char* next;
    const char* today;
    const char* asList;
    const char* asTable;
};
const STATUSTEXTS kVietnamese = {
    "Bài đọc ngày %d/%d", "Trang ngày %d/%d", "Lễ các thánh ngày %d/%d", "Lịch tháng %d/%d",
    "Lịch treo tường tháng %d/%d", "Tháng trước", "Tháng sau", "Tháng này", "Xem dạng lịch tháng",
    "Xem dạng lịch treo tường",
};
const STATUSTEXTS kEnglish = {
    "Readings of %d/%d", "Day page of %d/%d", "Saints of %d/%d", "Month list of %d/%d",
    "Wall calendar of %d/%d", "Previous month", "Next month", "This month", "Show as a month list",
    "Show as a wall calendar",
};
// ---- end of the status texts ----

bool SameTextIgnoringCase(const std::string& a, const char* b)
{
    const std::string other = b;
    if (a.size() != other.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const char x = a[i] >= 'A' && a[i] <= 'Z' ? static_cast<char>(a[i] - 'A' + 'a') : a[i];
        const char y = other[i] >= 'A' && other[i] <= 'Z' ? static_cast<char>(other[i] - 'A' + 'a') : other[i];
        if (x != y)
            return false;
    }
    return true;
}

std::string Format(const char* format, int a, int b)
{
    char text[128];
    std::snprintf(text, sizeof text, format, a, b);
    return text;
}

std::vector<std::string> Fields(const std::string& text)
{
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (;;) {
        const std::size_t bar = text.find('|', start);
        fields.push_back(text.substr(start, bar == std::string::npos ? std::string::npos : bar - start));
        if (bar == std::string::npos)
            return fields;
        start = bar + 1;
    }
}
}

bool IsVietnameseFolder(const std::string& folder)
{
    std::string name = folder;
    while (!name.empty() && (name.back() == '/' || name.back() == '\\'))
        name.pop_back();
    const std::size_t slash = name.find_last_of("/\\");
    if (slash != std::string::npos)
        name = name.substr(slash + 1);
    return SameTextIgnoringCase(name, "Vietnam");
}

std::string DescribeHover(const std::string& text, const YEARTABLE& year, bool vietnamese, bool* bHover)
{
    const bool hover = text.compare(0, sizeof kHoverPrefix - 1, kHoverPrefix) == 0;
    if (bHover)
        *bHover = hover;
    if (!hover)
        return std::string();
    const std::vector<std::string> fields = Fields(text);
    if (fields.size() < 3)
        return std::string();
    const STATUSTEXTS& texts = vietnamese ? kVietnamese : kEnglish;
    const std::string& word = fields[1];
    const int argument = ReadSignedNumber(fields[2]);
    if (SameTextIgnoringCase(word, "viewBible") || SameTextIgnoringCase(word, "viewday")) {
        if (!year.InYear(argument))
            return std::string();
        const DAYRECORD& day = year.Day(argument);
        return Format(SameTextIgnoringCase(word, "viewday") ? texts.dayPage : texts.readings, day.nDay, day.nMonth);
    }
    if (SameTextIgnoringCase(word, "saint")) {
        const int day = argument / 100;
        const int month = argument % 100;
        if (day < 1 || day > 31 || month < 1 || month > 12)
            return std::string();
        return Format(texts.saints, day, month);
    }
    if (SameTextIgnoringCase(word, "view") || SameTextIgnoringCase(word, "viewtbl")) {
        if (argument < 1 || argument > 12)
            return std::string();
        return Format(SameTextIgnoringCase(word, "view") ? texts.monthList : texts.wallCalendar, argument, year.nYear);
    }
    if (SameTextIgnoringCase(word, "step"))
        return argument < 0 ? texts.previous : texts.next;
    if (SameTextIgnoringCase(word, "today"))
        return texts.today;
    if (SameTextIgnoringCase(word, "switchview"))
        return argument == 2 ? texts.asTable : texts.asList;
    return std::string();
}

} // namespace talvoren

#include "dialogs/SelectDateChoice.h"

#include "engine/YearTable.h"

#include <climits>

namespace talvoren
{
SELECTDATEDEFAULTS SelectDateDefaults(const CIVILDATE& today)
{
    SELECTDATEDEFAULTS defaults;
    defaults.nYear = today.nYear;
    defaults.nMonth = today.nMonth;
    defaults.nFromDay = today.nDay;
    const CIVILDATE weekAhead = AddDays(today, 7);
    defaults.nToMonth = weekAhead.nMonth;
    defaults.nToDay = weekAhead.nDay;
    return defaults;
}

int YearFromText(const std::string& text)
{
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    bool negative = false;
    if (i < text.size() && text[i] == '-') {
        negative = true;
        ++i;
    }
    long long value = 0;
    bool anyDigit = false;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        anyDigit = true;
        value = value * 10 + (text[i] - '0');
        if (value > static_cast<long long>(INT_MAX) + 1)
            return 0;
    }
    if (!anyDigit)
        return 0;
    if (negative)
        value = -value;
    if (value > INT_MAX || value < INT_MIN)
        return 0;
    return static_cast<int>(value);
}

bool IsDigitsOnly(const std::string& text)
{
    for (char ch : text)
        if (ch < '0' || ch > '9')
            return false;
    return true;
}

std::string StepYearText(const std::string& text, int proposedChange)
{
    const long long value = static_cast<long long>(YearFromText(text)) - proposedChange;
    if (value > INT_MAX || value < INT_MIN)
        return text;
    return std::to_string(value);
}

DATESELECTION MonthSelection(int monthIndex, const std::string& yearText, int tabular)
{
    DATESELECTION selection;
    selection.nMode = 0;
    selection.nMonth = monthIndex + 1;
    selection.nYear = YearFromText(yearText);
    selection.nTabular = tabular;
    return selection;
}

DATESELECTION DaysSelection(int fromMonthIndex, int fromDayIndex, int toMonthIndex, int toDayIndex,
                            const std::string& yearText, int tabular)
{
    DATESELECTION selection;
    selection.nMode = 1;
    selection.nMonth = fromMonthIndex + 1;
    selection.nToMonth = toMonthIndex + 1;
    selection.nFromDay = fromDayIndex + 1;
    selection.nToDay = toDayIndex + 1;
    selection.nYear = YearFromText(yearText);
    selection.nTabular = tabular;
    return selection;
}

DateSelectionProblem CheckDateSelection(const DATESELECTION& selection)
{
    if (selection.nYear < YEARTABLE::kFirstYear || selection.nYear > YEARTABLE::kLastYear)
        return DateSelectionProblem::YearOutOfRange;
    if (selection.nMode != 1)
        return DateSelectionProblem::None;
    if (selection.nFromDay < 1 || selection.nFromDay > DaysInMonth(selection.nYear, selection.nMonth))
        return DateSelectionProblem::ImpossibleFromDay;
    if (selection.nToDay < 1 || selection.nToDay > DaysInMonth(selection.nYear, selection.nToMonth))
        return DateSelectionProblem::ImpossibleToDay;
    return DateSelectionProblem::None;
}

} // namespace talvoren

#include "shell/CalendarCommands.h"

#include "engine/LiturgicalYear.h"

#include <utility>

namespace talvoren
{
CCalendarCommands::CCalendarCommands(CLiturgicalYear& year, CPageTarget& target) : m_year(year), m_target(target)
{
}

bool CCalendarCommands::RunStatusText(const std::string& text)
{
    return Run(ParseCommandAddress(text));
}

void CCalendarCommands::HoldSomeYear()
{
    if (m_year.GetComputedYear() <= 0)
        m_year.ComputeYear(TodayLocal().nYear, false);
}

bool CCalendarCommands::ComputeAndCheck(int year)
{
    m_year.ComputeYear(year, false);
    return m_year.GetComputedYear() == year;   // a refused year leaves another one held
}

bool CCalendarCommands::Run(const COMMANDADDRESS& address)
{
    if (!address.bIsCommand)
        return true;
    if (!address.bShowInStatusBar)
        return false;
    if (!address.bHasArgument)
        return true;   // an unknown word: only shown

    const int argument = address.nArgument;
    MONTHRANGE range;
    switch (address.word) {
    case CommandWord::View:
    case CommandWord::ViewTable:
        if (argument < 1 || argument > 12)
            break;
        HoldSomeYear();
        range = m_year.GetMonthRange(argument);
        if (address.word == CommandWord::View)
            m_target.ShowMonthList(range.nFirst, range.nEnd);
        else
            m_target.ShowMonthTable(range.nFirst, range.nEnd);
        break;
    case CommandWord::ViewBible:
        HoldSomeYear();
        if (argument < 0 || argument >= m_year.GetDaysInYear())
            break;
        m_target.ShowReadings(m_year.GetDay(argument).strReadings);
        break;
    case CommandWord::YearChange:
        if (!ComputeAndCheck(argument))
            break;
        range = m_year.GetMonthRange(1);
        m_target.ShowMonthList(range.nFirst, range.nEnd);
        break;
    case CommandWord::DeleteRef:   // recognised; nothing is done with it yet
    case CommandWord::Unknown:
    case CommandWord::None:
        break;
    }
    return true;
}

void CCalendarCommands::ShowCurrentMonth(int kind, const CIVILDATE& today)
{
    if (!ComputeAndCheck(today.nYear))
        return;
    const MONTHRANGE range = m_year.GetMonthRange(today.nMonth);
    if (kind == 2)
        m_target.ShowMonthTable(range.nFirst, range.nEnd);
    else
        m_target.ShowMonthList(range.nFirst, range.nEnd);
}

void CCalendarCommands::StartAfresh()
{
    m_year.Invalidate();
}

void CCalendarCommands::ShowSelection(const DATESELECTION& selection)
{
    if (!ComputeAndCheck(selection.nYear))
        return;   // the engine refuses the year (such as 0 from an empty year box)
    int first = 0;
    int end = 0;
    if (selection.nMode == 0) {
        const MONTHRANGE range = m_year.GetMonthRange(selection.nMonth);
        first = range.nFirst;
        end = range.nEnd;
    } else {
        first = m_year.GetDayIndex(selection.nMonth, selection.nFromDay);
        end = m_year.GetDayIndex(selection.nToMonth, selection.nToDay);
        if (first > end)
            std::swap(first, end);
    }
    if (selection.nTabular == 1)
        m_target.ShowMonthTable(first, end);
    else
        m_target.ShowMonthList(first, end);
}

} // namespace talvoren

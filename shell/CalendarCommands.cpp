#include "shell/CalendarCommands.h"

#include "engine/LiturgicalYear.h"
#include "pages/ScripturePage.h"

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

void CCalendarCommands::Show(int kind, int first, int end)
{
    m_shown.nKind = kind == 2 ? 2 : 1;
    m_shown.nYear = m_year.GetComputedYear();
    m_shown.nFirst = first;
    m_shown.nEnd = end;
    if (m_shown.nKind == 2)
        m_target.ShowMonthTable(first, end);
    else
        m_target.ShowMonthList(first, end);
}

void CCalendarCommands::ShowMonth(int kind, int month)
{
    const MONTHRANGE range = m_year.GetMonthRange(month);
    Show(kind, range.nFirst, range.nEnd);
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
    switch (address.word) {
    case CommandWord::View:
    case CommandWord::ViewTable:
        if (argument < 1 || argument > 12)
            break;
        HoldSomeYear();
        ShowMonth(address.word == CommandWord::View ? 1 : 2, argument);
        break;
    case CommandWord::ViewBible: {
        HoldSomeYear();
        if (argument < 0 || argument >= m_year.GetDaysInYear())
            break;
        const DAYRECORD& day = m_year.GetDay(argument);
        m_target.ShowReadings(day.strReadings, ReadingsHeading(day, m_year.GetComputedYear(), m_year.Titles()));
        break;
    }
    case CommandWord::YearChange: {
        // The same month and kind of page in the new year; January of a
        // month list when nothing is on display.
        const int month = m_shown.nKind != 0 ? m_year.Table().Day(m_shown.nFirst).nMonth : 1;
        const int kind = m_shown.nKind != 0 ? m_shown.nKind : 1;
        if (!ComputeAndCheck(argument))
            break;
        ShowMonth(kind, month >= 1 && month <= 12 ? month : 1);
        break;
    }
    case CommandWord::Step:
        StepMonth(argument < 0 ? -1 : 1, TodayLocal());
        break;
    case CommandWord::Today:
        ShowCurrentMonth(argument == 1 || argument == 2 ? argument : (m_shown.nKind != 0 ? m_shown.nKind : 1),
                         TodayLocal());
        break;
    case CommandWord::SwitchView:
        if (argument == 1 || argument == 2)
            ShowKind(argument, TodayLocal());
        break;
    case CommandWord::ViewDay: {
        HoldSomeYear();
        if (argument < 0 || argument >= m_year.GetDaysInYear())
            break;
        const DAYRECORD& day = m_year.GetDay(argument);
        m_target.ShowDay(CIVILDATE{m_year.GetComputedYear(), day.nMonth, day.nDay});
        break;
    }
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
    ShowMonth(kind, today.nMonth);
}

void CCalendarCommands::ShowKind(int kind, const CIVILDATE& today)
{
    if (m_shown.nKind == 0 || m_shown.nKind == kind || !ComputeAndCheck(m_shown.nYear)) {
        ShowCurrentMonth(kind, today);
        return;
    }
    Show(kind, m_shown.nFirst, m_shown.nEnd);
}

void CCalendarCommands::StepMonth(int months, const CIVILDATE& today)
{
    if (m_shown.nKind == 0 || !ComputeAndCheck(m_shown.nYear)) {
        ShowCurrentMonth(1, today);
        return;
    }
    int year = m_shown.nYear;
    int month = m_year.Table().Day(m_shown.nFirst).nMonth + (months < 0 ? -1 : 1);
    if (month < 1) {
        month = 12;
        --year;
    } else if (month > 12) {
        month = 1;
        ++year;
    }
    if (!ComputeAndCheck(year)) {
        ComputeAndCheck(m_shown.nYear);   // 1582 or 10000: the page stays
        return;
    }
    ShowMonth(m_shown.nKind, month);
}

void CCalendarCommands::ShowTodaysReadings(const CIVILDATE& today)
{
    if (!ComputeAndCheck(today.nYear))
        return;
    const DAYRECORD& day = m_year.GetDay(m_year.GetDayIndex(today.nMonth, today.nDay));
    m_target.ShowReadings(day.strReadings, ReadingsHeading(day, today.nYear, m_year.Titles()));
}

void CCalendarCommands::StartAfresh()
{
    m_year.Invalidate();
    m_shown = SHOWNPAGE();
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
        ++end;   // the later day is shown too
    }
    Show(selection.nTabular == 1 ? 2 : 1, first, end);
}

} // namespace talvoren

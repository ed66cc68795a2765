#pragma once
// What the program does for the calendar commands, apart from showing pages:
// the command addresses of the page, the month commands of the frame and the
// range chosen in the select-date dialog. The pages themselves are shown by
// a CPageTarget (the main view), so these rules run without a window.

#include "base/CivilDate.h"
#include "base/DateSelection.h"
#include "shell/CommandAddress.h"

#include <string>

namespace talvoren
{
class CLiturgicalYear;

// Where the pages go: the main view builds each page and writes it into its
// element of the main page.
class CPageTarget
{
public:
    virtual ~CPageTarget() = default;
    virtual void ShowMonthList(int first, int end) = 0;    // day indexes [first, end)
    virtual void ShowMonthTable(int first, int end) = 0;
    virtual void ShowReadings(const std::string& readings) = 0;
};

class CCalendarCommands
{
public:
    // Both must outlive this object.
    CCalendarCommands(CLiturgicalYear& year, CPageTarget& target);

    // Runs the command of a page's status text. Returns true when the text is
    // to be shown in the status bar (everything but a known command word
    // without argument). A month outside 1..12 or a day index outside the
    // held year runs nothing; a year the engine refuses shows nothing.
    bool RunStatusText(const std::string& text);
    bool Run(const COMMANDADDRESS& address);

    // The month of `today` as a month list (kind 1) or a tabular page (2).
    void ShowCurrentMonth(int kind, const CIVILDATE& today);

    // The main page starts afresh (File > New): the year held is let go, so
    // that the start page's commands (this month, today's readings) work on
    // the year of today, not on the year last shown.
    void StartAfresh();

    // The range chosen in the select-date dialog: a whole month, or the days
    // from the earlier date up to (not including) the later one.
    void ShowSelection(const DATESELECTION& selection);

private:
    // Makes sure a year is held before a command that works on "the
    // computed year" (a page may send one before any year was asked for).
    void HoldSomeYear();
    bool ComputeAndCheck(int year);

    CLiturgicalYear& m_year;
    CPageTarget& m_target;
};

} // namespace talvoren

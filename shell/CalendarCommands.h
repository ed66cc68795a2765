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
    // `heading`: the day and its celebration, as an HTML heading.
    virtual void ShowReadings(const std::string& readings, const std::string& heading) = 0;
    // The day page of `date` (a click on a day of the wall calendar).
    virtual void ShowDay(const CIVILDATE& date) { (void)date; }
};

// The calendar page on display: which kind, and which days of which year.
struct SHOWNPAGE
{
    int nKind = 0;      // 0 none yet, 1 month list, 2 wall calendar
    int nYear = 0;
    int nFirst = 0;     // day indexes [nFirst, nEnd) of nYear
    int nEnd = 0;
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
    // The toolbar's month list (kind 1) and wall calendar (2): the days on
    // display shown as the other kind, or, when a page of that kind (or none)
    // is on display, the month of `today`.
    void ShowKind(int kind, const CIVILDATE& today);
    // The month `months` (-1 or 1) before or after the first month on
    // display, across a year's end, in the kind on display (the month of
    // `today` when nothing is on display). Nothing before 1583 or after 9999.
    void StepMonth(int months, const CIVILDATE& today);
    const SHOWNPAGE& Shown() const { return m_shown; }
    // The readings of `today` (its year becomes the held one).
    void ShowTodaysReadings(const CIVILDATE& today);

    // The main page starts afresh (File > New): the year held is let go, so
    // that the start page's commands (this month, today's readings) work on
    // the year of today, not on the year last shown.
    void StartAfresh();

    // The range chosen in the select-date dialog: a whole month, or the days
    // from the earlier date up to and including the later one.
    void ShowSelection(const DATESELECTION& selection);

private:
    // Shows [first, end) of the held year as `kind` and remembers it.
    void Show(int kind, int first, int end);
    // The month `month` of the held year as `kind`.
    void ShowMonth(int kind, int month);
    // Makes sure a year is held before a command that works on "the
    // computed year" (a page may send one before any year was asked for).
    void HoldSomeYear();
    bool ComputeAndCheck(int year);

    CLiturgicalYear& m_year;
    CPageTarget& m_target;
    SHOWNPAGE m_shown;
};

} // namespace talvoren

#pragma once
// The tabular (wall-calendar) page: a month as seven columns from Sunday to
// Saturday, each day a cell in the day's liturgical colour with its number
// and celebration, under a header with the month name, links to the other
// months (ViewTbl) and the year. The fragment goes into the element
// "rightCol" of Calendar.htm.

#include <string>

namespace talvoren
{
class CTitleList;
struct YEARTABLE;

class CMonthTablePage
{
public:
    // Both must outlive the page.
    CMonthTablePage(const YEARTABLE& year, const CTitleList& titles) : m_year(year), m_titles(titles) {}

    // Given the day indexes [first, end) of the year of the table, the
    // page: header (pages/MonthSelector.h), then a grid per month of the
    // range (later months under a heading of their own): weekday row, blank
    // cells before the first day's weekday, a cell per day (a week's row
    // ends after its Saturday), blank cells after the last day up to
    // Saturday. A day's cell holds its number, lunar date, a mark when the
    // user noted something on it, and its celebration; a click on the cell
    // calls viewDay(i), on the celebration viewBible(i). Indexes outside the
    // held year are left out; an empty range gives one row of blank cells.
    std::string Render(int first, int end) const;

    // Background and text colour of a cell of colour code `colour`; white
    // and black outside 0..6.
    static const char* CellBackground(int colour);
    static const char* CellTextColour(int colour);

private:
    void AppendGrid(std::string& page, int from, int to) const;

    const YEARTABLE& m_year;
    const CTitleList& m_titles;
};

} // namespace talvoren

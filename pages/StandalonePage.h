#pragma once
// The month list, the wall calendar and the day page as pages of their own:
// one HTML document with its styles inside and no script, to print or to
// put on a parish website. The pages are those the program shows, with the
// links that drive the program taken out (the month links of a whole year
// become links within the page) and the day picture written as the number.

#include <functional>
#include <string>

namespace talvoren
{
class CTitleList;
struct YEARTABLE;

class CStandalonePage
{
public:
    // Both must outlive the page. `languageCode` goes into the document's
    // lang attribute ("vi", "en"; "" for none).
    CStandalonePage(const YEARTABLE& year, const CTitleList& titles, const std::string& languageCode)
        : m_year(year), m_titles(titles), m_strLanguageCode(languageCode)
    {
    }

    // The month list or the wall calendar of `month` (1..12) of the table's
    // year, or of every month for 0. A month outside 0..12 gives a page
    // without days.
    std::string MonthList(int month) const;
    std::string WallCalendar(int month) const;
    // The day page of (month, day) of the table's year; a date that does
    // not exist gives the day page's own message.
    std::string Day(int month, int day) const;

    // A fragment of the program's pages made fit for a page of its own:
    // every on... attribute goes, the year list becomes the year, the month
    // links become links to "#month-N" (`monthLinks`) or go, the day
    // picture becomes its number, and the rows the wall calendar and the
    // day page leave open or close twice are mended.
    static std::string Detach(const std::string& fragment, int year, bool monthLinks);

private:
    // The month `month` (0: each month) made by `render` from its day
    // indexes [first, end), one section each, in a document.
    std::string Months(int month, const std::function<std::string(int, int)>& render) const;
    std::string Document(const std::string& title, const std::string& body) const;

    const YEARTABLE& m_year;
    const CTitleList& m_titles;
    std::string m_strLanguageCode;
};

} // namespace talvoren

#pragma once
// The day page: one day as a leaf of a tear-off calendar (the month, a
// picture of the day number, the weekday, the lunar date and the name of the
// lunar year, the celebration with its readings, the weekday's devotion).
// The fragment goes into the element "Content" of day.htm, beside which
// lie the pictures Images/1.jpg .. Images/31.jpg.

#include <string>

namespace talvoren
{
class CTitleList;
struct YEARTABLE;

class CDayPage
{
public:
    // Both must outlive the page.
    CDayPage(const YEARTABLE& year, const CTitleList& titles) : m_year(year), m_titles(titles) {}

    // Given a civil date of the table's year, the day's fragment. A date of
    // another year (such as one the engine cannot compute, outside
    // 1583..9999) gives a short fragment that says so instead of another
    // year's day.
    std::string Render(int year, int month, int day) const;
    // Today's panel of the start page: the celebration, its colour, the
    // lunar date and a link to the readings (viewBible). Empty for a date
    // of another year.
    std::string RenderToday(int year, int month, int day) const;

    // Title position of the devotion of `weekday`: Monday and Saturday,
    // Tuesday and Friday, Sunday and Wednesday, Thursday (and any value
    // outside 0..6).
    static int DevotionTitle(int weekday);

private:
    const YEARTABLE& m_year;
    const CTitleList& m_titles;
};

} // namespace talvoren

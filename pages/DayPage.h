#pragma once
// The day page: one day as a leaf of a tear-off calendar (the month, a
// picture of the day number, the weekday, the lunar date and the name of the
// lunar year, the celebration with its readings, the weekday's devotion).
// The fragment goes into the element "Content" of day.htm, beside which
// lie the pictures Images/1.jpg .. Images/31.jpg.

#include <string>

namespace talvoren
{
class CLiturgicalYear;

class CDayPage
{
public:
    explicit CDayPage(CLiturgicalYear& year) : m_year(year) {}

    // Given a civil date, has the engine compute its year (nothing to do
    // when that year is held) and returns the day's fragment. A year the
    // engine cannot compute (outside 1583..9999) gives a short fragment
    // that says so instead of another year's day.
    std::string Render(int year, int month, int day);

    // Title entry of the devotion of `weekday`: Monday and Saturday 109,
    // Tuesday and Friday 110, Sunday and Wednesday 111, Thursday (and any
    // value outside 0..6) 112.
    static int DevotionTitle(int weekday);

private:
    CLiturgicalYear& m_year;
};

} // namespace talvoren

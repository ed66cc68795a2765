#pragma once
// The month calendar page: one row per day with the weekday, the day, the
// liturgical colour, the celebration with its readings and the lunar date,
// under a header that names the month and links to the other months and
// years. The fragment goes into the element "rightCol" of Calendar.htm,
// whose script functions View, SelYear, viewBible and viewSaint it calls.

#include <string>

namespace talvoren
{
class CTitleList;
struct YEARTABLE;

class CMonthListPage
{
public:
    // Day-and-month codes (DDMM) whose rows get no saint link.
    static constexpr const char* kNoSaintList =
        "0101,2301,2501,2901,0202,1702,2202,,0603,2503,1304,1504,3004,0105,0805,3105,0706,0806,1206,1806,2606,"
        "3006,3106,1607,1907,0308,0508,0608,1508,2108,2208,2908,3008,3108,0509,0809,1209,1409,1509,2909,0210,"
        "2710,2910,0111,0211,0511,0911,2111,0212,0812,1012,1912,2512,2812,3112";

    // Both must outlive the page.
    CMonthListPage(const YEARTABLE& year, const CTitleList& titles) : m_year(year), m_titles(titles) {}

    // Given the day indexes [first, end) of the year of the table, the
    // page as one HTML table: the header of the month of record `first`,
    // then a row per day (a range may cross month ends). An empty range gives
    // the header only; indexes outside the held year are left out.
    // Lunar dates: one conversion for the first row, then only on days whose
    // lunar day would reach 29 or more (about three per month). They read
    // "day-month"; the first row and the first day of a lunar month add the
    // month's name (titles 122..133, when the list has them), and the first
    // row and the new year the name of the lunar year. The first day of a
    // lunar year has a row of its own colour (its celebration, Tết, comes
    // from the language data).
    std::string Render(int first, int end) const;

    // The colour badge of colour code `colour` in the page texts of
    // `titles` ("badge.0" .. "badge.6"; "" outside 0..6).
    static std::string ColourAbbreviation(int colour, const CTitleList& titles);
    // True when the DDMM code `code` is an item of the no-saint list (the
    // empty item included).
    static bool IsNoSaintCode(const std::string& code);

private:
    const YEARTABLE& m_year;
    const CTitleList& m_titles;
};

} // namespace talvoren

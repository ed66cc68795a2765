#pragma once
// The page builders that the main view and the day dialog call. Each takes
// a year's table and the titles of the language and returns the HTML
// fragment of its page; the windows only show the busy notice around the
// call and put the result into the page. DefaultPageRenderers() gives the
// program's own builders; tests may give others.

#include "base/CivilDate.h"

#include <functional>
#include <string>

namespace talvoren
{
class CTitleList;
struct YEARTABLE;

struct PAGERENDERERS
{
    // Month list and tabular calendar of the day indexes [first, end) of the
    // table's year, for the element "rightCol".
    std::function<std::string(const YEARTABLE&, const CTitleList&, int first, int end)> monthList;
    std::function<std::string(const YEARTABLE&, const CTitleList&, int first, int end)> monthTable;
    // The day page of a date, for the element "Content" of day.htm, from the
    // table of the date's year (the caller computes it; a table of another
    // year gives a page that says the date cannot be shown).
    std::function<std::string(const YEARTABLE&, const CTitleList&, const CIVILDATE&)> dayPage;
    // Today's panel of the start page, for the element "todayPanel".
    std::function<std::string(const YEARTABLE&, const CTitleList&, const CIVILDATE&)> todayPanel;
};

// The program's own page builders (an empty builder shows nothing).
PAGERENDERERS DefaultPageRenderers();

} // namespace talvoren

#pragma once
// The page builders that the main view and the day dialog call. Each takes
// the year engine and returns the HTML fragment of its page; the windows only
// show the busy notice around the call and put the result into the page.
// DefaultPageRenderers() gives the program's own builders; tests may give
// others.

#include "base/CivilDate.h"

#include <functional>
#include <string>

namespace talvoren
{
class CLiturgicalYear;

struct PAGERENDERERS
{
    // Month list and tabular calendar of the day indexes [first, end) of the
    // held year, for the element "rightCol".
    std::function<std::string(CLiturgicalYear&, int first, int end)> monthList;
    std::function<std::string(CLiturgicalYear&, int first, int end)> monthTable;
    // The day page of a date, for the element "Content" of day.htm; computes
    // the date's year when another one is held.
    std::function<std::string(CLiturgicalYear&, const CIVILDATE&)> dayPage;
};

// The program's own page builders (an empty builder shows nothing).
PAGERENDERERS DefaultPageRenderers();

} // namespace talvoren

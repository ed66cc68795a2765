#pragma once

namespace talvoren
{
// A range of days chosen in the select-date dialog: a whole month or a span
// of days of one year.
struct DATESELECTION
{
    int nMode = 0;       // 0 = whole month, 1 = span of days
    int nYear = 0;
    int nMonth = 1;      // the month (mode 0) or the first day's month (mode 1)
    int nFromDay = 1;
    int nToMonth = 1;
    int nToDay = 1;
    int nTabular = 0;    // 1 = tabular page
};


} // namespace talvoren

#pragma once
// What the steps of a year's computation read from the language data: the
// titles, and the Sunday and weekday lectionaries of the year's cycles.

#include "engine/TitleList.h"

#include <string>
#include <vector>

namespace talvoren
{
class CYearTexts
{
public:
    // All three must outlive this object.
    CYearTexts(const CTitleList& titles, const std::vector<std::string>& sunday,
               const std::vector<std::string>& weekday)
        : m_titles(titles), m_sunday(sunday), m_weekday(weekday)
    {
    }

    const CTitleList& Titles() const { return m_titles; }
    const std::string& Title(int n) const { return m_titles.Title(n); }
    // Entry `n` of the Sunday or weekday list; "" beyond the list.
    const std::string& SundayEntry(int n) const;
    const std::string& WeekdayEntry(int n) const;

    // The readings of a Sunday of `season` in week `week`: its Sunday entry
    // and, in Ordinary Time, Advent and Easter, its psalter-week mark; "" on
    // a weekday (1..6) and for a Sunday of Lent (laid out by Lent itself).
    std::string SundayReadings(int season, int week, int weekday) const;

private:
    const CTitleList& m_titles;
    const std::vector<std::string>& m_sunday;
    const std::vector<std::string>& m_weekday;
};

// The psalter week (1..4) of week `week` (1..34) of a season.
inline int PsalterWeek(int week)
{
    constexpr int kPsalterWeeks = 4;
    return ((week - 1) % kPsalterWeeks) + 1;
}

} // namespace talvoren

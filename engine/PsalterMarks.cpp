#include "engine/PsalterMarks.h"

#include "engine/TemporalCycle.h"
#include "engine/TitlePositions.h"
#include "engine/YearTexts.h"

namespace talvoren
{
namespace
{
constexpr int kDaysInWeek = 7;
constexpr int kMondaysAfterPentecost = 3;

bool IsRomanDigit(char ch)
{
    return ch == 'I' || ch == 'V';
}
} // namespace

void SetPsalterWeekMarks(YEARTABLE& table, const CTitleList& titles, const SEASONANCHORS& anchors)
{
    auto& days = table.days;
    for (int k = 0; k < kMondaysAfterPentecost; ++k) {
        const int d = anchors.nPentecost + 1 + kDaysInWeek * k;
        if (table.InYear(d))
            days[d].strReadings += titles.PsalterMark(PsalterWeek(OrdinaryWeekAfterPentecost(anchors, d)));
    }
    days[anchors.nBaptism].strReadings += titles.PsalterMark(1);

    for (int p = 0; p < table.nDaysInYear; ++p) {
        std::string& readings = days[p].strReadings;
        if (days[p].nWeekday != 0 || days[p].nRank <= kRankSunday)
            continue;
        const std::string mark = PsalterMarkIn(readings, titles);
        if (mark.empty())
            continue;
        for (std::size_t found; (found = readings.find(mark)) != std::string::npos;)
            readings.erase(found, mark.size());
        for (int k = 1; k < kDaysInWeek && p + k < table.nDaysInYear; ++k) {
            if (days[p + k].nRank < kRankSunday) {
                days[p + k].strReadings += mark;
                break;
            }
        }
    }
}

std::string PsalterMarkIn(const std::string& readings, const CTitleList& titles)
{
    const std::string prefix = "<br>" + titles.Title(kTitlePsalterLabel) + " ";
    const std::size_t at = readings.find(prefix);
    if (at == std::string::npos)
        return std::string();
    // The mark is the prefix and the Roman numeral after it.
    std::size_t end = at + prefix.size();
    while (end < readings.size() && IsRomanDigit(readings[end]))
        ++end;
    return readings.substr(at, end - at);
}

} // namespace talvoren

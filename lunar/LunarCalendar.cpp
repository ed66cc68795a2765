#include "lunar/LunarCalendar.h"

#include "base/CivilDate.h"
#include "lunar/LunarAstronomy.h"
#include "lunar/LunarYearTable.h"

#include <algorithm>

namespace talvoren
{
namespace
{
const char* const kStemNames[10] = {
    "Gi&#225;p", "&#7844;t", "B&#237;nh", "&#208;inh", "M&#7853;u",
    "K&#7927;", "Canh", "T&#226;n", "Nh&#226;m", "Qu&#237;",
};

const char* const kBranchNames[12] = {
    "T&#237;", "S&#7917;u", "D&#7847;n", "M&#227;o", "Th&#236;n", "T&#7925;",
    "Ng&#7885;", "M&#249;i", "Th&#226;n", "D&#7853;u", "Tu&#7845;t", "H&#7907;i",
};

int PositiveModulo(int value, int divisor)
{
    const int rest = value % divisor;
    return rest < 0 ? rest + divisor : rest;
}
} // namespace

bool CLunarCalendar::SetSolarDate(int year, int month, int day)
{
    if (year < kFirstYear || year > kLastYear || !IsValidDate(year, month, day))
        return false;
    const int jdn = CLunarAstronomy::JulianDay(year, month, day);
    if (!ConvertFromTable(jdn - CLunarYearTable::s_nEpochJulianDay)) {
        if (jdn < m_nHeldFirstDay || jdn >= m_nHeldNextFirstDay) {
            LUNARYEAR computed;
            if (!CLunarAstronomy::YearOfDay(jdn, computed))
                return false;   // not reached for the accepted years
            m_nHeldYear = computed.nYear;
            m_nHeldWord = CLunarAstronomy::YearWord(computed);
            m_nHeldFirstDay = computed.nFirstDay;
            m_nHeldNextFirstDay = computed.nNextFirstDay;
        }
        WalkYear(m_nHeldWord, m_nHeldYear, jdn - m_nHeldFirstDay);
    }
    m_nSolarYear = year;
    m_nSolarMonth = month;
    m_nSolarDay = day;
    return true;
}

bool CLunarCalendar::ConvertFromTable(int n)
{
    const CLunarYearTable::StartArray& starts = CLunarYearTable::s_arrYearStarts;
    if (n < 0 || n >= starts[CLunarYearTable::kYears])
        return false;

    // The year: the last whose first day is not after day n.
    const int index = static_cast<int>(std::upper_bound(starts.begin(), starts.end(), n) - starts.begin()) - 1;
    WalkYear(CLunarYearTable::s_arrWords[index], CLunarYearTable::kFirstYear + index, n - starts[index]);
    return true;
}

void CLunarCalendar::WalkYear(std::uint32_t word, int year, int rest)
{
    // The months in calendar order: 1..L, the leap month, L+1..12.
    const int leap = CLunarYearTable::LeapMonth(word);
    int month = 1;
    bool isLeap = false;
    for (;;) {
        const int length = isLeap ? CLunarYearTable::LeapMonthLength(word) : CLunarYearTable::MonthLength(word, month);
        if (rest < length || (month == 12 && !(leap == 12 && !isLeap)))
            break;
        rest -= length;
        if (!isLeap && month == leap) {
            isLeap = true;
        } else {
            isLeap = false;
            ++month;
        }
    }
    m_nLunarYear = year;
    m_nLunarMonth = month;
    m_nLunarDay = rest + 1;
    m_bLeapMonth = isLeap;
}

std::string CLunarCalendar::GetYearName() const
{
    if (m_nLunarYear == 0)
        return std::string();
    return std::string(GetStemName(PositiveModulo(m_nLunarYear - 1900 + 6, 10))) + ' ' +
           GetBranchName(PositiveModulo(m_nLunarYear - 1900, 12));
}

const char* CLunarCalendar::GetStemName(int index)
{
    return index >= 0 && index < 10 ? kStemNames[index] : "";
}

const char* CLunarCalendar::GetBranchName(int index)
{
    return index >= 0 && index < 12 ? kBranchNames[index] : "";
}

} // namespace talvoren

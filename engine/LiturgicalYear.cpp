#include "engine/LiturgicalYear.h"

#include "base/CivilDate.h"
#include "engine/TemporalCycle.h"
#include "engine/YearComputation.h"

namespace talvoren
{
CLiturgicalYear::CLiturgicalYear(const CLanguageState& language)
    : m_pOwnLoader(std::make_unique<CLanguageDataLoader>(language)), m_loader(*m_pOwnLoader),
      m_data(m_loader.Current())
{
}

CLiturgicalYear::CLiturgicalYear(CLanguageDataLoader& loader) : m_loader(loader), m_data(loader.Current())
{
}

CLiturgicalYear::~CLiturgicalYear() = default;

bool CLiturgicalYear::IsLeapYear(int year)
{
    return talvoren::IsLeapYear(year);
}

int CLiturgicalYear::DayOfYear(int year, int month, int day)
{
    return talvoren::DayOfYear(year, month, day);
}

void CLiturgicalYear::ComputeEaster(int year, int* month, int* day)
{
    const CIVILDATE easter = EasterSunday(year);
    *month = easter.nMonth;
    *day = easter.nDay;
}

int CLiturgicalYear::GetDayIndex(int month, int day) const
{
    return DayOfYear(m_nComputedYear, month, day);
}

const std::string& CLiturgicalYear::GetWeekdayName(int index) const
{
    return GetWeekdayNameOf(GetDay(index).nWeekday);
}

const std::string& CLiturgicalYear::GetMonthName(int index) const
{
    return GetMonthNameOf(GetDay(index).nMonth);
}

bool CLiturgicalYear::ComputeYear(int year, bool force)
{
    if (year < kFirstYear || year > kLastYear)
        return false;
    if (year == m_nComputedYear && !force)
        return true;
    m_nComputedYear = year;   // set first: a failed year is not retried until the marker changes
    m_data = m_loader.Current();
    m_table = ComputeYearTable(year, CalendarSettingsFor(m_options), *m_data);
    return m_table.bComplete;
}

void CLiturgicalYear::LoadTitles()
{
    m_nComputedYear = -1;
    m_data = m_loader.Reload();
}

} // namespace talvoren

#include "engine/LiturgicalYear.h"

#include "base/CivilDate.h"
#include "engine/DayNotes.h"
#include "engine/LanguageFile.h"
#include "platform/MessageSink.h"
#include "platform/SettingsKey.h"

namespace talvoren
{
namespace
{
const std::string kEmpty;
const DAYRECORD kEmptyDay;
} // namespace

CLiturgicalYear::CLiturgicalYear(const CLanguageState& language) : m_language(language)
{
    LoadTitles();
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

int CLiturgicalYear::WeekdayOfNewYear(int year)
{
    return WeekdayOf(year, 1, 1);
}

const DAYRECORD& CLiturgicalYear::GetDay(int index) const
{
    if (index < 0 || index >= kTableSize)
        return kEmptyDay;
    return m_days[index];
}

int CLiturgicalYear::GetDayIndex(int month, int day) const
{
    return DayOfYear(m_nComputedYear, month, day);
}

void CLiturgicalYear::GetMonthRange(int month, int* first, int* end) const
{
    if (month < 1 || month > 12) {
        *first = 0;
        *end = 0;
        return;
    }
    *first = DaysBeforeMonth(m_nYear, month);
    *end = DaysBeforeMonth(m_nYear, month + 1);
}

const std::string& CLiturgicalYear::GetTitle(int n) const
{
    if (n < 0 || n >= static_cast<int>(m_titles.size()))
        return kEmpty;
    return m_titles[n];
}

const std::string& CLiturgicalYear::GetWeekdayName(int index) const
{
    return GetTitle(86 + GetDay(index).nWeekday);
}

const std::string& CLiturgicalYear::GetMonthName(int index) const
{
    return GetTitle(93 + GetDay(index).nMonth);
}

const std::string& CLiturgicalYear::GetWeekdayNameOf(int weekday) const
{
    return weekday < 0 || weekday > 6 ? kEmpty : GetTitle(86 + weekday);
}

const std::string& CLiturgicalYear::GetMonthNameOf(int month) const
{
    return month < 1 || month > 12 ? kEmpty : GetTitle(93 + month);
}

const std::string& CLiturgicalYear::SundayEntry(int n) const
{
    if (n < 0 || n >= static_cast<int>(m_sundayLectionary.size()))
        return kEmpty;
    return m_sundayLectionary[n];
}

const std::string& CLiturgicalYear::WeekdayEntry(int n) const
{
    if (n < 0 || n >= static_cast<int>(m_weekdayLectionary.size()))
        return kEmpty;
    return m_weekdayLectionary[n];
}

std::string CLiturgicalYear::PsalterMark(int week) const
{
    return "<br>" + GetTitle(108) + " " + std::to_string(week);
}

void CLiturgicalYear::SetDay(int index, const std::string& celebration, int rank, int colour, int season)
{
    DAYRECORD& day = m_days[index];
    day.strCelebration = celebration;
    day.nRank = rank;
    day.nColour = colour;
    day.nSeason = season;
}

void CLiturgicalYear::AppendLine(const std::string& text, int month, int day)
{
    const int index = DayOfYear(m_nYear, month, day);
    if (!InYear(index))
        return;
    std::string& readings = m_days[index].strReadings;
    if (!readings.empty())
        readings += "<br>";
    readings += text;
}

bool CLiturgicalYear::ComputeYear(int year, bool force)
{
    if (year < kFirstYear || year > kLastYear)
        return false;
    if (year == m_nComputedYear && !force)
        return true;
    m_nComputedYear = year;   // set first: a failed year is not retried until the marker changes
    if (!InitYear(year))
        return false;
    SetChristmasSeasonJanuary();
    SetLent();
    SetEasterSeason();
    SetAdvent();
    SetChristmasSeasonDecember();
    SetOrdinaryTimeBeforeLent();
    SetOrdinaryTimeAfterPentecost();
    ApplyFeasts();
    m_sundayLectionary.clear();
    m_weekdayLectionary.clear();
    // The deferred readings go in before the notes, so that notes on Corpus
    // Christi and the Sacred Heart are kept.
    ApplyDeferredTexts();
    ReadDayNotes("uLocal.txt");
    ReadDayNotes("uOrdo.txt");
    ReadDayNotes("uNote.txt");
    SetPsalterWeekMarks();
    return true;
}

bool CLiturgicalYear::InitYear(int year)
{
    m_nYear = year;
    m_nDaysInYear = IsLeapYear(year) ? 366 : 365;
    int easterMonth = 0;
    int easterDay = 0;
    ComputeEaster(year, &easterMonth, &easterDay);
    m_nEaster = DayOfYear(year, easterMonth, easterDay);
    m_nChristmas = DayOfYear(year, 12, 25);
    m_bCorpusChristiThursday = 0;
    m_bEpiphanyJan6 = 0;
    m_bAscensionSunday = 0;
    m_nFirstSunday = m_nEaster % 7;
    ReadSettings();

    const int newYearWeekday = WeekdayOfNewYear(year);
    int month = 0;
    for (int i = 0; i < kTableSize; ++i) {
        DAYRECORD& day = m_days[i];
        if (i >= m_nDaysInYear) {   // not part of the year
            day = DAYRECORD();
            continue;
        }
        while (i >= DaysBeforeMonth(year, month + 2))
            ++month;
        day.nMonth = month + 1;
        day.nDay = i - DaysBeforeMonth(year, month + 1) + 1;
        day.nWeekday = (newYearWeekday + i) % 7;
        day.nColour = kColourGreen;
        day.nRank = i % 7 == m_nFirstSunday ? kRankSunday : kRankWeekday;
        day.nSeason = kSeasonOrdinary;
        day.strCelebration.clear();
        day.strReadings.clear();
    }
    m_deferredDays.clear();
    m_deferredTexts.clear();
    return LoadLectionaries();
}

void CLiturgicalYear::ReadSettings()
{
    const bool allGiven = m_options.nEpiphany >= 0 && m_options.nAscension >= 0 && m_options.nCorpusChristi >= 0;
    if (!allGiven) {
        CSettingsKey key;
        if (key.Open(SettingsRoot::LocalMachine, nullptr) == CSettingsKey::kSuccess) {
            std::uint32_t value = 0;
            if (key.ReadDword("Epiphany", &value) == CSettingsKey::kSuccess)
                m_bEpiphanyJan6 = value != 0;
            value = 0;
            if (key.ReadDword("Ascension", &value) == CSettingsKey::kSuccess)
                m_bAscensionSunday = value != 0;
            value = 0;
            if (key.ReadDword("CorpusChristi", &value) == CSettingsKey::kSuccess)
                m_bCorpusChristiThursday = value != 0;
            m_bCorpusChristiThursday = m_bCorpusChristiThursday == 0 ? 1 : 0;
        }
        key.Close();
    }
    if (m_options.nEpiphany >= 0)
        m_bEpiphanyJan6 = m_options.nEpiphany != 0;
    if (m_options.nAscension >= 0)
        m_bAscensionSunday = m_options.nAscension != 0;
    if (m_options.nCorpusChristi >= 0)
        m_bCorpusChristiThursday = m_options.nCorpusChristi == 0 ? 1 : 0;
}

void CLiturgicalYear::LoadTitles()
{
    m_nComputedYear = -1;
    m_bVietnameseOrder = m_language.nSyntax;
    std::vector<std::string> titles;
    if (!CLanguageFile::Read(m_language.strFolder + "utitles.txt", titles))
        return;
    m_titles = std::move(titles);
}

void CLiturgicalYear::ReadDayNotes(const char* fileName)
{
    if (!CLanguageFile::Read(m_language.strFolder + fileName, m_lineBuffer))
        return;
    CollectDayNotes(m_lineBuffer, [this](const std::string& note, int month, int day) { AppendLine(note, month, day); });
}

} // namespace talvoren

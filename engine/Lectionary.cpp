// The lectionary lists, the readings fixed by date, the deferred readings and
// the psalter-week marks.

#include "engine/LanguageFile.h"
#include "engine/LectionaryEntry.h"
#include "engine/LiturgicalYear.h"

namespace talvoren
{
namespace
{
bool LoadList(const std::string& path, std::vector<std::string>& lines, std::vector<std::string>& list)
{
    if (!CLanguageFile::Read(path, lines))
        return false;
    list.reserve(lines.size());
    for (const std::string& line : lines)
        list.push_back(LectionaryEntry(line));
    return true;
}
} // namespace

bool CLiturgicalYear::LoadLectionaries()
{
    m_sundayLectionary.clear();
    m_weekdayLectionary.clear();
    // Sunday cycle A, B, C by (Y + 2) mod 3; weekday cycle 1 in odd years.
    const char sundayLetter = static_cast<char>('A' + (m_nYear + 2) % 3);
    const char weekdayDigit = m_nYear % 2 != 0 ? '1' : '2';
    const std::string prefix = m_language.strFolder + "uLectionary";
    if (!LoadList(prefix + sundayLetter + ".txt", m_lineBuffer, m_sundayLectionary))
        return false;
    if (!LoadList(prefix + weekdayDigit + ".txt", m_lineBuffer, m_weekdayLectionary))
        return false;

    for (int i = 0; i < 12; ++i)   // 1 to 12 January
        m_days[i].strReadings = WeekdayEntry(31 + i);
    for (int k = 0; k < 6; ++k)    // 26 to 31 December
        m_days[DayOfYear(m_nYear, 12, 26 + k)].strReadings = WeekdayEntry(25 + k);
    return true;
}

void CLiturgicalYear::ApplyDeferredTexts()
{
    for (std::size_t k = 0; k < m_deferredDays.size(); ++k)
        if (InYear(static_cast<int>(m_deferredDays[k])))
            m_days[m_deferredDays[k]].strReadings = m_deferredTexts[k];
    m_deferredDays.clear();
    m_deferredTexts.clear();
}

void CLiturgicalYear::SetPsalterWeekMarks()
{
    // The three Mondays after Pentecost continue the count from before Lent.
    for (int k = 0; k < 3; ++k) {
        const int d = m_nPentecost + 1 + 7 * k;
        if (InYear(d))
            m_days[d].strReadings += PsalterMark(((k + m_nWeekAtLent) % 4) + 1);
    }
    m_days[m_nBaptism].strReadings += PsalterMark(1);

    // A Sunday that carries a higher celebration hands its mark to the next
    // day of lower rank within the week.
    const std::string markPrefix = "<br>" + GetTitle(108) + " ";
    for (int p = 0; p < m_nDaysInYear; ++p) {
        std::string& readings = m_days[p].strReadings;
        if (m_days[p].nWeekday != 0 || m_days[p].nRank <= kRankSunday)
            continue;
        const std::size_t at = readings.find(markPrefix);
        if (at == std::string::npos)
            continue;
        // The mark is the prefix and the one character after it (the digit).
        std::size_t end = at + markPrefix.size();
        if (end < readings.size()) {
            ++end;
            while (end < readings.size() && (static_cast<unsigned char>(readings[end]) & 0xC0) == 0x80)
                ++end;
        }
        const std::string mark = readings.substr(at, end - at);
        for (std::size_t found; (found = readings.find(mark)) != std::string::npos;)
            readings.erase(found, mark.size());
        for (int k = 1; k <= 6 && p + k < m_nDaysInYear; ++k) {
            if (m_days[p + k].nRank < kRankSunday) {
                m_days[p + k].strReadings += mark;
                break;
            }
        }
    }
}

} // namespace talvoren

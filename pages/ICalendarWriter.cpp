#include "pages/ICalendarWriter.h"

#include "base/HtmlPlainText.h"
#include "engine/DayRecord.h"
#include "engine/TitleList.h"
#include "engine/TitlePositions.h"
#include "engine/YearTable.h"
#include "lunar/LunarCalendar.h"
#include "pages/PageFormat.h"

#include <cctype>

namespace talvoren
{
namespace
{
constexpr std::size_t kMaxLineOctets = 75;   // RFC 5545, 3.1, without the CR LF

// The title position of the name of rank `rank` (DayRecord.h), or -1.
int RankNameTitle(int rank)
{
    switch (rank) {
    case kRankWeekday:
    case kRankAshWednesday:
    case kRankHolyWeek: return kTitleRankWeekday;
    case kRankLentMemorial:
    case kRankOptional: return kTitleRankOptionalMemorial;
    case kRankMemorial: return kTitleRankMemorial;
    case kRankFeast:
    case kRankFeastOfLord: return kTitleFeastLabel;
    case kRankSunday: return kTitleRankSunday;
    case kRankTriduum: return kTitleRankTriduum;
    case kRankSolemnity: return kTitleSolemnityLabel;
    default: return -1;
    }
}

// The language folder's name as a part of a UID: letters and digits in lower
// case, anything else a "-".
std::string UidPart(const std::string& language)
{
    std::string part;
    for (unsigned char ch : language)
        part += std::isalnum(ch) ? static_cast<char>(std::tolower(ch)) : '-';
    return part.empty() ? "-" : part;
}
} // namespace

std::string CICalendarWriter::EscapeText(const std::string& text)
{
    std::string out;
    out.reserve(text.size() + 16);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char ch = text[i];
        switch (ch) {
        case '\\': out += "\\\\"; break;
        case ';': out += "\\;"; break;
        case ',': out += "\\,"; break;
        case '\r':
            if (i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            out += "\\n";
            break;
        case '\n': out += "\\n"; break;
        default: out += ch;
        }
    }
    return out;
}

std::string CICalendarWriter::FoldLine(const std::string& line)
{
    std::string out;
    out.reserve(line.size() + line.size() / 64 * 3 + 2);
    std::size_t room = kMaxLineOctets;   // octets left on the current physical line
    for (std::size_t i = 0; i < line.size();) {
        // One UTF-8 sequence at a time: its lead byte and its continuation
        // bytes, at most four (text that is no UTF-8 is still cut in time).
        std::size_t length = 1;
        while (length < 4 && i + length < line.size() && (static_cast<unsigned char>(line[i + length]) & 0xC0) == 0x80)
            ++length;
        if (length > room) {
            out += "\r\n ";
            room = kMaxLineOctets - 1;
        }
        out.append(line, i, length);
        room -= length;
        i += length;
    }
    return out + "\r\n";
}

std::string CICalendarWriter::Summary(const DAYRECORD& day) const
{
    return HtmlToPlainText(day.strCelebration);
}

std::string CICalendarWriter::Description(const DAYRECORD& day) const
{
    std::string text = HtmlToPlainText(day.strReadings);
    CLunarCalendar lunar;
    if (lunar.SetSolarDate(m_year.nYear, day.nMonth, day.nDay)) {
        std::string date;
        AppendFormat(date, "%d-%d", lunar.GetLunarDay(), lunar.GetLunarMonth());
        const std::string month = HtmlToPlainText(m_titles.LunarMonthName(lunar.GetLunarMonth()));
        if (!month.empty())
            date += " " + month;
        date += " " + HtmlToPlainText(lunar.GetYearName());
        text += (text.empty() ? "" : "\n") + date;
    }
    return text;
}

std::string CICalendarWriter::Categories(const DAYRECORD& day) const
{
    std::string categories;
    const int rank = RankNameTitle(day.nRank);
    for (const std::string& name :
         {rank < 0 ? std::string() : HtmlToPlainText(m_titles.Title(rank)),
          day.nColour >= kColourGreen && day.nColour <= kColourBlack
              ? HtmlToPlainText(m_titles.Title(kTitleColourName + day.nColour))
              : std::string()}) {
        if (!name.empty())
            categories += (categories.empty() ? "" : ",") + EscapeText(name);
    }
    return categories;
}

std::string CICalendarWriter::Render(int first, int end, std::time_t stamp) const
{
    std::tm utc{};
    gmtime_r(&stamp, &utc);
    std::string dtstamp;
    AppendFormat(dtstamp, "%04d%02d%02dT%02d%02d%02dZ", utc.tm_year + 1900, utc.tm_mon + 1, utc.tm_mday,
                 utc.tm_hour, utc.tm_min, utc.tm_sec);
    const std::string uidLanguage = UidPart(m_strLanguage);

    std::string out;
    out.reserve(static_cast<std::size_t>(end > first ? end - first : 0) * 600 + 256);
    out += "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Sorvane Network//Talvoren liturgical calendar//EN\r\n"
           "CALSCALE:GREGORIAN\r\nMETHOD:PUBLISH\r\n";
    for (int i = first < 0 ? 0 : first; i < end && i < m_year.nDaysInYear; ++i) {
        const DAYRECORD& day = m_year.Day(i);
        // An all-day event ends (exclusively) on the next day's date; the
        // last day of the year ends on 1 January of the next.
        const bool lastDay = i + 1 >= m_year.nDaysInYear;
        const DAYRECORD& next = m_year.Day(i + 1);
        std::string dates;
        AppendFormat(dates, "DTSTART;VALUE=DATE:%04d%02d%02d\r\nDTEND;VALUE=DATE:%04d%02d%02d\r\n", m_year.nYear,
                     day.nMonth, day.nDay, lastDay ? m_year.nYear + 1 : m_year.nYear, lastDay ? 1 : next.nMonth,
                     lastDay ? 1 : next.nDay);
        std::string uid;
        AppendFormat(uid, "UID:%04d%02d%02d-%s@talvoren", m_year.nYear, day.nMonth, day.nDay, uidLanguage.c_str());
        out += "BEGIN:VEVENT\r\n";
        out += FoldLine(uid);
        out += "DTSTAMP:" + dtstamp + "\r\n";
        out += dates;
        out += FoldLine("SUMMARY:" + EscapeText(Summary(day)));
        const std::string description = Description(day);
        if (!description.empty())
            out += FoldLine("DESCRIPTION:" + EscapeText(description));
        const std::string categories = Categories(day);
        if (!categories.empty())
            out += FoldLine("CATEGORIES:" + categories);
        out += "TRANSP:TRANSPARENT\r\nEND:VEVENT\r\n";
    }
    out += "END:VCALENDAR\r\n";
    return out;
}

} // namespace talvoren

#pragma once
// The calendar as iCalendar (RFC 5545), for calendar programs and phones:
// one all-day event a day.
//
// Each event carries the celebration (SUMMARY), the readings with their
// marks and notes and then the lunar date (DESCRIPTION), the rank and the
// colour named in the language of the titles (CATEGORIES), a UID that stays
// the same for a date and a language folder, and the time of the export
// (DTSTAMP). Texts are plain (base/HtmlPlainText.h), escaped and folded as
// the RFC asks; every line ends in CR LF.

#include <ctime>
#include <string>

namespace talvoren
{
class CTitleList;
struct DAYRECORD;
struct YEARTABLE;

class CICalendarWriter
{
public:
    // Both must outlive the writer. `language` names the language folder
    // ("Vietnam"): it goes into each UID, so that the same day of two
    // languages makes two events.
    CICalendarWriter(const YEARTABLE& year, const CTitleList& titles, const std::string& language)
        : m_year(year), m_titles(titles), m_strLanguage(language)
    {
    }

    // The calendar of the day indexes [first, end) of the table's year
    // (indexes outside the held year are left out), stamped with `stamp`.
    std::string Render(int first, int end, std::time_t stamp) const;

    // The texts of one day's event, before escaping.
    std::string Summary(const DAYRECORD& day) const;
    std::string Description(const DAYRECORD& day) const;
    // The rank name and the colour name, each left out when the titles
    // list has no entry for it.
    std::string Categories(const DAYRECORD& day) const;

    // A TEXT value: "\" "," ";" escaped with a backslash, a line end as "\n"
    // (a CR LF pair or a lone CR counts as one).
    static std::string EscapeText(const std::string& text);
    // A content line ended by CR LF, folded so that no line is longer than
    // 75 octets: each further line starts with one blank, and no UTF-8
    // sequence is cut.
    static std::string FoldLine(const std::string& line);

private:
    const YEARTABLE& m_year;
    const CTitleList& m_titles;
    std::string m_strLanguage;
};

} // namespace talvoren

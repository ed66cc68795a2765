#pragma once
// The calendar written out of the program: a year or a month as iCalendar
// for calendar programs, or as a page of its own (month list, wall calendar,
// day) for printing and web sites. The command-line tool and File › Export…
// of the desktop program ask for it the same way.

#include <ctime>
#include <string>

namespace talvoren
{
class CLiturgicalYear;

enum class ExportFormat { ICalendar, Html };
enum class ExportPage { MonthList, WallCalendar, Day };

struct EXPORTREQUEST
{
    ExportFormat format = ExportFormat::ICalendar;
    ExportPage page = ExportPage::MonthList;   // the page of an HTML export
    int nYear = 0;
    int nMonth = 0;   // 1..12; 0 = the whole year (not for a day page)
    int nDay = 0;     // 1..31 for a day page
};

class CCalendarExport
{
public:
    // Computes the request's year on `engine` and writes the export into
    // `text`. `languageFolder` (the engine's folder) names the language:
    // its last part goes into the UIDs of iCalendar events and chooses the
    // lang of a page. `stamp` is the DTSTAMP of iCalendar events. Returns
    // false, with `error` saying why and `text` untouched, when the year
    // cannot be computed (outside 1583..9999, a lectionary missing), the
    // month is outside 0..12, or a day page lacks its month or day or names
    // a date that does not exist.
    static bool Export(CLiturgicalYear& engine, const EXPORTREQUEST& request, const std::string& languageFolder,
                       std::time_t stamp, std::string& text, std::string& error);

    // The language code of a shipped language folder: "vi" for Vietnam,
    // "en" for English, "" for another.
    static std::string LanguageCode(const std::string& folderName);
    // A file name for the export: "talvoren-2026-12.ics", "talvoren-2026.html".
    static std::string SuggestedFileName(const EXPORTREQUEST& request);
};

} // namespace talvoren

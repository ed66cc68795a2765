#include "shell/CalendarExport.h"

#include "base/CivilDate.h"
#include "engine/LiturgicalYear.h"
#include "pages/ICalendarWriter.h"
#include "pages/PageFormat.h"
#include "pages/StandalonePage.h"
#include "platform/SystemPaths.h"

namespace talvoren
{
std::string CCalendarExport::LanguageCode(const std::string& folderName)
{
    if (folderName == "Vietnam")
        return "vi";
    if (folderName == "English")
        return "en";
    return std::string();
}

std::string CCalendarExport::SuggestedFileName(const EXPORTREQUEST& request)
{
    std::string name;
    AppendFormat(name, "talvoren-%04d", request.nYear);
    if (request.nMonth != 0)
        AppendFormat(name, "-%02d", request.nMonth);
    if (request.format == ExportFormat::Html && request.page == ExportPage::Day)
        AppendFormat(name, "-%02d", request.nDay);
    return name + (request.format == ExportFormat::ICalendar ? ".ics" : ".html");
}

bool CCalendarExport::Export(CLiturgicalYear& engine, const EXPORTREQUEST& request, const std::string& languageFolder,
                             std::time_t stamp, std::string& text, std::string& error)
{
    const bool dayPage = request.format == ExportFormat::Html && request.page == ExportPage::Day;
    if (request.nMonth < 0 || request.nMonth > 12) {
        error = "There is no month " + std::to_string(request.nMonth) + "; a month is a number from 1 to 12.";
        return false;
    }
    if (dayPage && (request.nMonth == 0 || !IsValidDate(request.nYear, request.nMonth, request.nDay))) {
        error = "The day page needs a date that exists: " + std::to_string(request.nDay) + "/" +
                std::to_string(request.nMonth) + "/" + std::to_string(request.nYear) + " does not.";
        return false;
    }
    if (!engine.ComputeYear(request.nYear)) {
        error = "The calendar of " + std::to_string(request.nYear) +
                " cannot be computed (a year from 1583 to 9999, with every lectionary file of the language folder).";
        return false;
    }
    const YEARTABLE& table = engine.Table();
    const std::string folderName = LastPathName(languageFolder);
    if (request.format == ExportFormat::ICalendar) {
        const MONTHRANGE range = request.nMonth != 0 ? table.MonthRange(request.nMonth)
                                                     : MONTHRANGE{0, table.nDaysInYear};
        text = CICalendarWriter(table, engine.Titles(), folderName).Render(range.nFirst, range.nEnd, stamp);
        return true;
    }
    const CStandalonePage page(table, engine.Titles(), LanguageCode(folderName));
    switch (request.page) {
    case ExportPage::MonthList: text = page.MonthList(request.nMonth); break;
    case ExportPage::WallCalendar: text = page.WallCalendar(request.nMonth); break;
    case ExportPage::Day: text = page.Day(request.nMonth, request.nDay); break;
    }
    return true;
}

} // namespace talvoren

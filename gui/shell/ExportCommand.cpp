#include "gui/shell/ExportCommand.h"

#include "base/CivilDate.h"
#include "engine/LanguageState.h"
#include "engine/LiturgicalYear.h"
#include "gui/shell/TalvorenView.h"
#include "platform/FileReplacement.h"
#include "platform/MessageSink.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <ctime>

namespace talvoren
{
QStringList CExportCommand::FileTypes()
{
    return {tr("iCalendar, the month on display (*.ics)"), tr("iCalendar, the whole year (*.ics)"),
            tr("Web page, the month on display (*.html)"), tr("Web page, the whole year (*.html)")};
}

EXPORTREQUEST CExportCommand::Request(int type, const CTalvorenView& view)
{
    SHOWNMONTH shown = view.ShownMonth();
    if (shown.nYear == 0) {
        const CIVILDATE today = TodayLocal();
        shown = SHOWNMONTH{today.nYear, today.nMonth, false};
    }
    EXPORTREQUEST request;
    request.format = type == kMonthICalendar || type == kYearICalendar ? ExportFormat::ICalendar : ExportFormat::Html;
    request.page = shown.bWallCalendar ? ExportPage::WallCalendar : ExportPage::MonthList;
    request.nYear = shown.nYear;
    request.nMonth = type == kMonthICalendar || type == kMonthPage ? shown.nMonth : 0;
    return request;
}

void CExportCommand::Run(QWidget* parent, CTalvorenView& view, const CLanguageState& language)
{
    const QStringList types = FileTypes();
    QString chosenType = types.first();
    const std::string suggested = CCalendarExport::SuggestedFileName(Request(kMonthICalendar, view));
    QString path = QFileDialog::getSaveFileName(parent, tr("Export the calendar"),
                                                QDir::home().filePath(QString::fromStdString(suggested)),
                                                types.join(QStringLiteral(";;")), &chosenType);
    if (path.isEmpty())
        return;
    const EXPORTREQUEST request = Request(static_cast<int>(types.indexOf(chosenType)), view);
    // A name typed without an ending gets the one of its type.
    if (QFileInfo(path).suffix().isEmpty())
        path += request.format == ExportFormat::ICalendar ? QStringLiteral(".ics") : QStringLiteral(".html");
    Write(view, language, request, path.toStdString());
}

bool CExportCommand::Write(CTalvorenView& view, const CLanguageState& language, const EXPORTREQUEST& request,
                           const std::string& path)
{
    CLiturgicalYear year(view.LanguageData());
    std::string text;
    std::string error;
    if (!CCalendarExport::Export(year, request, language.strFolder, std::time(nullptr), text, error) ||
        !ReplaceFileContents(path, text, error)) {
        ShowMessage(tr("The calendar could not be exported: %1").arg(QString::fromStdString(error)).toStdString(),
                    MessageIcon::Stop);
        return false;
    }
    return true;
}

} // namespace talvoren

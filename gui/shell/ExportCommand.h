#pragma once
// File › Export…: the month on display or its whole year written to a file,
// as iCalendar or as a web page of its own (the month list or the wall
// calendar, whichever is on display). The file dialog's type list is the
// choice; shell/CalendarExport makes the text.

#include "shell/CalendarExport.h"

#include <QCoreApplication>
#include <QStringList>
#include <string>

class QWidget;

namespace talvoren
{
class CTalvorenView;
struct CLanguageState;

class CExportCommand
{
    Q_DECLARE_TR_FUNCTIONS(CExportCommand)

public:
    // The types of the file dialog (FileTypes), in this order.
    enum : int { kMonthICalendar, kYearICalendar, kMonthPage, kYearPage };
    static QStringList FileTypes();
    // The request of type `type` (an index of FileTypes) for the month that
    // `view` shows (this month when it shows none yet).
    static EXPORTREQUEST Request(int type, const CTalvorenView& view);

    // Asks for a file and its type, then writes it (Write).
    static void Run(QWidget* parent, CTalvorenView& view, const CLanguageState& language);
    // Computes the export over the view's language data with an engine of
    // its own (the view keeps the year it shows) and replaces the file at
    // `path` in one step. False after a message that says why.
    static bool Write(CTalvorenView& view, const CLanguageState& language, const EXPORTREQUEST& request,
                      const std::string& path);
};

} // namespace talvoren

#include "shell/DialogHooks.h"

#include "platform/MessageSink.h"
#include "resources/ResourceIds.h"
#include "resources/StringTable.h"

namespace
{
// Until its dialog is part of the program, a command says so instead of
// doing nothing.
int NotYetAvailable(int command)
{
    ShowMessage(CommandPrompt(command) + ": this dialog is not part of this version yet.", MessageIcon::Information);
    return IDCANCEL;
}
}

bool RunSelectDateDialog(QWidget*, DATESELECTION*)
{
    return NotYetAvailable(ID_SELECTDATE) == IDOK;
}

int RunConfigDialog(QWidget*)
{
    return NotYetAvailable(ID_CONFIGURE);
}

int RunLanguageDialog(CMainFrame*)
{
    return NotYetAvailable(ID_INTERNATIONALISE);
}

int RunNotesDialog(QWidget*)
{
    return NotYetAvailable(ID_NOTE);
}

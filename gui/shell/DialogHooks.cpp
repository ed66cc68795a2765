#include "gui/shell/DialogHooks.h"

#include "gui/dialogs/ConfigDlg.h"
#include "gui/dialogs/DialogHost.h"
#include "gui/dialogs/LanguageDlg.h"
#include "gui/dialogs/NotesDlg.h"
#include "gui/dialogs/SelectDateDlg.h"
#include "gui/shell/MainFrame.h"
#include "gui/shell/TalvorenView.h"
#include "platform/MessageSink.h"
#include "platform/SystemPaths.h"
#include "resources/ResourceIds.h"
#include "shell/CompanionPrograms.h"

namespace talvoren
{
namespace
{
// The program folder of the running frame (where its pages and language
// folders lie), else the folder of the executable.
std::string FrameProgramFolder(const CMainFrame* frame)
{
    if (frame && frame->ActiveView())
        return frame->ActiveView()->ProgramFolder();
    return talvoren::ProgramFolder();
}
}

bool RunSelectDateDialog(QWidget* parent, DATESELECTION* selection)
{
    CSelectDateDlg dialog(parent);
    if (dialog.exec() != IDOK)
        return false;
    if (selection)
        *selection = dialog.Selection();
    return true;
}

int RunConfigDialog(QWidget* parent)
{
    CConfigDlg dialog(parent);
    return dialog.exec();
}

int RunLanguageDialog(CMainFrame* frame)
{
    CLanguageState* language = RunLanguageState();
    if (!language) {
        ShowMessage("The language of this run cannot be changed here.", MessageIcon::Stop);
        return IDCANCEL;
    }
    const bool onCdRom = frame ? !frame->IsNotOnCdRom() : IsOnCdRom(talvoren::ProgramFolder(), ReadMountTable());
    CLanguageDlg dialog(*language, FrameProgramFolder(frame), onCdRom, nullptr);
    dialog.SetReloadHandler([frame]() {
        if (frame)
            frame->ReloadLanguageData();
    });
    return dialog.exec();
}

int RunNotesDialog(QWidget* parent)
{
    CNotesDlg dialog(FrameProgramFolder(FindMainFrame()), parent);
    return dialog.exec();
}

} // namespace talvoren

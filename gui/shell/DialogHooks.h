#pragma once
// The frame's entry points into the dialogs of configuration, language,
// date selection and notes. Each returns the dialog's result (IDOK or
// IDCANCEL); the dialogs fill these in as they become part of the program.

#include "shell/CalendarCommands.h"

class QWidget;
namespace talvoren
{
class CMainFrame;

// Runs the select-date dialog; true and `selection` filled when it ended with OK.
bool RunSelectDateDialog(QWidget* parent, DATESELECTION* selection);
int RunConfigDialog(QWidget* parent);
// The language dialog calls frame->ReloadLanguageData() after storing a new folder.
int RunLanguageDialog(CMainFrame* frame);
int RunNotesDialog(QWidget* parent);

} // namespace talvoren

#pragma once
// What the dialogs take from the running program: the main window, the
// language state of the run and the two shared fonts. The application
// object holds them; a program that runs the main frame without the
// application object (the tests of the frame) lends its language state.

#include <QFont>

namespace talvoren
{
class CMainFrame;
struct CLanguageState;

// The program's main window: the application object's frame, else the first
// top-level main frame; null when there is none.
CMainFrame* FindMainFrame();

// The language folder and syntax flag of the run that the language dialog
// changes: the application object's, else the one lent; null without either.
CLanguageState* RunLanguageState();
void LendRunLanguageState(CLanguageState* state);

// The Vietnamese display font (face "Vietnam", cell height 12) for captions
// in the Vietnamese font encoding, and the list font (face "Verdana", cell
// height 16): the application object's, else made alike.
QFont VietnameseDisplayFont();
QFont ListFont();

// Widens a check box, radio button or label whose caption is wider in the
// font at hand than its place in the template, so that no letter is cut off.
void WidenToCaption(QWidget* control);

} // namespace talvoren

#include "gui/dialogs/DialogHost.h"

#include "gui/platform/DialogUnits.h"
#include "gui/shell/MainFrame.h"
#include "gui/shell/TalvorenApp.h"

#include <QApplication>

namespace talvoren
{
namespace
{
CLanguageState* g_pLentLanguage = nullptr;
}

CMainFrame* FindMainFrame()
{
    if (const CTalvorenApp* app = CTalvorenApp::Instance(); app && app->MainFrame())
        return app->MainFrame();
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* frame = qobject_cast<CMainFrame*>(widget))
            return frame;
    return nullptr;
}

CLanguageState* RunLanguageState()
{
    if (CTalvorenApp* app = CTalvorenApp::Instance())
        return &app->Language();
    return g_pLentLanguage;
}

void LendRunLanguageState(CLanguageState* state)
{
    g_pLentLanguage = state;
}

QFont VietnameseDisplayFont()
{
    if (const CTalvorenApp* app = CTalvorenApp::Instance())
        return app->VietnameseFont();
    return MakeCellHeightFont(QStringLiteral("Vietnam"), 12, QFont::Normal);
}

QFont ListFont()
{
    if (const CTalvorenApp* app = CTalvorenApp::Instance())
        return app->ListFont();
    return MakeCellHeightFont(QStringLiteral("Verdana"), 16, QFont::Normal);
}

void WidenToCaption(QWidget* control)
{
    const int needed = control->sizeHint().width();
    if (needed > control->width())
        control->resize(needed, control->height());
}

} // namespace talvoren

#pragma once
// The program's only top-level window: toolbar and dialog bar at the top,
// status bar at the bottom, the main view in between. It routes the
// commands of the toolbar, menu and accelerators, and keeps the printed
// pages' header and footer while it exists.

#include "shell/PageSetup.h"

#include <QHash>
#include <QMainWindow>
#include <QPrinter>
#include <memory>
#include <string>

class QAction;
class QLabel;
class QToolBar;

namespace talvoren
{
class CTalvorenView;
struct CLanguageState;

class CMainFrame : public QMainWindow
{
    Q_OBJECT

public:
    // Builds the bars, replaces the page header and footer, creates the view
    // over `language` and `programFolder`. `onCdRom`: the executable lies on a
    // CD-ROM drive (the Note command is then disabled).
    CMainFrame(const CLanguageState& language, const std::string& programFolder, bool onCdRom,
               QWidget* parent = nullptr);
    ~CMainFrame() override;

    CTalvorenView* ActiveView() const { return m_pView; }

    // Runs the command `id` as its toolbar button, menu item or accelerator does.
    void OnCommand(int id);
    // The action of a command id, or null.
    QAction* Action(int id) const { return m_actions.value(id, nullptr); }
    QToolBar* ToolBar() const { return m_pToolBar; }
    QToolBar* DialogBar() const { return m_pDialogBar; }
    // The indicator pane of `id` (59137..59139).
    QLabel* Indicator(int id) const { return m_indicators.value(id, nullptr); }

    // Called by the language dialog after it stored a new language folder:
    // the engine reloads its titles.
    void ReloadLanguageData();

    // The page header and footer as they were before the program replaced them.
    const PAGESETUP& SavedPageSetup() const { return m_savedPageSetup; }
    bool IsNotOnCdRom() const { return m_bNotOnCdRom != 0; }
    QPrinter* Printer() { return &m_printer; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QAction* MakeAction(int id, const QString& text, bool withIcon);
    void CreateBars();
    void CreateMenus();
    void CreateAccelerators();
    void UpdateIndicators();
    void ShowAbout();

    CTalvorenView* m_pView = nullptr;
    QToolBar* m_pToolBar = nullptr;
    QToolBar* m_pDialogBar = nullptr;
    QHash<int, QAction*> m_actions;
    QHash<int, QLabel*> m_indicators;
    PAGESETUP m_savedPageSetup;
    int m_bNotOnCdRom = 1;
    std::string m_strProgramFolder;
    QPrinter m_printer{QPrinter::HighResolution};
};

} // namespace talvoren

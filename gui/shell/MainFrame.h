#pragma once
// The program's only top-level window: toolbar and dialog bar at the top,
// status bar at the bottom, the main view in between. It routes the
// commands of the toolbar, menu and accelerators, and opens the dialogs over
// itself with the context of the run. Closing it (File > Exit) closes the
// windows the pages opened too, and so ends the program.

#include "base/CivilDate.h"

#include <QHash>
#include <QMainWindow>
#include <QPrinter>

class QAction;
class QLabel;
class QMenu;
class QToolBar;

namespace talvoren
{
class CAppContext;
class CTalvorenView;

class CMainFrame : public QMainWindow
{
    Q_OBJECT

public:
    // Builds the bars, creates the view over the context's language state
    // and program folder. From a CD-ROM the Note command is disabled.
    // `context` must outlive the frame.
    explicit CMainFrame(CAppContext& context, QWidget* parent = nullptr);
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

    // After the language dialog stored a new language folder: the engine
    // reloads its titles and the program's texts change to the language
    // that goes with the folder.
    void ReloadLanguageData();

    // Shows the window in front of the others, restored to its size before
    // it was minimised (a later start of the program asks for this).
    void BringToFront();

    QPrinter* Printer() { return &m_printer; }
    // Whether Print asks with the print dialog first (true unless a caller
    // that set up the printer itself says otherwise).
    void SetAskBeforePrinting(bool ask) { m_bAskBeforePrinting = ask; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QAction* MakeAction(int id, bool withIcon);
    // Sets every text of the bars in the interface language.
    void RetranslateUi();
    void CreateBars();
    void CreateMenus();
    void CreateAccelerators();
    void UpdateIndicators();
    void ShowAbout();
    void SelectDate();
    // The day page, on `date` or (null) on today.
    void OpenDayPage(const CIVILDATE* date);
    void ChangeLanguage();

    CAppContext& m_context;
    CTalvorenView* m_pView = nullptr;
    QToolBar* m_pToolBar = nullptr;
    QToolBar* m_pDialogBar = nullptr;
    QMenu* m_pFileMenu = nullptr;
    QMenu* m_pHelpMenu = nullptr;
    QMenu* m_pViewMenu = nullptr;
    QAction* m_pExportAction = nullptr;
    QString m_strIdle;   // the status bar's text when no prompt shows
    QHash<int, QAction*> m_actions;
    QHash<int, QLabel*> m_indicators;
    QPrinter m_printer{QPrinter::HighResolution};
    bool m_bAskBeforePrinting = true;
};

} // namespace talvoren

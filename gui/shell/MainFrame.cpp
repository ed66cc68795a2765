#include "gui/shell/MainFrame.h"

#include "base/PageScripts.h"
#include "gui/dialogs/ConfigDlg.h"
#include "gui/dialogs/LanguageDlg.h"
#include "gui/dialogs/NotesDlg.h"
#include "gui/dialogs/SelectDateDlg.h"
#include "gui/pages/DayDlg.h"
#include "gui/platform/AppContext.h"
#include "gui/platform/DialogUnits.h"
#include "gui/platform/KeyboardLocks.h"
#include "gui/resources/IconResources.h"
#include "gui/dialogs/PageLayoutDlg.h"
#include "gui/pages/HtmlViewDlg.h"
#include "gui/resources/InterfaceText.h"
#include "gui/shell/AboutDlg.h"
#include "gui/shell/ExportCommand.h"
#include "gui/shell/StatusBridge.h"
#include "pages/ScripturePage.h"
#include "shell/CommandAddress.h"
#include "gui/shell/ShellCompanionHost.h"
#include "gui/shell/TalvorenView.h"
#include "resources/ResourceIds.h"
#include "resources/StringTable.h"
#include "shell/CompanionPrograms.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QShortcut>
#include <QStatusBar>
#include <QToolBar>

namespace talvoren
{
namespace
{
QString Text(const std::string& text)
{
    return QString::fromStdString(text);
}

// The menus and their items; an id of 0 marks a separator.
struct MENUITEM
{
    int id;
    const char* pszText;
};
const MENUITEM kFileMenu[] = {
    {ID_CONFIGURE, QT_TRANSLATE_NOOP("talvoren::CMainFrame", "&Configure")},
    {0, nullptr},
    {ID_NOTE, QT_TRANSLATE_NOOP("talvoren::CMainFrame", "&Note")},
    {0, nullptr},
    {ID_FILE_PRINT, QT_TRANSLATE_NOOP("talvoren::CMainFrame", "&Print...\tCtrl+P")},
    {ID_FILE_PRINT_SETUP, QT_TRANSLATE_NOOP("talvoren::CMainFrame", "P&rint Setup...")},
    {0, nullptr},
    {ID_APP_EXIT, QT_TRANSLATE_NOOP("talvoren::CMainFrame", "E&xit")},
};
const MENUITEM kHelpMenu[] = {
    {ID_APP_ABOUT, QT_TRANSLATE_NOOP("talvoren::CMainFrame", "&About Talvoren...")},
    {ID_HELP_HOWTO, QT_TRANSLATE_NOOP("talvoren::CMainFrame", "&Help")},
};
// The View menu: the three views, the select-date dialog and the moves
// between months, each with its key.
struct VIEWITEM
{
    int id;
    const char* pszText;
    QKeySequence keys;
    const char* pszPrompt;   // for the commands the string table has no prompt of
};
const VIEWITEM kViewMenu[] = {
    {ID_DAILY, QT_TRANSLATE_NOOP("talvoren::CMainFrame", "&Daily page"), QKeySequence(Qt::CTRL | Qt::Key_1), nullptr},
    {ID_MONTH, QT_TRANSLATE_NOOP("talvoren::CMainFrame", "&Month list"), QKeySequence(Qt::CTRL | Qt::Key_2), nullptr},
    {ID_TABULAR, QT_TRANSLATE_NOOP("talvoren::CMainFrame", "&Wall calendar"), QKeySequence(Qt::CTRL | Qt::Key_3),
     nullptr},
    {ID_SELECTDATE, QT_TRANSLATE_NOOP("talvoren::CMainFrame", "&Select date..."), QKeySequence(Qt::CTRL | Qt::Key_G),
     nullptr},
    {ID_VIEW_TODAY, QT_TRANSLATE_NOOP("talvoren::CMainFrame", "&Today"), QKeySequence(Qt::CTRL | Qt::Key_Home),
     QT_TRANSLATE_NOOP("talvoren::CMainFrame", "This month, with today")},
    {ID_VIEW_PREV_MONTH, QT_TRANSLATE_NOOP("talvoren::CMainFrame", "&Previous month"),
     QKeySequence(Qt::CTRL | Qt::Key_PageUp), QT_TRANSLATE_NOOP("talvoren::CMainFrame", "The month before")},
    {ID_VIEW_NEXT_MONTH, QT_TRANSLATE_NOOP("talvoren::CMainFrame", "&Next month"),
     QKeySequence(Qt::CTRL | Qt::Key_PageDown), QT_TRANSLATE_NOOP("talvoren::CMainFrame", "The month after")},
};
const char* const kViewMenuTitle = QT_TRANSLATE_NOOP("talvoren::CMainFrame", "&View");

const char* const kFileMenuTitle = QT_TRANSLATE_NOOP("talvoren::CMainFrame", "&File");
const char* const kHelpMenuTitle = QT_TRANSLATE_NOOP("talvoren::CMainFrame", "&Help");

// The toolbar's buttons from left to right; 0 marks a separator.
const int kToolbarButtons[] = {
    ID_DAILY,   ID_MONTH,      ID_TABULAR, ID_SELECTDATE, 0,
    ID_EDIT_COPY, ID_PRINT_PAGE, 0,
    ID_CONFIGURE, ID_INTERNATIONALISE, 0,
    ID_BIBLE,   ID_CANTREL,    ID_APPENDIX, ID_SOFTWARE, 0,
    ID_APP_ABOUT, ID_HELP_HOWTO,
};
}

CMainFrame::CMainFrame(CAppContext& context, QWidget* parent) : QMainWindow(parent), m_context(context)
{
    setWindowIcon(LoadIconResource(IDI_PROGRAM));
    setWindowTitle(Text(LoadResourceString(AFX_IDS_APP_TITLE)));
    CreateBars();

    m_pView = new CTalvorenView(m_context.Language(), m_context.ProgramFolder(), this);
    setCentralWidget(m_pView);
    connect(m_pView, &CTalvorenView::StatusText, this, [this](const QString& text) {
        statusBar()->showMessage(text);
    });
    connect(m_pView, &CTalvorenView::PrintRequested, this, [this]() { OnCommand(ID_FILE_PRINT); });
    // Queued: a page's click arrives inside the browser's own message
    // handling, which a modal dialog's loop must not run within.
    connect(
        m_pView, &CTalvorenView::DayRequested, this, [this](const CIVILDATE& date) { OpenDayPage(&date); },
        Qt::QueuedConnection);
    CreateMenus();
    RetranslateUi();
    CreateAccelerators();
    m_pView->OnInitialUpdate();
}

CMainFrame::~CMainFrame()
{
    qApp->removeEventFilter(this);
    delete m_pView;   // the view goes first, closing the database
    m_pView = nullptr;
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    QMainWindow::closeEvent(event);
    // The reading, print and help windows go with the frame, so that no
    // window is left and the program ends.
    if (event->isAccepted() && m_pView) {
        for (QWebEngineView* window : m_pView->OpenedWindows())
            window->close();
    }
}

QAction* CMainFrame::MakeAction(int id, bool withIcon)
{
    QAction* action = m_actions.value(id, nullptr);
    if (!action) {
        action = new QAction(this);
        action->setData(id);
        connect(action, &QAction::triggered, this, [this, id]() { OnCommand(id); });
        m_actions.insert(id, action);
    }
    if (withIcon && action->icon().isNull())
        action->setIcon(ToolbarIcon(id));
    return action;
}

void CMainFrame::RetranslateUi()
{
    // A toolbar button is named by its tooltip, a menu item by its menu text.
    for (auto it = m_actions.cbegin(); it != m_actions.cend(); ++it) {
        it.value()->setStatusTip(CommandPromptText(it.key()));
        it.value()->setToolTip(CommandTooltipText(it.key()));
        it.value()->setText(CommandTooltipText(it.key()).trimmed());
    }
    m_pFileMenu->setTitle(tr(kFileMenuTitle));
    m_pHelpMenu->setTitle(tr(kHelpMenuTitle));
    m_pViewMenu->setTitle(tr(kViewMenuTitle));
    for (const VIEWITEM& item : kViewMenu) {
        Action(item.id)->setText(tr(item.pszText));
        if (item.pszPrompt)
            Action(item.id)->setStatusTip(tr(item.pszPrompt));
    }
    for (const MENUITEM& item : kFileMenu)
        if (item.id != 0)
            Action(item.id)->setText(tr(item.pszText));
    for (const MENUITEM& item : kHelpMenu)
        Action(item.id)->setText(tr(item.pszText));
    m_pExportAction->setText(tr("&Export..."));
    m_pExportAction->setStatusTip(tr("Write the month on display or its year as iCalendar or as a web page"));
    m_pToolBar->setWindowTitle(tr("Toolbar"));
    m_pDialogBar->setWindowTitle(tr("Dialog bar"));
    const bool idleShown = statusBar()->currentMessage() == m_strIdle;
    m_strIdle = ResourceText(AFX_IDS_IDLEMESSAGE);
    if (idleShown)
        statusBar()->showMessage(m_strIdle);
}

void CMainFrame::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange && m_pFileMenu)
        RetranslateUi();
    QMainWindow::changeEvent(event);
}

void CMainFrame::CreateBars()
{
    m_pToolBar = new QToolBar(this);
    m_pToolBar->setObjectName(QStringLiteral("toolbar%1").arg(AFX_IDW_TOOLBAR));
    m_pToolBar->setIconSize(QSize(16, 15));
    m_pToolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    for (int id : kToolbarButtons) {
        if (id == 0)
            m_pToolBar->addSeparator();
        else
            m_pToolBar->addAction(MakeAction(id, true));
    }
    addToolBar(Qt::TopToolBarArea, m_pToolBar);

    // The dialog bar: an empty band of 330 x 16 dialog units beside the toolbar.
    m_pDialogBar = new QToolBar(this);
    m_pDialogBar->setObjectName(QStringLiteral("dialogbar%1").arg(AFX_IDW_DIALOGBAR));
    auto* empty = new QWidget(m_pDialogBar);
    empty->setFixedSize(DialogUnitsToPixels(DialogTemplateFont(), 330, 16));
    m_pDialogBar->addWidget(empty);
    addToolBar(Qt::TopToolBarArea, m_pDialogBar);

    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("statusbar%1").arg(AFX_IDW_STATUS_BAR));
    for (int id : {ID_INDICATOR_CAPS, ID_INDICATOR_NUM, ID_INDICATOR_SCRL}) {
        auto* pane = new QLabel(bar);
        pane->setFrameShape(QFrame::Panel);
        pane->setFrameShadow(QFrame::Sunken);
        pane->setAlignment(Qt::AlignCenter);
        pane->setMinimumWidth(pane->fontMetrics().horizontalAdvance(QStringLiteral("SCRL")) + 10);
        pane->setObjectName(QStringLiteral("indicator%1").arg(id));
        bar->addPermanentWidget(pane);
        m_indicators.insert(id, pane);
    }
    m_strIdle = ResourceText(AFX_IDS_IDLEMESSAGE);
    connect(bar, &QStatusBar::messageChanged, this, [this, bar](const QString& message) {
        if (message.isEmpty())
            bar->showMessage(m_strIdle);
    });
    bar->showMessage(m_strIdle);
    UpdateIndicators();
    qApp->installEventFilter(this);
}

void CMainFrame::CreateMenus()
{
    m_pFileMenu = menuBar()->addMenu(QString());
    for (const MENUITEM& item : kFileMenu) {
        if (item.id == 0)
            m_pFileMenu->addSeparator();
        else
            m_pFileMenu->addAction(MakeAction(item.id, false));
        if (item.id == ID_FILE_PRINT_SETUP) {
            m_pExportAction = m_pFileMenu->addAction(QString());
            m_pExportAction->setObjectName(QStringLiteral("actionExport"));
            connect(m_pExportAction, &QAction::triggered, this,
                    [this]() { CExportCommand::Run(this, *m_pView, m_context.Language()); });
        }
    }
    Action(ID_NOTE)->setEnabled(!m_context.IsOnCdRom());
    // The three views and the moves between months, with their keys, so
    // that the menu lists them.
    m_pViewMenu = menuBar()->addMenu(QString());
    for (const VIEWITEM& item : kViewMenu) {
        QAction* action = MakeAction(item.id, false);
        action->setShortcut(item.keys);
        action->setShortcutContext(Qt::WindowShortcut);
        m_pViewMenu->addAction(action);
        if (item.id == ID_SELECTDATE)
            m_pViewMenu->addSeparator();
    }
    m_pHelpMenu = menuBar()->addMenu(QString());
    for (const MENUITEM& item : kHelpMenu)
        m_pHelpMenu->addAction(MakeAction(item.id, false));
    Action(ID_HELP_HOWTO)->setShortcut(QKeySequence(Qt::Key_F1));
    Action(ID_HELP_HOWTO)->setShortcutContext(Qt::WindowShortcut);
}

void CMainFrame::CreateAccelerators()
{
    struct ACCELERATOR { QKeySequence keys; int id; };
    const ACCELERATOR accelerators[] = {
        {QKeySequence(Qt::CTRL | Qt::Key_N), ID_FILE_NEW},
        {QKeySequence(Qt::CTRL | Qt::Key_O), ID_FILE_OPEN},
        {QKeySequence(Qt::CTRL | Qt::Key_S), ID_FILE_SAVE},
        {QKeySequence(Qt::CTRL | Qt::Key_P), ID_FILE_PRINT},
        {QKeySequence(Qt::CTRL | Qt::Key_Z), ID_EDIT_UNDO},
        {QKeySequence(Qt::ALT | Qt::Key_Backspace), ID_EDIT_UNDO},
        {QKeySequence(Qt::CTRL | Qt::Key_X), ID_EDIT_CUT},
        {QKeySequence(Qt::SHIFT | Qt::Key_Delete), ID_EDIT_CUT},
        {QKeySequence(Qt::CTRL | Qt::Key_C), ID_EDIT_COPY},
        {QKeySequence(Qt::CTRL | Qt::Key_Insert), ID_EDIT_COPY},
        {QKeySequence(Qt::CTRL | Qt::Key_V), ID_EDIT_PASTE},
        {QKeySequence(Qt::SHIFT | Qt::Key_Insert), ID_EDIT_PASTE},
        {QKeySequence(Qt::Key_F6), ID_NEXT_PANE},
        {QKeySequence(Qt::SHIFT | Qt::Key_F6), ID_PREV_PANE},
    };
    for (const ACCELERATOR& accelerator : accelerators) {
        auto* shortcut = new QShortcut(accelerator.keys, this);
        shortcut->setContext(Qt::WindowShortcut);
        const int id = accelerator.id;
        connect(shortcut, &QShortcut::activated, this, [this, id]() { OnCommand(id); });
    }
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::ShortcutOverride: {
        // The browser claims the editing keys for itself; the program's own
        // accelerators (copy, print, ...) go to the frame instead.
        auto* key = static_cast<QKeyEvent*>(event);
        const QWidget* widget = qobject_cast<QWidget*>(watched);
        if (widget && widget->window() == this && m_pView && m_pView->isAncestorOf(widget)) {
            const QKeySequence pressed(key->modifiers() | key->key());
            for (const QShortcut* shortcut : findChildren<QShortcut*>()) {
                if (shortcut->key() == pressed) {
                    event->ignore();   // not overridden: the shortcut fires, not the browser
                    return true;
                }
            }
            for (const QAction* action : std::as_const(m_actions)) {
                if (!action->shortcut().isEmpty() && action->shortcut() == pressed) {
                    event->ignore();
                    return true;
                }
            }
        }
        break;
    }
    case QEvent::KeyRelease:
    case QEvent::WindowActivate:
        UpdateIndicators();
        break;
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}

void CMainFrame::UpdateIndicators()
{
    const KEYBOARDLOCKS locks = ReadKeyboardLocks();
    const struct { int id; bool on; } panes[] = {
        {ID_INDICATOR_CAPS, locks.bCaps}, {ID_INDICATOR_NUM, locks.bNum}, {ID_INDICATOR_SCRL, locks.bScroll}};
    for (const auto& pane : panes) {
        if (QLabel* label = m_indicators.value(pane.id, nullptr))
            label->setText(pane.on ? Text(LoadResourceString(pane.id)) : QString());
    }
}

void CMainFrame::ShowAbout()
{
    CTalvorenView* view = m_pView;
    CAboutDlg dialog(m_context.ProgramFolder(), this, [view]() {
        return view ? view->LanguageData().Current() : std::shared_ptr<const CLanguageData>();
    });
    dialog.exec();
}

void CMainFrame::OpenDayPage(const CIVILDATE* date)
{
    CTalvorenView* view = m_pView;
    if (!view)
        return;
    CDayDlg dialog(view->LanguageData(), view->Renderers().dayPage, m_context, this);
    if (date)
        dialog.SetStartDate(*date);
    // A click on the day's readings: the dialog closes and the main view
    // shows the passages in its reading window.
    std::string readings;
    std::string heading;
    bool wanted = false;
    if (CHtmlViewDlg* page = dialog.PageView()) {
        auto* bridge = new CStatusBridge(&dialog);
        bridge->Install(page->page());
        connect(bridge, &CStatusBridge::StatusTextChanged, &dialog, [&](const QString& text) {
            const COMMANDADDRESS address = ParseCommandAddress(text.toStdString());
            if (address.word != CommandWord::ViewBible || !address.bHasArgument ||
                !dialog.Year().Table().InYear(address.nArgument))
                return;
            const DAYRECORD& day = dialog.Year().Table().Day(address.nArgument);
            readings = day.strReadings;
            heading = ReadingsHeading(day, dialog.Year().Table().nYear, dialog.Year().Titles());
            wanted = true;
            dialog.done(IDOK);
        });
    }
    dialog.exec();
    if (wanted && m_pView)
        m_pView->ShowReadings(readings, heading);
}

void CMainFrame::SelectDate()
{
    CSelectDateDlg dialog(m_context, this);
    if (m_pView && m_pView->Shown().nKind != 0) {
        const SHOWNPAGE& shown = m_pView->Shown();
        dialog.OpenOn(shown.nYear, m_pView->Year().Table().Day(shown.nFirst).nMonth, shown.nKind == 2);
    }
    if (dialog.exec() == IDOK && m_pView)
        m_pView->ShowSelection(dialog.Selection());
}

void CMainFrame::ChangeLanguage()
{
    CLanguageDlg dialog(m_context, this);
    dialog.SetReloadHandler([this]() { ReloadLanguageData(); });
    if (dialog.exec() == IDOK && m_pView)
        m_pView->Year().Invalidate();
}

void CMainFrame::BringToFront()
{
    setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    show();
    raise();
    activateWindow();
}

void CMainFrame::ReloadLanguageData()
{
    if (m_pView) {
        m_pView->Year().LoadTitles();
        m_pView->ReloadPage();   // the page's own words follow the new folder
    }
    // The program's own texts follow the language folder; the bars are
    // retranslated on the LanguageChange event that installing sends.
    m_context.ApplyInterfaceLanguage();
}

void CMainFrame::OnCommand(int id)
{
    CTalvorenView* view = m_pView;
    switch (id) {
    case ID_DAILY:
        OpenDayPage(nullptr);
        break;
    case ID_MONTH:
        if (view)
            view->ShowKind(1);
        break;
    case ID_TABULAR:
        if (view)
            view->ShowKind(2);
        break;
    case ID_VIEW_TODAY:
        if (view)
            view->OnStatusTextChange(QStringLiteral("talvorencommand|today|0"));
        break;
    case ID_VIEW_PREV_MONTH:
    case ID_VIEW_NEXT_MONTH:
        if (view)
            view->OnStatusTextChange(QStringLiteral("talvorencommand|step|%1").arg(id == ID_VIEW_PREV_MONTH ? -1 : 1));
        break;
    case ID_SELECTDATE:
        if (view)
            SelectDate();
        break;
    case ID_EDIT_COPY:
        if (view)
            view->RunScript("CopyToClipboard();");
        break;
    case ID_PRINT_PAGE:   // the toolbar's Print prints as File > Print does
    case ID_FILE_PRINT:
        if (view)
            view->Print(&m_printer, m_bAskBeforePrinting);
        break;
    case ID_HELP_HOWTO:
        if (view)
            view->RunScript(MakeOpenWinScript(m_context.ProgramFolder(), "calendar.htm").c_str());
        break;
    case ID_CONFIGURE: {
        CConfigDlg dialog(m_context, this);
        dialog.exec();
        break;
    }
    case ID_INTERNATIONALISE:
        ChangeLanguage();
        break;
    case ID_NOTE: {
        if (m_context.IsOnCdRom())
            break;
        CNotesDlg dialog(m_context, this);
        if (dialog.exec() == IDOK && view)
            view->Year().Invalidate();
        break;
    }
    case ID_BIBLE:
    case ID_CANTREL:
    case ID_APPENDIX:
    case ID_SOFTWARE: {
        CShellCompanionHost host(m_context, this);
        host.SetTodaysReadings([view]() {
            if (view)
                view->ShowTodaysReadings();
        });
        LaunchCompanion(id, m_context.ProgramFolder(), host);
        break;
    }
    case ID_APP_ABOUT:
        ShowAbout();
        break;
    case ID_FILE_PRINT_SETUP: {
        // A dialog of the program's own: Qt's page set-up refuses PDF output.
        CPageLayoutDlg dialog(m_printer.pageLayout(), this);
        if (dialog.exec() == QDialog::Accepted)
            m_printer.setPageLayout(dialog.Layout());
        break;
    }
    case ID_APP_EXIT:
        close();
        break;
    case ID_FILE_NEW:
        // A new document of a program whose document holds no data: the
        // view starts afresh on the main page.
        if (view)
            view->OnInitialUpdate();
        break;
    default:
        // Open, save, undo, cut, paste and the pane keys: the document holds
        // nothing to open or save, and the program has no handler for the others.
        break;
    }
}

} // namespace talvoren

#include "moc_MainFrame.cpp"

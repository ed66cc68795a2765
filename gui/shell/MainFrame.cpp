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
#include "gui/shell/AboutDlg.h"
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
#include <QPageSetupDialog>
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
    CreateMenus();
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

QAction* CMainFrame::MakeAction(int id, const QString& text, bool withIcon)
{
    QAction* action = m_actions.value(id, nullptr);
    if (!action) {
        action = new QAction(text, this);
        action->setData(id);
        action->setStatusTip(Text(CommandPrompt(id)));
        action->setToolTip(Text(CommandTooltip(id)));
        connect(action, &QAction::triggered, this, [this, id]() { OnCommand(id); });
        m_actions.insert(id, action);
    } else if (!text.isEmpty()) {
        action->setText(text);
    }
    if (withIcon && action->icon().isNull())
        action->setIcon(ToolbarIcon(id));
    return action;
}

void CMainFrame::CreateBars()
{
    m_pToolBar = new QToolBar(QStringLiteral("Toolbar"), this);
    m_pToolBar->setObjectName(QStringLiteral("toolbar%1").arg(AFX_IDW_TOOLBAR));
    m_pToolBar->setIconSize(QSize(16, 15));
    m_pToolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    for (int id : kToolbarButtons) {
        if (id == 0)
            m_pToolBar->addSeparator();
        else
            m_pToolBar->addAction(MakeAction(id, Text(CommandTooltip(id)).trimmed(), true));
    }
    addToolBar(Qt::TopToolBarArea, m_pToolBar);

    // The dialog bar: an empty band of 330 x 16 dialog units beside the toolbar.
    m_pDialogBar = new QToolBar(QStringLiteral("Dialog bar"), this);
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
    const QString idle = Text(LoadResourceString(AFX_IDS_IDLEMESSAGE));
    connect(bar, &QStatusBar::messageChanged, this, [bar, idle](const QString& message) {
        if (message.isEmpty())
            bar->showMessage(idle);
    });
    bar->showMessage(idle);
    UpdateIndicators();
    qApp->installEventFilter(this);
}

void CMainFrame::CreateMenus()
{
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->addAction(MakeAction(ID_CONFIGURE, QStringLiteral("&Configure"), false));
    file->addSeparator();
    QAction* note = MakeAction(ID_NOTE, QStringLiteral("&Note"), false);
    note->setEnabled(!m_context.IsOnCdRom());
    file->addAction(note);
    file->addSeparator();
    QAction* print = MakeAction(ID_FILE_PRINT, QStringLiteral("&Print...\tCtrl+P"), false);
    file->addAction(print);
    file->addAction(MakeAction(ID_FILE_PRINT_SETUP, QStringLiteral("P&rint Setup..."), false));
    file->addSeparator();
    file->addAction(MakeAction(ID_APP_EXIT, QStringLiteral("E&xit"), false));

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->addAction(MakeAction(ID_APP_ABOUT, QStringLiteral("&About Talvoren..."), false));
    help->addAction(MakeAction(ID_HELP_HOWTO, QStringLiteral("&Help"), false));
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

void CMainFrame::SelectDate()
{
    CSelectDateDlg dialog(m_context, this);
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
}

void CMainFrame::OnCommand(int id)
{
    CTalvorenView* view = m_pView;
    switch (id) {
    case ID_DAILY:
        if (view) {
            CDayDlg dialog(view->LanguageData(), view->Renderers().dayPage, m_context, this);
            dialog.exec();
        }
        break;
    case ID_MONTH:
        if (view)
            view->ShowCurrentMonth(1);
        break;
    case ID_TABULAR:
        if (view)
            view->ShowCurrentMonth(2);
        break;
    case ID_SELECTDATE:
        if (view)
            SelectDate();
        break;
    case ID_EDIT_COPY:
        if (view)
            view->RunScript("CopyToClipboard();");
        break;
    case ID_PRINT_PAGE:
        if (view)
            view->RunScript(MakeOpenWinScript(m_context.ProgramFolder(), "print.htm").c_str());
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
        LaunchCompanion(id, m_context.ProgramFolder(), host);
        break;
    }
    case ID_APP_ABOUT:
        ShowAbout();
        break;
    case ID_FILE_PRINT:
        if (view)
            view->Print(&m_printer);
        break;
    case ID_FILE_PRINT_SETUP: {
        QPageSetupDialog dialog(&m_printer, this);
        dialog.exec();
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

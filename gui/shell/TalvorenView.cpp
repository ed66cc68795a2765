#include "gui/shell/TalvorenView.h"

#include "base/PageScripts.h"
#include "gui/controls/BusyNotice.h"
#include "gui/pages/HtmlProfile.h"
#include "gui/resources/IconResources.h"
#include "gui/shell/PagePrinter.h"
#include "gui/shell/StatusBridge.h"
#include "pages/ScripturePage.h"
#include "scripture/BibleDatabasePath.h"
#include "platform/MessageSink.h"
#include "platform/SystemPaths.h"
#include "resources/ResourceIds.h"
#include "resources/StringTable.h"
#include "shell/StatusDescription.h"

#include <QCoreApplication>
#include <QPrintDialog>
#include <QPrinter>
#include <QTimer>
#include <QUrl>
#include <QWebEnginePage>
#include <QWebEngineSettings>
#include <memory>

namespace talvoren
{
CTalvorenView::CTalvorenView(const CLanguageState& language, const std::string& programFolder, QWidget* parent)
    : QWebEngineView(parent),
      m_languageData(language),
      m_year(m_languageData),
      m_strProgramFolder(programFolder),
      m_renderers(DefaultPageRenderers()),
      m_commands(m_year, *this),
      m_pProfile(new CHtmlProfile(QString::fromStdString(JoinPath(programFolder, "Html")), this,
                                  [this]() { return m_languageData.Current(); })),
      m_pPage(new QWebEnginePage(m_pProfile, this)),
      m_pBridge(new CStatusBridge(this)),
      m_bVietnamese(IsVietnameseFolder(language.strFolder)),
      m_language(language)
{
    setPage(m_pPage);
    m_pBridge->Install(page());
    // The page's CopyToClipboard() writes the shown text to the clipboard.
    settings()->setAttribute(QWebEngineSettings::JavascriptCanAccessClipboard, true);
    connect(m_pBridge, &CStatusBridge::StatusTextChanged, this, &CTalvorenView::OnStatusTextChange);
    connect(this, &QWebEngineView::loadFinished, this, &CTalvorenView::OnLoadFinished);
    // The address of a link under the mouse goes to the status bar as well.
    connect(page(), &QWebEnginePage::linkHovered, this, [this](const QString& url) { emit StatusText(url); });
    // A page's own print (the reading window's button) prints as the frame's
    // print command does; queued, so that no dialog runs inside the
    // browser's message handling.
    connect(this, &QWebEngineView::printRequested, this, &CTalvorenView::PrintRequested, Qt::QueuedConnection);
}

CTalvorenView::~CTalvorenView()
{
    m_db.Close();
    qDeleteAll(OpenedWindows());
    delete m_pPage;
    delete m_pProfile;
}

QList<QWebEngineView*> CTalvorenView::OpenedWindows() const
{
    return findChildren<QWebEngineView*>(Qt::FindDirectChildrenOnly);
}

void CTalvorenView::OnInitialUpdate()
{
    const std::string pagePath = JoinPath(m_strProgramFolder, "Html/Calendar.htm");
    if (!PathExists(pagePath))
        ShowFileNotFound(pagePath);   // the view still runs, with an empty page
    m_commands.StartAfresh();
    load(CHtmlProfile::PageUrl(QStringLiteral("Calendar.htm")));

    // The path apart from any connection text: a folder may hold ";", quotes
    // or a leading blank.
    m_bDatabaseOpen = m_db.OpenFile(BibleDatabasePath(m_strProgramFolder));
}

void CTalvorenView::ReloadPage()
{
    m_commands.StartAfresh();
    m_bReloading = true;
    load(CHtmlProfile::PageUrl(QStringLiteral("Calendar.htm")));
}

void CTalvorenView::OnLoadFinished(bool ok)
{
    m_bHasDocument = ok;
    if (m_bReloading) {
        m_bReloading = false;
        const QStringList scripts = m_pendingScripts;
        m_pendingScripts.clear();
        for (const QString& script : scripts)
            if (ok)
                page()->runJavaScript(script);
    }
    if (ok)
        ShowTodayPanel();
    emit DocumentComplete(url());
}

void CTalvorenView::ShowTodayPanel()
{
    // The start page names today's celebration at once. A page without the
    // element changes nothing.
    if (!m_renderers.todayPanel)
        return;
    const CIVILDATE today = TodayLocal();
    CLiturgicalYear year(m_languageData);
    if (!year.ComputeYear(today.nYear))
        return;
    SetElementHtml("todayPanel", m_renderers.todayPanel(year.Table(), year.Titles(), today));
}

void CTalvorenView::OnStatusTextChange(const QString& text)
{
    if (m_nBuilding > 0) {
        // The busy notice lets the window system draw it while a page is
        // built; a command that arrives then waits for the build to end.
        m_pendingStatus << text;
        return;
    }
    // A link under the mouse: what it does, in the user's language. A
    // command address is run and never shown; the bar is then ready again.
    m_bVietnamese = IsVietnameseFolder(m_language.strFolder);
    if (text.startsWith(QLatin1String(kHoverPrefix)) && m_year.GetComputedYear() <= 0)
        m_year.ComputeYear(TodayLocal().nYear);   // the start page's links name days of this year
    bool hover = false;
    const std::string description = DescribeHover(text.toStdString(), m_year.Table(), m_bVietnamese, &hover);
    if (hover) {
        emit StatusText(QString::fromStdString(description));
        return;
    }
    const COMMANDADDRESS address = ParseCommandAddress(text.toStdString());
    const bool show = m_commands.Run(address);
    if (address.bIsCommand)
        emit StatusText(QString());
    else if (show)
        emit StatusText(text);
}

void CTalvorenView::EndBuilding()
{
    if (--m_nBuilding > 0 || m_pendingStatus.isEmpty())
        return;
    const QStringList pending = m_pendingStatus;
    m_pendingStatus.clear();
    QTimer::singleShot(0, this, [this, pending]() {
        for (const QString& text : pending)
            OnStatusTextChange(text);
    });
}

void CTalvorenView::ShowCurrentMonth(int kind)
{
    m_commands.ShowCurrentMonth(kind, TodayLocal());
}

void CTalvorenView::ShowKind(int kind)
{
    m_commands.ShowKind(kind, TodayLocal());
}

int CTalvorenView::SetElementHtml(const std::string& id, const std::string& html)
{
    if (!m_bHasDocument)
        return 0;
    RunInPage(QString::fromStdString(MakeSetElementHtmlScript(id, html)));
    return 1;
}

int CTalvorenView::RunScript(const char* text)
{
    if (text)
        m_strLastScript = text;
    if (!m_bHasDocument)
        return 0;
    RunInPage(QString::fromStdString(MakeRunScript(m_strLastScript)));
    return 1;
}

void CTalvorenView::RunInPage(const QString& script)
{
    if (m_bReloading)
        m_pendingScripts << script;
    else
        page()->runJavaScript(script);
}

void CTalvorenView::ShowFragment(const char* elementId, const std::function<std::string()>& build)
{
    std::string html;
    ++m_nBuilding;
    {
        CBusyNotice notice(QCoreApplication::translate(kStringTableContext, kWaitText), IDI_WAIT);
        html = build();
    }
    SetElementHtml(elementId, html);
    EndBuilding();
}

void CTalvorenView::ShowMonthList(int first, int end)
{
    if (!m_renderers.monthList)
        return;
    m_shownMonth = SHOWNMONTH{m_year.GetComputedYear(), m_year.GetDay(first).nMonth, false};
    ShowFragment("rightCol", [&]() { return m_renderers.monthList(m_year.Table(), m_year.Titles(), first, end); });
}

void CTalvorenView::ShowMonthTable(int first, int end)
{
    if (!m_renderers.monthTable)
        return;
    m_shownMonth = SHOWNMONTH{m_year.GetComputedYear(), m_year.GetDay(first).nMonth, true};
    ShowFragment("rightCol", [&]() { return m_renderers.monthTable(m_year.Table(), m_year.Titles(), first, end); });
}

void CTalvorenView::ShowReadings(const std::string& readings, const std::string& heading)
{
    if (!m_bDatabaseOpen)
        return;   // the passage page does nothing without its database
    PASSAGEPAGE passages;
    ++m_nBuilding;
    {
        CBusyNotice notice(QCoreApplication::translate(kStringTableContext, kWaitText), IDI_WAIT);
        const std::shared_ptr<const CLanguageData> languageData = m_languageData.Current();
        const CBookAbbreviations names = CBookAbbreviations::OfFolder(languageData->BookNameLines());
        PASSAGELANGUAGE language;
        language.pNames = &names;
        language.pTitles = &languageData->Titles();
        passages = ShowReadingsPage(readings, m_db, m_bDatabaseOpen, m_strProgramFolder, language);
    }
    if (passages.bShow) {
        SetElementHtml("rightCol2", heading + passages.strHtml);
        RunScript(passages.strScript.c_str());
    }
    EndBuilding();
}

void CTalvorenView::Print(QPrinter* printer, bool askFirst)
{
    QPrinter fallback(QPrinter::HighResolution);
    QPrinter* target = printer ? printer : &fallback;
    if (askFirst || !printer) {
        QPrintDialog dialog(target, this);
        if (dialog.exec() != QDialog::Accepted)
            return;
    }
    if (target == &fallback) {
        // The job outlives this call: give it a printer of its own.
        auto own = std::make_unique<QPrinter>(QPrinter::HighResolution);
        own->setPrinterName(fallback.printerName());
        own->setOutputFileName(fallback.outputFileName());
        own->setPageLayout(fallback.pageLayout());
        own->setCopyCount(fallback.copyCount());
        CPagePrinter::Print(page(), std::move(own), {}, ProgramPageSetup(IsVietnameseFolder(m_language.strFolder)));
        return;
    }
    CPagePrinter::Print(page(), target, {}, ProgramPageSetup(IsVietnameseFolder(m_language.strFolder)));
}

QWebEngineView* CTalvorenView::createWindow(QWebEnginePage::WebWindowType)
{
    auto* window = new QWebEngineView(m_pProfile, this);
    window->setWindowFlag(Qt::Window);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowIcon(LoadIconResource(IDI_PROGRAM));
    window->resize(width() * 3 / 4 > 640 ? width() * 3 / 4 : 640, height() * 3 / 4 > 480 ? height() * 3 / 4 : 480);
    connect(window->page(), &QWebEnginePage::windowCloseRequested, window, &QWidget::close);
    connect(window, &QWebEngineView::titleChanged, window, &QWidget::setWindowTitle);
    connect(window, &QWebEngineView::printRequested, window, [window]() {
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        QPrintDialog dialog(printer.get(), window);
        if (dialog.exec() != QDialog::Accepted)
            return;
        CPagePrinter::Print(window->page(), std::move(printer));
    });
    window->show();
    return window;
}

} // namespace talvoren

#include "moc_TalvorenView.cpp"

#pragma once
// The main view: a browser view that fills the frame. It loads the main page
// Html/Calendar.htm once and never navigates away; every calendar and
// scripture page is built as an HTML fragment and written into an element of
// that page. Pages talk back through their status text (command addresses).
// The view owns the language data, the year engine and the scripture
// database for the whole run; other windows compute their own years over
// its language data.

#include "engine/LanguageDataLoader.h"
#include "engine/LanguageState.h"
#include "engine/LiturgicalYear.h"
#include "scripture/ScriptureDb.h"
#include "shell/CalendarCommands.h"
#include "shell/PageRenderers.h"

#include <QStringList>
#include <QWebEngineView>
#include <string>

class QPrinter;

namespace talvoren
{
class CHtmlProfile;
class CStatusBridge;

// The month a page of the view shows: its year and month, and whether as
// the wall calendar (else the month list). A year of 0: none yet.
struct SHOWNMONTH
{
    int nYear = 0;
    int nMonth = 0;
    bool bWallCalendar = false;
};

class CTalvorenView : public QWebEngineView, public CPageTarget
{
    Q_OBJECT

public:
    // `language` must outlive the view; `programFolder` is where Html/ and
    // Bible.db lie. The pages come from Html/ through a profile of their own
    // (gui/pages/HtmlProfile.h), the windows they open too.
    CTalvorenView(const CLanguageState& language, const std::string& programFolder, QWidget* parent = nullptr);
    // The windows the page opened and the page go before their profile.
    ~CTalvorenView() override;

    void SetRenderers(const PAGERENDERERS& renderers) { m_renderers = renderers; }

    // Starts loading the main page afresh (the year held is let go, see
    // CCalendarCommands::StartAfresh) and opens the scripture database.
    void OnInitialUpdate();

    // Loads the main page again, with the words of the language folder now
    // in use (after the language changed); the year held is let go. Pages
    // shown while it loads are written into the new page.
    void ReloadPage();

    // The month of today as a month list (kind 1) or a tabular page (2).
    void ShowCurrentMonth(int kind);
    // The toolbar's month list (1) and wall calendar (2): the days on display
    // as the other kind, or today's month (CCalendarCommands::ShowKind).
    void ShowKind(int kind);
    const SHOWNPAGE& Shown() const { return m_commands.Shown(); }
    // Today's readings in the reading window.
    void ShowTodaysReadings() { m_commands.ShowTodaysReadings(TodayLocal()); }
    // Shows the range chosen in the select-date dialog.
    void ShowSelection(const DATESELECTION& selection) { m_commands.ShowSelection(selection); }

    // Replaces the inner HTML of the first element whose id or name is `id`.
    // 0 when there is no page yet; else 1.
    int SetElementHtml(const std::string& id, const std::string& html);
    // Runs one line of script in the main page; a null text runs the last
    // one again. 0 when there is no page yet; else 1. A page without script
    // elements runs nothing.
    int RunScript(const char* text);

    // The print command: the print dialog (unless `askFirst` is false and a
    // printer is given), then the page as shown, in the interface language's
    // header and footer.
    void Print(QPrinter* printer, bool askFirst = true);

    // CPageTarget: build a page behind the busy notice and show it.
    void ShowMonthList(int first, int end) override;
    void ShowMonthTable(int first, int end) override;
    void ShowReadings(const std::string& readings, const std::string& heading) override;
    void ShowDay(const CIVILDATE& date) override { emit DayRequested(date); }

    CLiturgicalYear& Year() { return m_year; }
    CLanguageDataLoader& LanguageData() { return m_languageData; }
    CScriptureDb& Database() { return m_db; }
    bool IsDatabaseOpen() const { return m_bDatabaseOpen; }
    bool HasDocument() const { return m_bHasDocument; }
    const std::string& ProgramFolder() const { return m_strProgramFolder; }
    const PAGERENDERERS& Renderers() const { return m_renderers; }
    // The month of the last month list or wall calendar shown.
    const SHOWNMONTH& ShownMonth() const { return m_shownMonth; }

signals:
    // Text for the frame's status bar.
    void StatusText(const QString& text);
    // The main page (or a page that replaced it) has finished loading.
    void DocumentComplete(const QUrl& url);
    // The page asked to be printed (window.print()).
    void PrintRequested();
    // A page asked for the day page of `date`.
    void DayRequested(const talvoren::CIVILDATE& date);

public slots:
    // The command channel: a page's new status text.
    void OnStatusTextChange(const QString& text);

    // The windows that the page has opened and that are still there.
    QList<QWebEngineView*> OpenedWindows() const;

protected:
    // Windows that the page opens (the reading, print and help windows):
    // windows of their own that belong to the view and go with it.
    QWebEngineView* createWindow(QWebEnginePage::WebWindowType type) override;

private:
    // Runs `script` in the page now, or after the reload under way.
    void RunInPage(const QString& script);
    void OnLoadFinished(bool ok);
    void ShowFragment(const char* elementId, const std::function<std::string()>& build);
    void EndBuilding();
    void ShowTodayPanel();

    CLanguageDataLoader m_languageData;
    CLiturgicalYear m_year;
    CScriptureDb m_db;
    bool m_bDatabaseOpen = false;
    bool m_bHasDocument = false;
    // While ReloadPage loads the page again, what is written into it waits
    // here and runs, in order, once the page is there.
    bool m_bReloading = false;
    QStringList m_pendingScripts;
    std::string m_strLastScript;
    std::string m_strProgramFolder;
    PAGERENDERERS m_renderers;
    CCalendarCommands m_commands;
    CHtmlProfile* m_pProfile;
    QWebEnginePage* m_pPage;
    CStatusBridge* m_pBridge;
    int m_nBuilding = 0;                     // > 0 while a page is being built
    SHOWNMONTH m_shownMonth;
    QStringList m_pendingStatus;             // status texts that arrived meanwhile
    bool m_bVietnamese;                      // status texts in Vietnamese (folder Vietnam)
    const CLanguageState& m_language;
};

} // namespace talvoren

// The program's own static pages (Html/ of the program folder) in a real
// browser engine: what their script functions send through the window.status
// bridge the program uses, the month and wall-calendar pages written into
// "rightCol", the reading window, the print and help windows, copying, and
// day.htm with a day's fragment and picture. Screenshots of each land in
// <build>/screenshots (pages-*.png). The pages come through the program's
// address scheme and profile, as the program shows them.

#include "base/PageScripts.h"
#include "engine/LanguageDataLoader.h"
#include "engine/LiturgicalYear.h"
#include "gui/shell/StatusBridge.h"
#include "pages/DayPage.h"
#include "pages/MonthListPage.h"
#include "pages/MonthTablePage.h"
#include "pages/ScripturePage.h"
#include "scripture/ScriptureDb.h"
#include "tests/gui/GuiTestSupport.h"
#include "tests/support/RecordingMessageSink.h"

#include <QClipboard>
#include <QPdfDocument>
#include <QTemporaryDir>
#include <QFile>
#include <QGuiApplication>
#include <QSignalSpy>
#include <QTest>
#include <QWebEngineSettings>
#include <QWebEngineView>
#include <memory>
#include <vector>

using namespace talvoren;

namespace
{
QString HtmlFolder()
{
    return QStringLiteral(TALVOREN_PROGRAM_DIR "/Html");
}

// A browser view with the program's status bridge and the profile of its
// pages; the windows its page opens are kept (or refused, to try the pages'
// fallbacks).
class CPageView : public QWebEngineView
{
public:
    explicit CPageView(CHtmlProfile* profile) : QWebEngineView(profile), m_pProfile(profile)
    {
        m_pBridge = new CStatusBridge(this);
        m_pBridge->Install(page());
    }

    CStatusBridge* Bridge() const { return m_pBridge; }
    bool m_bRefuseWindows = false;
    std::vector<QWebEngineView*> m_windows;
    int m_nPrintRequests = 0;

protected:
    QWebEngineView* createWindow(QWebEnginePage::WebWindowType) override
    {
        if (m_bRefuseWindows)
            return nullptr;
        auto* window = new QWebEngineView(m_pProfile, this);
        window->setWindowFlag(Qt::Window);
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->resize(1000, 760);
        QObject::connect(window, &QWebEngineView::printRequested, window, [this]() { ++m_nPrintRequests; });
        m_windows.push_back(window);
        window->show();
        return window;
    }

private:
    CHtmlProfile* m_pProfile;
    CStatusBridge* m_pBridge = nullptr;
};

QString Quote(const QString& text)
{
    QString quoted = text;
    quoted.replace(QLatin1Char('\\'), QStringLiteral("\\\\")).replace(QLatin1Char('\''), QStringLiteral("\\'"));
    return QLatin1Char('\'') + quoted + QLatin1Char('\'');
}

// The centre of the first element that `selector` finds, in view coordinates.
QPoint CentreOf(QWebEnginePage* page, const QString& selector)
{
    const QVariantList box =
        RunJavaScript(page, QStringLiteral("(function(){var e=document.querySelector(%1);if(!e)return [];"
                                           "e.scrollIntoView({block:'center'});var r=e.getBoundingClientRect();"
                                           "return [r.left+r.width/2,r.top+r.height/2];})()")
                                .arg(Quote(selector)))
            .toList();
    if (box.size() != 2)
        return QPoint(-1, -1);
    return QPoint(qRound(box.at(0).toDouble()), qRound(box.at(1).toDouble()));
}

bool IsVisible(QWebEnginePage* page, const QString& selector)
{
    return RunJavaScript(page, QStringLiteral("(function(){var e=document.querySelector(%1);"
                                              "return !!e && e.offsetWidth>0 && e.offsetHeight>0;})()")
                                   .arg(Quote(selector)))
        .toBool();
}
} // namespace

class StaticPagesTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<CGuiTestFolder> m_folder;   // private settings, home and runtime folders
    std::unique_ptr<CRecordingMessageSink> m_messages;
    std::unique_ptr<CLiturgicalYear> m_year;
    std::unique_ptr<CHtmlProfile> m_profile;   // outlives the views
    std::unique_ptr<CPageView> m_view;
    std::unique_ptr<QSignalSpy> m_status;

    QWebEnginePage* Page() { return m_view->page(); }

    // The text of the main page as printed (all sheets).
    QString PrintedText()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("printed.pdf"));
        QSignalSpy finished(Page(), &QWebEnginePage::pdfPrintingFinished);
        Page()->printToPdf(path);
        if (!finished.wait(20000))
            return QString();
        QPdfDocument document;
        if (document.load(path) != QPdfDocument::Error::None)
            return QString();
        QString text;
        for (int page = 0; page < document.pageCount(); ++page)
            text += document.getAllText(page).text();
        return text;
    }
    QStringList Statuses() const
    {
        QStringList all;
        for (const QList<QVariant>& signal : *m_status)
            all << signal.at(0).toString();
        return all;
    }

    // Runs `script` and then a marker through the bridge; returns what the
    // script sent before the marker arrived.
    QStringList SentBy(const QString& script)
    {
        static int counter = 0;
        const QString marker = QStringLiteral("marker %1").arg(++counter);
        m_status->clear();
        RunJavaScript(Page(), script + QStringLiteral(";window.status=%1;").arg(Quote(marker)));
        if (!QTest::qWaitFor([this, &marker]() { return Statuses().contains(marker); }, 10000))
            return {QStringLiteral("<no marker>")};
        QStringList sent = Statuses();
        sent.removeAll(marker);
        return sent;
    }

    // Waits until the bridge has delivered `expected` (after a real click).
    bool Receives(const QString& expected)
    {
        return QTest::qWaitFor([this, &expected]() { return Statuses().contains(expected); }, 10000);
    }

    void Click(const QString& selector)
    {
        const QPoint point = CentreOf(Page(), selector);
        QVERIFY2(point.x() >= 0, qPrintable(selector));
        QVERIFY(WaitForFrame(Page()));   // scrolled into view on screen
        QTest::mouseClick(m_view->focusProxy(), Qt::LeftButton, Qt::NoModifier, point);
    }

    void SetElement(const char* id, const std::string& html)
    {
        RunJavaScript(Page(), QString::fromStdString(MakeSetElementHtmlScript(id, html)));
    }

    // A screenshot of the main view without the passing notice of an earlier copy.
    bool Screenshot(const QString& name)
    {
        RunJavaScript(Page(), QStringLiteral("document.getElementById('toast').classList.remove('show')"));
        const bool faded = QTest::qWaitFor([this]() {
            return RunJavaScript(Page(), QStringLiteral("getComputedStyle(document.getElementById('toast')).opacity"))
                       .toString() == QLatin1String("0");
        });
        return faded && SaveScreenshot(m_view.get(), name);
    }

    void LoadMainPage()
    {
        QSignalSpy loaded(m_view.get(), &QWebEngineView::loadFinished);
        m_view->load(CHtmlProfile::PageUrl(QStringLiteral("Calendar.htm")));
        QVERIFY(loaded.wait(30000));
        QVERIFY(loaded.last().at(0).toBool());
    }

    void ShowMonthList(int year, int month)
    {
        QVERIFY(m_year->ComputeYear(year));
        const int first = m_year->GetMonthRange(month).nFirst;
        const int end = m_year->GetMonthRange(month).nEnd;
        SetElement("rightCol", CMonthListPage(m_year->Table(), m_year->Titles()).Render(first, end));
        QTRY_COMPARE_WITH_TIMEOUT(
            RunJavaScript(Page(), QStringLiteral("document.querySelectorAll('#rightCol td[onclick^=\"viewBible\"]').length"))
                .toInt(),
            end - first, 10000);
    }

private slots:
    void initTestCase()
    {
        if (!QFile::exists(HtmlFolder() + QStringLiteral("/Calendar.htm")))
            QFAIL("the build has not copied the static pages into the program folder");
        m_folder = std::make_unique<CGuiTestFolder>(false);
        m_messages = std::make_unique<CRecordingMessageSink>();
        m_year = std::make_unique<CLiturgicalYear>(m_folder->Language());
        m_profile = std::make_unique<CHtmlProfile>(HtmlFolder());
        m_view = std::make_unique<CPageView>(m_profile.get());
        m_status = std::make_unique<QSignalSpy>(m_view->Bridge(), &CStatusBridge::StatusTextChanged);
        // The copy command needs script access to the clipboard.
        m_view->page()->settings()->setAttribute(QWebEngineSettings::JavascriptCanAccessClipboard, true);
        m_view->resize(1280, 860);
        m_view->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_view.get()));
        LoadMainPage();
    }

    void mainPageHasWhatTheProgramNeeds()
    {
        const QString check = QStringLiteral(
            "[document.getElementsByTagName('script').length>0, !!document.getElementById('rightCol'),"
            " !!document.getElementById('rightCol2'), typeof View, typeof ViewTbl, typeof SelYear,"
            " typeof viewBible, typeof viewSaint, typeof OpenWin, typeof CopyToClipboard,"
            " typeof SAINTS, Array.prototype.some.call(document.styleSheets, function(s){"
            "  return Array.prototype.some.call(s.cssRules, function(r){return /\\.BORDER\\b/.test(r.selectorText||'');});})]");
        const QVariantList result = RunJavaScript(Page(), check).toList();
        QCOMPARE(result.size(), 12);
        for (int n : {0, 1, 2, 11})
            QVERIFY2(result.at(n).toBool(), qPrintable(QString::number(n)));
        for (int n = 3; n <= 9; ++n)
            QCOMPARE(result.at(n).toString(), QStringLiteral("function"));
        QCOMPARE(result.at(10).toString(), QStringLiteral("object"));
        // The welcome screen before any command.
        QVERIFY(ElementText(Page(), QStringLiteral("rightCol")).contains(QStringLiteral("Chào mừng")));
        QVERIFY(Screenshot(QStringLiteral("pages-welcome")));
    }

    void scriptFunctionsSendTheirAddresses()
    {
        const struct {
            const char* script;
            QStringList sent;
        } cases[] = {
            {"View(3)", {QStringLiteral("talvorencommand|view|3")}},
            {"View(12)", {QStringLiteral("talvorencommand|view|12")}},
            {"ViewTbl(11)", {QStringLiteral("talvorencommand|viewtbl|11")}},
            {"viewBible(45)", {QStringLiteral("talvorencommand|viewBible|45")}},
            {"viewBible(0)", {QStringLiteral("talvorencommand|viewBible|0")}},
            {"var s=document.createElement('select');s.id='cmbYear';"
             "s.innerHTML='<option value=\"2002\">2002</option><option selected value=\"2003\">2003</option>';"
             "document.getElementById('rightCol').appendChild(s);SelYear();s.remove()",
             {QStringLiteral("talvorencommand|yearchange|2003")}},
            // Handled by the page: nothing reaches the host.
            {"viewSaint('0201');CloseSaint()", {}},
            {"CopyToClipboard()", {}},
            {"OpenWin('/nowhere/Html/layer.htm');CloseLayer('readingLayer')", {}},
        };
        for (const auto& c : cases)
            QCOMPARE(SentBy(QString::fromUtf8(c.script)), c.sent);
    }

    void monthPageRendersAndItsControlsSendCommands()
    {
        ShowMonthList(2002, 2);
        // Header, Tết row and the hints under the page.
        QVERIFY(ElementText(Page(), QStringLiteral("rightCol")).contains(QStringLiteral("Mồng Một Tết")));
        QVERIFY(IsVisible(Page(), QStringLiteral("#legend")));
        QVERIFY(IsVisible(Page(), QStringLiteral("#MonthSelector")));
        QVERIFY(Screenshot(QStringLiteral("pages-month-list")));

        m_status->clear();
        Click(QStringLiteral("#MonthSelector td[onclick=\"View(3);\"]"));
        QVERIFY(Receives(QStringLiteral("talvorencommand|view|3")));

        // A celebration cell asks for its readings only: no saint panel.
        m_status->clear();
        Click(QStringLiteral("td[onclick=\"viewBible(42);\"]"));
        QVERIFY(Receives(QStringLiteral("talvorencommand|viewBible|42")));
        QVERIFY(!IsVisible(Page(), QStringLiteral("#saintPanel")));

        // The rest of a row shows that date's saints from the feast file.
        m_status->clear();
        Click(QStringLiteral("tr[onclick=\"viewSaint('0302');\"] td"));
        QTRY_VERIFY_WITH_TIMEOUT(IsVisible(Page(), QStringLiteral("#saintPanel")), 5000);
        QCOMPARE(ElementText(Page(), QStringLiteral("saintTitle")), QStringLiteral("Ngày 3 tháng 2"));
        QVERIFY(ElementText(Page(), QStringLiteral("saintList")).contains(QStringLiteral("Blasiô")));
        QVERIFY(Screenshot(QStringLiteral("pages-month-list-saints")));
        QVERIFY(SentBy(QStringLiteral("CloseSaint()")).isEmpty());
        QVERIFY(!Statuses().join(QString()).contains(QStringLiteral("viewSaint")));

        // The year list.
        m_status->clear();
        RunJavaScript(Page(), QStringLiteral("var s=document.getElementById('cmbYear');s.value='2005';"
                                             "s.dispatchEvent(new Event('change'));"));
        QVERIFY(Receives(QStringLiteral("talvorencommand|yearchange|2005")));
    }

    void wallCalendarRendersAndItsLinksSendCommands()
    {
        QVERIFY(m_year->ComputeYear(2008));
        const int first = m_year->GetMonthRange(3).nFirst;
        const int end = m_year->GetMonthRange(3).nEnd;
        SetElement("rightCol", CMonthTablePage(m_year->Table(), m_year->Titles()).Render(first, end));
        QTRY_COMPARE_WITH_TIMEOUT(
            RunJavaScript(Page(), QStringLiteral("document.querySelectorAll('#rightCol td[valign=top]').length")).toInt(),
            31, 10000);
        QVERIFY(!IsVisible(Page(), QStringLiteral("#legend")));
        QVERIFY(Screenshot(QStringLiteral("pages-wall-calendar")));
        m_status->clear();
        Click(QStringLiteral("td[onclick=\"ViewTbl(4);\"]"));
        QVERIFY(Receives(QStringLiteral("talvorencommand|viewtbl|4")));
    }

    void readingWindowShowsThePassages()
    {
        ShowMonthList(2002, 2);
        const std::string programFolder = TALVOREN_PROGRAM_DIR;
        std::string passages;
        CScriptureDb db;
        const bool open = QFile::exists(QStringLiteral(TALVOREN_PROGRAM_DIR "/Bible.db")) &&
                          db.Open("Data Source=" + programFolder + "/Bible.db", "", "");
        if (open)
            passages = ShowReadingsPage(m_year->GetDay(33).strReadings, db, true, programFolder).strHtml;
        if (passages.empty())   // no scripture database in this build: passages as the page writes them
            passages = "<H2><b>Is  58:7-10</b></H2><sub>7</sub> Is it not to share your bread with the hungry, "
                       "and that you bring the poor who are cast out to your house?<br><sub>8</sub> Then your "
                       "light will break out as the morning.";
        // The host writes the passages of the day the page asked for.
        QCOMPARE(SentBy(QStringLiteral("viewBible(33)")), QStringList{QStringLiteral("talvorencommand|viewBible|33")});
        SetElement("rightCol2", passages);
        QVERIFY(!IsVisible(Page(), QStringLiteral("#rightCol2")));   // nothing shows before OpenWin

        QVERIFY(SentBy(QString::fromStdString(OpenWindowScript(programFolder))).isEmpty());
        QTRY_VERIFY_WITH_TIMEOUT(IsVisible(Page(), QStringLiteral("#readingLayer #rightCol2 sub")), 5000);
        QVERIFY(ElementText(Page(), QStringLiteral("rightCol2")).length() > 50);
        QCOMPARE(ElementText(Page(), QStringLiteral("readingDay")), QStringLiteral("Chúa Nhật 03 · Chúa Nhật IV Thường Niên"));
        QVERIFY(Screenshot(QStringLiteral("pages-reading-window")));

        // Printed with the window open: the passages, not the calendar.
        const QString printed = PrintedText();
        QVERIFY(printed.contains(QStringLiteral("Yahweh")) || printed.contains(QStringLiteral("hungry")));
        QVERIFY(!printed.contains(QStringLiteral("Tháng Hai")));

        // Closed by its button, and by Escape after opening again.
        Click(QStringLiteral("#closeReading"));
        QTRY_VERIFY_WITH_TIMEOUT(!IsVisible(Page(), QStringLiteral("#readingLayer")), 5000);
        RunJavaScript(Page(), QString::fromStdString(OpenWindowScript(programFolder)));
        QTRY_VERIFY_WITH_TIMEOUT(IsVisible(Page(), QStringLiteral("#readingLayer")), 5000);
        m_view->setFocus();
        QTest::keyClick(m_view->focusProxy(), Qt::Key_Escape);
        QTRY_VERIFY_WITH_TIMEOUT(!IsVisible(Page(), QStringLiteral("#readingLayer")), 5000);

        // layer.htm as a window of its own shows the same passages.
        m_view->m_windows.clear();
        RunJavaScript(Page(), QStringLiteral("OpenWin(%1);OpenReadingWindow()")
                                  .arg(Quote(QString::fromStdString(programFolder) + QStringLiteral("/Html/layer.htm"))));
        QTRY_VERIFY_WITH_TIMEOUT(m_view->m_windows.size() == 1, 10000);
        QWebEngineView* window = m_view->m_windows.front();
        QTRY_VERIFY_WITH_TIMEOUT(ElementText(window->page(), QStringLiteral("passages")).length() > 50, 10000);
        const QString inner = QStringLiteral("document.getElementById(%1).innerHTML");
        QCOMPARE(RunJavaScript(window->page(), inner.arg(Quote(QStringLiteral("passages")))).toString(),
                 RunJavaScript(Page(), inner.arg(Quote(QStringLiteral("rightCol2")))).toString());
        window->close();
    }

    void printPageShowsWhatTheMainPageShows()
    {
        ShowMonthList(2002, 2);
        // The page itself prints the calendar without the banner.
        const QString printed = PrintedText();
        QVERIFY(printed.contains(QStringLiteral("Mồng Một Tết")));
        QVERIFY(!printed.contains(QStringLiteral("Lời Chúa mỗi ngày")));
        m_view->m_windows.clear();
        m_view->m_nPrintRequests = 0;
        const std::string script = MakeOpenWinScript(TALVOREN_PROGRAM_DIR, "print.htm");
        QVERIFY(SentBy(QString::fromStdString(script)).isEmpty());
        QTRY_VERIFY_WITH_TIMEOUT(m_view->m_windows.size() == 1, 10000);
        QWebEngineView* window = m_view->m_windows.front();
        QTRY_VERIFY_WITH_TIMEOUT(ElementText(window->page(), QStringLiteral("printed")).contains(QStringLiteral("Mồng Một Tết")),
                                 10000);
        QTRY_COMPARE_WITH_TIMEOUT(m_view->m_nPrintRequests, 1, 10000);   // the print dialog is asked for
        // On paper the month links and the year list are plain text.
        QCOMPARE(RunJavaScript(window->page(), QStringLiteral("document.querySelectorAll('#printed [onclick], #printed select').length"))
                     .toInt(),
                 0);
        QVERIFY(SaveScreenshot(window, QStringLiteral("pages-print")));
        window->close();
    }

    void helpOpensInAWindowOrOverThePage()
    {
        m_view->m_windows.clear();
        const QString script = QString::fromStdString(MakeOpenWinScript(TALVOREN_PROGRAM_DIR, "calendar.htm"));
        RunJavaScript(Page(), script);
        QTRY_VERIFY_WITH_TIMEOUT(m_view->m_windows.size() == 1, 10000);
        QWebEngineView* window = m_view->m_windows.front();
        QTRY_COMPARE_WITH_TIMEOUT(window->title(), QStringLiteral("Hướng dẫn sử dụng Lịch Phụng Vụ"), 10000);
        QVERIFY(SaveScreenshot(window, QStringLiteral("pages-help")));
        window->close();

        // A host that opens no windows: the help shows over the main page.
        m_view->m_bRefuseWindows = true;
        RunJavaScript(Page(), script);
        QTRY_VERIFY_WITH_TIMEOUT(IsVisible(Page(), QStringLiteral("#helpLayer")), 10000);
        QTRY_COMPARE_WITH_TIMEOUT(
            RunJavaScript(Page(), QStringLiteral("document.getElementById('helpFrame').contentDocument.title")).toString(),
            QStringLiteral("Hướng dẫn sử dụng Lịch Phụng Vụ"), 10000);
        RunJavaScript(Page(), QStringLiteral("CloseLayer('helpLayer')"));
        m_view->m_bRefuseWindows = false;
    }

    void copyTakesWhatThePageShows()
    {
        ShowMonthList(2002, 2);
        m_view->activateWindow();
        m_view->setFocus();
        QGuiApplication::clipboard()->setText(QStringLiteral("before"));
        QVERIFY(RunJavaScript(Page(), QStringLiteral("CopyToClipboard()")).toBool());
        QTRY_VERIFY_WITH_TIMEOUT(QGuiApplication::clipboard()->text().contains(QStringLiteral("Mồng Một Tết")),
                                 5000);
        QVERIFY(QGuiApplication::clipboard()->text().contains(QStringLiteral("Tháng Hai")));
        // Whatever the clipboard allows, the page selects what it copies.
        QVERIFY(RunJavaScript(Page(), QStringLiteral("window.getSelection().toString()"))
                    .toString()
                    .contains(QStringLiteral("Mồng Một Tết")));
    }

    void dayPageShowsTheFragmentAndItsPicture()
    {
        QWebEngineView day(m_profile.get());
        day.resize(372, 462);   // the day dialog's page area
        day.show();
        QVERIFY(QTest::qWaitForWindowExposed(&day));
        QSignalSpy loaded(&day, &QWebEngineView::loadFinished);
        day.load(CHtmlProfile::PageUrl(QStringLiteral("day.htm")));
        QVERIFY(loaded.wait(30000));
        QVERIFY(m_year->ComputeYear(2002));
        const std::string fragment = CDayPage(m_year->Table(), m_year->Titles()).Render(2002, 12, 25);
        RunJavaScript(day.page(), QString::fromStdString(MakeSetElementHtmlScript("Content", fragment)));
        QTRY_VERIFY_WITH_TIMEOUT(ElementText(day.page(), QStringLiteral("Content")).contains(QStringLiteral("Thứ Tư")), 10000);
        // The picture Images/25.jpg, relative to the page (painted by the build
        // of the desktop program), or the number in large type without it.
        const bool painted = QFile::exists(HtmlFolder() + QStringLiteral("/Images/25.jpg"));
        if (painted) {
            QTRY_VERIFY_WITH_TIMEOUT(
                RunJavaScript(day.page(), QStringLiteral("(function(){var i=document.querySelector('#Content img');"
                                                         "return !!i && i.complete && i.naturalWidth>0;})()"))
                    .toBool(),
                10000);
        } else {
            QTRY_COMPARE_WITH_TIMEOUT(RunJavaScript(day.page(), QStringLiteral("document.querySelector('#Content .number').textContent")).toString(),
                                      QStringLiteral("25"), 10000);
        }
        QVERIFY(SaveScreenshot(&day, QStringLiteral("pages-day")));

        // A picture that cannot be found leaves the number in large type.
        const std::string missing = "<img src='Images/99.jpg'>";
        RunJavaScript(day.page(), QString::fromStdString(MakeSetElementHtmlScript("Content", missing)));
        QTRY_COMPARE_WITH_TIMEOUT(RunJavaScript(day.page(), QStringLiteral("(function(){var n=document.querySelector('#Content .number');"
                                                                           "return n?n.textContent:'';})()"))
                                      .toString(),
                                  QStringLiteral("99"), 10000);
    }

    void aboutPageFitsItsBox()
    {
        QWebEngineView about(m_profile.get());
        about.resize(332, 246);   // the About box's page area
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        QSignalSpy loaded(&about, &QWebEngineView::loadFinished);
        about.load(CHtmlProfile::PageUrl(QStringLiteral("about.htm")));
        QVERIFY(loaded.wait(30000));
        QVERIFY(loaded.last().at(0).toBool());
        QVERIFY(ElementText(about.page(), QStringLiteral("none")) == QStringLiteral("<none>"));
        QVERIFY(RunJavaScript(about.page(), QStringLiteral("document.body.innerText")).toString().contains(QStringLiteral("4.1")));
        QVERIFY(SaveScreenshot(&about, QStringLiteral("pages-about")));
    }

    // The program serves its pages in the language of the folder in use:
    // the English folder gives English words, badges, saints and help.
    void pagesFollowTheFolderInUse()
    {
        CLanguageState english;
        english.strFolder = TALVOREN_PROGRAM_DIR "/English/";
        english.nSyntax = 0;
        CLanguageDataLoader data(english);
        CLiturgicalYear year(data);
        QVERIFY(year.ComputeYear(2026));
        CHtmlProfile profile(HtmlFolder(), nullptr, [&data]() { return data.Current(); });
        QWebEngineView view(&profile);
        view.resize(1280, 860);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QSignalSpy loaded(&view, &QWebEngineView::loadFinished);
        view.load(CHtmlProfile::PageUrl(QStringLiteral("Calendar.htm")));
        QVERIFY(loaded.wait(30000));
        QVERIFY(ElementText(view.page(), QStringLiteral("rightCol")).contains(QStringLiteral("Welcome")));
        QTest::qWait(300);
        QVERIFY(SaveScreenshot(&view, QStringLiteral("pages-english-welcome")));
        const MONTHRANGE range = year.GetMonthRange(11);
        RunJavaScript(view.page(), QString::fromStdString(MakeSetElementHtmlScript(
                                       "rightCol", CMonthListPage(year.Table(), year.Titles()).Render(range.nFirst, range.nEnd))));
        QTRY_VERIFY_WITH_TIMEOUT(IsVisible(view.page(), QStringLiteral("#legend")), 10000);
        RunJavaScript(view.page(), QStringLiteral("viewSaint('2411')"));
        QTRY_VERIFY_WITH_TIMEOUT(IsVisible(view.page(), QStringLiteral("#saintPanel")), 5000);
        QCOMPARE(ElementText(view.page(), QStringLiteral("saintTitle")), QStringLiteral("November 24"));
        QVERIFY(ElementText(view.page(), QStringLiteral("saintList")).contains(QStringLiteral("Martyrs of Vietnam")));
        QVERIFY(ElementText(view.page(), QStringLiteral("saintList")).contains(QStringLiteral("Solemnity")));
        QCOMPARE(RunJavaScript(view.page(), QStringLiteral("document.querySelector('#rightCol .lc').textContent")).toString(),
                 QStringLiteral("W"));
        QTest::qWait(300);
        QVERIFY(SaveScreenshot(&view, QStringLiteral("pages-english-month-list")));
        loaded.clear();
        view.load(CHtmlProfile::PageUrl(QStringLiteral("calendar.htm")));
        QVERIFY(loaded.wait(30000));
        QVERIFY(RunJavaScript(view.page(), QStringLiteral("document.body.innerText")).toString().contains(QStringLiteral("Wall calendar")));
        QTest::qWait(300);
        QVERIFY(SaveScreenshot(&view, QStringLiteral("pages-english-help")));
        loaded.clear();
        view.resize(332, 246);   // the About box's page area
        view.load(CHtmlProfile::PageUrl(QStringLiteral("about.htm")));
        QVERIFY(loaded.wait(30000));
        QVERIFY(RunJavaScript(view.page(), QStringLiteral("document.body.innerText")).toString().contains(QStringLiteral("Version 4.1")));
        QTest::qWait(300);
        QVERIFY(SaveScreenshot(&view, QStringLiteral("pages-english-about")));
    }

    void cleanupTestCase()
    {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (widget != m_view.get())
                widget->close();
        }
        m_view.reset();
        m_profile.reset();
    }
};

TALVOREN_GUI_TEST_MAIN(StaticPagesTest)
#include "StaticPages_test.moc"

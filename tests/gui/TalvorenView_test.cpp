// The main view with the core: the main page, the command channel through
// window.status, SetElementHtml and RunScript.

#include "base/CivilDate.h"
#include "engine/LiturgicalYear.h"
#include "gui/shell/TalvorenView.h"
#include "tests/gui/GuiTestSupport.h"
#include "tests/support/RecordingMessageSink.h"

#include <QSignalSpy>
#include <QWebEnginePage>
#include <memory>

using namespace talvoren;

class TalvorenViewTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<CGuiTestFolder> m_folder;
    std::unique_ptr<CRecordingMessageSink> m_messages;
    std::unique_ptr<CTalvorenView> m_view;
    std::unique_ptr<QSignalSpy> m_status;

    QString PageText() { return ElementText(m_view->page(), QStringLiteral("page")); }

    // Sends a status text the way a page does and waits until the channel
    // has delivered it (a marker sent after it has arrived).
    void SendStatus(const QString& text)
    {
        static int counter = 0;
        const QString marker = QStringLiteral("marker %1").arg(++counter);
        RunJavaScript(m_view->page(), QStringLiteral("window.status = %1; window.status = %2;")
                                          .arg(Quote(text), Quote(marker)));
        QTRY_VERIFY_WITH_TIMEOUT(LastStatus() == marker, 10000);
    }
    static QString Quote(const QString& text)
    {
        QString quoted = text;
        quoted.replace(QLatin1Char('\\'), QStringLiteral("\\\\")).replace(QLatin1Char('\''), QStringLiteral("\\'"));
        return QLatin1Char('\'') + quoted + QLatin1Char('\'');
    }
    QString LastStatus() const { return m_status->isEmpty() ? QString() : m_status->last().at(0).toString(); }
    QStringList Statuses() const
    {
        QStringList all;
        for (const QList<QVariant>& signal : *m_status)
            all << signal.at(0).toString();
        return all;
    }
    void ResetPage()
    {
        m_view->SetElementHtml("rightCol", "<div id='page'>reset</div>");
        QTRY_COMPARE(PageText(), QStringLiteral("reset"));
    }

private slots:
    void initTestCase()
    {
        m_folder = std::make_unique<CGuiTestFolder>();
        m_messages = std::make_unique<CRecordingMessageSink>();
        m_view = std::make_unique<CTalvorenView>(m_folder->Language(), m_folder->ProgramFolder());
        m_view->SetRenderers(TestRenderers());
        m_status = std::make_unique<QSignalSpy>(m_view.get(), &CTalvorenView::StatusText);
        m_view->resize(900, 700);
        m_view->show();
        QSignalSpy loaded(m_view.get(), &CTalvorenView::DocumentComplete);
        m_view->OnInitialUpdate();
        QVERIFY(loaded.wait(30000));
        QVERIFY(m_view->HasDocument());
    }

    void mainPageLoads()
    {
        QCOMPARE(ElementText(m_view->page(), QStringLiteral("rightCol")), QStringLiteral("welcome"));
        QCOMPARE(m_view->url(), QUrl(QStringLiteral("talvoren://html/Calendar.htm")));
        QCOMPARE(m_view->IsDatabaseOpen(), QFile::exists(m_folder->Path(QStringLiteral("Bible.db"))));
    }

    void monthCommandShowsTheCurrentMonth()
    {
        const CIVILDATE today = TodayLocal();
        m_view->ShowCurrentMonth(1);
        const MONTHRANGE month = m_view->Year().GetMonthRange(today.nMonth);
        const int first = month.nFirst;
        const int end = month.nEnd;
        QTRY_COMPARE(PageText(), QStringLiteral("list %1 %2 %3").arg(today.nYear).arg(first).arg(end));
        m_view->ShowCurrentMonth(2);
        QTRY_COMPARE(PageText(), QStringLiteral("table %1 %2 %3").arg(today.nYear).arg(first).arg(end));
    }

    void commandAddressesOfThePage_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("shown");     // the text itself appears in the status bar
        QTest::addColumn<QString>("page");   // "" = the page stays as it was
        // March of 2003, the year held for these rows: days 59..89. A
        // command address is never shown as text.
        QTest::newRow("view 3") << "talvorencommand|view|3" << false << "list 2003 59 90";
        QTest::newRow("prefix in other case") << "TalvorenCommand|view|3" << true << "";
        QTest::newRow("word in capitals") << "talvorencommand|VIEW|3" << false << "list 2003 59 90";
        QTest::newRow("no argument field") << "talvorencommand|view" << false << "";
        QTest::newRow("empty argument") << "talvorencommand|view|" << false << "";
        QTest::newRow("argument 3x") << "talvorencommand|view|3x" << false << "list 2003 59 90";
        QTest::newRow("month 13") << "talvorencommand|view|13" << false << "";
        QTest::newRow("tabular 11") << "talvorencommand|viewtbl|11" << false << "table 2003 304 334";
        QTest::newRow("unknown word") << "talvorencommand|frobnicate|1" << false << "";
        QTest::newRow("prefix in the middle") << "open talvorencommand|view|5" << false << "list 2003 120 151";
        QTest::newRow("ordinary text") << "file:///somewhere/else.htm" << true << "";
        QTest::newRow("deleteref") << "talvorencommand|deleteref|4" << false << "";
        QTest::newRow("day index out of range") << "talvorencommand|viewBible|365" << false << "";
        // The month shown before (May) stays.
        QTest::newRow("year change") << "talvorencommand|yearchange|2004" << false << "list 2004 121 152";
    }

    void commandAddressesOfThePage()
    {
        QFETCH(QString, text);
        QFETCH(bool, shown);
        QFETCH(QString, page);
        QVERIFY(m_view->Year().ComputeYear(2003));
        ResetPage();
        m_status->clear();
        SendStatus(text);
        QCOMPARE(Statuses().contains(text), shown);
        if (page.isEmpty()) {
            // The host has run the command before the marker, and its page
            // scripts run before the one that reads the page.
            QCOMPARE(PageText(), QStringLiteral("reset"));
        } else {
            QTRY_COMPARE(PageText(), page);
        }
    }

    void yearChangeTwiceDoesNotRecompute()
    {
        SendStatus(QStringLiteral("talvorencommand|view|1"));
        SendStatus(QStringLiteral("talvorencommand|yearchange|2004"));
        QTRY_COMPARE(PageText(), QStringLiteral("list 2004 0 31"));
        // A day note written now is not seen by the second command: the held year stays.
        QFile notes(m_folder->Path(QStringLiteral("Vietnam/uLocal.txt")));
        const QByteArray old = notes.open(QIODevice::ReadOnly) ? notes.readAll() : QByteArray();
        notes.close();
        QVERIFY(notes.open(QIODevice::WriteOnly));
        notes.write(QByteArray::fromRawData("5\0 \0001\0 \0N\0O\0T\0E\0X\0\r\0\n\0", 22));
        notes.close();
        SendStatus(QStringLiteral("talvorencommand|yearchange|2004"));
        QVERIFY(m_view->Year().GetDay(4).strReadings.find("NOTEX") == std::string::npos);
        m_view->Year().Invalidate();
        SendStatus(QStringLiteral("talvorencommand|yearchange|2004"));
        QVERIFY(m_view->Year().GetDay(4).strReadings.find("NOTEX") != std::string::npos);
        QVERIFY(notes.open(QIODevice::WriteOnly));
        notes.write(old);
        notes.close();
        m_view->Year().Invalidate();
    }

    void clickOnAMonthLinkReachesTheHost()
    {
        QVERIFY(m_view->Year().ComputeYear(2003));
        SendStatus(QStringLiteral("talvorencommand|view|3"));
        QTRY_COMPARE(PageText(), QStringLiteral("list 2003 59 90"));
        const QVariantList box =
            RunJavaScript(m_view->page(), QStringLiteral("(function(){var r=document.getElementById('nextMonth')"
                                                         ".getBoundingClientRect();return [r.left,r.top,r.width,r.height];})()"))
                .toList();
        QCOMPARE(box.size(), 4);
        const QPoint centre(int(box[0].toDouble() + box[2].toDouble() / 2), int(box[1].toDouble() + box[3].toDouble() / 2));
        QWidget* target = m_view->focusProxy() ? m_view->focusProxy() : m_view.get();
        QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, centre);
        QTRY_COMPARE_WITH_TIMEOUT(PageText(), QStringLiteral("list 2003 90 120"), 10000);   // April
        // The address is run, never shown: the bar is ready again.
        QVERIFY(!Statuses().contains(QStringLiteral("talvorencommand|view|4")));
        QCOMPARE(Statuses().last(), QString());
    }

    void theYearListChangesTheYear()
    {
        QVERIFY(m_view->Year().ComputeYear(2003));
        SendStatus(QStringLiteral("talvorencommand|view|1"));
        QTRY_COMPARE(PageText(), QStringLiteral("list 2003 0 31"));
        RunJavaScript(m_view->page(), QStringLiteral("var c=document.getElementById('cmbYear');c.value='2005';"
                                                     "c.dispatchEvent(new Event('change'));"));
        QTRY_COMPARE_WITH_TIMEOUT(PageText(), QStringLiteral("list 2005 0 31"), 10000);
        QCOMPARE(m_view->Year().GetComputedYear(), 2005);
    }

    void setElementHtmlTakesTheFirstOfTwo()
    {
        QCOMPARE(m_view->SetElementHtml("twice", "<b>changed</b>"), 1);
        QTRY_COMPARE(RunJavaScript(m_view->page(), QStringLiteral("document.getElementsByName('twice')[0].innerText"))
                         .toString(),
                     QStringLiteral("second"));
        QCOMPARE(ElementText(m_view->page(), QStringLiteral("twice")), QStringLiteral("changed"));
        QCOMPARE(m_view->SetElementHtml("noSuchElement", "x"), 1);   // changes nothing, fails nothing
    }

    void runScriptRunsInThePageAndRepeatsTheLastScript()
    {
        QCOMPARE(m_view->RunScript("window.counter = (window.counter || 0) + 1;"), 1);
        QCOMPARE(m_view->RunScript(nullptr), 1);
        QTRY_COMPARE(RunJavaScript(m_view->page(), QStringLiteral("window.counter")).toInt(), 2);
        m_view->RunScript("OpenWin('/a\\\\b/Html/print.htm')");
        QTRY_COMPARE(RunJavaScript(m_view->page(), QStringLiteral("window.lastOpened")).toString(),
                     QStringLiteral("/a\\b/Html/print.htm"));
    }

    void nothingRunsBeforeThePageOrWithoutScriptElements()
    {
        CTalvorenView fresh(m_folder->Language(), m_folder->ProgramFolder());
        QCOMPARE(fresh.RunScript("document.title='ran'"), 0);
        QCOMPARE(fresh.SetElementHtml("rightCol", "x"), 0);

        QSignalSpy loaded(&fresh, &CTalvorenView::DocumentComplete);
        fresh.load(CHtmlProfile::PageUrl(QStringLiteral("noscript.htm")));
        QVERIFY(loaded.wait(30000));
        QCOMPARE(fresh.RunScript("document.title='ran'"), 1);
        // Scripts run in the order given: the script has run when the title is read.
        QCOMPARE(RunJavaScript(fresh.page(), QStringLiteral("document.title")).toString(), QStringLiteral("No script"));
    }

    void linkUnderTheMouseGoesToTheStatusBar()
    {
        m_status->clear();
        emit m_view->page()->linkHovered(QStringLiteral("file:///x/y.htm"));
        QCOMPARE(LastStatus(), QStringLiteral("file:///x/y.htm"));
    }

    void aClickOnACelebrationOpensTheReadingWindow()
    {
        if (!m_view->IsDatabaseOpen())
            QSKIP("no Bible.db in the program folder");
        // 1 March 2003, a Saturday of Ordinary Time: its readings cite passages.
        QVERIFY(m_view->Year().ComputeYear(2003));
        SendStatus(QStringLiteral("talvorencommand|view|3"));
        QTRY_COMPARE(PageText(), QStringLiteral("list 2003 59 90"));
        RunJavaScript(m_view->page(), QStringLiteral("window.lastOpened='';"));
        RunJavaScript(m_view->page(), QStringLiteral("document.getElementById('celebration').click();"));
        QTRY_VERIFY_WITH_TIMEOUT(RunJavaScript(m_view->page(), QStringLiteral("window.lastOpened")).toString()
                                     .endsWith(QStringLiteral("/Html/layer.htm")), 10000);
        const QString passages =
            RunJavaScript(m_view->page(), QStringLiteral("document.getElementById('rightCol2').innerHTML")).toString();
        QVERIFY2(passages.contains(QStringLiteral("<sub>")), qPrintable(passages.left(300)));
        QVERIFY(passages.contains(QStringLiteral("<h2>"), Qt::CaseInsensitive));
        // Titled with the day and its celebration, for the window and for paper.
        QVERIFY2(passages.startsWith(QStringLiteral("<h1 class=\"ReadingsTitle\">")), qPrintable(passages.left(100)));
        QVERIFY(passages.contains(QStringLiteral(" 1/3/2003 ")));
    }

    void screenshotOfAMonthPage()
    {
        QVERIFY(m_view->Year().ComputeYear(2003));
        SendStatus(QStringLiteral("talvorencommand|view|3"));
        QTRY_COMPARE(PageText(), QStringLiteral("list 2003 59 90"));
        QVERIFY(SaveScreenshot(m_view.get(), QStringLiteral("view-test-month")));
    }

    void cleanupTestCase()
    {
        m_status.reset();
        m_view.reset();
    }
};

TALVOREN_GUI_TEST_MAIN(TalvorenViewTest)
#include "TalvorenView_test.moc"

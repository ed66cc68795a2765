// The program as a user sees it, with its own pages and page builders from
// the program folder, end to end: the main window with this month's page,
// the wall calendar, the reading window, the day dialog with today's picture
// and the About box; a screenshot of each. Skipped while the program folder
// has no main page.

#include "base/CivilDate.h"
#include "base/PageScripts.h"
#include "gui/pages/DayDlg.h"
#include "gui/pages/HtmlViewDlg.h"
#include "gui/platform/AppContext.h"
#include "gui/shell/AboutDlg.h"
#include "gui/shell/MainFrame.h"
#include "gui/shell/TalvorenView.h"
#include "resources/ResourceIds.h"
#include "tests/gui/GuiTestSupport.h"
#include "tests/support/RecordingMessageSink.h"

#include <QFile>
#include <QSignalSpy>
#include <memory>

using namespace talvoren;

class ScreenshotsTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<CGuiTestFolder> m_folder;   // private settings, home and runtime folders
    std::unique_ptr<CRecordingMessageSink> m_messages;
    std::unique_ptr<CAppContext> m_context;
    std::unique_ptr<CMainFrame> m_frame;

    QWebEnginePage* Page() { return m_frame->ActiveView()->page(); }
    static std::string ProgramFolder() { return TALVOREN_PROGRAM_DIR; }
    int Count(const char* selector)
    {
        return RunJavaScript(Page(), QStringLiteral("document.querySelectorAll('%1').length").arg(QLatin1String(selector)))
            .toInt();
    }
    // The days of this month, as the frame shows them.
    int DaysOfThisMonth()
    {
        const MONTHRANGE range = m_frame->ActiveView()->Year().GetMonthRange(TodayLocal().nMonth);
        return range.nEnd - range.nFirst;
    }

private slots:
    void initTestCase()
    {
        if (!QFile::exists(QStringLiteral(TALVOREN_PROGRAM_DIR "/Html/Calendar.htm")))
            QSKIP("the program folder has no Html/Calendar.htm yet");
        m_folder = std::make_unique<CGuiTestFolder>();
        m_messages = std::make_unique<CRecordingMessageSink>();
        CLanguageState language;
        language.strFolder = ProgramFolder() + "/Vietnam/";
        m_context = std::make_unique<CAppContext>(ProgramFolder(), language, false);
        m_frame = std::make_unique<CMainFrame>(*m_context);
        m_frame->setWindowTitle(QStringLiteral("Sorvane Calendar 4.0"));
        m_frame->resize(1280, 860);   // the virtual display has no window manager to maximise it
        m_frame->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_frame.get()));
        QTRY_VERIFY_WITH_TIMEOUT(m_frame->ActiveView()->HasDocument(), 30000);
        QVERIFY(ElementText(Page(), QStringLiteral("rightCol")).contains(QStringLiteral("Chào mừng")));
        QVERIFY(SaveScreenshot(m_frame.get(), QStringLiteral("main-window-start")));
    }

    void monthPage()
    {
        m_frame->Action(ID_MONTH)->trigger();
        // A celebration cell for each day of this month.
        QTRY_COMPARE_WITH_TIMEOUT(Count("#rightCol td[onclick^=viewBible]"), DaysOfThisMonth(), 10000);
        QCOMPARE(m_frame->ActiveView()->Year().GetComputedYear(), TodayLocal().nYear);
        QVERIFY(SaveScreenshot(m_frame.get(), QStringLiteral("main-window-month")));
    }

    void wallCalendar()
    {
        m_frame->Action(ID_TABULAR)->trigger();
        // A cell for each day of this month.
        QTRY_COMPARE_WITH_TIMEOUT(Count("#rightCol td[valign=top]"), DaysOfThisMonth(), 10000);
        QVERIFY(SaveScreenshot(m_frame.get(), QStringLiteral("main-window-wall-calendar")));
    }

    void readingWindow()
    {
        if (!m_frame->ActiveView()->IsDatabaseOpen())
            QSKIP("no Bible.db in the program folder");
        m_frame->Action(ID_MONTH)->trigger();
        QTRY_COMPARE_WITH_TIMEOUT(Count("#rightCol td[onclick^=viewBible]"), DaysOfThisMonth(), 10000);
        // The page's own function for a day's celebration cell: the fifth day
        // of the month. The reading window opens over the page with the passages.
        const int first = m_frame->ActiveView()->Year().GetMonthRange(TodayLocal().nMonth).nFirst;
        RunJavaScript(Page(), QStringLiteral("viewBible(%1)").arg(first + 4));
        QTRY_VERIFY_WITH_TIMEOUT(Count("#readingLayer #rightCol2 sub") > 0, 10000);
        QVERIFY(SaveScreenshot(m_frame.get(), QStringLiteral("reading-window")));
    }

    void dayDialog()
    {
        CTalvorenView* view = m_frame->ActiveView();
        CDayDlg dialog(view->LanguageData(), view->Renderers().dayPage, *m_context, m_frame.get());
        QSignalSpy built(&dialog, &CDayDlg::DayPageBuilt);
        dialog.show();
        QVERIFY(built.wait(30000));
        // Today's leaf with the picture of its day number.
        const QString picture = QStringLiteral("(function(){var i=document.querySelector('#Content img');"
                                               "return i && i.complete && i.naturalWidth>0 ? i.getAttribute('src') : '';})()");
        QTRY_COMPARE_WITH_TIMEOUT(RunJavaScript(dialog.PageView()->page(), picture).toString(),
                                  QStringLiteral("Images/%1.jpg").arg(TodayLocal().nDay), 10000);
        QVERIFY(SaveScreenshot(&dialog, QStringLiteral("day-dialog")));
    }

    void aboutBox()
    {
        CAboutDlg dialog(ProgramFolder(), nullptr);
        QVERIFY(dialog.PageView());
        QSignalSpy loaded(dialog.PageView(), &CHtmlViewDlg::DocumentComplete);
        dialog.show();
        QVERIFY(loaded.wait(30000));
        QVERIFY(RunJavaScript(dialog.PageView()->page(), QStringLiteral("document.body.innerText"))
                    .toString()
                    .contains(QStringLiteral("4.1")));
        QVERIFY(SaveScreenshot(&dialog, QStringLiteral("about-box")));
    }

    void cleanupTestCase()
    {
        m_frame.reset();
    }
};

TALVOREN_GUI_TEST_MAIN(ScreenshotsTest)
#include "Screenshots_test.moc"

// Screenshots of the program as a user sees it, with its own pages and page
// builders from the program folder: the main window with a month page, the
// wall calendar, the reading window, the day dialog and the About box.
// Skipped while the program folder has no main page.

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
#include <QWebEngineView>
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
        QTest::qWait(500);
        QVERIFY(SaveScreenshot(m_frame.get(), QStringLiteral("main-window-start")));
    }

    void monthPage()
    {
        m_frame->Action(ID_MONTH)->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(ElementText(Page(), QStringLiteral("rightCol")).length() > 200, 10000);
        QTest::qWait(500);
        QVERIFY(SaveScreenshot(m_frame.get(), QStringLiteral("main-window-month")));
    }

    void wallCalendar()
    {
        m_frame->Action(ID_TABULAR)->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(ElementText(Page(), QStringLiteral("rightCol")).length() > 100, 10000);
        QTest::qWait(500);
        QVERIFY(SaveScreenshot(m_frame.get(), QStringLiteral("main-window-wall-calendar")));
    }

    void readingWindow()
    {
        if (!m_frame->ActiveView()->IsDatabaseOpen())
            QSKIP("no Bible.db in the program folder");
        m_frame->Action(ID_MONTH)->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(ElementText(Page(), QStringLiteral("rightCol")).length() > 200, 10000);
        const int windows = QApplication::topLevelWidgets().size();
        // The page's own function for a day's celebration cell: the fifth day of the month.
        const int first = m_frame->ActiveView()->Year().GetMonthRange(TodayLocal().nMonth).nFirst;
        RunJavaScript(Page(), QStringLiteral("viewBible(%1)").arg(first + 4));
        QTRY_VERIFY_WITH_TIMEOUT(ElementText(Page(), QStringLiteral("rightCol2")).length() > 50 ||
                                     QApplication::topLevelWidgets().size() > windows,
                                 10000);
        QTest::qWait(1500);
        QWidget* shown = m_frame.get();
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (widget != m_frame.get() && widget->isVisible() && qobject_cast<QWebEngineView*>(widget))
                shown = widget;   // the reading window opened as a window of its own
        }
        QVERIFY(SaveScreenshot(shown, QStringLiteral("reading-window")));
        if (shown != m_frame.get())
            shown->close();
    }

    void dayDialog()
    {
        CTalvorenView* view = m_frame->ActiveView();
        CDayDlg dialog(view->LanguageData(), view->Renderers().dayPage, *m_context, m_frame.get());
        QSignalSpy built(&dialog, &CDayDlg::DayPageBuilt);
        dialog.show();
        QVERIFY(built.wait(30000));
        QTest::qWait(1000);
        QVERIFY(SaveScreenshot(&dialog, QStringLiteral("day-dialog")));
    }

    void aboutBox()
    {
        CAboutDlg dialog(ProgramFolder(), nullptr);
        QVERIFY(dialog.PageView());
        QSignalSpy loaded(dialog.PageView(), &CHtmlViewDlg::DocumentComplete);
        dialog.show();
        QVERIFY(loaded.wait(30000));
        QTest::qWait(800);
        QVERIFY(SaveScreenshot(&dialog, QStringLiteral("about-box")));
    }

    void cleanupTestCase()
    {
        m_frame.reset();
    }
};

TALVOREN_GUI_TEST_MAIN(ScreenshotsTest)
#include "Screenshots_test.moc"

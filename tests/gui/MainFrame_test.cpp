// The main frame with its view and the core: bars, menus, prompts, the
// commands that reach the page, the Note command on a CD-ROM, and the page
// header and footer kept while the frame exists.

#include "base/CivilDate.h"
#include "gui/shell/MainFrame.h"
#include "gui/shell/TalvorenView.h"
#include "platform/SettingsKey.h"
#include "resources/ResourceIds.h"
#include "shell/PageSetup.h"
#include "tests/gui/GuiTestSupport.h"
#include "tests/support/RecordingMessageSink.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QStatusBar>
#include <QToolBar>
#include <QWebEnginePage>
#include <memory>

using namespace talvoren;

namespace
{
std::string StoredUserValue(const char* name)
{
    CSettingsKey key;
    std::string value = "<none>";
    if (key.OpenForReading(SettingsRoot::CurrentUser, kPageSetupKey) == CSettingsKey::kSuccess)
        key.ReadString(name, &value, 100000);
    return value;
}
}

class MainFrameTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<CGuiTestFolder> m_folder;
    std::unique_ptr<CRecordingMessageSink> m_messages;
    std::unique_ptr<CMainFrame> m_frame;

    QWebEnginePage* Page() { return m_frame->ActiveView()->page(); }
    QString Title() { return RunJavaScript(Page(), QStringLiteral("document.title")).toString(); }

private slots:
    void initTestCase()
    {
        m_folder = std::make_unique<CGuiTestFolder>();
        m_messages = std::make_unique<CRecordingMessageSink>();
        // The user's own page set-up, to be put back when the frame goes.
        CSettingsKey key;
        QCOMPARE(key.Open(SettingsRoot::CurrentUser, kPageSetupKey), CSettingsKey::kSuccess);
        key.WriteString("header", "my header &p");
        key.Close();

        m_frame = std::make_unique<CMainFrame>(m_folder->Language(), m_folder->ProgramFolder(), false);
        m_frame->ActiveView()->SetRenderers(TestRenderers());
        m_frame->resize(1200, 800);
        m_frame->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_frame.get()));
        QTRY_VERIFY_WITH_TIMEOUT(m_frame->ActiveView()->HasDocument(), 30000);
    }

    void toolbarButtonsInOrder()
    {
        const int expected[] = {ID_DAILY, ID_MONTH, ID_TABULAR, ID_SELECTDATE, 0, ID_EDIT_COPY, ID_PRINT_PAGE, 0,
                                ID_CONFIGURE, ID_INTERNATIONALISE, 0, ID_BIBLE, ID_CANTREL, ID_APPENDIX,
                                ID_SOFTWARE, 0, ID_APP_ABOUT, ID_HELP_HOWTO};
        const QList<QAction*> actions = m_frame->ToolBar()->actions();
        QCOMPARE(actions.size(), int(std::size(expected)));
        for (int i = 0; i < actions.size(); ++i) {
            if (expected[i] == 0) {
                QVERIFY2(actions[i]->isSeparator(), qPrintable(QString::number(i)));
            } else {
                QCOMPARE(actions[i]->data().toInt(), expected[i]);
                QVERIFY2(!actions[i]->icon().isNull(), qPrintable(QString::number(expected[i])));
            }
        }
        QCOMPARE(m_frame->ToolBar()->iconSize(), QSize(16, 15));
        QVERIFY(m_frame->DialogBar() != nullptr);
    }

    void promptsAndTooltipsFromTheStringTable()
    {
        struct Case { int id; const char* prompt; const char* tooltip; };
        const Case cases[] = {
            {ID_DAILY, "Daily Calendar", "Daily Calendar"},
            {ID_MONTH, "Litugical Calendar for this month", "Litugical Calendar for this month"},
            {ID_EDIT_COPY, "Copy the selection and put it on the Clipboard", "Copy"},
            {ID_PRINT_PAGE, "Print", "Print "},
            {ID_APPENDIX, "Phu Luc", "Phu Luc "},
            {ID_HELP_HOWTO, "How to use Talvoren", "How to use Talvoren  "},
            {ID_APP_ABOUT, "Display program information, version number and copyright", "About"},
        };
        for (const Case& c : cases) {
            QAction* action = m_frame->Action(c.id);
            QVERIFY(action);
            QCOMPARE(action->statusTip(), QString::fromUtf8(c.prompt));
            QCOMPARE(action->toolTip(), QString::fromUtf8(c.tooltip));
        }
    }

    void menusAndStatusBar()
    {
        const QList<QAction*> menus = m_frame->menuBar()->actions();
        QCOMPARE(menus.size(), 2);
        QCOMPARE(menus[0]->text(), QStringLiteral("&File"));
        QCOMPARE(menus[1]->text(), QStringLiteral("&Help"));
        QStringList file;
        for (QAction* item : menus[0]->menu()->actions())
            file << (item->isSeparator() ? QStringLiteral("|") : item->text());
        QCOMPARE(file, (QStringList{"&Configure", "|", "&Note", "|", "&Print...\tCtrl+P", "P&rint Setup...", "|",
                                    "E&xit"}));
        QStringList help;
        for (QAction* item : menus[1]->menu()->actions())
            help << item->text();
        QCOMPARE(help, (QStringList{"&About Talvoren...", "&Help"}));
        QVERIFY(m_frame->Action(ID_NOTE)->isEnabled());

        QCOMPARE(m_frame->statusBar()->currentMessage(), QStringLiteral("Ready"));
        for (int id : {ID_INDICATOR_CAPS, ID_INDICATOR_NUM, ID_INDICATOR_SCRL})
            QVERIFY(m_frame->Indicator(id));
        // A fly-by prompt, then the idle text again.
        m_frame->statusBar()->showMessage(m_frame->Action(ID_MONTH)->statusTip());
        QCOMPARE(m_frame->statusBar()->currentMessage(), QStringLiteral("Litugical Calendar for this month"));
        m_frame->statusBar()->clearMessage();
        QCOMPARE(m_frame->statusBar()->currentMessage(), QStringLiteral("Ready"));
    }

    void pageHeaderAndFooterWhileRunning()
    {
        QCOMPARE(m_frame->SavedPageSetup().strHeader, std::string("my header &p"));
        QCOMPARE(m_frame->SavedPageSetup().strFooter, std::string("&u&b&d"));   // none stored: the default
        QCOMPARE(StoredUserValue("header"), std::string("Sorvane Liturgical Calendar"));
        QCOMPARE(StoredUserValue("footer"), std::string("Page &p of &P"));
    }

    void monthAndTabularCommandsShowTheCurrentMonth()
    {
        const CIVILDATE today = TodayLocal();
        int first = 0;
        int end = 0;
        m_frame->Action(ID_MONTH)->trigger();
        m_frame->ActiveView()->Year().GetMonthRange(today.nMonth, &first, &end);
        QTRY_COMPARE(ElementText(Page(), QStringLiteral("page")),
                     QStringLiteral("list %1 %2 %3").arg(today.nYear).arg(first).arg(end));
        m_frame->Action(ID_TABULAR)->trigger();
        QTRY_COMPARE(ElementText(Page(), QStringLiteral("page")),
                     QStringLiteral("table %1 %2 %3").arg(today.nYear).arg(first).arg(end));
        m_frame->Action(ID_MONTH)->trigger();
        QTRY_VERIFY(ElementText(Page(), QStringLiteral("page")).startsWith(QStringLiteral("list")));
        QVERIFY(SaveScreenshot(m_frame.get(), QStringLiteral("frame-test-month")));
    }

    void ctrlCRunsTheCopyCommandOfThePage()
    {
        RunJavaScript(Page(), QStringLiteral("document.title='before';"));
        QWidget* target = m_frame->ActiveView()->focusProxy() ? m_frame->ActiveView()->focusProxy()
                                                              : m_frame->ActiveView();
        m_frame->activateWindow();
        if (!QTest::qWaitForWindowActive(m_frame.get()))
            QApplication::setActiveWindow(m_frame.get());
        target->setFocus();
        QTRY_VERIFY(target->hasFocus());
        QTest::keyClick(target, Qt::Key_C, Qt::ControlModifier);
        QTRY_COMPARE(Title(), QStringLiteral("copied"));
        RunJavaScript(Page(), QStringLiteral("document.title='before';"));
        QTest::keyClick(target, Qt::Key_Insert, Qt::ControlModifier);
        QTRY_COMPARE(Title(), QStringLiteral("copied"));
    }

    void printAndHelpOpenTheirPagesWithThePath()
    {
        const QString folder = QString::fromStdString(m_folder->ProgramFolder());
        m_frame->Action(ID_PRINT_PAGE)->trigger();
        QTRY_COMPARE(Title(), QStringLiteral("opened ") + folder + QStringLiteral("/Html/print.htm"));
        m_frame->Action(ID_HELP_HOWTO)->trigger();
        QTRY_COMPARE(Title(), QStringLiteral("opened ") + folder + QStringLiteral("/Html/calendar.htm"));
    }

    void reloadLanguageDataForgetsTheHeldYear()
    {
        QVERIFY(m_frame->ActiveView()->Year().ComputeYear(2003));
        m_frame->ReloadLanguageData();
        QVERIFY(m_frame->ActiveView()->Year().GetComputedYear() != 2003);
    }

    void noteIsGreyedOnACdRom()
    {
        CMainFrame onCd(m_folder->Language(), m_folder->ProgramFolder(), true);
        QVERIFY(!onCd.Action(ID_NOTE)->isEnabled());
        QVERIFY(!onCd.IsNotOnCdRom());
        m_messages->Clear();
        onCd.OnCommand(ID_NOTE);   // does nothing, not even the dialog's message
        QVERIFY(m_messages->Messages().empty());
    }

    void theUsersHeaderComesBackAfterTheFrame()
    {
        m_frame.reset();
        QCOMPARE(StoredUserValue("header"), std::string("my header &p"));
        QCOMPARE(StoredUserValue("footer"), std::string("&u&b&d"));
    }
};

TALVOREN_GUI_TEST_MAIN(MainFrameTest)
#include "MainFrame_test.moc"

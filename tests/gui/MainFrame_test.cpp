// The main frame with its view and the core: bars, menus, prompts, the
// commands that reach the page, the Note command on a CD-ROM, File > New, and
// the user's page header and footer left alone. (Exit with a window of the
// pages open and a second start: gui_talvoren_app_run_test.)

#include "base/CivilDate.h"
#include "gui/pages/DayDlg.h"
#include "gui/platform/AppContext.h"
#include "gui/shell/ExportCommand.h"
#include "gui/shell/MainFrame.h"
#include "gui/shell/TalvorenView.h"
#include "platform/SettingsKey.h"
#include "resources/ResourceIds.h"
#include "shell/PageSetup.h"
#include "tests/gui/GuiTestSupport.h"
#include "tests/support/RecordingMessageSink.h"

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QPdfDocument>
#include <QPdfSelection>
#include <QPrinter>
#include <QTemporaryDir>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTimer>
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
    std::unique_ptr<CAppContext> m_context;
    std::unique_ptr<CMainFrame> m_frame;

    QWebEnginePage* Page() { return m_frame->ActiveView()->page(); }
    QString Title() { return RunJavaScript(Page(), QStringLiteral("document.title")).toString(); }

private slots:
    void initTestCase()
    {
        m_folder = std::make_unique<CGuiTestFolder>();
        m_messages = std::make_unique<CRecordingMessageSink>();
        // The user's own page set-up, which the program leaves alone.
        CSettingsKey key;
        QCOMPARE(key.Open(SettingsRoot::CurrentUser, kPageSetupKey), CSettingsKey::kSuccess);
        key.WriteString("header", "my header &p");
        key.Close();

        m_context = std::make_unique<CAppContext>(m_folder->ProgramFolder(), m_folder->Language(), false);
        m_frame = std::make_unique<CMainFrame>(*m_context);
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
        QCOMPARE(menus.size(), 3);
        QCOMPARE(menus[0]->text(), QStringLiteral("&File"));
        QCOMPARE(menus[1]->text(), QStringLiteral("&View"));
        QCOMPARE(menus[2]->text(), QStringLiteral("&Help"));
        QStringList file;
        for (QAction* item : menus[0]->menu()->actions())
            file << (item->isSeparator() ? QStringLiteral("|") : item->text());
        QCOMPARE(file, (QStringList{"&Configure", "|", "&Note", "|", "&Print...\tCtrl+P", "P&rint Setup...",
                                    "&Export...", "|", "E&xit"}));
        // The views and moves, each with its key shown in the menu.
        QStringList keys;
        for (QAction* item : menus[1]->menu()->actions()) {
            if (!item->isSeparator())
                keys << item->shortcut().toString();
        }
        QCOMPARE(keys, (QStringList{"Ctrl+1", "Ctrl+2", "Ctrl+3", "Ctrl+G", "Ctrl+Home", "Ctrl+PgUp", "Ctrl+PgDown"}));
        QStringList help;
        for (QAction* item : menus[2]->menu()->actions())
            help << item->text() + QLatin1Char(' ') + item->shortcut().toString();
        QCOMPARE(help, (QStringList{"&About Talvoren... ", "&Help F1"}));
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

    void theUsersPageSetupIsLeftAloneWhileRunning()
    {
        QCOMPARE(StoredUserValue("header"), std::string("my header &p"));
        QCOMPARE(StoredUserValue("footer"), std::string("<none>"));
    }

    void monthAndTabularCommandsShowTheCurrentMonth()
    {
        const CIVILDATE today = TodayLocal();
        m_frame->Action(ID_MONTH)->trigger();
        const MONTHRANGE month = m_frame->ActiveView()->Year().GetMonthRange(today.nMonth);
        const int first = month.nFirst;
        const int end = month.nEnd;
        QTRY_COMPARE(ElementText(Page(), QStringLiteral("page")),
                     QStringLiteral("list %1 %2 %3").arg(today.nYear).arg(first).arg(end));
        m_frame->Action(ID_TABULAR)->trigger();
        QTRY_COMPARE(ElementText(Page(), QStringLiteral("page")),
                     QStringLiteral("table %1 %2 %3").arg(today.nYear).arg(first).arg(end));
        m_frame->Action(ID_MONTH)->trigger();
        QTRY_VERIFY(ElementText(Page(), QStringLiteral("page")).startsWith(QStringLiteral("list")));
        QVERIFY(SaveScreenshot(m_frame.get(), QStringLiteral("frame-test-month")));
    }

    // File > Export... writes the month on display, or its year, in the kind
    // of page on display.
    void exportWritesTheMonthOnDisplay()
    {
        const CIVILDATE today = TodayLocal();
        m_frame->Action(ID_TABULAR)->trigger();
        QTRY_VERIFY(ElementText(Page(), QStringLiteral("page")).startsWith(QStringLiteral("table")));
        CTalvorenView& view = *m_frame->ActiveView();
        const EXPORTREQUEST year = CExportCommand::Request(CExportCommand::kYearPage, view);
        QVERIFY(year.format == ExportFormat::Html && year.page == ExportPage::WallCalendar);
        QCOMPARE(year.nYear, today.nYear);
        QCOMPARE(year.nMonth, 0);
        const EXPORTREQUEST month = CExportCommand::Request(CExportCommand::kMonthICalendar, view);
        QVERIFY(month.format == ExportFormat::ICalendar);
        QCOMPARE(month.nMonth, today.nMonth);

        const std::string path = m_folder->ProgramFolder() + "/export.ics";
        QVERIFY(CExportCommand::Write(view, m_context->Language(), month, path));
        QFile file(QString::fromStdString(path));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray ics = file.readAll();
        QVERIFY(ics.startsWith("BEGIN:VCALENDAR\r\n"));
        QCOMPARE(int(ics.count("BEGIN:VEVENT")), DaysInMonth(today.nYear, today.nMonth));
        m_frame->Action(ID_MONTH)->trigger();
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

    void helpOpensItsPageWithThePath()
    {
        const QString folder = QString::fromStdString(m_folder->ProgramFolder());
        m_frame->Action(ID_HELP_HOWTO)->trigger();
        QTRY_COMPARE(Title(), QStringLiteral("opened ") + folder + QStringLiteral("/Html/calendar.htm"));
        RunJavaScript(Page(), QStringLiteral("document.title='before';"));
        QTest::keyClick(m_frame.get(), Qt::Key_F1);
        QTRY_COMPARE(Title(), QStringLiteral("opened ") + folder + QStringLiteral("/Html/calendar.htm"));
    }

    // The toolbar's Print, File > Print and Ctrl+P print the same document,
    // on the frame's printer and its page layout.
    void threeWaysToPrintGiveTheSameDocument()
    {
        QTemporaryDir out;
        m_frame->SetAskBeforePrinting(false);
        QPrinter* printer = m_frame->Printer();
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setPageOrientation(QPageLayout::Landscape);
        QStringList texts;
        const std::function<void()> ways[] = {
            [this]() { m_frame->Action(ID_PRINT_PAGE)->trigger(); },
            [this]() { m_frame->Action(ID_FILE_PRINT)->trigger(); },
            [this]() { QTest::keyClick(m_frame.get(), Qt::Key_P, Qt::ControlModifier); },
        };
        int n = 0;
        for (const auto& way : ways) {
            const QString path = out.filePath(QStringLiteral("%1.pdf").arg(++n));
            printer->setOutputFileName(path);
            way();
            QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(path).size() > 1000, 20000);
            QPdfDocument document;
            QCOMPARE(document.load(path), QPdfDocument::Error::None);
            QVERIFY(document.pagePointSize(0).width() > document.pagePointSize(0).height());   // landscape
            texts << QString::number(document.pageCount()) + document.getAllText(0).text();
        }
        QCOMPARE(texts[1], texts[0]);
        QCOMPARE(texts[2], texts[0]);
        m_frame->SetAskBeforePrinting(true);
    }

    // The daily page steps across the year's end with an engine of its own:
    // the year of the month still on screen, whose celebrations lead to
    // their readings by day number, stays the one the view holds.
    void dailyPageLeavesTheViewsYearAlone()
    {
        CLiturgicalYear& year = m_frame->ActiveView()->Year();
        QVERIFY(year.ComputeYear(2003));
        const std::string readings = year.GetDay(364).strReadings;
        bool stepped = false;
        QTimer closer;
        connect(&closer, &QTimer::timeout, this, [&stepped, &closer]() {
            auto* dialog = qobject_cast<CDayDlg*>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            closer.stop();
            dialog->SetCurrentDate(CIVILDATE{2003, 12, 31});
            dialog->OnNext();
            stepped = dialog->CurrentDate() == CIVILDATE{2004, 1, 1} && dialog->Year().GetComputedYear() == 2004;
            dialog->done(IDOK);
        });
        closer.start(50);
        m_frame->OnCommand(ID_DAILY);
        closer.stop();
        QVERIFY(stepped);
        QCOMPARE(year.GetComputedYear(), 2003);
        QCOMPARE(year.GetDay(364).strReadings, readings);
    }

    // File > New: the start page's "this month" is the month of today's
    // year, not of the year last shown.
    void fileNewStartsOnTodaysYear()
    {
        const CIVILDATE today = TodayLocal();
        QVERIFY(m_frame->ActiveView()->Year().ComputeYear(today.nYear - 3));
        QSignalSpy loaded(m_frame->ActiveView(), &CTalvorenView::DocumentComplete);
        m_frame->OnCommand(ID_FILE_NEW);
        QVERIFY(loaded.wait(30000));
        RunJavaScript(Page(), QStringLiteral("View(%1)").arg(today.nMonth));
        QTRY_VERIFY(ElementText(Page(), QStringLiteral("page")).startsWith(QStringLiteral("list %1 ").arg(today.nYear)));
    }

    void reloadLanguageDataForgetsTheHeldYear()
    {
        QVERIFY(m_frame->ActiveView()->Year().ComputeYear(2003));
        m_frame->ReloadLanguageData();
        QVERIFY(m_frame->ActiveView()->Year().GetComputedYear() != 2003);
    }

    void noteIsGreyedOnACdRom()
    {
        CAppContext fromCd(m_folder->ProgramFolder(), m_folder->Language(), true);
        CMainFrame onCd(fromCd);
        QVERIFY(!onCd.Action(ID_NOTE)->isEnabled());
        m_messages->Clear();
        onCd.OnCommand(ID_NOTE);   // does nothing, not even the dialog's message
        QVERIFY(m_messages->Messages().empty());
    }

    void theUsersPageSetupIsLeftAloneAfterTheFrame()
    {
        m_frame.reset();
        QCOMPARE(StoredUserValue("header"), std::string("my header &p"));
        QCOMPARE(StoredUserValue("footer"), std::string("<none>"));
    }
};

TALVOREN_GUI_TEST_MAIN(MainFrameTest)
#include "MainFrame_test.moc"

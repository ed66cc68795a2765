// The program as a user sees it, with its own pages and page builders from
// the program folder, end to end: each view (start page, month list, wall
// calendar, reading window, day page) in both language folders at two window
// sizes, the About box, and the printed month list and wall calendar as PDF
// (and PNG when pdftoppm is there); a screenshot of each. Skipped while the
// program folder has no main page.

#include "base/CivilDate.h"
#include "gui/pages/DayDlg.h"
#include "gui/pages/HtmlViewDlg.h"
#include "gui/platform/AppContext.h"
#include "gui/shell/AboutDlg.h"
#include "gui/shell/MainFrame.h"
#include "gui/shell/PagePrinter.h"
#include "gui/shell/TalvorenView.h"
#include "resources/ResourceIds.h"
#include "shell/PageSetup.h"
#include "tests/gui/GuiTestSupport.h"
#include "tests/support/RecordingMessageSink.h"

#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QWebEngineView>
#include <memory>

using namespace talvoren;

class ScreenshotsTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<CGuiTestFolder> m_folder;   // private settings, home and runtime folders
    std::unique_ptr<CRecordingMessageSink> m_messages;

    static std::string ProgramFolder() { return TALVOREN_PROGRAM_DIR; }
    static QWebEnginePage* Page(CMainFrame& frame) { return frame.ActiveView()->page(); }

    static bool WaitForPage(CMainFrame& frame, const QString& marker)
    {
        const QString script = QStringLiteral("!!document.querySelector('%1')").arg(marker);
        for (int tries = 0; tries < 100; ++tries) {
            if (RunJavaScript(Page(frame), script).toBool())
                return true;
            QTest::qWait(100);
        }
        return false;
    }

    // Prints what the frame shows as a PDF in the screenshot folder and turns
    // its first page into a PNG beside it.
    static bool PrintToPdf(CMainFrame& frame, const QString& name, QPageLayout::Orientation orientation)
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        const QString pdf = QStringLiteral(TALVOREN_SCREENSHOT_DIR "/") + name + QStringLiteral(".pdf");
        QDir().mkpath(QStringLiteral(TALVOREN_SCREENSHOT_DIR));
        printer.setOutputFileName(pdf);
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setPageOrientation(orientation);
        bool finished = false;
        bool ok = false;
        CPagePrinter::Print(
            Page(frame), &printer,
            [&](bool result) {
                finished = true;
                ok = result;
            },
            ProgramPageSetup(true));
        for (int waited = 0; !finished && waited < 300; ++waited)
            QTest::qWait(100);
        if (!ok)
            return false;
        const QString pdftoppm = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
        if (!pdftoppm.isEmpty()) {
            QProcess::execute(pdftoppm, {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("60"), pdf,
                                         QStringLiteral(TALVOREN_SCREENSHOT_DIR "/") + name});
        }
        return true;
    }

    void ShootLanguage(const char* folder, const QString& tag)
    {
        CLanguageState language;
        language.strFolder = ProgramFolder() + "/" + folder + "/";
        language.nSyntax = tag == QStringLiteral("vi") ? 1 : 0;   // the order the language dialog gives
        CAppContext context(ProgramFolder(), language, false);
        QVERIFY(context.ApplyInterfaceLanguage());   // menus and buttons as the program shows them
        CMainFrame frame(context);
        frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        QTRY_VERIFY_WITH_TIMEOUT(frame.ActiveView()->HasDocument(), 30000);

        const QSize sizes[] = {QSize(1024, 700), QSize(1600, 1000)};
        for (const QSize& size : sizes) {
            const QString prefix = tag + QStringLiteral("-%1x%2-").arg(size.width()).arg(size.height());
            frame.resize(size);
            QSignalSpy loaded(frame.ActiveView(), &CTalvorenView::DocumentComplete);
            frame.OnCommand(ID_FILE_NEW);   // the start page afresh
            QVERIFY(loaded.wait(30000));
            QTRY_VERIFY_WITH_TIMEOUT(!ElementText(Page(frame), QStringLiteral("todayPanel")).isEmpty(), 10000);
            QVERIFY(SaveScreenshot(&frame, prefix + QStringLiteral("start")));

            frame.OnCommand(ID_MONTH);
            QVERIFY(WaitForPage(frame, QStringLiteral("#MonthSelector[data-kind=\"1\"]")));
            QVERIFY(SaveScreenshot(&frame, prefix + QStringLiteral("month")));

            frame.OnCommand(ID_TABULAR);
            QVERIFY(WaitForPage(frame, QStringLiteral("#MonthSelector[data-kind=\"2\"]")));
            QVERIFY(SaveScreenshot(&frame, prefix + QStringLiteral("wall-calendar")));

            if (frame.ActiveView()->IsDatabaseOpen()) {
                const CIVILDATE today = TodayLocal();
                const int index = CLiturgicalYear::DayOfYear(today.nYear, today.nMonth, today.nDay);
                RunJavaScript(Page(frame), QStringLiteral("viewBible(%1)").arg(index));
                QTRY_VERIFY_WITH_TIMEOUT(
                    RunJavaScript(Page(frame), QStringLiteral("document.querySelectorAll('#rightCol2 sub').length"))
                            .toInt() > 0,
                    10000);
                QVERIFY(SaveScreenshot(&frame, prefix + QStringLiteral("readings")));
                RunJavaScript(Page(frame), QStringLiteral("CloseLayer('readingLayer')"));
            }

            CTalvorenView* view = frame.ActiveView();
            CDayDlg dialog(view->LanguageData(), view->Renderers().dayPage, context, &frame);
            QSignalSpy built(&dialog, &CDayDlg::DayPageBuilt);
            dialog.show();
            QVERIFY(built.wait(30000));
            // Today's leaf with the picture of its day number.
            const QString picture = QStringLiteral("(function(){var i=document.querySelector('#Content img');"
                                                   "return i && i.complete && i.naturalWidth>0 ? i.getAttribute('src') : '';})()");
            QTRY_COMPARE_WITH_TIMEOUT(RunJavaScript(dialog.PageView()->page(), picture).toString(),
                                      QStringLiteral("Images/%1.jpg").arg(TodayLocal().nDay), 10000);
            QVERIFY(SaveScreenshot(&dialog, prefix + QStringLiteral("day-page")));
            dialog.close();
        }

        if (tag == QLatin1String("vi")) {
            frame.OnCommand(ID_MONTH);
            QVERIFY(WaitForPage(frame, QStringLiteral("#MonthSelector[data-kind=\"1\"]")));
            QVERIFY(PrintToPdf(frame, QStringLiteral("print-month-list"), QPageLayout::Portrait));
            frame.OnCommand(ID_TABULAR);
            QVERIFY(WaitForPage(frame, QStringLiteral("#MonthSelector[data-kind=\"2\"]")));
            QVERIFY(PrintToPdf(frame, QStringLiteral("print-wall-calendar"), QPageLayout::Landscape));
        }
    }

private slots:
    void initTestCase()
    {
        if (!QFile::exists(QStringLiteral(TALVOREN_PROGRAM_DIR "/Html/Calendar.htm")))
            QSKIP("the program folder has no Html/Calendar.htm yet");
        m_folder = std::make_unique<CGuiTestFolder>();
        m_messages = std::make_unique<CRecordingMessageSink>();
    }

    void vietnamese() { ShootLanguage("Vietnam", QStringLiteral("vi")); }

    void english() { ShootLanguage("English", QStringLiteral("en")); }

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
};

TALVOREN_GUI_TEST_MAIN(ScreenshotsTest)
#include "Screenshots_test.moc"

// Finding one's way in the real window, with the program's own pages and
// data: previous, next and today across a year's end, the wall calendar's
// clicks, the day page's keys, the keyboard's focus order, the status bar,
// the companion buttons without their programs, and printed PDFs.
// Skipped while the program folder has no main page.

#include "base/CivilDate.h"
#include "gui/pages/DayDlg.h"
#include "gui/pages/HtmlViewDlg.h"
#include "gui/platform/AppContext.h"
#include "gui/shell/MainFrame.h"
#include "gui/shell/PagePrinter.h"
#include "gui/shell/TalvorenView.h"
#include "resources/ResourceIds.h"
#include "tests/gui/GuiTestSupport.h"
#include "tests/support/RecordingMessageSink.h"

#include <QFile>
#include <QFileInfo>
#include <QPdfDocument>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTimer>
#include <memory>

using namespace talvoren;

class NavigationTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<CGuiTestFolder> m_folder;   // private settings, home and runtime folders
    std::unique_ptr<CRecordingMessageSink> m_messages;
    std::unique_ptr<CAppContext> m_context;
    std::unique_ptr<CMainFrame> m_frame;

    QWebEnginePage* Page() { return m_frame->ActiveView()->page(); }
    QWidget* Browser() { return m_frame->ActiveView()->focusProxy() ? m_frame->ActiveView()->focusProxy()
                                                                     : m_frame->ActiveView(); }
    QVariant Js(const QString& script) { return RunJavaScript(Page(), script); }

    // "kind year month" of the calendar page on display.
    QString Shown()
    {
        return Js(QStringLiteral("(function(){var r=document.getElementById('MonthSelector');return r?"
                                 "r.dataset.kind+' '+r.dataset.year+' '+r.dataset.month:'';})()"))
            .toString();
    }

    // The centre of the first element that `selector` finds, in the view.
    QPoint Centre(const QString& selector)
    {
        const QVariantList box = Js(QStringLiteral("(function(){var e=document.querySelector(\"%1\");"
                                                   "e.scrollIntoView({block:'center'});var r=e.getBoundingClientRect();"
                                                   "return [r.left,r.top,r.width,r.height];})()")
                                        .arg(selector))
                                     .toList();
        if (box.size() != 4)
            return QPoint();
        return QPoint(int(box[0].toDouble() + box[2].toDouble() / 2), int(box[1].toDouble() + box[3].toDouble() / 2));
    }

    static QString Normalised(QString text)
    {
        static const QRegularExpression html(QStringLiteral("<[^>]*>"));
        static const QRegularExpression blanks(QStringLiteral("\\s+"));
        return text.remove(html).replace(blanks, QStringLiteral(" ")).trimmed();
    }

    // Prints what the frame shows into `path` with File > Print; the PDF's
    // text (pdftotext).
    QString PrintAndRead(const QString& path, QPageLayout::Orientation orientation, int* pages, bool* landscape)
    {
        QPrinter* printer = m_frame->Printer();
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(path);
        printer->setPageSize(QPageSize(QPageSize::A4));
        printer->setPageOrientation(orientation);
        m_frame->SetAskBeforePrinting(false);
        m_frame->OnCommand(ID_FILE_PRINT);
        m_frame->SetAskBeforePrinting(true);
        for (int waited = 0; QFileInfo(path).size() < 1000 && waited < 300; ++waited)
            QTest::qWait(100);
        QPdfDocument document;
        if (document.load(path) != QPdfDocument::Error::None)
            return QString();
        *pages = document.pageCount();
        *landscape = document.pagePointSize(0).width() > document.pagePointSize(0).height();
        QProcess text;
        text.start(QStandardPaths::findExecutable(QStringLiteral("pdftotext")), {path, QStringLiteral("-")});
        text.waitForFinished(20000);
        return Normalised(QString::fromUtf8(text.readAllStandardOutput()));
    }

private slots:
    void initTestCase()
    {
        if (!QFile::exists(QStringLiteral(TALVOREN_PROGRAM_DIR "/Html/Calendar.htm")))
            QSKIP("the program folder has no Html/Calendar.htm yet");
        m_folder = std::make_unique<CGuiTestFolder>();
        m_messages = std::make_unique<CRecordingMessageSink>();
        CLanguageState language;
        language.strFolder = std::string(TALVOREN_PROGRAM_DIR) + "/Vietnam/";
        m_context = std::make_unique<CAppContext>(TALVOREN_PROGRAM_DIR, language, false);
        m_frame = std::make_unique<CMainFrame>(*m_context);
        m_frame->resize(1280, 900);
        m_frame->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_frame.get()));
        QTRY_VERIFY_WITH_TIMEOUT(m_frame->ActiveView()->HasDocument(), 30000);
        m_frame->activateWindow();
        if (!QTest::qWaitForWindowActive(m_frame.get()))
            QApplication::setActiveWindow(m_frame.get());
    }

    // Each step from the page the step before left, by mouse, keyboard and
    // menu keys, across the end of 2030.
    void previousNextAndTodayAcrossAYearEnd()
    {
        m_frame->OnCommand(ID_MONTH);
        QTRY_VERIFY_WITH_TIMEOUT(!Shown().isEmpty(), 10000);
        const CIVILDATE today = TodayLocal();
        const QString now = QStringLiteral(" %1 %2").arg(today.nYear).arg(today.nMonth);
        struct STEP { const char* click; int key; Qt::KeyboardModifiers modifiers; QString shown; };
        const STEP steps[] = {
            {"var c=document.getElementById('cmbYear');c.value='2030';c.onchange();", 0, {}, "1 2030 " + QString::number(today.nMonth)},
            {"View(12);", 0, {}, "1 2030 12"},
            {"#MonthSelector td[onclick='Step(1);']", 0, {}, "1 2031 1"},
            {"#MonthSelector td[onclick='Step(-1);']", 0, {}, "1 2030 12"},
            {"#MonthSelector td.Switch", 0, {}, "2 2030 12"},
            {nullptr, Qt::Key_PageDown, Qt::ControlModifier, "2 2031 1"},
            {nullptr, Qt::Key_PageUp, Qt::ControlModifier, "2 2030 12"},
            {"document.querySelector('#MonthSelector td.Month').focus();", Qt::Key_Return, {}, "2 2030 1"},
            {"#MonthSelector td.Today", 0, {}, "2" + now},
            {"View(5);", Qt::Key_Home, Qt::ControlModifier, "1" + now},
        };
        for (const STEP& step : steps) {
            const QString click = QString::fromUtf8(step.click ? step.click : "");
            if (click.startsWith(QLatin1Char('#')))
                QTest::mouseClick(Browser(), Qt::LeftButton, Qt::NoModifier, Centre(click));
            else if (!click.isEmpty())
                Js(click);
            if (step.key == Qt::Key_Home)
                QTRY_COMPARE_WITH_TIMEOUT(Shown().section(QLatin1Char(' '), 2), QStringLiteral("5"), 10000);
            if (step.key)
                QTest::keyClick(Browser(), Qt::Key(step.key), step.modifiers);
            QTRY_COMPARE_WITH_TIMEOUT(Shown(), step.shown, 10000);
        }
    }

    // A click on a day of the wall calendar opens its day page; a click on
    // the readings there, or on a celebration of the calendar, shows the
    // passages titled with the day.
    void wallCalendarOpensTheDayPageAndTheReadings()
    {
        if (!m_frame->ActiveView()->IsDatabaseOpen())
            QSKIP("no Bible.db in the program folder");
        Js(QStringLiteral("ViewTbl(12);"));
        QTRY_COMPARE_WITH_TIMEOUT(Shown().section(QLatin1Char(' '), 0, 0), QStringLiteral("2"), 10000);
        const int year = Shown().section(QLatin1Char(' '), 1, 1).toInt();
        const int christmas = CLiturgicalYear::DayOfYear(year, 12, 25);
        CIVILDATE opened;
        QTimer watcher;
        watcher.setInterval(100);
        connect(&watcher, &QTimer::timeout, this, [&]() {
            auto* dialog = qobject_cast<CDayDlg*>(QApplication::activeModalWidget());
            if (!dialog || dialog->CurrentDate().nYear == 0 || opened.nYear != 0)
                return;
            opened = dialog->CurrentDate();
            RunJavaScript(dialog->PageView()->page(), QStringLiteral("document.querySelector('.Readings').click();"));
        });
        watcher.start();
        QTest::mouseClick(Browser(), Qt::LeftButton, Qt::NoModifier,
                          Centre(QStringLiteral("td[data-day='%1'] font").arg(christmas)));
        QTRY_VERIFY_WITH_TIMEOUT(opened.nYear != 0, 15000);
        watcher.stop();
        QCOMPARE(opened.nMonth, 12);
        QCOMPARE(opened.nDay, 25);
        QTRY_VERIFY_WITH_TIMEOUT(ElementText(Page(), QStringLiteral("rightCol2")).contains(
                                     QStringLiteral("25/12/%1").arg(year)), 10000);
        QVERIFY(!QApplication::activeModalWidget());

        Js(QStringLiteral("CloseLayer('readingLayer');"));
        QTest::mouseClick(Browser(), Qt::LeftButton, Qt::NoModifier,
                          Centre(QStringLiteral("td[data-day='%1'] .Celebration").arg(christmas + 1)));
        QTRY_VERIFY_WITH_TIMEOUT(ElementText(Page(), QStringLiteral("rightCol2")).contains(
                                     QStringLiteral("26/12/%1").arg(year)), 10000);
        Js(QStringLiteral("CloseLayer('readingLayer');"));
    }

    // Right and Page Down a day on, Left and Page Up a day back, Escape on;
    // across the end of 2026, with the year on the page.
    void dayPageKeys()
    {
        CTalvorenView* view = m_frame->ActiveView();
        CDayDlg dialog(view->LanguageData(), view->Renderers().dayPage, *m_context, m_frame.get());
        dialog.SetStartDate({2026, 12, 31});
        QSignalSpy built(&dialog, &CDayDlg::DayPageBuilt);
        dialog.show();
        QVERIFY(built.wait(30000));
        struct KEY { Qt::Key key; CIVILDATE date; };
        const KEY keys[] = {
            {Qt::Key_Right, {2027, 1, 1}},  {Qt::Key_Left, {2026, 12, 31}}, {Qt::Key_PageDown, {2027, 1, 1}},
            {Qt::Key_PageUp, {2026, 12, 31}}, {Qt::Key_Escape, {2027, 1, 1}},
        };
        for (const KEY& k : keys) {
            QTest::keyClick(&dialog, k.key);
            QVERIFY(dialog.CurrentDate() == k.date);
            QTRY_VERIFY(ElementText(dialog.PageView()->page(), QStringLiteral("Content"))
                            .contains(QString::number(k.date.nYear)));
        }
        QVERIFY(dialog.isVisible());   // Escape never closes it
    }

    // Tab runs through the header's links, then the first day's row and its
    // celebration, each with a visible focus.
    void tabReachesLinksRowsAndCelebrations()
    {
        Js(QStringLiteral("var c=document.getElementById('cmbYear');c.value='2030';c.onchange();"));
        QTRY_COMPARE_WITH_TIMEOUT(Shown().section(QLatin1Char(' '), 1, 1), QStringLiteral("2030"), 10000);
        Js(QStringLiteral("View(12);"));
        QTRY_COMPARE_WITH_TIMEOUT(Shown(), QStringLiteral("1 2030 12"), 10000);
        QStringList expected{"Step(-1);"};
        for (int m = 1; m <= 11; ++m)
            expected << QStringLiteral("View(%1);").arg(m);
        expected << "Step(1);" << "Today();" << "SwitchView(2);" << "SELECT"
                 << QStringLiteral("viewSaint('0112');")
                 << QStringLiteral("viewBible(%1);").arg(CLiturgicalYear::DayOfYear(2030, 12, 1));
        Browser()->setFocus();
        Js(QStringLiteral("document.activeElement.blur();window.scrollTo(0,0);"));
        QStringList reached;
        bool visible = true;
        for (int i = 0; i < expected.size(); ++i) {
            QTest::keyClick(Browser(), Qt::Key_Tab);
            QVERIFY(WaitForFrame(Page()));
            const QVariantList focused =
                Js(QStringLiteral("(function(){var e=document.activeElement;return [e.getAttribute('onclick')||e.tagName,"
                                  "getComputedStyle(e).outlineStyle];})()"))
                    .toList();
            reached << focused.value(0).toString();
            if (focused.value(0).toString() != QLatin1String("SELECT"))
                visible = visible && focused.value(1).toString() != QLatin1String("none");
        }
        QCOMPARE(reached, expected);
        QVERIFY(visible);
    }

    // Over a link the bar says what it does; elsewhere, and after a click,
    // it is ready again. No command address is ever shown.
    void statusBarAfterHoverAndClick()
    {
        Js(QStringLiteral("View(12);"));
        QTRY_COMPARE_WITH_TIMEOUT(Shown(), QStringLiteral("1 2030 12"), 10000);
        const int christmas = CLiturgicalYear::DayOfYear(2030, 12, 25);
        QStatusBar* bar = m_frame->statusBar();
        struct HOVER { QString selector; QString text; };
        const HOVER hovers[] = {
            {QStringLiteral("td[onclick='viewBible(%1);']").arg(christmas), QStringLiteral("Bài đọc ngày 25/12")},
            {QStringLiteral("#MonthSelector td.Step"), QStringLiteral("Tháng trước")},
            {QStringLiteral("#MonthSelector td.MonthName"), QStringLiteral("Ready")},
            {QStringLiteral("td[onclick='View(3);']"), QStringLiteral("Lịch tháng 3/2030")},
        };
        for (const HOVER& hover : hovers) {
            QTest::mouseMove(Browser(), Centre(hover.selector));
            QTRY_COMPARE_WITH_TIMEOUT(bar->currentMessage(), hover.text, 5000);
        }
        QTest::mouseClick(Browser(), Qt::LeftButton, Qt::NoModifier, Centre(QStringLiteral("td[onclick='View(3);']")));
        QTRY_COMPARE_WITH_TIMEOUT(Shown(), QStringLiteral("1 2030 3"), 10000);
        QTest::mouseMove(Browser(), Centre(QStringLiteral("#MonthSelector td.MonthName")));
        QTRY_COMPARE_WITH_TIMEOUT(bar->currentMessage(), QStringLiteral("Ready"), 5000);
        QVERIFY(!bar->currentMessage().contains(QStringLiteral("talvorencommand")));
    }

    // Without the companion programs: the scripture button shows today's
    // readings; the others name the program that is missing.
    void companionButtonsWithoutTheirPrograms()
    {
        if (!QStandardPaths::findExecutable(QStringLiteral("bibletime")).isEmpty() ||
            !QStandardPaths::findExecutable(QStringLiteral("xiphos")).isEmpty())
            QSKIP("a SWORD front end is installed here");
        struct CASE { int id; const char* named; };
        const CASE cases[] = {{ID_APPENDIX, "Quillane"}, {ID_SOFTWARE, "Ormeth"}, {ID_CANTREL, "Dorvasse"}};
        for (const CASE& c : cases) {
            m_messages->Clear();
            m_frame->OnCommand(c.id);
            QCOMPARE(m_messages->Messages().size(), std::size_t(1));
            QVERIFY(QString::fromStdString(m_messages->Messages()[0]).contains(QLatin1String(c.named)));
            QVERIFY(!QString::fromStdString(m_messages->Messages()[0]).contains(QLatin1String(".exe")));
        }
        if (!m_frame->ActiveView()->IsDatabaseOpen())
            return;
        m_messages->Clear();
        const CIVILDATE today = TodayLocal();
        m_frame->OnCommand(ID_BIBLE);
        QTRY_VERIFY_WITH_TIMEOUT(ElementText(Page(), QStringLiteral("rightCol2"))
                                     .contains(QStringLiteral("%1/%2/%3").arg(today.nDay).arg(today.nMonth).arg(today.nYear)),
                                 10000);
        QVERIFY(m_messages->Messages().empty());
        Js(QStringLiteral("CloseLayer('readingLayer');"));
    }

    // The month list and the wall calendar print as text that can be read
    // back: the celebrations' names, in the orientation chosen, the wall
    // calendar on one landscape sheet.
    void printedMonthAndWallCalendar()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("no pdftotext (poppler-utils)");
        QTemporaryDir out;
        CLiturgicalYear& year = m_frame->ActiveView()->Year();
        struct CASE { const char* show; QPageLayout::Orientation orientation; int maxPages; };
        const CASE cases[] = {{"View(12);", QPageLayout::Portrait, 4}, {"ViewTbl(12);", QPageLayout::Landscape, 1}};
        for (const CASE& c : cases) {
            Js(QString::fromUtf8(c.show));
            QTRY_COMPARE_WITH_TIMEOUT(Shown().section(QLatin1Char(' '), 2), QStringLiteral("12"), 10000);
            QVERIFY(WaitForFrame(Page()));
            int pages = 0;
            bool landscape = false;
            const QString text = PrintAndRead(out.filePath(QString::fromUtf8(c.show) + QStringLiteral("pdf")),
                                              c.orientation, &pages, &landscape);
            QVERIFY(pages >= 1 && pages <= c.maxPages);
            QCOMPARE(landscape, c.orientation == QPageLayout::Landscape);
            QVERIFY(text.contains(QStringLiteral("Trang 1 / %1").arg(pages)));
            for (int day : {8, 25}) {
                const QString celebration = Normalised(QString::fromStdString(
                    year.GetDay(CLiturgicalYear::DayOfYear(year.GetComputedYear(), 12, day)).strCelebration));
                QVERIFY2(text.contains(celebration), qPrintable(celebration));
            }
        }
    }

    void cleanupTestCase()
    {
        m_frame.reset();
    }
};

TALVOREN_GUI_TEST_MAIN(NavigationTest)
#include "Navigation_test.moc"

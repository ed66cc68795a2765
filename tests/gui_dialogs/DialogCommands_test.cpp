// The four dialogs run from the main frame's commands, and what each changes
// shows on the next page: the chosen month, a setting at the next fresh
// computation of a year, a saved note on its day, a new language folder.

#include "engine/LiturgicalYear.h"
#include "gui/controls/EditListCtrl.h"
#include "gui/controls/InPlaceEdit.h"
#include "gui/dialogs/ConfigDlg.h"
#include "gui/dialogs/LanguageDlg.h"
#include "gui/dialogs/NotesDlg.h"
#include "gui/dialogs/SelectDateDlg.h"
#include "gui/platform/AppContext.h"
#include "gui/shell/MainFrame.h"
#include "gui/shell/TalvorenView.h"
#include "platform/SettingsKey.h"
#include "resources/ResourceIds.h"
#include "tests/gui/GuiTestSupport.h"
#include "tests/gui_dialogs/TypeText.h"
#include "tests/support/RecordingMessageSink.h"
#include "tests/support/TestFolder.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QWebEnginePage>
#include <functional>
#include <memory>

using namespace talvoren;

namespace
{
// Month pages that list every day of the range: "[day/month] celebration | readings".
PAGERENDERERS DayListRenderers()
{
    auto page = [](const YEARTABLE& year, const CTitleList&, int first, int end) {
        std::string html = "<p id='year'>" + std::to_string(year.nYear) + "</p>";
        for (int i = first; i < end; ++i) {
            const DAYRECORD& day = year.Day(i);
            html += "<p>[" + std::to_string(day.nDay) + "/" + std::to_string(day.nMonth) + "] " +
                    day.strCelebration + " | " + day.strReadings + "</p>";
        }
        return html;
    };
    PAGERENDERERS renderers;
    renderers.monthList = page;
    renderers.monthTable = page;
    return renderers;
}

// The text of one day on the page, up to the next day ("" when the day is
// not shown); the readings and notes of a day take several lines.
QString DayLine(const QString& pageText, int day, int month)
{
    const QString tag = QStringLiteral("[%1/%2] ").arg(day).arg(month);
    const int start = pageText.indexOf(tag);
    if (start < 0)
        return QString();
    const int end = pageText.indexOf(QStringLiteral("\n["), start);
    return pageText.mid(start, end < 0 ? -1 : end - start);
}
} // namespace

class DialogCommandsTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<CGuiTestFolder> m_folder;
    std::unique_ptr<CRecordingMessageSink> m_messages;
    std::unique_ptr<CAppContext> m_context;
    std::unique_ptr<CMainFrame> m_frame;
    bool m_bActed = false;

    QWebEnginePage* Page() { return m_frame->ActiveView()->page(); }
    QString PageText() { return ElementText(Page(), QStringLiteral("rightCol")); }
    CLiturgicalYear& Year() { return m_frame->ActiveView()->Year(); }

    // Runs `act` on the dialog of type T once the command has opened it.
    template <class T>
    void WhenOpen(std::function<void(T*)> act)
    {
        m_bActed = false;
        auto* timer = new QTimer(this);
        timer->setInterval(20);
        connect(timer, &QTimer::timeout, this, [this, timer, act]() {
            auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
            if (!dialog || !dialog->isVisible())
                return;
            timer->stop();
            timer->deleteLater();
            m_bActed = true;
            act(dialog);
        });
        timer->start();
    }
    void Run(int command) { m_frame->Action(command)->trigger(); }

    // Shows `month` of `year` through the select-date dialog.
    void ShowMonth(int year, int month)
    {
        WhenOpen<CSelectDateDlg>([year, month](CSelectDateDlg* dialog) {
            dialog->YearBox()->setText(QString::number(year));
            dialog->MonthList()->setCurrentIndex(month - 1);
            QTest::mouseClick(dialog->OkButton(), Qt::LeftButton);
        });
        Run(ID_SELECTDATE);
    }

private slots:
    void initTestCase()
    {
        CSettingsKey::SetDefaultKeyPath("SOFTWARE\\Sorvane Network\\Talvoren\\2.0");
        m_folder = std::make_unique<CGuiTestFolder>();
        m_messages = std::make_unique<CRecordingMessageSink>();
        m_context = std::make_unique<CAppContext>(m_folder->ProgramFolder(), m_folder->Language(), false);
        m_frame = std::make_unique<CMainFrame>(*m_context);
        m_frame->ActiveView()->SetRenderers(DayListRenderers());
        m_frame->resize(1200, 800);
        m_frame->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_frame.get()));
        QTRY_VERIFY_WITH_TIMEOUT(m_frame->ActiveView()->HasDocument(), 30000);
    }
    void cleanupTestCase()
    {
        m_frame.reset();
        m_context.reset();
    }

    void selectDateShowsTheChosenMonth()
    {
        ShowMonth(2002, 5);
        QVERIFY(m_bActed);
        QTRY_VERIFY(PageText().startsWith(QStringLiteral("2002")));
        QCOMPARE(Year().GetTitle(33), std::string("Chúa Thăng Thiên"));
        // Ascension on Sunday 12 May 2002 with the settings of a fresh store.
        QVERIFY2(DayLine(PageText(), 12, 5).contains(QStringLiteral("Chúa Thăng Thiên")), qPrintable(PageText()));
        QVERIFY(DayLine(PageText(), 31, 5).size() > 0);
        QVERIFY(DayLine(PageText(), 1, 6).isEmpty());

        // Cancel leaves the page as it is; an empty year box is refused with
        // a message and the dialog stays, to be cancelled.
        const QString before = PageText();
        WhenOpen<CSelectDateDlg>([](CSelectDateDlg* dialog) {
            QTest::mouseClick(dialog->CancelButton(), Qt::LeftButton);
        });
        Run(ID_SELECTDATE);
        QVERIFY(m_bActed);
        m_messages->Clear();
        WhenOpen<CSelectDateDlg>([](CSelectDateDlg* dialog) {
            dialog->YearBox()->clear();
            QTest::mouseClick(dialog->OkButton(), Qt::LeftButton);
            QTest::mouseClick(dialog->CancelButton(), Qt::LeftButton);
        });
        Run(ID_SELECTDATE);   // returns once the dialog has closed and its command has run
        QVERIFY(m_bActed);
        QCOMPARE(PageText(), before);
        QCOMPARE(Year().GetComputedYear(), 2002);
        QCOMPARE(m_messages->Messages().size(), std::size_t(1));
    }

    void aChangedSettingMovesTheAscensionAtTheNextFreshComputation()
    {
        WhenOpen<CConfigDlg>([](CConfigDlg* dialog) {
            QVERIFY(SaveScreenshot(dialog, QStringLiteral("frame-config-dialog")));
            QTest::mouseClick(dialog->CheckBox(1013), Qt::LeftButton);
            QTest::mouseClick(dialog->OkButton(), Qt::LeftButton);
        });
        Run(ID_CONFIGURE);
        QVERIFY(m_bActed);

        // The held year keeps its arrangement (the Ascension on Sunday).
        ShowMonth(2002, 5);
        QTRY_VERIFY(DayLine(PageText(), 12, 5).contains(QStringLiteral("Chúa Thăng Thiên")));
        // Another year, then 2002 again: computed afresh with the new setting,
        // the box unticked: the Ascension on Thursday.
        ShowMonth(2003, 5);
        QTRY_VERIFY(PageText().startsWith(QStringLiteral("2003")));
        ShowMonth(2002, 5);
        QTRY_VERIFY(PageText().startsWith(QStringLiteral("2002")));
        QVERIFY2(DayLine(PageText(), 9, 5).contains(QStringLiteral("Chúa Thăng Thiên")), qPrintable(PageText()));
        QVERIFY(!DayLine(PageText(), 12, 5).contains(QStringLiteral("Chúa Thăng Thiên")));
    }

    void aSavedNoteAppearsOnItsDay()
    {
        ShowMonth(2002, 8);
        QTRY_VERIFY(!DayLine(PageText(), 15, 8).isEmpty());
        QVERIFY(!PageText().contains(QStringLiteral("Ghi chú của tôi")));

        WhenOpen<CNotesDlg>([](CNotesDlg* dialog) {
            CEditListCtrl* list = dialog->List();
            auto click = [list](int row, int column) {
                QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                                  list->visualRect(list->model()->index(row, column)).center());
            };
            // Day: two clicks on the cell; month and text: Right and F2.
            click(0, 0);
            click(0, 0);
            QVERIFY(dialog->CurrentEditor());
            TypeText(dialog->CurrentEditor(), QStringLiteral("15"));
            QTest::keyClick(dialog->CurrentEditor(), Qt::Key_Return);
            QTRY_VERIFY(!dialog->CurrentEditor());
            QTest::keyClick(list, Qt::Key_Right);
            QTest::keyClick(list, Qt::Key_F2);
            QVERIFY(dialog->CurrentEditor());
            TypeText(dialog->CurrentEditor(), QStringLiteral("8"));
            QTest::keyClick(dialog->CurrentEditor(), Qt::Key_Return);
            QTRY_VERIFY(!dialog->CurrentEditor());
            QTest::keyClick(list, Qt::Key_Right);
            QTest::keyClick(list, Qt::Key_F2);
            QVERIFY(dialog->CurrentEditor());
            TypeText(dialog->CurrentEditor(), QStringLiteral("Ghi chú của tôi"));
            QTest::keyClick(dialog->CurrentEditor(), Qt::Key_Return);
            QTRY_VERIFY(!dialog->CurrentEditor());
            QVERIFY(SaveScreenshot(dialog, QStringLiteral("frame-notes-dialog")));
            QTest::mouseClick(dialog->SaveButton(), Qt::LeftButton);
        });
        Run(ID_NOTE);
        QVERIFY(m_bActed);
        QFile notes(m_folder->Path(QStringLiteral("Vietnam/uNote.txt")));
        QVERIFY(notes.open(QIODevice::ReadOnly));
        QCOMPARE(notes.readAll(), QByteArray::fromStdString(CTestFolder::EncodeUtf16("15\t8\tGhi chú của tôi\r\n")));

        // The frame invalidated the engine: the same month again shows the note.
        ShowMonth(2002, 8);
        QTRY_VERIFY2(DayLine(PageText(), 15, 8).contains(QStringLiteral("Ghi chú của tôi")), qPrintable(PageText()));
        QVERIFY(!DayLine(PageText(), 14, 8).contains(QStringLiteral("Ghi chú của tôi")));
    }

    void aNewLanguageFolderIsMadeAndUsed()
    {
        WhenOpen<CLanguageDlg>([this](CLanguageDlg* dialog) {
            QCOMPARE(dialog->LanguageList()->currentText(), QStringLiteral("Vietnamese"));
            dialog->LanguageList()->setCurrentIndex(dialog->LanguageList()->findText(QStringLiteral("German")));
            QVERIFY(SaveScreenshot(dialog, QStringLiteral("frame-language-dialog")));
            // The dialog asks before it makes the folder German.
            WhenOpen<QMessageBox>([](QMessageBox* question) {
                QVERIFY(question->text().contains(QStringLiteral("(Vietnam)")));
                question->button(QMessageBox::Yes)->click();
            });
            QTest::mouseClick(dialog->OkButton(), Qt::LeftButton);
        });
        Run(ID_INTERNATIONALISE);
        QVERIFY(m_bActed);
        const std::string german = m_folder->ProgramFolder() + "/German/";
        QCOMPARE(m_context->Language().strFolder, german);
        QCOMPARE(m_context->Language().nSyntax, 0);
        QFile copied(QString::fromStdString(german + "uNote.txt"));
        QVERIFY(copied.open(QIODevice::ReadOnly));
        QCOMPARE(copied.readAll(), QByteArray::fromStdString(CTestFolder::EncodeUtf16("15\t8\tGhi chú của tôi\r\n")));
        copied.close();

        // A note only the new folder holds reaches the page: the engine reads it.
        QVERIFY(copied.open(QIODevice::Append));
        copied.write(QByteArray::fromStdString(CTestFolder::EncodeUtf16("20\t8\tChỉ trong thư mục German\r\n")));
        copied.close();
        ShowMonth(2002, 8);
        QTRY_VERIFY2(DayLine(PageText(), 20, 8).contains(QStringLiteral("Chỉ trong thư mục German")),
                     qPrintable(PageText()));

        // The notes dialog still edits the notes of the folder Vietnam.
        WhenOpen<CNotesDlg>([](CNotesDlg* dialog) {
            QCOMPARE(dialog->List()->CellText(0, 2), QStringLiteral("Ghi chú của tôi"));
            QCOMPARE(dialog->List()->CellText(1, 2), QString());
            QTest::mouseClick(dialog->CancelButton(), Qt::LeftButton);
        });
        Run(ID_NOTE);
        QVERIFY(m_bActed);
        QVERIFY(SaveScreenshot(m_frame.get(), QStringLiteral("frame-after-dialogs")));
    }
};

TALVOREN_GUI_TEST_MAIN(DialogCommandsTest)
#include "DialogCommands_test.moc"

// The day dialog with the core: today's page once day.htm has loaded, Next
// and Prev across year ends with the dialog's engine computing the new year, Escape
// moving on, Enter closing, the captions, and the missing-page message.

#include "base/CivilDate.h"
#include "engine/LanguageDataLoader.h"
#include "gui/controls/ImageButton.h"
#include "gui/pages/DayDlg.h"
#include "gui/pages/HtmlViewDlg.h"
#include "gui/platform/AppContext.h"
#include "resources/ResourceIds.h"
#include "tests/gui/GuiTestSupport.h"
#include "tests/support/RecordingMessageSink.h"

#include <QSignalSpy>
#include <memory>

using namespace talvoren;

class DayDlgTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<CGuiTestFolder> m_folder;
    std::unique_ptr<CAppContext> m_context;
    std::unique_ptr<CLanguageDataLoader> m_language;

    static QString DayText(CDayDlg& dialog)
    {
        return ElementText(dialog.PageView()->page(), QStringLiteral("day"));
    }
    static QString Expect(const CIVILDATE& date)
    {
        return QStringLiteral("%1-%2-%3").arg(date.nYear).arg(date.nMonth).arg(date.nDay);
    }

private slots:
    void initTestCase()
    {
        m_folder = std::make_unique<CGuiTestFolder>();
        m_context = std::make_unique<CAppContext>(m_folder->ProgramFolder(), m_folder->Language(), false);
        m_language = std::make_unique<CLanguageDataLoader>(m_context->Language());
    }

    void showsTodayThenWalksAcrossTheYearEnd()
    {
        CDayDlg dialog(*m_language, TestRenderers().dayPage, *m_context, nullptr);
        QSignalSpy built(&dialog, &CDayDlg::DayPageBuilt);
        dialog.show();
        QVERIFY(dialog.PageView());
        QVERIFY(built.wait(30000));
        QVERIFY(dialog.CurrentDate() == TodayLocal());
        QTRY_COMPARE(DayText(dialog), Expect(TodayLocal()));

        dialog.SetCurrentDate(CIVILDATE{2003, 12, 31});
        dialog.BuildDayPage();
        QTRY_COMPARE(DayText(dialog), QStringLiteral("2003-12-31"));
        dialog.Button(IDC_NEXT)->click();
        QTRY_COMPARE(DayText(dialog), QStringLiteral("2004-1-1"));
        QCOMPARE(dialog.Year().GetComputedYear(), 2004);   // the dialog computed the new year
        QCOMPARE(ElementText(dialog.PageView()->page(), QStringLiteral("held")), QStringLiteral("2004"));
        dialog.Button(IDC_PREV)->click();
        QTRY_COMPARE(DayText(dialog), QStringLiteral("2003-12-31"));
        QCOMPARE(dialog.Year().GetComputedYear(), 2003);
        dialog.Button(IDC_PREV)->click();
        QTRY_COMPARE(DayText(dialog), QStringLiteral("2003-12-30"));

        // Escape moves to the next day and does not close the dialog.
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QTRY_COMPARE(DayText(dialog), QStringLiteral("2003-12-31"));
        QVERIFY(dialog.isVisible());

        dialog.SetCurrentDate(CIVILDATE{2004, 2, 28});
        dialog.BuildDayPage();
        dialog.Button(IDC_NEXT)->click();
        QTRY_COMPARE(DayText(dialog), QStringLiteral("2004-2-29"));
        QVERIFY(SaveScreenshot(&dialog, QStringLiteral("day-dialog-test")));

        // A reload of day.htm brings the dialog back to today.
        dialog.PageView()->reload();
        QTRY_COMPARE_WITH_TIMEOUT(DayText(dialog), Expect(TodayLocal()), 20000);

        // Enter activates Close, which ends the dialog with IDOK.
        QTest::keyClick(&dialog, Qt::Key_Return);
        QTRY_VERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(IDOK));
    }

    void buttonsCarryTheirIconsAndDecodedCaptions()
    {
        CDayDlg dialog(*m_language, TestRenderers().dayPage, *m_context, nullptr);
        QCOMPARE(dialog.Button(IDOK)->text(), QStringLiteral(" Ngưng "));
        QCOMPARE(dialog.Button(IDC_NEXT)->text(), QStringLiteral(" Ngày Mai "));
        QCOMPARE(dialog.Button(IDC_PREV)->text(), QStringLiteral(" Hôm Qua "));
        for (int id : {IDOK, IDC_NEXT, IDC_PREV})
            QCOMPARE(dialog.Button(id)->IconSize(), QSize(32, 32));
        QVERIFY(dialog.Button(IDOK)->isDefault());
        // Buttons sit on the template's row 286 in the order Prev, Close, Next.
        QVERIFY(dialog.Button(IDC_PREV)->x() < dialog.Button(IDOK)->x());
        QVERIFY(dialog.Button(IDOK)->x() < dialog.Button(IDC_NEXT)->x());
        QVERIFY(dialog.PageView()->geometry().bottom() < dialog.Button(IDOK)->y());
    }

    void aMissingDayPageIsReported()
    {
        CGuiTestFolder empty(false);
        CRecordingMessageSink messages;
        CAppContext context(empty.ProgramFolder(), empty.Language(), false);
        CDayDlg dialog(*m_language, TestRenderers().dayPage, context, nullptr);
        QCOMPARE(messages.Messages().size(), size_t(1));
        QCOMPARE(QString::fromStdString(messages.Messages()[0]),
                 QStringLiteral("File %1/Html/day.htm not found!").arg(QString::fromStdString(empty.ProgramFolder())));
        QVERIFY(messages.Icons()[0] == MessageIcon::Error);
        QVERIFY(!dialog.PageView());
        QCOMPARE(dialog.Button(IDOK)->text(), QStringLiteral("&Close"));
        QCOMPARE(dialog.Button(IDC_NEXT)->text(), QStringLiteral("&Next"));
        dialog.show();
        dialog.Button(IDC_NEXT)->click();   // no page: nothing is built, nothing fails
        QVERIFY(dialog.isVisible());
    }
};

TALVOREN_GUI_TEST_MAIN(DayDlgTest)
#include "DayDlg_test.moc"

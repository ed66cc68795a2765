// The About box and the insert-CD prompt.

#include "gui/controls/ImageButton.h"
#include "gui/pages/HtmlViewDlg.h"
#include "gui/shell/AboutDlg.h"
#include "gui/shell/PromptDlg.h"
#include "resources/EncodedCaptions.h"
#include "resources/ResourceIds.h"
#include "tests/gui/GuiTestSupport.h"
#include "tests/support/RecordingMessageSink.h"

#include <QSignalSpy>
#include <QTimer>

using namespace talvoren;

class AboutDlgTest : public QObject
{
    Q_OBJECT

private slots:
    void theAboutBoxShowsItsPage()
    {
        CGuiTestFolder folder;
        CAboutDlg dialog(folder.ProgramFolder(), nullptr);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("About Talvoren"));
        QVERIFY(dialog.PageView());
        QCOMPARE(dialog.OkButton()->IconSize(), QSize(32, 32));
        QSignalSpy loaded(dialog.PageView(), &CHtmlViewDlg::DocumentComplete);
        // Before the page has loaded nothing is written, and nothing fails.
        QCOMPARE(dialog.PageView()->SetElementHtml(QStringLiteral("about"), QStringLiteral("early")), false);
        dialog.show();
        QVERIFY(loaded.wait(30000));
        QCOMPARE(ElementText(dialog.PageView()->page(), QStringLiteral("about")),
                 QStringLiteral("Test about page: Talvoren."));
        QVERIFY(dialog.PageView()->SetElementHtml(QStringLiteral("about"), QStringLiteral("Talvoren 4.1")));
        QTRY_COMPARE(ElementText(dialog.PageView()->page(), QStringLiteral("about")), QStringLiteral("Talvoren 4.1"));
        dialog.PageView()->reload();   // a reload completes the page again and tells the dialog again
        QVERIFY(loaded.wait(30000));
        QCOMPARE(loaded.count(), 2);
        QVERIFY(SaveScreenshot(&dialog, QStringLiteral("about-box-test")));
        dialog.OkButton()->click();
        QCOMPARE(dialog.result(), int(IDOK));
    }

    void aMissingAboutPageIsReportedAndTheBoxStillOpens()
    {
        CGuiTestFolder folder(false);
        CRecordingMessageSink messages;
        CAboutDlg dialog(folder.ProgramFolder(), nullptr);
        QCOMPARE(messages.Messages().size(), size_t(1));
        QCOMPARE(QString::fromStdString(messages.Messages()[0]),
                 QStringLiteral("File %1/Html/about.htm not found!").arg(QString::fromStdString(folder.ProgramFolder())));
        QVERIFY(messages.Icons()[0] == MessageIcon::Stop);
        QVERIFY(!dialog.PageView());
        dialog.show();
        QVERIFY(dialog.isVisible());
    }

    void thePromptCarriesTheDecodedText()
    {
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(13);
        CPromptDlg prompt(kInsertCdPrompt, IDI_WAIT, &font, nullptr);
        QCOMPARE(prompt.OkButton()->text(),
                 QStringLiteral("Xin bỏ CD Sorvane Bible vào ổ CD rồi nhấn vào đây\nhoặc nhấn nút Cancel nếu muốn ngưng"));
        QCOMPARE(prompt.OkButton()->font().pixelSize(), 13);
        QCOMPARE(prompt.OkButton()->IconSize(), QSize(32, 32));
        QCOMPARE(prompt.CancelButton()->text(), QStringLiteral("Cancel"));
        QVERIFY(prompt.OkButton()->width() > prompt.CancelButton()->width());
        prompt.show();
        QVERIFY(QTest::qWaitForWindowExposed(&prompt));
        QVERIFY(SaveScreenshot(&prompt, QStringLiteral("insert-cd-prompt-test")));

        QTimer::singleShot(0, prompt.OkButton(), &QPushButton::click);
        QCOMPARE(prompt.exec(), int(IDOK));
        QTimer::singleShot(0, prompt.CancelButton(), &QPushButton::click);
        QCOMPARE(prompt.exec(), int(IDCANCEL));
    }
};

TALVOREN_GUI_TEST_MAIN(AboutDlgTest)
#include "AboutDlg_test.moc"

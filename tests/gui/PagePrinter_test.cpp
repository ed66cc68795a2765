// Printing a page to a PDF file: every sheet carries the program's header
// and the footer with its page number and the number of pages, whatever the
// user's own page set-up holds; a printer handed over to the job goes when
// the job ends.

#include "gui/shell/PagePrinter.h"
#include "platform/SettingsKey.h"
#include "shell/PageSetup.h"
#include "tests/gui/GuiTestSupport.h"

#include <QFile>
#include <QPdfDocument>
#include <QPdfSelection>
#include <QPrinter>
#include <QSignalSpy>
#include <QWebEngineView>
#include <memory>

using namespace talvoren;

namespace
{
// A printer that says when it is deleted.
class CWatchedPrinter : public QPrinter
{
public:
    explicit CWatchedPrinter(bool* gone) : m_pGone(gone) {}
    ~CWatchedPrinter() override { *m_pGone = true; }

private:
    bool* m_pGone;
};
}

class PagePrinterTest : public QObject
{
    Q_OBJECT

private slots:
    void printsHeaderAndFooterOnEverySheet()
    {
        CGuiTestFolder folder;
        CSettingsKey key;
        QCOMPARE(key.Open(SettingsRoot::CurrentUser, kPageSetupKey), CSettingsKey::kSuccess);
        QCOMPARE(key.WriteString("header", "my header"), CSettingsKey::kSuccess);
        key.Close();

        QWebEngineView view;
        view.resize(800, 600);
        view.show();
        QSignalSpy loaded(&view, &QWebEngineView::loadFinished);
        view.load(QUrl::fromLocalFile(folder.Path(QStringLiteral("Html/Calendar.htm"))));
        QVERIFY(loaded.wait(30000));
        // Enough text for three sheets.
        RunJavaScript(view.page(), QStringLiteral("var c=document.getElementById('rightCol');var s='';"
                                                  "for(var i=0;i<150;++i)s+='<p>Ngày '+i+'</p>';c.innerHTML=s;"));

        const QString output = folder.Path(QStringLiteral("printed.pdf"));
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(output);
        printer.setPageSize(QPageSize(QPageSize::A4));
        bool finished = false;
        bool succeeded = false;
        CPagePrinter::Print(view.page(), &printer, [&](bool ok) {
            finished = true;
            succeeded = ok;
        });
        QTRY_VERIFY_WITH_TIMEOUT(finished, 60000);
        QVERIFY(succeeded);

        QPdfDocument document;
        QCOMPARE(document.load(output), QPdfDocument::Error::None);
        const int pages = document.pageCount();
        QVERIFY2(pages >= 3, qPrintable(QString::number(pages)));
        for (int page = 0; page < pages; ++page) {
            const QString text = document.getAllText(page).text();
            QVERIFY2(text.contains(QStringLiteral("Sorvane Liturgical Calendar")), qPrintable(text.left(200)));
            QVERIFY(!text.contains(QStringLiteral("my header")));
            QVERIFY2(text.contains(QStringLiteral("Page %1 of %2").arg(page + 1).arg(pages)), qPrintable(text.right(200)));
        }
        const QImage first = document.render(0, QSize(600, 850));
        QVERIFY(first.save(QStringLiteral(TALVOREN_SCREENSHOT_DIR "/printed-page-test.png")));
    }

    void aPrinterHandedOverGoesWithItsJob()
    {
        CGuiTestFolder folder;
        bool gone = false;
        bool result = true;
        CPagePrinter::Print(nullptr, std::make_unique<CWatchedPrinter>(&gone), [&](bool ok) { result = ok; });
        QVERIFY(gone);
        QVERIFY(!result);

        QWebEngineView view;
        QSignalSpy loaded(&view, &QWebEngineView::loadFinished);
        view.setHtml(QStringLiteral("<p>Ngày</p>"));
        QVERIFY(loaded.wait(30000));
        gone = false;
        auto printer = std::make_unique<CWatchedPrinter>(&gone);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(folder.Path(QStringLiteral("handed-over.pdf")));
        CPagePrinter::Print(view.page(), std::move(printer), [&](bool ok) { result = ok; });
        QTRY_VERIFY_WITH_TIMEOUT(gone, 60000);
        QVERIFY(result);
        QVERIFY(QFile::exists(folder.Path(QStringLiteral("handed-over.pdf"))));
    }
};

TALVOREN_GUI_TEST_MAIN(PagePrinterTest)
#include "PagePrinter_test.moc"

// Hostile data and hostile page scripts in the real main view, with the
// program's own pages: a note of a language file, a user's note and a
// Bible.db row (built with talvoren-biblebuild --csv) that carry onerror,
// onload and javascript: run nothing; a page reaches no file outside Html/
// (file:// addresses, "..", a symbolic link) and no remote address.

#include "gui/pages/HtmlProfile.h"
#include "gui/shell/TalvorenView.h"
#include "tests/gui/GuiTestSupport.h"
#include "tests/support/RecordingMessageSink.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QSignalSpy>
#include <QTcpServer>
#include <QWebEnginePage>
#include <memory>

using namespace talvoren;

namespace
{
const char kSecret[] = "SECRET-5143";

// Appends `text` to the UTF-16LE language file at `path` as a line of its own.
bool AppendLine(const QString& path, const QString& text)
{
    QFile file(path);
    if (!file.open(QIODevice::Append))
        return false;
    const QString line = QStringLiteral("\r\n") + text + QStringLiteral("\r\n");
    QByteArray bytes;
    for (const QChar ch : line) {
        bytes += static_cast<char>(ch.unicode() & 0xFF);
        bytes += static_cast<char>(ch.unicode() >> 8);
    }
    return file.write(bytes) == bytes.size();
}

bool WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QString Quote(const QString& text)
{
    QString quoted = text;
    quoted.replace(QLatin1Char('\\'), QStringLiteral("\\\\")).replace(QLatin1Char('\''), QStringLiteral("\\'"));
    return QLatin1Char('\'') + quoted + QLatin1Char('\'');
}
} // namespace

class PageSafetyTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<CGuiTestFolder> m_folder;
    std::unique_ptr<CRecordingMessageSink> m_messages;
    std::unique_ptr<CTalvorenView> m_view;
    std::unique_ptr<QSignalSpy> m_status;
    QTcpServer m_server;

    QWebEnginePage* Page() { return m_view->page(); }
    QString Eval(const QString& script) { return RunJavaScript(Page(), script).toString(); }

    // Sends a status text as the page does and waits until it has arrived.
    void Send(const QString& text)
    {
        m_status->clear();
        RunJavaScript(Page(), QStringLiteral("window.status = %1;").arg(Quote(text)));
        // A command arrives as the bar going back to ready; other text as itself.
        const QString expected = text.contains(QLatin1String("talvorencommand|")) ? QString() : text;
        QTRY_VERIFY_WITH_TIMEOUT(!m_status->isEmpty() && m_status->last().at(0).toString() == expected, 10000);
    }

    void LoadMainPage()
    {
        QSignalSpy loaded(m_view.get(), &CTalvorenView::DocumentComplete);
        m_view->load(CHtmlProfile::PageUrl(QStringLiteral("Calendar.htm")));
        QVERIFY(loaded.wait(30000));
        QVERIFY(m_view->HasDocument());
    }

private slots:
    void initTestCase()
    {
        if (!QFile::exists(QStringLiteral(TALVOREN_PROGRAM_DIR "/Html/Calendar.htm")))
            QFAIL("the build has not copied the static pages into the program folder");
        m_folder = std::make_unique<CGuiTestFolder>(false);
        QVERIFY(CopyFolder(QStringLiteral(TALVOREN_PROGRAM_DIR "/Html"), m_folder->Path(QStringLiteral("Html"))));
        m_messages = std::make_unique<CRecordingMessageSink>();

        // What a page must not reach: files beside Html/, one of them behind
        // links inside it; and files inside Html/ that it may reach.
        QVERIFY(WriteFile(m_folder->Path(QStringLiteral("secret.txt")), kSecret));
        QVERIFY(QImage(4, 4, QImage::Format_RGB32).save(m_folder->Path(QStringLiteral("secret.png"))));
        QVERIFY(QFile::link(QStringLiteral("../secret.txt"), m_folder->Path(QStringLiteral("Html/leak.txt"))));
        QVERIFY(QFile::link(QStringLiteral("../secret.png"), m_folder->Path(QStringLiteral("Html/leak.png"))));
        QVERIFY(WriteFile(m_folder->Path(QStringLiteral("Html/inside.txt")), "INSIDE-7"));
        QVERIFY(QImage(4, 4, QImage::Format_RGB32).save(m_folder->Path(QStringLiteral("Html/inside.png"))));
        QVERIFY(m_server.listen(QHostAddress::LocalHost));

        // 1 March: a note of the language (uLocal.txt) and one of the user
        // (uNote.txt) that try to run script; the first cites Genesis 1:1-2,
        // whose rows in Bible.db try too.
        QVERIFY(AppendLine(m_folder->Path(QStringLiteral("Vietnam/uLocal.txt")),
                           QStringLiteral("1 3 St 1:1-2 <img src=x onerror=\"window.pwned='uLocal onerror'\">"
                                          "<b onload=\"window.pwned='uLocal onload'\">Local note</b> "
                                          "<a href=\"javascript:window.pwned='uLocal href'\">local link</a>")));
        QVERIFY(AppendLine(m_folder->Path(QStringLiteral("Vietnam/uNote.txt")),
                           QStringLiteral("1 3 <img src=x onerror=\"window.pwned='uNote onerror'\">"
                                          "<svg onload=\"window.pwned='uNote onload'\"></svg>User note "
                                          "<a href=\"javascript:window.pwned='uNote href'\">user link</a>")));
#ifdef TALVOREN_BIBLEBUILD
        const QString csv = m_folder->Path(QStringLiteral("Sentences.csv"));
        QVERIFY(WriteFile(csv, "ID,Book,Chapter,Sentence,Type,Contents\n"
                               "1,1,1,1,0,\"In the beginning<img src=x onerror=\"\"window.pwned='db onerror'\"\">.\"\n"
                               "2,1,1,2,3,\"<b onload=\"\"window.pwned='db onload'\"\">A heading</b>\"\n"
                               "3,1,1,2,0,\"<a href=\"\"javascript:window.pwned='db href'\"\">The earth</a> was "
                               "formless.<script>window.pwned='db script'</script>\"\n"));
        QFile::remove(m_folder->Path(QStringLiteral("Bible.db")));
        QProcess build;
        build.start(QStringLiteral(TALVOREN_BIBLEBUILD), {QStringLiteral("--csv"), csv, m_folder->Path(QStringLiteral("Bible.db"))});
        QVERIFY(build.waitForFinished(30000));
        QVERIFY2(build.exitCode() == 0, build.readAllStandardError().constData());
#endif

        m_view = std::make_unique<CTalvorenView>(m_folder->Language(), m_folder->ProgramFolder());
        m_status = std::make_unique<QSignalSpy>(m_view.get(), &CTalvorenView::StatusText);
        m_view->resize(1200, 800);
        m_view->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_view.get()));
        QSignalSpy loaded(m_view.get(), &CTalvorenView::DocumentComplete);
        m_view->OnInitialUpdate();
        QVERIFY(loaded.wait(30000));
        QVERIFY(m_view->HasDocument());
    }

    void notesAndVersesRunNoScript()
    {
        QVERIFY(m_view->Year().ComputeYear(2003));
        Send(QStringLiteral("talvorencommand|view|3"));
        QTRY_VERIFY_WITH_TIMEOUT(ElementText(Page(), QStringLiteral("rightCol")).contains(QStringLiteral("User note")),
                                 10000);
        const QString column = ElementText(Page(), QStringLiteral("rightCol"));
        for (const char* kept : {"Local note", "local link", "user link"})
            QVERIFY2(column.contains(QString::fromUtf8(kept)), kept);

#ifdef TALVOREN_BIBLEBUILD
        QVERIFY(m_view->IsDatabaseOpen());
        Send(QStringLiteral("talvorencommand|viewBible|59"));   // 1 March 2003
        QTRY_VERIFY_WITH_TIMEOUT(ElementText(Page(), QStringLiteral("rightCol2")).contains(QStringLiteral("The earth")),
                                 10000);
        const QString passages = ElementText(Page(), QStringLiteral("rightCol2"));
        QVERIFY(passages.contains(QStringLiteral("In the beginning")) && passages.contains(QStringLiteral("A heading")));
        QTRY_VERIFY_WITH_TIMEOUT(Eval(QStringLiteral("String(!document.getElementById('readingLayer').hidden)")) ==
                                     QStringLiteral("true"), 10000);
        QTest::qWait(300);
        QVERIFY(SaveScreenshot(m_view.get(), QStringLiteral("safety-hostile-verses")));
#endif
        // No handler or script address is left to run, even when clicked.
        const QString active = QStringLiteral(
            "document.querySelectorAll('#rightCol [onerror], #rightCol [onload], #rightCol a, #rightCol script,"
            " #rightCol img[src=x], #rightCol2 [onerror], #rightCol2 [onload], #rightCol2 a, #rightCol2 script').length");
        QCOMPARE(RunJavaScript(Page(), active).toInt(), 0);
        RunJavaScript(Page(), QStringLiteral("document.querySelectorAll('#rightCol *, #rightCol2 *')"
                                             ".forEach(function (e) { e.click(); })"));
        QTest::qWait(500);
        QCOMPARE(Eval(QStringLiteral("String(window.pwned)")), QStringLiteral("undefined"));
        RunJavaScript(Page(), QStringLiteral("CloseLayer('readingLayer')"));
    }

    void pagesReachNoFileOutsideHtml_data()
    {
        QTest::addColumn<QString>("kind");       // fetch, iframe, img, open
        QTest::addColumn<QString>("address");    // "{program}" is the program folder
        QTest::addColumn<QString>("reached");    // what comes back when it succeeds
        QTest::addColumn<bool>("allowed");
        const QString secret = QString::fromLatin1(kSecret);
        // What the pages may reach, so that a refusal below means something.
        QTest::newRow("iframe inside Html") << "iframe" << "talvoren://html/inside.txt" << "INSIDE-7" << true;
        QTest::newRow("img inside Html") << "img" << "inside.png" << "loaded" << true;
        // File addresses.
        QTest::newRow("fetch file") << "fetch" << "file://{program}/secret.txt" << secret << false;
        QTest::newRow("iframe file") << "iframe" << "file://{program}/secret.txt" << secret << false;
        QTest::newRow("img file") << "img" << "file://{program}/secret.png" << "loaded" << false;
        QTest::newRow("window file") << "open" << "file://{program}/secret.txt" << secret << false;
        // The program's scheme, out of its folder.
        QTest::newRow("iframe ..") << "iframe" << "talvoren://html/../secret.txt" << secret << false;
        QTest::newRow("iframe %2e%2e") << "iframe" << "talvoren://html/%2e%2e/secret.txt" << secret << false;
        QTest::newRow("iframe ..%2f") << "iframe" << "talvoren://html/..%2fsecret.txt" << secret << false;
        QTest::newRow("iframe link out") << "iframe" << "talvoren://html/leak.txt" << secret << false;
        QTest::newRow("img link out") << "img" << "leak.png" << "loaded" << false;
        QTest::newRow("iframe other host") << "iframe" << "talvoren://other/secret.txt" << secret << false;
        // Remote addresses: nothing leaves (the test's server sees no connection).
        QTest::newRow("fetch http") << "fetch" << "http://127.0.0.1:{port}/" << "HTTP" << false;
        QTest::newRow("img http") << "img" << "http://127.0.0.1:{port}/x.png" << "loaded" << false;
        QTest::newRow("iframe http") << "iframe" << "http://127.0.0.1:{port}/" << "HTTP" << false;
    }

    void pagesReachNoFileOutsideHtml()
    {
        QFETCH(QString, kind);
        QFETCH(QString, address);
        QFETCH(QString, reached);
        QFETCH(bool, allowed);
        address.replace(QStringLiteral("{program}"), QString::fromStdString(m_folder->ProgramFolder()));
        address.replace(QStringLiteral("{port}"), QString::number(m_server.serverPort()));
        const QList<QWebEngineView*> windowsBefore = m_view->OpenedWindows();
        RunJavaScript(Page(), QStringLiteral("window.probe = undefined;"));
        // Each probe sets window.probe to what it read, or to "refused".
        const QString probes = QStringLiteral(R"JS(
(function (kind, url) {
  function report(text) { if (window.probe === undefined) window.probe = String(text); }
  try {
    if (kind === 'fetch') {
      fetch(url).then(function (r) { return r.text(); }).then(report, function () { report('refused'); });
    } else if (kind === 'img') {
      var i = new Image();
      i.onload = function () { report('loaded'); };
      i.onerror = function () { report('refused'); };
      i.src = url;
    } else if (kind === 'iframe') {
      var f = document.createElement('iframe');
      var read = function () {
        try { report(f.contentDocument ? f.contentDocument.documentElement.innerText : 'refused'); }
        catch (e) { report('refused'); }
        f.remove();
      };
      // A refused frame may never finish loading.
      f.onload = function () { setTimeout(read, 300); };
      setTimeout(read, 3000);
      f.src = url;
      document.body.appendChild(f);
    } else if (kind === 'open') {
      var w = window.open(url, '_blank');
      setTimeout(function () {
        try { report(w && w.document && w.document.documentElement ? w.document.documentElement.innerText : 'refused'); }
        catch (e) { report('refused'); }
      }, 1000);
    }
  } catch (e) { report('refused'); }
})(%1, %2);)JS");
        RunJavaScript(Page(), probes.arg(Quote(kind), Quote(address)));
        QTRY_VERIFY_WITH_TIMEOUT(Eval(QStringLiteral("String(window.probe)")) != QStringLiteral("undefined"), 15000);
        const QString probe = Eval(QStringLiteral("window.probe"));
        QVERIFY2(probe.contains(reached) == allowed, qPrintable(probe.left(200)));
        // A window the page opened shows nothing of the file either.
        for (QWebEngineView* window : m_view->OpenedWindows()) {
            if (windowsBefore.contains(window))
                continue;
            QTest::qWait(500);
            QVERIFY(!RunJavaScript(window->page(), QStringLiteral("document.documentElement.innerText"))
                         .toString()
                         .contains(reached));
            window->close();
        }
        QVERIFY(!m_server.hasPendingConnections());
        QCOMPARE(m_view->url(), CHtmlProfile::PageUrl(QStringLiteral("Calendar.htm")));
    }

    void thePageCannotGoToAFile()
    {
        const QString path = QString::fromStdString(m_folder->ProgramFolder()) + QStringLiteral("/secret.txt");
        RunJavaScript(Page(), QStringLiteral("location.href = %1;").arg(Quote(QStringLiteral("file://") + path)));
        QTest::qWait(1500);
        QCOMPARE(m_view->url(), CHtmlProfile::PageUrl(QStringLiteral("Calendar.htm")));
        QVERIFY(!Eval(QStringLiteral("document.documentElement.innerText")).contains(QString::fromLatin1(kSecret)));
    }

    void cleanupTestCase()
    {
        m_status.reset();
        m_view.reset();
    }
};

TALVOREN_GUI_TEST_MAIN(PageSafetyTest)
#include "PageSafety_test.moc"

// The main view when things go wrong: a scripture database that is missing,
// empty, not a database or cut short gives one message at start, naming the
// file, and the program runs on without passages; a program folder of any
// name opens its pages and database; command addresses a megabyte long, with
// non-ASCII text or with numbers beyond 32 bits arrive through the real
// status-text channel and are ignored or shown, never run out of range.

#include "engine/LiturgicalYear.h"
#include "gui/shell/TalvorenView.h"
#include "tests/gui/GuiTestSupport.h"
#include "tests/support/RecordingMessageSink.h"

#include <QFile>
#include <QSignalSpy>
#include <QWebEnginePage>
#include <memory>

using namespace talvoren;

namespace
{
// A view over its own program folder, started and with its main page loaded.
struct STARTEDVIEW
{
    explicit STARTEDVIEW(const QString& programName = QStringLiteral("program")) : folder(true, programName) {}

    CGuiTestFolder folder;
    CRecordingMessageSink messages;
    std::unique_ptr<CTalvorenView> view;
    std::unique_ptr<QSignalSpy> statuses;

    // `prepare` changes the program folder before the view starts.
    template <typename Prepare>
    bool Start(Prepare prepare)
    {
        prepare(folder);
        view = std::make_unique<CTalvorenView>(folder.Language(), folder.ProgramFolder());
        view->SetRenderers(TestRenderers());
        statuses = std::make_unique<QSignalSpy>(view.get(), &CTalvorenView::StatusText);
        view->resize(800, 600);
        view->show();
        QSignalSpy loaded(view.get(), &CTalvorenView::DocumentComplete);
        view->OnInitialUpdate();
        return loaded.wait(30000) && view->HasDocument();
    }

    QString Text(const char* id) { return ElementText(view->page(), QString::fromLatin1(id)); }
    QString LastStatus() const { return statuses->isEmpty() ? QString() : statuses->last().at(0).toString(); }

    // Sends `text` as a page does, then a marker, and waits for the marker.
    bool Send(const QString& text)
    {
        static int counter = 0;
        const QString marker = QStringLiteral("marker %1").arg(++counter);
        RunJavaScript(view->page(), QStringLiteral("window.status = %1; window.status = '%2';")
                                        .arg(Literal(text), marker), 30000);
        return QTest::qWaitFor([&] { return LastStatus() == marker; }, 30000);
    }
    // A JavaScript string literal of `text`, every code unit outside printable
    // ASCII written as \uXXXX (so that a lone surrogate reaches the page as one).
    static QString Literal(const QString& text)
    {
        QString quoted = QStringLiteral("\"");
        quoted.reserve(text.size() * 6 + 2);
        for (const QChar ch : text) {
            const ushort unit = ch.unicode();
            if (unit < 0x20 || unit >= 0x7F || ch == QLatin1Char('"') || ch == QLatin1Char('\\'))
                quoted += QStringLiteral("\\u%1").arg(unit, 4, 16, QLatin1Char('0'));
            else
                quoted += ch;
        }
        return quoted + QLatin1Char('"');
    }
    bool Shown(const QString& text) const
    {
        for (const QList<QVariant>& signal : *statuses)
            if (signal.at(0).toString() == text)
                return true;
        return false;
    }
};
} // namespace

class TalvorenViewFaultsTest : public QObject
{
    Q_OBJECT

private slots:
    void aBrokenBibleDbGivesOneMessageAndNoPassages_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("missing") << "missing";
        QTest::newRow("empty") << "empty";
        QTest::newRow("not a database") << "text";
        QTest::newRow("cut short") << "cut";
    }

    void aBrokenBibleDbGivesOneMessageAndNoPassages()
    {
        QFETCH(QString, kind);
        STARTEDVIEW started;
        const bool haveDatabase = QFile::exists(QStringLiteral(TALVOREN_PROGRAM_DIR "/Bible.db"));
        if (kind == QLatin1String("cut") && !haveDatabase)
            QSKIP("no Bible.db in the program folder to cut short");
        QVERIFY(started.Start([&](CGuiTestFolder& folder) {
            const QString path = folder.Path(QStringLiteral("Bible.db"));
            QByteArray whole;
            QFile file(path);
            if (file.open(QIODevice::ReadOnly))
                whole = file.readAll();
            file.close();
            QFile::remove(path);
            if (kind == QLatin1String("missing"))
                return;
            QVERIFY(file.open(QIODevice::WriteOnly));
            if (kind == QLatin1String("text"))
                file.write("ID;Book;Chapter;Sentence;Type;Contents\n1;1;1;1;0;In the beginning\n");
            else if (kind == QLatin1String("cut"))
                file.write(whole.left(whole.size() / 3));
            file.close();
        }));
        QCOMPARE(started.messages.Messages().size(), std::size_t(1));
        // The message names the file.
        QVERIFY2(QString::fromStdString(started.messages.Messages()[0]).startsWith(started.folder.Path(QStringLiteral("Bible.db"))),
                 started.messages.Messages()[0].c_str());
        QVERIFY(!started.view->IsDatabaseOpen());

        // The calendar works; a click on a day's readings shows nothing and
        // shows no further message.
        QVERIFY(started.view->Year().ComputeYear(2003));
        QVERIFY(started.Send(QStringLiteral("talvorencommand|view|3")));
        QTRY_COMPARE(started.Text("page"), QStringLiteral("list 2003 59 90"));
        QVERIFY(started.Send(QStringLiteral("talvorencommand|viewBible|59")));   // the marker after it has arrived
        QCOMPARE(started.Text("rightCol2"), QString());
        QVERIFY(RunJavaScript(started.view->page(), QStringLiteral("window.lastOpened || ''")).toString().isEmpty());
        QVERIFY(started.Send(QStringLiteral("talvorencommand|view|4")));
        QTRY_COMPARE(started.Text("page"), QStringLiteral("list 2003 90 120"));
        QCOMPARE(started.messages.Messages().size(), std::size_t(1));
    }

    // A program folder whose name holds ";", quotes and a leading blank: the
    // pages and the scripture database open all the same.
    void aProgramFolderOfAnyName()
    {
        STARTEDVIEW started(QStringLiteral(" Lịch; it's \"mine\""));
        QVERIFY(started.Start([](CGuiTestFolder&) {}));
        QCOMPARE(started.view->IsDatabaseOpen(), QFile::exists(started.folder.Path(QStringLiteral("Bible.db"))));
        QVERIFY(started.messages.Messages().empty());
        QVERIFY(started.view->Year().ComputeYear(2003));
        QVERIFY(started.Send(QStringLiteral("talvorencommand|view|3")));
        QTRY_COMPARE(started.Text("page"), QStringLiteral("list 2003 59 90"));
    }

    void hostileAddressesThroughTheChannel_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("shown");   // the text itself reaches the status bar: never a command address
        const QString megabyte(1 << 20, QLatin1Char('9'));
        QTest::newRow("1 MB month") << QStringLiteral("talvorencommand|view|") + megabyte << false;
        QTest::newRow("1 MB day index") << QStringLiteral("talvorencommand|viewBible|") + megabyte << false;
        QTest::newRow("1 MB word") << QStringLiteral("talvorencommand|") + megabyte + QStringLiteral("|3") << false;
        QTest::newRow("1 MB before a word without argument")
            << QString(1 << 20, QLatin1Char('x')) + QStringLiteral("talvorencommand|view") << false;
        QTest::newRow("1 MB of ordinary text") << QString(1 << 20, QChar(0x01B0)) << true;
        QTest::newRow("1 MB hover text") << QStringLiteral("talvorenhover|viewBible|") + megabyte << false;
        QTest::newRow("month 2^32 + 3") << QStringLiteral("talvorencommand|view|4294967299") << false;
        QTest::newRow("day index 2^32") << QStringLiteral("talvorencommand|viewBible|4294967296") << false;
        QTest::newRow("year 2^32 + 2004") << QStringLiteral("talvorencommand|yearchange|4294969300") << false;
        QTest::newRow("year -2^32 + 2004") << QStringLiteral("talvorencommand|yearchange|-4294965292") << false;
        QTest::newRow("fullwidth digit") << QStringLiteral("talvorencommand|view|\uFF13") << false;
        QTest::newRow("word with a dotted I") << QStringLiteral("talvorencommand|v\u0130ew|3") << false;
        QTest::newRow("a lone surrogate") << QStringLiteral("talvorencommand|view|") + QChar(0xD800) << false;
        QTest::newRow("emoji word") << QStringLiteral("talvorencommand|\U0001F600|3") << false;
    }

    void hostileAddressesThroughTheChannel()
    {
        QFETCH(QString, text);
        QFETCH(bool, shown);
        STARTEDVIEW started;
        QVERIFY(started.Start([](CGuiTestFolder&) {}));
        QVERIFY(started.view->Year().ComputeYear(2003));
        started.view->SetElementHtml("rightCol", "<div id='page'>reset</div>");
        QTRY_COMPARE(started.Text("page"), QStringLiteral("reset"));
        started.statuses->clear();

        QVERIFY(started.Send(text));   // the marker after it has arrived: the host has run it
        QCOMPARE(started.Text("page"), QStringLiteral("reset"));
        QCOMPARE(started.view->Year().GetComputedYear(), 2003);
        // Ordinary text reaches the status bar as sent; a command address
        // never does (the bar is then ready, or says what a link does).
        bool anyShown = false;
        for (const QList<QVariant>& signal : *started.statuses)
            anyShown = anyShown || signal.at(0).toString().size() > 50;
        QCOMPARE(anyShown, shown);
        // And the channel still works.
        QVERIFY(started.Send(QStringLiteral("talvorencommand|view|3")));
        QTRY_COMPARE(started.Text("page"), QStringLiteral("list 2003 59 90"));
    }
};

TALVOREN_GUI_TEST_MAIN(TalvorenViewFaultsTest)
#include "TalvorenViewFaults_test.moc"

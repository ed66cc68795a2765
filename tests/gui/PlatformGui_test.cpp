// The GUI half of the platform layer: dialog units, fonts by cell height,
// the single-instance lock and its socket, and the message-box sink's icons.

#include "dialogs/NotesFile.h"
#include "gui/platform/DialogUnits.h"
#include "gui/platform/InterfaceTranslator.h"
#include "gui/platform/QtMessageSink.h"
#include "gui/platform/SingleInstance.h"
#include "platform/MessageSink.h"
#include "tests/gui/GuiTestSupport.h"

#include <QFontMetrics>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTimer>
#include <QSysInfo>
#include <QTemporaryDir>

using namespace talvoren;

class PlatformGuiTest : public QObject
{
    Q_OBJECT

private slots:
    void dialogUnitsFollowTheBaseUnits()
    {
        const QFont font = DialogTemplateFont();
        const QSize base = DialogBaseUnits(font);
        QVERIFY(base.width() > 0 && base.height() > 0);
        // x * width / 4 and y * height / 8, rounded.
        QCOMPARE(DialogUnitsToPixels(font, 4, 8, 40, 80), QRect(base.width(), base.height(), 10 * base.width(),
                                                                 10 * base.height()));
        QCOMPARE(DialogUnitsToPixels(font, 0, 0), QSize(0, 0));
        const QSize day = DialogUnitsToPixels(font, 250, 309);
        QCOMPARE(day.width(), (250 * base.width() + 2) / 4);
        QCOMPARE(day.height(), (309 * base.height() + 4) / 8);
    }

    void fontsAreMadeByTheirCellHeight()
    {
        for (int cell : {12, 16, 24}) {
            const QFont font = MakeCellHeightFont(QStringLiteral("Verdana"), cell, QFont::Normal);
            const QFontMetrics metrics(font);
            QVERIFY2(metrics.ascent() + metrics.descent() <= cell, qPrintable(QString::number(cell)));
            QVERIFY(metrics.ascent() + metrics.descent() >= cell - 3);
            QCOMPARE(font.weight(), QFont::Normal);
        }
    }

    void oneInstanceHoldsTheLock()
    {
        QTemporaryDir folder;
        CSingleInstance first(folder.path());
        QVERIFY(first.Acquire());
        QVERIFY(first.LockPath().endsWith(QStringLiteral("/Talvoren")));
        CSingleInstance second(folder.path());
        QVERIFY(!second.Acquire());
    }

    // A message box shows its text as written, never as markup, in the
    // interface language: the fixed text translated, the arguments as given.
    void messagesShowTheirTextAsWritten()
    {
        const struct
        {
            const char* folder;   // the language folder; null: no translation installed
            MESSAGETEXT message;
            const char* shown;
        } rows[] = {
            {nullptr, "/home/a<b>c</b>&amp;/Bible.db: unable to open database file",
             "/home/a<b>c</b>&amp;/Bible.db: unable to open database file"},
            {"Vietnam/", MESSAGETEXT(kFileNotFoundText, {"/a<b>/%2"}), "Không tìm thấy tập tin /a<b>/%2!"},
            {"English/", MESSAGETEXT(kFileNotFoundText, {"/a<b>/%2"}), "File /a<b>/%2 not found!"},
            // A message within a message is translated too.
            {"Vietnam/", CNotesFile::CheckRows({{"31", "2", "x"}}), "Dòng 1: tháng 2 không có ngày 31."},
        };
        for (const auto& row : rows) {
            CInterfaceTranslator translator;
            if (row.folder)
                QVERIFY(translator.Apply(TALVOREN_PROGRAM_DIR, std::string(TALVOREN_PROGRAM_DIR "/") + row.folder));
            CQtMessageSink sink;
            QString shown;
            Qt::TextFormat format = Qt::AutoText;
            QTimer::singleShot(0, [&]() {
                if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                    shown = box->text();
                    format = box->textFormat();
                    box->accept();
                }
            });
            ShowMessage(row.message, MessageIcon::Error);
            QCOMPARE(shown, QString::fromUtf8(row.shown));
            QCOMPARE(format, Qt::PlainText);
        }
    }

    void aLockAndSocketLeftByAGoneProcessAreTakenOver()
    {
        QTemporaryDir folder;
        QFile stale(folder.filePath(QStringLiteral("Talvoren")));
        QVERIFY(stale.open(QIODevice::WriteOnly));
        // A process id that does not run, on this machine.
        stale.write("999999\ntalvoren\n" + QSysInfo::machineHostName().toUtf8() + "\n");
        stale.close();
        // The socket's file, left behind (bind refuses a path that exists).
        QFile socketFile(folder.filePath(QStringLiteral("Talvoren.socket")));
        QVERIFY(socketFile.open(QIODevice::WriteOnly));
        socketFile.close();
        CSingleInstance later(folder.path());
        QVERIFY(!later.AskToShow(500));   // nobody answers
        CSingleInstance instance(folder.path());
        QVERIFY(instance.Acquire());
        QSignalSpy asked(&instance, &CSingleInstance::ShowRequested);
        QCOMPARE(instance.SocketPath(), instance.LockPath() + QStringLiteral(".socket"));
        QVERIFY(later.AskToShow());
        QTRY_COMPARE(asked.size(), 1);
    }
};

TALVOREN_GUI_TEST_MAIN(PlatformGuiTest)
#include "PlatformGui_test.moc"

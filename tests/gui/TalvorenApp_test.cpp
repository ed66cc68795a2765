// The program itself, as a process: it starts and loads its main page, a
// second instance ends at once, and a kill leaves the user's files (the
// desktop launcher, the page set-up) as they were.

#include "platform/SettingsKey.h"
#include "shell/PageSetup.h"
#include "tests/gui/GuiTestSupport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>

using namespace talvoren;

class TalvorenAppTest : public QObject
{
    Q_OBJECT

private:
    static QProcessEnvironment Environment(const CGuiTestFolder& folder)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("TALVOREN_CONFIG_DIR"), folder.Config());
        environment.insert(QStringLiteral("HOME"), folder.Home());
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), folder.Home() + QStringLiteral("/.config"));
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), QString::fromLocal8Bit(qgetenv("XDG_RUNTIME_DIR")));
        environment.insert(QStringLiteral("QTWEBENGINE_DISABLE_SANDBOX"), QStringLiteral("1"));
        environment.insert(QStringLiteral("QTWEBENGINE_CHROMIUM_FLAGS"), QStringLiteral("--disable-gpu"));
        return environment;
    }
    static QString LockFile() { return QString::fromLocal8Bit(qgetenv("XDG_RUNTIME_DIR")) + QStringLiteral("/Talvoren"); }
    static bool HasMainPage() { return QFile::exists(QStringLiteral(TALVOREN_PROGRAM_DIR "/Html/Calendar.htm")); }

private slots:
    void startsAndLoadsTheMainPage()
    {
        if (!HasMainPage())
            QSKIP("the program folder has no Html/Calendar.htm yet");
        CGuiTestFolder folder;
        QDir().mkpath(folder.Home() + QStringLiteral("/Desktop"));
        QProcess program;
        QProcessEnvironment environment = Environment(folder);
        environment.insert(QStringLiteral("TALVOREN_QUIT_WHEN_LOADED"), QStringLiteral("1"));
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(TALVOREN_EXECUTABLE), {});
        QVERIFY(program.waitForFinished(60000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 0);
        QVERIFY2(program.readAllStandardOutput().contains("main page loaded: yes"),
                 qPrintable(QString::fromLocal8Bit(program.readAllStandardError())));

        // The launcher on the desktop points at the program.
        QFile launcher(folder.Home() + QStringLiteral("/Desktop/talvoren.desktop"));
        QVERIFY(launcher.open(QIODevice::ReadOnly));
        const QByteArray text = launcher.readAll();
        QVERIFY(text.contains("Type=Application"));
        QVERIFY(text.contains("Exec=\"" TALVOREN_EXECUTABLE "\""));
    }

    void aSecondInstanceEndsAtOnce()
    {
        CGuiTestFolder folder;
        QFile::remove(LockFile());
        QProcess first;
        first.setProcessEnvironment(Environment(folder));
        first.start(QStringLiteral(TALVOREN_EXECUTABLE), {});
        QVERIFY(first.waitForStarted(10000));
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(LockFile()), 30000);

        QProcess second;
        second.setProcessEnvironment(Environment(folder));
        QElapsedTimer timer;
        timer.start();
        second.start(QStringLiteral(TALVOREN_EXECUTABLE), {});
        QVERIFY(second.waitForFinished(10000));
        const qint64 elapsed = timer.elapsed();
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 0);
        QVERIFY2(elapsed < 5000, qPrintable(QString::number(elapsed)));
        QVERIFY(second.readAllStandardOutput().isEmpty());
        QCOMPARE(first.state(), QProcess::Running);   // the first one runs on, untouched
        QVERIFY(QFile::exists(LockFile() + QStringLiteral(".socket")));   // where it hears later starts

        first.kill();
        QVERIFY(first.waitForFinished(10000));
    }

    void aKillLeavesTheUsersLauncherAndPageSetupUntouched()
    {
        CGuiTestFolder folder;
        CSettingsKey key;
        QCOMPARE(key.Open(SettingsRoot::CurrentUser, kPageSetupKey), CSettingsKey::kSuccess);
        QCOMPARE(key.WriteString("header", "my header"), CSettingsKey::kSuccess);
        QCOMPARE(key.WriteString("footer", "my footer"), CSettingsKey::kSuccess);
        key.Close();
        QDir().mkpath(folder.Home() + QStringLiteral("/Desktop"));
        const QString path = folder.Home() + QStringLiteral("/Desktop/talvoren.desktop");
        QFile mine(path);
        QVERIFY(mine.open(QIODevice::WriteOnly));
        mine.write("my own launcher");
        mine.close();
        QFile::remove(LockFile());

        QProcess program;
        QProcessEnvironment environment = Environment(folder);
        environment.insert(QStringLiteral("TALVOREN_QUIT_WHEN_LOADED"), QStringLiteral("1"));
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(TALVOREN_EXECUTABLE), {});
        QVERIFY(program.waitForFinished(60000));   // the start-up, launcher step included, is over
        QCOMPARE(program.exitCode(), 0);
        QVERIFY(mine.open(QIODevice::ReadOnly));
        QCOMPARE(mine.readAll(), QByteArray("my own launcher"));
        std::string header;
        std::string footer;
        QCOMPARE(key.OpenForReading(SettingsRoot::CurrentUser, kPageSetupKey), CSettingsKey::kSuccess);
        key.ReadString("header", &header, 1000);
        key.ReadString("footer", &footer, 1000);
        QCOMPARE(header, std::string("my header"));
        QCOMPARE(footer, std::string("my footer"));
    }
};

TALVOREN_GUI_TEST_MAIN(TalvorenAppTest)
#include "TalvorenApp_test.moc"

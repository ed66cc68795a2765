// The program object in this process, from InitInstance to the end of Run:
// a later start of the program (the real executable) brings the minimised
// window back to the front; File > Exit with the help window open ends Run,
// and the single-instance lock is free again afterwards.

#include "gui/shell/MainFrame.h"
#include "gui/shell/TalvorenApp.h"
#include "gui/shell/TalvorenView.h"
#include "resources/ResourceIds.h"
#include "tests/gui/GuiTestSupport.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLockFile>
#include <QProcess>
#include <QTimer>
#include <cstdio>
#include <functional>
#include <vector>

using namespace talvoren;

namespace
{
// One step of the run: it waits until `done` holds (at most `timeoutMs`),
// then runs `then`.
struct STEP
{
    const char* name;
    std::function<bool()> done;
    std::function<void()> then;
    int timeoutMs = 30000;
};

CMainFrame* Frame()
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* frame = qobject_cast<CMainFrame*>(widget))
            return frame;
    }
    return nullptr;
}
} // namespace

int main(int argc, char** argv)
{
    PrepareWebEngineEnvironment();
    CGuiTestFolder folder(false);   // private settings, home and runtime folders
    const QString lockPath = QString::fromLocal8Bit(qgetenv("XDG_RUNTIME_DIR")) + QStringLiteral("/Talvoren");
    const char* failed = nullptr;
    int exitCode = -1;
    {
        CTalvorenApp app(argc, argv);
        if (!app.InitInstance()) {
            std::fprintf(stderr, "FAIL: InitInstance\n");
            return 1;
        }
        CMainFrame* frame = Frame();
        QProcess second;
        QElapsedTimer secondTime;
        const std::vector<STEP> steps = {
            {"main page loaded", [&] { return frame && frame->ActiveView()->HasDocument(); },
             [&] { frame->showMinimized(); }},
            {"minimised", [&] { return frame->isMinimized(); },
             [&] {
                 secondTime.start();
                 second.start(QStringLiteral(TALVOREN_EXECUTABLE), {});
             }},
            {"second start ends at once", [&] { return second.state() == QProcess::NotRunning; }, [] {}, 10000},
            {"window back in front", [&] { return !frame->isMinimized() && frame->isVisible(); },
             [&] { frame->OnCommand(ID_HELP_HOWTO); }, 10000},
            {"help window open", [&] {
                 const QList<QWebEngineView*> windows = frame->ActiveView()->OpenedWindows();
                 return windows.size() == 1 && windows.front()->isVisible();
             },
             [&] { frame->OnCommand(ID_APP_EXIT); }},
        };
        std::size_t step = 0;
        QElapsedTimer stepTime;
        stepTime.start();
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            if (step == steps.size())
                return;
            if (steps[step].done()) {
                steps[step].then();
                ++step;
                stepTime.restart();
            } else if (stepTime.elapsed() > steps[step].timeoutMs) {
                failed = steps[step].name;
                QCoreApplication::exit(1);
            }
        });
        poll.start(50);
        exitCode = app.Run();
        if (!failed && step < steps.size())
            failed = steps[step].name;
        if (!failed && (second.exitStatus() != QProcess::NormalExit || second.exitCode() != 0))
            failed = "second start ends with status 0";
    }
    if (failed) {
        std::fprintf(stderr, "FAIL: %s\n", failed);
        return 1;
    }
    if (exitCode != 0) {
        std::fprintf(stderr, "FAIL: Run returned %d\n", exitCode);
        return 1;
    }
    QLockFile lock(lockPath);
    if (!lock.tryLock(0)) {
        std::fprintf(stderr, "FAIL: the single-instance lock is still held\n");
        return 1;
    }
    std::printf("PASS: a later start brought the window back; Exit with the help window open ended the run\n");
    return 0;
}

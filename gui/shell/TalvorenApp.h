#pragma once
// The application object: starts the program (system check, single
// instance, settings key, language folder, desktop launcher, fonts, frame and
// view). It makes the context of the run, which the frame holds and hands
// down to the dialogs. There is one, alive for the whole run.

#include <memory>

class QApplication;

namespace talvoren
{
class CAppContext;
class CMainFrame;
class CQtMessageSink;
class CSingleInstance;

class CTalvorenApp
{
public:
    // Creates the Qt application. `argc` must outlive the object.
    CTalvorenApp(int& argc, char** argv);
    ~CTalvorenApp();
    CTalvorenApp(const CTalvorenApp&) = delete;
    CTalvorenApp& operator=(const CTalvorenApp&) = delete;

    // The start-up steps in order. False ends the program at once (a second
    // instance ends silently).
    bool InitInstance();
    // The message loop; returns the exit code.
    int Run();

private:
    std::unique_ptr<QApplication> m_application;
    std::unique_ptr<CQtMessageSink> m_messageSink;
    std::unique_ptr<CSingleInstance> m_instance;
    std::unique_ptr<CAppContext> m_context;
    std::unique_ptr<CMainFrame> m_pFrame;
};

} // namespace talvoren

#pragma once
// The application object: starts the program (system check, single
// instance, settings key, language folder, desktop launcher, fonts, frame and
// view) and holds the application-wide state that dialogs and the year
// engine read. There is one, alive for the whole run.

#include "engine/LanguageState.h"

#include <QFont>
#include <memory>
#include <string>

class QApplication;

namespace talvoren
{
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

    static CTalvorenApp* Instance();

    // The language folder path (ending in a separator) and the syntax flag.
    CLanguageState& Language() { return m_language; }
    const QFont& VietnameseFont() const { return m_vietnameseFont; }
    const QFont& ListFont() const { return m_listFont; }
    CMainFrame* MainFrame() const { return m_pFrame.get(); }

private:
    std::unique_ptr<QApplication> m_application;
    std::unique_ptr<CQtMessageSink> m_messageSink;
    std::unique_ptr<CSingleInstance> m_instance;
    CLanguageState m_language;
    QFont m_vietnameseFont;
    QFont m_listFont;
    std::unique_ptr<CMainFrame> m_pFrame;
};

} // namespace talvoren

#pragma once
// Helpers of the GUI tests: a program folder of the test's own (the test
// pages of tests/gui/data, the built language data), private settings, home
// and runtime folders, synchronous script runs, and screenshots.

#include "engine/LanguageState.h"
#include "gui/pages/HtmlProfile.h"
#include "shell/PageRenderers.h"

#include <QApplication>
#include <QString>
#include <QTemporaryDir>
#include <QTest>
#include <QVariant>
#include <string>

class QWebEnginePage;
class QWidget;

namespace talvoren
{
class CGuiTestFolder
{
public:
    // With `withPages` false the folder has no Html/ at all. The program
    // folder is named `programName` (any name the file system takes).
    explicit CGuiTestFolder(bool withPages = true, const QString& programName = QStringLiteral("program"));
    std::string ProgramFolder() const { return m_strProgram; }
    QString Path(const QString& relative) const;
    CLanguageState& Language() { return m_language; }
    QString Home() const { return m_dir.filePath(QStringLiteral("home")); }
    QString Config() const { return m_dir.filePath(QStringLiteral("config")); }

private:
    QTemporaryDir m_dir;
    std::string m_strProgram;
    CLanguageState m_language;
};

// Copies a folder with its files (not recursive below one level of folders).
bool CopyFolder(const QString& from, const QString& to);

// Runs `script` in `page` and waits for its result (an invalid value on timeout).
QVariant RunJavaScript(QWebEnginePage* page, const QString& script, int timeoutMs = 10000);

// The text of the element with id `id` in `page` ("<none>" when missing).
QString ElementText(QWebEnginePage* page, const QString& id);

// Waits until `page` has drawn a frame since the call (false on timeout):
// what a script changed before is on screen.
bool WaitForFrame(QWebEnginePage* page, int timeoutMs = 10000);

// Saves what the window of `widget` shows as <screenshot folder>/<name>.png,
// once each browser view in it has drawn what its page holds.
bool SaveScreenshot(QWidget* widget, const QString& name);

// Page builders whose fragments tell what they were asked for, with the
// links, year list and celebration cell that the real month page has.
PAGERENDERERS TestRenderers();

// The environment every GUI test wants (software rendering, no sandbox).
void PrepareWebEngineEnvironment();


} // namespace talvoren

// main() of a GUI test: the web engine wants its environment, the program's
// address scheme and shared OpenGL contexts before the application exists.
#define TALVOREN_GUI_TEST_MAIN(TestClass)                                  \
    int main(int argc, char** argv)                                        \
    {                                                                      \
        talvoren::PrepareWebEngineEnvironment();                           \
        talvoren::CHtmlProfile::RegisterScheme();                          \
        QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);        \
        QApplication app(argc, argv);                                      \
        TestClass test;                                                    \
        return QTest::qExec(&test, argc, argv);                            \
    }

#include "gui/shell/TalvorenApp.h"

#include "gui/pages/HtmlProfile.h"
#include "gui/platform/AppContext.h"
#include "gui/platform/QtMessageSink.h"
#include "gui/platform/SingleInstance.h"
#include "gui/resources/IconResources.h"
#include "gui/shell/MainFrame.h"
#include "gui/shell/TalvorenView.h"
#include "platform/DesktopShortcut.h"
#include "platform/MessageSink.h"
#include "platform/SettingsKey.h"
#include "platform/SystemCheck.h"
#include "platform/SystemPaths.h"
#include "resources/ResourceIds.h"
#include "shell/CompanionPrograms.h"

#include <QApplication>
#include <QDateTime>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace talvoren
{
namespace
{
std::string ExecutablePath()
{
    char buffer[4096];
    const ssize_t length = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (length <= 0)
        return std::string();
    return std::string(buffer, static_cast<std::size_t>(length));
}
}

CTalvorenApp::CTalvorenApp(int& argc, char** argv)
{
    // Hosting the browser control: Qt WebEngine wants the program's address
    // scheme and shared OpenGL contexts before the application exists.
    CHtmlProfile::RegisterScheme();
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    m_application = std::make_unique<QApplication>(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Talvoren"));
    QApplication::setOrganizationName(QStringLiteral("Sorvane Network"));
    // The desktop's launcher: its icon and name go with the window.
    QGuiApplication::setDesktopFileName(QStringLiteral("net.sorvane.talvoren"));
    m_messageSink = std::make_unique<CQtMessageSink>();
}

CTalvorenApp::~CTalvorenApp()
{
    // Shutdown in the reverse order: frame and view, the context with its
    // fonts, the lock.
    m_pFrame.reset();
    m_context.reset();
    m_instance.reset();
    m_messageSink.reset();
    m_application.reset();
}

bool CTalvorenApp::InitInstance()
{
    if (!IsRunningOnSupportedSystem()) {
        ShowMessage(kUnsupportedSystemText, MessageIcon::Stop);
        return false;
    }

    m_instance = std::make_unique<CSingleInstance>();
    if (!m_instance->Acquire()) {
        // Another instance runs: it brings its window to the front; this
        // one ends at once, silently.
        m_instance->AskToShow();
        return false;
    }

    CSettingsKey::SetDefaultKeyPath("SOFTWARE\\Sorvane Network\\Talvoren\\2.0");

    // A build reads and writes beside the executable; an installed program
    // reads share/talvoren and keeps what the user makes in his own folder.
    const DATAFOLDERS folders = FindDataFolders(talvoren::ProgramFolder());
    CLanguageState language;
    language.strFolder = folders.LanguageFolder("Vietnam");
    language.strShippedFolder = folders.ShippedLanguageFolder("Vietnam");
    language.nSyntax = 1;

    const std::string exePath = ExecutablePath();
    const std::vector<MOUNTENTRY> mounts = ReadMountTable();
    const bool onCdRom = IsOnCdRom(exePath, mounts);
    const char* home = std::getenv("HOME");
    MakeDesktopShortcut(exePath, onCdRom, UserDesktopFolder(), home ? home : "");

    m_context = std::make_unique<CAppContext>(folders, language, onCdRom);
    // The program's own texts in the language of the folder: Vietnamese for
    // Vietnam. Without the translation files the English source texts show.
    m_context->ApplyInterfaceLanguage();

    QApplication::setWindowIcon(LoadIconResource(IDI_PROGRAM));
    m_pFrame = std::make_unique<CMainFrame>(*m_context);
    // The full work area first, for a desktop without a window manager that
    // maximises.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        m_pFrame->setGeometry(screen->availableGeometry());
    m_pFrame->showMaximized();
    m_pFrame->setWindowTitle(QStringLiteral("Sorvane Calendar 4.0"));
    QObject::connect(m_instance.get(), &CSingleInstance::ShowRequested, m_pFrame.get(), &CMainFrame::BringToFront);

    // For measuring the start: with TALVOREN_QUIT_WHEN_LOADED set, the
    // program reports the time until the main page has loaded and ends.
    if (std::getenv("TALVOREN_QUIT_WHEN_LOADED")) {
        QObject::connect(m_pFrame->ActiveView(), &CTalvorenView::DocumentComplete, m_pFrame.get(), [this]() {
            std::printf("main page loaded: %s at %lld ms\n", m_pFrame->ActiveView()->HasDocument() ? "yes" : "no",
                        static_cast<long long>(QDateTime::currentMSecsSinceEpoch()));
            std::fflush(stdout);
            QTimer::singleShot(0, m_pFrame.get(), [this]() { m_pFrame->close(); });
        });
    }
    return true;
}

int CTalvorenApp::Run()
{
    return m_application->exec();
}

} // namespace talvoren

#include "tests/gui/GuiTestSupport.h"

#include "engine/LiturgicalYear.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QTest>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <QWidget>
#include <memory>

namespace talvoren
{
namespace
{
QString ProgramDir()
{
    return QStringLiteral(TALVOREN_PROGRAM_DIR);
}
}

void PrepareWebEngineEnvironment()
{
    qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    if (qgetenv("QTWEBENGINE_CHROMIUM_FLAGS").isEmpty())
        qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--disable-gpu");
}

bool CopyFolder(const QString& from, const QString& to)
{
    QDir source(from);
    if (!source.exists() || !QDir().mkpath(to))
        return false;
    bool ok = true;
    for (const QFileInfo& entry : source.entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString target = QDir(to).filePath(entry.fileName());
        if (entry.isDir())
            ok = CopyFolder(entry.filePath(), target) && ok;
        else
            ok = QFile::copy(entry.filePath(), target) && ok;
    }
    return ok;
}

CGuiTestFolder::CGuiTestFolder(bool withPages, const QString& programName)
{
    const QString program = m_dir.path() + QLatin1Char('/') + programName;
    QDir().mkpath(program);
    if (withPages)
        CopyFolder(QStringLiteral(TALVOREN_GUI_TEST_DATA "/Html"), program + QStringLiteral("/Html"));
    CopyFolder(ProgramDir() + QStringLiteral("/Vietnam"), program + QStringLiteral("/Vietnam"));
    if (QFile::exists(ProgramDir() + QStringLiteral("/Bible.db")))
        QFile::copy(ProgramDir() + QStringLiteral("/Bible.db"), program + QStringLiteral("/Bible.db"));
    m_strProgram = program.toStdString();
    m_language.strFolder = m_strProgram + "/Vietnam/";

    QDir().mkpath(Home());
    QDir().mkpath(Config());
    QDir().mkpath(m_dir.filePath(QStringLiteral("runtime")));
    // The runtime folder must be private, or Qt looks for another one.
    QFile::setPermissions(m_dir.filePath(QStringLiteral("runtime")),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    qputenv("TALVOREN_CONFIG_DIR", Config().toUtf8());
    qputenv("HOME", Home().toUtf8());
    qputenv("XDG_CONFIG_HOME", (Home() + QStringLiteral("/.config")).toUtf8());
    qputenv("XDG_RUNTIME_DIR", m_dir.filePath(QStringLiteral("runtime")).toUtf8());
}

QString CGuiTestFolder::Path(const QString& relative) const
{
    return QDir(QString::fromStdString(m_strProgram)).filePath(relative);
}

QVariant RunJavaScript(QWebEnginePage* page, const QString& script, int timeoutMs)
{
    struct STATE { bool done = false; QVariant value; };
    auto state = std::make_shared<STATE>();
    page->runJavaScript(script, [state](const QVariant& value) {
        state->value = value;
        state->done = true;
    });
    if (!QTest::qWaitFor([state]() { return state->done; }, timeoutMs))
        return QVariant();
    return state->value;
}

QString ElementText(QWebEnginePage* page, const QString& id)
{
    return RunJavaScript(page, QStringLiteral("(function(){var e=document.getElementById('%1');"
                                              "return e?e.innerText:'<none>';})()")
                                   .arg(id))
        .toString();
}

bool WaitForFrame(QWebEnginePage* page, int timeoutMs)
{
    // The second animation frame after the call begins once the first is drawn.
    RunJavaScript(page, QStringLiteral("window.talvorenFrameDrawn = false; requestAnimationFrame(function() {"
                                       " requestAnimationFrame(function() { window.talvorenFrameDrawn = true; }); });"),
                  timeoutMs);
    return QTest::qWaitFor(
        [page]() { return RunJavaScript(page, QStringLiteral("window.talvorenFrameDrawn === true")).toBool(); },
        timeoutMs);
}

bool SaveScreenshot(QWidget* widget, const QString& name)
{
    QWidget* window = widget->window();
    QList<QWebEngineView*> views = window->findChildren<QWebEngineView*>();
    if (auto* view = qobject_cast<QWebEngineView*>(window))
        views << view;
    for (QWebEngineView* view : views) {
        if (view->isVisible())
            WaitForFrame(view->page());
    }
    QCoreApplication::processEvents();
    QPixmap picture;
    if (QScreen* screen = window->screen())
        picture = screen->grabWindow(0, window->frameGeometry().x(), window->frameGeometry().y(),
                                     window->frameGeometry().width(), window->frameGeometry().height());
    if (picture.isNull())
        picture = window->grab();
    QDir().mkpath(QStringLiteral(TALVOREN_SCREENSHOT_DIR));
    return picture.save(QStringLiteral(TALVOREN_SCREENSHOT_DIR "/") + name + QStringLiteral(".png"));
}

PAGERENDERERS TestRenderers()
{
    PAGERENDERERS renderers;
    auto page = [](const char* kind, const YEARTABLE& year, int first, int end) {
        const DAYRECORD& day = year.Day(first);
        return std::string("<div id='page'>") + kind + " " + std::to_string(year.nYear) + " " +
               std::to_string(first) + " " + std::to_string(end) + "</div>" +
               "<p><a id='nextMonth' href='#' onclick='View(" + std::to_string(day.nMonth % 12 + 1) +
               ");return false;' style='font-size:20pt'>next month</a></p>"
               "<select id='cmbYear' onchange='SelYear()'><option value='2003'>2003</option>"
               "<option value='2004'>2004</option><option value='2005'>2005</option></select>"
               "<table class='BORDER'><tr><td id='celebration' onclick='viewBible(" +
               std::to_string(first) + ")'>" + day.strCelebration + "</td></tr></table>";
    };
    renderers.monthList = [page](const YEARTABLE& year, const CTitleList&, int first, int end) {
        return page("list", year, first, end);
    };
    renderers.monthTable = [page](const YEARTABLE& year, const CTitleList&, int first, int end) {
        return page("table", year, first, end);
    };
    renderers.dayPage = [](const YEARTABLE& year, const CTitleList&, const CIVILDATE& date) {
        return "<p id='day'>" + std::to_string(date.nYear) + "-" + std::to_string(date.nMonth) + "-" +
               std::to_string(date.nDay) + "</p><p id='held'>" + std::to_string(year.nYear) + "</p>";
    };
    return renderers;
}

} // namespace talvoren

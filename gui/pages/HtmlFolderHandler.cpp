#include "gui/pages/HtmlFolderHandler.h"

#include "gui/pages/HtmlProfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QWebEngineUrlRequestJob>

namespace talvoren
{
CHtmlFolderHandler::CHtmlFolderHandler(const QString& folder, QObject* parent)
    : QWebEngineUrlSchemeHandler(parent), m_strFolder(folder)
{
}

void CHtmlFolderHandler::requestStarted(QWebEngineUrlRequestJob* job)
{
    const QUrl url = job->requestUrl();
    if (job->requestMethod() != "GET" || url.host() != QLatin1String(CHtmlProfile::kHost)) {
        job->fail(QWebEngineUrlRequestJob::RequestDenied);
        return;
    }
    // "/Calendar.htm", "/Images/1.jpg": never above the folder.
    const QString relative = QDir::cleanPath(url.path(QUrl::FullyDecoded));
    if (!relative.startsWith(QLatin1Char('/')) || relative == QLatin1String("/..") ||
        relative.startsWith(QLatin1String("/../"))) {
        job->fail(QWebEngineUrlRequestJob::RequestDenied);
        return;
    }
    const QFileInfo file(m_strFolder + relative);
    const QString folder = QFileInfo(m_strFolder).canonicalFilePath();
    const QString path = file.canonicalFilePath();
    if (path.isEmpty() || folder.isEmpty() || !file.isFile()) {
        job->fail(QWebEngineUrlRequestJob::UrlNotFound);
        return;
    }
    if (!path.startsWith(folder + QLatin1Char('/'))) {
        job->fail(QWebEngineUrlRequestJob::RequestDenied);
        return;
    }
    auto* device = new QFile(path, job);   // read by the browser while the job lives
    if (!device->open(QIODevice::ReadOnly)) {
        job->fail(QWebEngineUrlRequestJob::RequestFailed);
        return;
    }
    const QMimeType type = QMimeDatabase().mimeTypeForFile(path, QMimeDatabase::MatchExtension);
    job->reply(type.name().toUtf8(), device);
}

} // namespace talvoren

#include "moc_HtmlFolderHandler.cpp"

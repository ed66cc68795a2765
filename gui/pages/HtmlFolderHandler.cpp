#include "gui/pages/HtmlFolderHandler.h"

#include "engine/LanguageData.h"
#include "gui/pages/HtmlProfile.h"
#include "pages/StaticPageTexts.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QWebEngineUrlRequestJob>

namespace talvoren
{
CHtmlFolderHandler::CHtmlFolderHandler(const QString& folder, LanguageSource language, QObject* parent)
    : QWebEngineUrlSchemeHandler(parent), m_strFolder(folder), m_language(std::move(language))
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
    QFile source(path);
    if (!source.open(QIODevice::ReadOnly)) {
        job->fail(QWebEngineUrlRequestJob::RequestFailed);
        return;
    }
    const QByteArray content = source.readAll();
    const std::shared_ptr<const CLanguageData> data = m_language ? m_language() : nullptr;
    const std::string served = ServedHtmlFile(relative.mid(1).toStdString(),
                                              std::string(content.constData(), static_cast<std::size_t>(content.size())),
                                              data.get());
    auto* device = new QBuffer(job);   // read by the browser while the job lives
    device->setData(served.data(), static_cast<qsizetype>(served.size()));
    device->open(QIODevice::ReadOnly);
    const QMimeType type = QMimeDatabase().mimeTypeForFile(path, QMimeDatabase::MatchExtension);
    job->reply(type.name().toUtf8(), device);
}

} // namespace talvoren

#include "moc_HtmlFolderHandler.cpp"

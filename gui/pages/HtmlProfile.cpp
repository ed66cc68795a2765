#include "gui/pages/HtmlProfile.h"

#include "gui/pages/HtmlFolderHandler.h"
#include "gui/pages/HtmlRequestFilter.h"

#include <QWebEngineSettings>
#include <QWebEngineUrlScheme>

namespace talvoren
{
void CHtmlProfile::RegisterScheme()
{
    QWebEngineUrlScheme scheme(kScheme);
    scheme.setSyntax(QWebEngineUrlScheme::Syntax::Host);   // one origin: the pages reach each other
    scheme.setFlags(QWebEngineUrlScheme::SecureScheme);
    QWebEngineUrlScheme::registerScheme(scheme);
}

QUrl CHtmlProfile::PageUrl(const QString& page)
{
    QUrl url;
    url.setScheme(QLatin1String(kScheme));
    url.setHost(QLatin1String(kHost));
    url.setPath(QLatin1Char('/') + page);
    return url;
}

CHtmlProfile::CHtmlProfile(const QString& htmlFolder, QObject* parent, LanguageSource language)
    : QWebEngineProfile(parent)
{
    installUrlSchemeHandler(kScheme, new CHtmlFolderHandler(htmlFolder, std::move(language), this));
    setUrlRequestInterceptor(new CHtmlRequestFilter(this));
    QWebEngineSettings* defaults = settings();
    defaults->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, false);
    defaults->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
    defaults->setAttribute(QWebEngineSettings::JavascriptCanOpenWindows, true);
    // A file dropped on a view would replace the program's page with it.
    defaults->setAttribute(QWebEngineSettings::NavigateOnDropEnabled, false);
}

} // namespace talvoren

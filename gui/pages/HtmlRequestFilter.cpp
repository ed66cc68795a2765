#include "gui/pages/HtmlRequestFilter.h"

#include "gui/pages/HtmlProfile.h"

#include <QWebEngineUrlRequestInfo>

namespace talvoren
{
void CHtmlRequestFilter::interceptRequest(QWebEngineUrlRequestInfo& info)
{
    const QString scheme = info.requestUrl().scheme();
    const bool allowed = scheme == QLatin1String(CHtmlProfile::kScheme) || scheme == QLatin1String("data") ||
                         scheme == QLatin1String("blob") || scheme == QLatin1String("about");
    if (!allowed)
        info.block(true);
}

} // namespace talvoren

#include "moc_HtmlRequestFilter.cpp"

#pragma once
// Lets the pages of the program's profile ask for the program's own pages
// only: every request for another scheme (file, http, https, ftp, ws, ...)
// is blocked before it leaves, whatever the browser engine would allow.

#include <QWebEngineUrlRequestInterceptor>

namespace talvoren
{
class CHtmlRequestFilter : public QWebEngineUrlRequestInterceptor
{
    Q_OBJECT

public:
    explicit CHtmlRequestFilter(QObject* parent = nullptr) : QWebEngineUrlRequestInterceptor(parent) {}

    // Blocks every request but those of the program's scheme and the
    // browser's own data:, blob: and about: addresses.
    void interceptRequest(QWebEngineUrlRequestInfo& info) override;
};

} // namespace talvoren

#pragma once
// The page's status text, carried to the program. A script injected into
// every page at document creation turns each assignment to window.status
// into a call of StatusTextChange over the web channel, so pages send their
// command addresses the way they always did.

#include <QObject>
#include <QString>

class QWebEnginePage;

namespace talvoren
{
class CStatusBridge : public QObject
{
    Q_OBJECT

public:
    explicit CStatusBridge(QObject* parent = nullptr) : QObject(parent) {}

    // Installs the web channel and the injected script on `page`.
    void Install(QWebEnginePage* page);

    // Called by the page's script with each new status text.
    Q_INVOKABLE void StatusTextChange(const QString& text) { emit StatusTextChanged(text); }

signals:
    void StatusTextChanged(const QString& text);
};

} // namespace talvoren

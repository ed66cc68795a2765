#pragma once
// Lets one instance of the program run at a time: a lock file named
// "Talvoren" in the user's runtime folder, held while the process lives, and
// beside it a local socket "Talvoren.socket" on which the running instance
// hears a later start ask for its window.

#include <QLockFile>
#include <QObject>
#include <QString>
#include <memory>

class QLocalServer;

namespace talvoren
{
class CSingleInstance : public QObject
{
    Q_OBJECT

public:
    // Uses `folder`, or the runtime folder ($XDG_RUNTIME_DIR) when empty.
    explicit CSingleInstance(const QString& folder = QString(), QObject* parent = nullptr);
    ~CSingleInstance() override;
    CSingleInstance(const CSingleInstance&) = delete;
    CSingleInstance& operator=(const CSingleInstance&) = delete;

    // Takes the lock without waiting. False when another living process
    // holds it; a lock left by a process that is gone is taken over. With
    // the lock, listens on the socket (one left by a gone process is
    // replaced), for the user alone.
    bool Acquire();

    // For a start that did not get the lock: asks the instance that holds
    // it to bring its window to the front. False when none answers on the
    // socket within `timeoutMs`.
    bool AskToShow(int timeoutMs = 2000);

    QString LockPath() const { return m_strPath; }
    QString SocketPath() const { return m_strPath + QStringLiteral(".socket"); }

signals:
    // A later start asked for the window.
    void ShowRequested();

private:
    void OnConnection();

    QString m_strPath;
    std::unique_ptr<QLockFile> m_lock;
    QLocalServer* m_pServer = nullptr;
};

} // namespace talvoren

#include "gui/platform/SingleInstance.h"

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>

namespace talvoren
{
namespace
{
// What a later start sends; anything else on the socket is ignored.
const char kShowRequest[] = "show\n";
constexpr qint64 kMaxRequest = 64;
}

CSingleInstance::CSingleInstance(const QString& folder, QObject* parent) : QObject(parent)
{
    QString base = folder;
    if (base.isEmpty())
        base = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (base.isEmpty())
        base = QDir::tempPath();
    QDir().mkpath(base);
    m_strPath = QDir(base).filePath(QStringLiteral("Talvoren"));
    m_lock = std::make_unique<QLockFile>(m_strPath);
    m_lock->setStaleLockTime(0);   // stale only when its process is gone, never by age
}

CSingleInstance::~CSingleInstance()
{
    if (m_pServer)
        m_pServer->close();   // removes the socket file, before the lock goes
}

bool CSingleInstance::Acquire()
{
    if (!m_lock->tryLock(0))
        return false;
    if (!m_pServer) {
        // Holding the lock, any socket file there is left by a gone process.
        QLocalServer::removeServer(SocketPath());
        m_pServer = new QLocalServer(this);
        m_pServer->setSocketOptions(QLocalServer::UserAccessOption);
        connect(m_pServer, &QLocalServer::newConnection, this, &CSingleInstance::OnConnection);
        m_pServer->listen(SocketPath());   // without it the program runs on, only not found by later starts
    }
    return true;
}

void CSingleInstance::OnConnection()
{
    while (QLocalSocket* socket = m_pServer->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket]() {
            if (!socket->canReadLine()) {
                if (socket->bytesAvailable() >= kMaxRequest)
                    socket->abort();
                return;
            }
            if (socket->readLine(kMaxRequest) == kShowRequest)
                emit ShowRequested();
            socket->disconnectFromServer();
        });
    }
}

bool CSingleInstance::AskToShow(int timeoutMs)
{
    QLocalSocket socket;
    socket.connectToServer(SocketPath());
    if (!socket.waitForConnected(timeoutMs))
        return false;
    socket.write(kShowRequest);
    const bool sent = socket.waitForBytesWritten(timeoutMs);
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState)
        socket.waitForDisconnected(timeoutMs);
    return sent;
}

} // namespace talvoren

#include "moc_SingleInstance.cpp"

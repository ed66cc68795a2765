#include "gui/platform/SingleInstance.h"

#include <QDir>
#include <QStandardPaths>

namespace talvoren
{
CSingleInstance::CSingleInstance(const QString& folder)
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

CSingleInstance::~CSingleInstance() = default;

bool CSingleInstance::Acquire()
{
    return m_lock->tryLock(0);
}

} // namespace talvoren

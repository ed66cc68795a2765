#pragma once
// Lets one instance of the program run at a time: a lock file named
// "Talvoren" in the user's runtime folder, held while the process lives.

#include <QLockFile>
#include <QString>
#include <memory>

namespace talvoren
{
class CSingleInstance
{
public:
    // Uses `folder`, or the runtime folder ($XDG_RUNTIME_DIR) when empty.
    explicit CSingleInstance(const QString& folder = QString());
    ~CSingleInstance();
    CSingleInstance(const CSingleInstance&) = delete;
    CSingleInstance& operator=(const CSingleInstance&) = delete;

    // Takes the lock without waiting. False when another living process
    // holds it; a lock left by a process that is gone is taken over.
    bool Acquire();

    QString LockPath() const { return m_strPath; }

private:
    QString m_strPath;
    std::unique_ptr<QLockFile> m_lock;
};

} // namespace talvoren

#pragma once
// An exclusive lock around a read-modify-write of a file, held for the life
// of the object: flock on "<file>.lock" beside it, which separate processes
// and separate threads (each with its own open of the lock file) both wait
// for. The lock file stays; it holds nothing.

#include <string>

namespace talvoren
{
class CFileLock
{
public:
    // Waits for the lock of `file` (the file that will be replaced, after
    // its links are followed).
    explicit CFileLock(const std::string& file);
    ~CFileLock();
    CFileLock(const CFileLock&) = delete;
    CFileLock& operator=(const CFileLock&) = delete;

    bool IsLocked() const { return m_fd >= 0; }
    // Why the lock could not be taken ("cannot lock /a/settings.ini.lock (Permission denied)").
    const std::string& Error() const { return m_strError; }

private:
    int m_fd = -1;
    std::string m_strError;
};

} // namespace talvoren

#include "platform/FileLock.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace talvoren
{
CFileLock::CFileLock(const std::string& file)
{
    const std::string lockPath = file + ".lock";
    // O_NOFOLLOW: a link planted at the lock's name is not followed.
    const int fd = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (fd < 0) {
        m_strError = "cannot lock " + lockPath + " (" + std::strerror(errno) + ")";
        return;
    }
    int locked;
    do
        locked = ::flock(fd, LOCK_EX);
    while (locked != 0 && errno == EINTR);
    if (locked != 0) {
        m_strError = "cannot lock " + lockPath + " (" + std::strerror(errno) + ")";
        ::close(fd);
        return;
    }
    m_fd = fd;
}

CFileLock::~CFileLock()
{
    if (m_fd >= 0)
        ::close(m_fd);   // closing the last descriptor releases the lock
}

} // namespace talvoren

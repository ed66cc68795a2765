#include "platform/FileReading.h"
#include "base/Translatable.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace talvoren
{
namespace
{
class CReadDescriptor
{
public:
    explicit CReadDescriptor(int fd) : m_fd(fd) {}
    ~CReadDescriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    CReadDescriptor(const CReadDescriptor&) = delete;
    CReadDescriptor& operator=(const CReadDescriptor&) = delete;
    int Get() const { return m_fd; }

private:
    int m_fd;
};

// "" for a regular file; else why such a file is not read.
std::string KindProblem(mode_t mode)
{
    if (S_ISREG(mode))
        return "";
    if (S_ISDIR(mode))
        return "it is a folder, not a file";
    if (S_ISFIFO(mode))
        return "it is a named pipe, not a file";
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return "it is a device, not a file";
    if (S_ISSOCK(mode))
        return "it is a socket, not a file";
    return "it is not a regular file";
}

std::string SizeProblem(std::size_t limit)
{
    if (limit % (std::size_t(1) << 20) == 0)
        return "it is larger than " + std::to_string(limit >> 20) + " MB";
    return "it is larger than " + std::to_string(limit) + " bytes";
}

FILEREAD Failure(int error)
{
    FILEREAD result;
    result.bMissing = error == ENOENT;
    result.strReason = FileErrorReason(error);
    return result;
}

FILEREAD Refusal(const std::string& reason)
{
    FILEREAD result;
    result.strReason = reason;
    return result;
}

// Opens `path` for reading once stat has said it is a regular file; the
// kind is checked again on the open file, which a rename cannot change.
// O_NONBLOCK: a pipe put there in between does not block the open.
FILEREAD OpenChecked(const std::string& path, int& fd, struct stat& info)
{
    if (::stat(path.c_str(), &info) != 0)
        return Failure(errno);
    if (const std::string problem = KindProblem(info.st_mode); !problem.empty())
        return Refusal(problem);
    fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return Failure(errno);
    if (::fstat(fd, &info) != 0)
        return Failure(errno);
    if (const std::string problem = KindProblem(info.st_mode); !problem.empty())
        return Refusal(problem);
    FILEREAD result;
    result.bRead = true;
    return result;
}
} // namespace

std::string FileErrorReason(int error)
{
    switch (error) {
    case ENOENT: return "there is no such file";
    case EACCES:
    case EPERM: return "permission denied";
    case ENOTDIR: return "a part of its path is not a folder";
    case ELOOP: return "a symbolic link loop";
    case EISDIR: return "it is a folder, not a file";
    case ENAMETOOLONG: return "the name is too long";
    default: return std::strerror(error);
    }
}

MESSAGETEXT CannotReadMessage(const std::string& path, const std::string& reason)
{
    return MESSAGETEXT(TALVOREN_TRANSLATABLE("talvoren::Messages", "Cannot read %1: %2."), {path, reason});
}

FILEREAD ProbeRegularFile(const std::string& path)
{
    int fd = -1;
    struct stat info {};
    FILEREAD result = OpenChecked(path, fd, info);
    CReadDescriptor closer(fd);
    return result;
}

FILEREAD ReadRegularFile(const std::string& path, std::size_t limit)
{
    int fd = -1;
    struct stat info {};
    FILEREAD result = OpenChecked(path, fd, info);
    CReadDescriptor file(fd);
    if (!result.bRead)
        return result;
    if (static_cast<unsigned long long>(info.st_size) > limit)
        return Refusal(SizeProblem(limit));
    // A file that grows while it is read stops at the limit and is refused.
    std::string bytes(static_cast<std::size_t>(info.st_size), '\0');
    std::size_t done = 0;
    char probe[4096];
    for (;;) {
        char* into = done < bytes.size() ? &bytes[done] : probe;
        const std::size_t room = done < bytes.size() ? bytes.size() - done : sizeof probe;
        const ssize_t got = ::read(file.Get(), into, room);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return Failure(errno);
        }
        if (got == 0)
            break;
        if (into == probe)
            bytes.append(probe, static_cast<std::size_t>(got));
        done += static_cast<std::size_t>(got);
        if (done > limit)
            return Refusal(SizeProblem(limit));
    }
    bytes.resize(done);
    result.strBytes = std::move(bytes);
    return result;
}

} // namespace talvoren

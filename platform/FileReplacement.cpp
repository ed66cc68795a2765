#include "platform/FileReplacement.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace talvoren
{
namespace
{
constexpr int kMaxLinks = 40;          // as the kernel's own limit of links in a path
constexpr int kNameAttempts = 100;

std::string Reason(int error)
{
    return std::strerror(error);
}

std::string FolderOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string NameOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// A name no other writer picks: random letters, as mkstemp makes them.
std::string RandomSuffix()
{
    static const char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    thread_local std::mt19937_64 generator;
    thread_local pid_t seededIn = 0;
    if (seededIn != ::getpid()) {   // a forked child must not repeat its parent's names
        seededIn = ::getpid();
        generator.seed(std::random_device{}() ^ static_cast<unsigned long long>(seededIn));
    }
    std::uniform_int_distribution<int> pick(0, static_cast<int>(sizeof kLetters) - 2);
    std::string suffix(8, 'x');
    for (char& ch : suffix)
        ch = kLetters[pick(generator)];
    return suffix;
}

bool WriteAll(int fd, const std::string& bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (written == 0) {
            errno = ENOSPC;
            return false;
        }
        done += static_cast<std::size_t>(written);
    }
    return true;
}

// Flushes the folder, so that the rename in it survives a crash. A failure
// only weakens that guarantee; the file has been replaced.
void SyncFolder(const std::string& folder)
{
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}
} // namespace

bool ResolveWriteTarget(const std::string& path, std::string& target, std::string& error)
{
    target = path;
    for (int links = 0; links <= kMaxLinks; ++links) {
        struct stat info {};
        if (::lstat(target.c_str(), &info) != 0) {
            if (errno == ENOENT)
                return true;   // a new file (or the end of a dangling link)
            error = "cannot reach " + target + " (" + Reason(errno) + ")";
            return false;
        }
        if (!S_ISLNK(info.st_mode))
            return true;
        std::string link(static_cast<std::size_t>(info.st_size > 0 ? info.st_size : 4096) + 1, '\0');
        const ssize_t length = ::readlink(target.c_str(), link.data(), link.size());
        if (length < 0) {
            error = "cannot read the link " + target + " (" + Reason(errno) + ")";
            return false;
        }
        link.resize(static_cast<std::size_t>(length));
        target = !link.empty() && link[0] == '/' ? link : FolderOf(target) + "/" + link;
    }
    error = "cannot follow the links of " + path + " (a symbolic link loop)";
    return false;
}

bool ReplaceFileContents(const std::string& path, const std::string& bytes, std::string& error)
{
    std::string target;
    if (!ResolveWriteTarget(path, target, error))
        return false;

    // The new file takes the place of the old one with its mode, owner and group.
    mode_t mode = 0644;
    bool keepOwner = false;
    struct stat old {};
    if (::stat(target.c_str(), &old) == 0) {
        if (S_ISDIR(old.st_mode)) {
            error = "cannot replace " + target + " (" + Reason(EISDIR) + ")";
            return false;
        }
        mode = old.st_mode & 07777;
        keepOwner = true;
    }

    const std::string folder = FolderOf(target);
    std::string temporary;
    int fd = -1;
    for (int attempt = 0; attempt < kNameAttempts && fd < 0; ++attempt) {
        temporary = folder + "/." + NameOf(target) + "." + RandomSuffix();
        // O_EXCL | O_NOFOLLOW: a name already taken, by a link above all, is never opened.
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
        if (fd < 0 && errno != EEXIST) {
            error = "cannot create a temporary file in " + folder + " (" + Reason(errno) + ")";
            return false;
        }
    }
    if (fd < 0) {
        error = "cannot create a temporary file in " + folder + " (" + Reason(EEXIST) + ")";
        return false;
    }
    auto discard = [&](const std::string& what, int code) {
        ::close(fd);
        ::unlink(temporary.c_str());
        error = what + " (" + Reason(code) + ")";
        return false;
    };
    // Owner first: a change of owner may clear the set-id bits that the mode then restores.
    if (keepOwner && (old.st_uid != ::geteuid() || old.st_gid != ::getegid())) {
        if (::fchown(fd, old.st_uid, old.st_gid) != 0)
            ::fchown(fd, static_cast<uid_t>(-1), old.st_gid);   // a user keeps at least the group, where allowed
    }
    if (keepOwner && ::fchmod(fd, mode) != 0)
        return discard("cannot set the mode of " + temporary, errno);
    if (!WriteAll(fd, bytes))
        return discard("cannot write " + temporary, errno);
    if (::fsync(fd) != 0)
        return discard("cannot flush " + temporary + " to the disk", errno);
    if (::close(fd) != 0) {
        const int code = errno;
        ::unlink(temporary.c_str());
        error = "cannot close " + temporary + " (" + Reason(code) + ")";
        return false;
    }
    if (::rename(temporary.c_str(), target.c_str()) != 0) {
        const int code = errno;
        ::unlink(temporary.c_str());
        error = "cannot replace " + target + " by " + temporary + " (" + Reason(code) + ")";
        return false;
    }
    SyncFolder(folder);
    return true;
}

} // namespace talvoren

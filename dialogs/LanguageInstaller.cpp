#include "dialogs/LanguageInstaller.h"

#include "base/Utf16.h"
#include "engine/LanguageState.h"
#include "platform/MessageSink.h"
#include "platform/SystemPaths.h"

#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace talvoren
{
const char CLanguageInstaller::kFullList[] =
    "English,German,Chinese,Danish,Dutch,Finnish,French,Greek,Italian,Japanese,Korean,Norwegian,Polish,"
    "Portuguese,Russian,Slovak,Slovenian,Spanish,Swedish,Turkish,Vietnamese";
const char CLanguageInstaller::kShortList[] = "English,German,Vietnamese";

namespace
{
bool SameTextIgnoringCase(const std::string& a, const std::string& b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        unsigned char x = static_cast<unsigned char>(a[i]);
        unsigned char y = static_cast<unsigned char>(b[i]);
        if (x >= 'A' && x <= 'Z')
            x = static_cast<unsigned char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z')
            y = static_cast<unsigned char>(y - 'A' + 'a');
        if (x != y)
            return false;
    }
    return true;
}

class CFileDescriptor
{
public:
    explicit CFileDescriptor(int fd) : m_fd(fd) {}
    ~CFileDescriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    CFileDescriptor(const CFileDescriptor&) = delete;
    CFileDescriptor& operator=(const CFileDescriptor&) = delete;
    int Get() const { return m_fd; }
    // Closes now; false (errno set) when the close reports an error.
    bool Close()
    {
        const int fd = m_fd;
        m_fd = -1;
        return ::close(fd) == 0;
    }

private:
    int m_fd;
};

bool ShowFileError(const std::string& path, int error)
{
    ShowMessage(CLanguageInstaller::FileErrorMessage(path, error), MessageIcon::Stop);
    return false;
}
} // namespace

std::vector<std::string> CLanguageInstaller::LanguageNames(bool onCdRom)
{
    const std::string list = onCdRom ? kShortList : kFullList;
    std::vector<std::string> names;
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = list.find(',', start);
        names.push_back(list.substr(start, comma == std::string::npos ? std::string::npos : comma - start));
        if (comma == std::string::npos)
            break;
        start = comma + 1;
    }
    return names;
}

std::string CLanguageInstaller::FolderName(const std::string& language)
{
    return SameTextIgnoringCase(language, "Vietnamese") ? "Vietnam" : language;
}

std::string CLanguageInstaller::TargetFolder(const std::string& programFolder, const std::string& folder)
{
    return JoinPath(programFolder, folder) + "/";
}

void CLanguageInstaller::SplitName(const std::string& path, std::string* base, std::string* extension)
{
    const std::size_t slash = path.rfind('/');
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    const std::size_t dot = name.rfind('.');
    if (base)
        *base = dot == std::string::npos ? name : name.substr(0, dot);
    if (extension)
        *extension = dot == std::string::npos ? std::string() : name.substr(dot);
}

void CLanguageInstaller::CreateFolderPath(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos || path == "/" || path == "//")
        return;
    CreateFolderPath(path.substr(0, slash));
    struct stat info;
    if (::stat(path.c_str(), &info) != 0 || !S_ISDIR(info.st_mode))
        ::mkdir(path.c_str(), 0755);
}

std::string CLanguageInstaller::FileErrorMessage(const std::string& path, int error)
{
    std::string text;
    switch (error) {
    case EACCES:
    case EPERM:
    case EROFS:
        text = "Access to " + path + " was denied.";
        break;
    case ENOENT:
    case ENOTDIR:
        text = path + " was not found.";
        break;
    case EISDIR:
        text = path + " is a folder and cannot be opened as a file.";
        break;
    case ENOSPC:
    case EDQUOT:
        text = "The disk is full while accessing " + path + ".";
        break;
    case EMFILE:
    case ENFILE:
        text = "There were too many open files.";
        break;
    default:
        text = "An error occurred while accessing " + path + ": " + std::strerror(error) + ".";
        break;
    }
    if (text.size() > 1024)
        text.resize(1024);
    return text;
}

bool CLanguageInstaller::CopyFileByBlocks(const std::string& source, const std::string& destination)
{
    if (!PathExists(source)) {
        ShowMessage(source, MessageIcon::Stop, "Cannot open file");
        return false;
    }
    CFileDescriptor in(::open(source.c_str(), O_RDONLY | O_CLOEXEC));
    if (in.Get() < 0)
        return ShowFileError(source, errno);
    // A folder opens for reading here but is no file to copy.
    struct stat info;
    if (::fstat(in.Get(), &info) != 0)
        return ShowFileError(source, errno);
    if (S_ISDIR(info.st_mode))
        return ShowFileError(source, EISDIR);

    CFileDescriptor out(::open(destination.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644));
    if (out.Get() < 0)
        return ShowFileError(destination, errno);

    char block[4096];
    for (;;) {
        const ssize_t got = ::read(in.Get(), block, sizeof block);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return ShowFileError(source, errno);
        }
        if (got == 0)
            break;
        ssize_t done = 0;
        while (done < got) {
            const ssize_t written = ::write(out.Get(), block + done, static_cast<std::size_t>(got - done));
            if (written < 0 && errno == EINTR)
                continue;
            if (written <= 0)
                return ShowFileError(destination, written < 0 ? errno : ENOSPC);
            done += written;
        }
    }
    if (!out.Close())
        return ShowFileError(destination, errno);
    return true;
}

bool CLanguageInstaller::FillFolder(const std::string& fromFolder, const std::string& target)
{
    DIR* folder = ::opendir(fromFolder.c_str());
    if (!folder)
        return true;   // nothing listed, nothing copied: the engine reports the missing files
    std::vector<std::string> names;
    while (const dirent* entry = ::readdir(folder))
        names.push_back(entry->d_name);
    ::closedir(folder);

    for (const std::string& name : names) {
        const std::string source = JoinPath(fromFolder, name);
        std::string base;
        std::string extension;
        SplitName(source, &base, &extension);
        if (Utf16Length(base) <= 1)
            continue;   // also "." and ".."
        const std::string destination = target + base + extension;
        if (!CopyFileByBlocks(source, destination)) {
            ShowMessage("Cannot copy " + source + " into " + destination, MessageIcon::Stop);
            return false;
        }
    }
    return true;
}

bool CLanguageInstaller::Install(const std::string& programFolder, const std::string& language,
                                 bool vietnameseOrder, CLanguageState& state)
{
    const std::string target = TargetFolder(programFolder, FolderName(language));
    if (!PathExists(target)) {
        CreateFolderPath(target);
        if (!FillFolder(state.strFolder, target))
            return false;
    }
    state.strFolder = target;
    state.nSyntax = vietnameseOrder ? 1 : 0;
    return true;
}

} // namespace talvoren

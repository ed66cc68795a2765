#include "dialogs/LanguageInstaller.h"

#include "base/Utf16.h"
#include "engine/LanguageState.h"
#include "platform/MessageSink.h"
#include "platform/SystemPaths.h"

#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
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

const char kFolder[] = "a folder";

// What an entry of a language folder is when it is no regular file ("a
// link to nothing", kFolder); "" for a regular file, or one that cannot be
// looked at (its copy then says why).
std::string EntryKind(const std::string& path)
{
    struct stat info;
    if (::stat(path.c_str(), &info) != 0) {
        if (errno == ENOENT)
            return "a link to nothing";
        if (errno == ELOOP)
            return "a symbolic link loop";
        return "";
    }
    if (S_ISREG(info.st_mode))
        return "";
    if (S_ISDIR(info.st_mode))
        return kFolder;
    if (S_ISFIFO(info.st_mode))
        return "a named pipe";
    if (S_ISCHR(info.st_mode) || S_ISBLK(info.st_mode))
        return "a device";
    return "no regular file";
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
    // O_NONBLOCK: a pipe without a writer does not hold the open; it is refused below.
    CFileDescriptor in(::open(source.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (in.Get() < 0)
        return ShowFileError(source, errno);
    // A folder opens for reading here but is no file to copy; nor is a pipe or a device.
    struct stat info;
    if (::fstat(in.Get(), &info) != 0)
        return ShowFileError(source, errno);
    if (S_ISDIR(info.st_mode))
        return ShowFileError(source, EISDIR);
    if (!S_ISREG(info.st_mode)) {
        ShowMessage(source + " is no regular file (a pipe or a device) and cannot be copied.", MessageIcon::Stop);
        return false;
    }

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

bool CLanguageInstaller::FillFolder(const std::string& fromFolder, const std::string& target,
                                    std::vector<std::string>* skipped)
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
        const std::string what = EntryKind(source);
        if (what == kFolder)
            continue;   // language data are files
        if (!what.empty()) {
            if (skipped)
                skipped->push_back(name + " (" + what + ")");
            continue;
        }
        const std::string destination = target + base + extension;
        if (!CopyFileByBlocks(source, destination)) {
            ShowMessage("Cannot copy " + source + " into " + destination, MessageIcon::Stop);
            return false;
        }
    }
    return true;
}

bool CLanguageInstaller::Install(const DATAFOLDERS& folders, const std::string& language, bool vietnameseOrder,
                                 CLanguageState& state)
{
    const std::string& dataFolder = folders.strUser;
    const std::string target = TargetFolder(dataFolder, FolderName(language));
    const std::string shipped = folders.ShippedLanguageFolder(FolderName(language));
    if (!PathExists(target) && (shipped.empty() || !PathExists(shipped))) {
        const std::string folder = target.substr(0, target.size() - 1);
        std::string problem;
        if (folders.IsSplit() && !MakeFolders(dataFolder, &problem)) {
            ShowMessage(problem, MessageIcon::Stop);
            return false;
        }
        // Filled under a name of its own, and renamed into place only whole.
        std::string temporary = JoinPath(dataFolder, "." + FolderName(language) + ".XXXXXX");
        if (!::mkdtemp(temporary.data())) {
            const int error = errno;
            const bool readOnly = error == EROFS || error == EACCES || error == EPERM;
            ShowMessage(readOnly ? std::string(folders.IsSplit() ? "The data folder " : "The program folder ") +
                                       dataFolder + " is read-only (" + std::strerror(error) +
                                       "): the language folder " + folder + " cannot be made there."
                                 : "The language folder " + folder + " cannot be made: " + std::strerror(error) + ".",
                        MessageIcon::Stop);
            return false;
        }
        std::vector<std::string> skipped;
        // The shipped files first, then the user's own over them.
        bool filled = state.strShippedFolder.empty() || FillFolder(state.strShippedFolder, temporary + "/", &skipped);
        filled = filled && FillFolder(state.strFolder, temporary + "/", &skipped);
        if (filled && (::chmod(temporary.c_str(), 0755) != 0 || ::rename(temporary.c_str(), folder.c_str()) != 0)) {
            ShowMessage("The language folder " + folder + " cannot be put in place: " + std::strerror(errno) + ".",
                        MessageIcon::Stop);
            filled = false;
        }
        if (!filled) {
            std::error_code ignored;
            std::filesystem::remove_all(temporary, ignored);
            return false;
        }
        if (!skipped.empty()) {
            std::string names;
            for (const std::string& entry : skipped)
                names += (names.empty() ? "" : ", ") + entry;
            ShowMessage("These entries of " + state.strFolder + " are no files and were not copied into " + folder +
                            ": " + names + ".",
                        MessageIcon::Information);
        }
    }
    state.strFolder = target;
    state.strShippedFolder = shipped;
    state.nSyntax = vietnameseOrder ? 1 : 0;
    return true;
}

} // namespace talvoren

#include "dialogs/LanguageInstaller.h"

#include "base/Translatable.h"
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
// The messages of the installation (base/MessageText.h).
const char kAccessDenied[] = TALVOREN_TRANSLATABLE("talvoren::Messages", "Access to %1 was denied.");
const char kNotFound[] = TALVOREN_TRANSLATABLE("talvoren::Messages", "%1 was not found.");
const char kIsFolder[] =
    TALVOREN_TRANSLATABLE("talvoren::Messages", "%1 is a folder and cannot be opened as a file.");
const char kDiskFull[] = TALVOREN_TRANSLATABLE("talvoren::Messages", "The disk is full while accessing %1.");
const char kTooManyFiles[] = TALVOREN_TRANSLATABLE("talvoren::Messages", "There were too many open files.");
const char kOtherError[] =
    TALVOREN_TRANSLATABLE("talvoren::Messages", "An error occurred while accessing %1: %2.");
const char kCannotOpenCaption[] = TALVOREN_TRANSLATABLE("talvoren::Messages", "Cannot open file");
const char kNoRegularFile[] = TALVOREN_TRANSLATABLE(
    "talvoren::Messages", "%1 is no regular file (a pipe or a device) and cannot be copied.");
const char kCannotCopy[] = TALVOREN_TRANSLATABLE("talvoren::Messages", "Cannot copy %1 into %2");
const char kReadOnlyProgramFolder[] = TALVOREN_TRANSLATABLE(
    "talvoren::Messages", "The program folder %1 is read-only (%2): the language folder %3 cannot be made there.");
const char kReadOnlyDataFolder[] = TALVOREN_TRANSLATABLE(
    "talvoren::Messages", "The data folder %1 is read-only (%2): the language folder %3 cannot be made there.");
const char kCannotMakeFolder[] =
    TALVOREN_TRANSLATABLE("talvoren::Messages", "The language folder %1 cannot be made: %2.");
const char kCannotPlaceFolder[] =
    TALVOREN_TRANSLATABLE("talvoren::Messages", "The language folder %1 cannot be put in place: %2.");
const char kEntriesSkipped[] = TALVOREN_TRANSLATABLE(
    "talvoren::Messages", "These entries of %1 are no files and were not copied into %2: %3.");

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
    // A text too long for the message is cut, and shown as it is.
    const MESSAGETEXT message = CLanguageInstaller::FileError(path, error);
    if (message.Text().size() > 1024)
        ShowMessage(CLanguageInstaller::FileErrorMessage(path, error), MessageIcon::Stop);
    else
        ShowMessage(message, MessageIcon::Stop);
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

std::string CLanguageInstaller::FolderOfPath(const std::string& languageFolder)
{
    return LastPathName(languageFolder);
}

std::size_t CLanguageInstaller::CurrentIndex(const std::vector<std::string>& names, const std::string& languageFolder)
{
    const std::string current = FolderOfPath(languageFolder);
    for (std::size_t i = 0; i < names.size(); ++i)
        if (FolderName(names[i]) == current)
            return i;
    return 0;
}

bool CLanguageInstaller::UsesVietnameseOrder(const std::string& language)
{
    return FolderName(language) == "Vietnam";
}

std::string CLanguageInstaller::InterfaceLanguage(const std::string& languageFolder)
{
    return FolderOfPath(languageFolder) == "Vietnam" ? "vi" : "en";
}

bool CLanguageInstaller::NeedsNewFolder(const DATAFOLDERS& folders, const std::string& language)
{
    const std::string shipped = folders.ShippedLanguageFolder(FolderName(language));
    return !PathExists(TargetFolder(folders.strUser, FolderName(language))) && (shipped.empty() || !PathExists(shipped));
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

MESSAGETEXT CLanguageInstaller::FileError(const std::string& path, int error)
{
    switch (error) {
    case EACCES:
    case EPERM:
    case EROFS:
        return MESSAGETEXT(kAccessDenied, {path});
    case ENOENT:
    case ENOTDIR:
        return MESSAGETEXT(kNotFound, {path});
    case EISDIR:
        return MESSAGETEXT(kIsFolder, {path});
    case ENOSPC:
    case EDQUOT:
        return MESSAGETEXT(kDiskFull, {path});
    case EMFILE:
    case ENFILE:
        return MESSAGETEXT(kTooManyFiles, {});
    default:
        return MESSAGETEXT(kOtherError, {path, std::strerror(error)});
    }
}

std::string CLanguageInstaller::FileErrorMessage(const std::string& path, int error)
{
    std::string text = FileError(path, error).Text();
    if (text.size() > 1024)
        text.resize(1024);
    return text;
}

bool CLanguageInstaller::CopyFileByBlocks(const std::string& source, const std::string& destination)
{
    if (!PathExists(source)) {
        ShowMessage(source, MessageIcon::Stop, kCannotOpenCaption);
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
        ShowMessage(MESSAGETEXT(kNoRegularFile, {source}),
                    MessageIcon::Stop);
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
            ShowMessage(MESSAGETEXT(kCannotCopy, {source, destination}), MessageIcon::Stop);
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
    if (NeedsNewFolder(folders, language)) {
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
            ShowMessage(readOnly ? MESSAGETEXT(folders.IsSplit() ? kReadOnlyDataFolder : kReadOnlyProgramFolder,
                                               {dataFolder, std::strerror(error), folder})
                                 : MESSAGETEXT(kCannotMakeFolder, {folder, std::strerror(error)}),
                        MessageIcon::Stop);
            return false;
        }
        std::vector<std::string> skipped;
        // The shipped files first, then the user's own over them.
        bool filled = state.strShippedFolder.empty() || FillFolder(state.strShippedFolder, temporary + "/", &skipped);
        filled = filled && FillFolder(state.strFolder, temporary + "/", &skipped);
        if (filled && (::chmod(temporary.c_str(), 0755) != 0 || ::rename(temporary.c_str(), folder.c_str()) != 0)) {
            ShowMessage(MESSAGETEXT(kCannotPlaceFolder, {folder, std::strerror(errno)}), MessageIcon::Stop);
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
            ShowMessage(MESSAGETEXT(kEntriesSkipped, {state.strFolder, folder, names}),
                        MessageIcon::Information);
        }
    }
    state.strFolder = target;
    state.strShippedFolder = shipped;
    state.nSyntax = vietnameseOrder ? 1 : 0;
    return true;
}

} // namespace talvoren

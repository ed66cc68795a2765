#include "platform/SystemPaths.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

// The data of an installed program, from the folder of its executables.
#ifndef TALVOREN_DATA_FROM_BIN
#define TALVOREN_DATA_FROM_BIN "../share/talvoren"
#endif

namespace talvoren
{
std::string ProgramFolder()
{
    std::error_code error;
    std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error)
        return ".";
    std::string folder = exe.parent_path().string();
    if (folder.size() > 1 && folder.back() == '/')
        folder.pop_back();
    return folder;
}

std::string JoinPath(const std::string& folder, const std::string& name)
{
    if (folder.empty())
        return name;
    if (folder.back() == '/')
        return folder + name;
    return folder + "/" + name;
}

std::string LastPathName(const std::string& path)
{
    std::string name = path;
    while (!name.empty() && name.back() == '/')
        name.pop_back();
    const std::size_t slash = name.rfind('/');
    return slash == std::string::npos ? name : name.substr(slash + 1);
}

std::string ConfigFolder()
{
    if (const char* own = std::getenv("TALVOREN_CONFIG_DIR"); own && *own)
        return own;
    std::string base;
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg)
        base = xdg;
    else if (const char* home = std::getenv("HOME"); home && *home)
        base = JoinPath(home, ".config");
    else
        base = ".config";
    return JoinPath(JoinPath(base, "Sorvane Network"), "Talvoren");
}

bool PathExists(const std::string& path)
{
    return !path.empty() && ::access(path.c_str(), F_OK) == 0;
}

std::string UserDataFolder()
{
    std::string base;
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg)
        base = xdg;
    else if (const char* home = std::getenv("HOME"); home && *home)
        base = JoinPath(home, ".local/share");
    else
        base = ".local/share";
    return JoinPath(base, "talvoren");
}

bool MakeFolders(const std::string& folder, std::string* error)
{
    std::string path;
    std::size_t from = 0;
    while (from <= folder.size()) {
        std::size_t slash = folder.find('/', from);
        if (slash == std::string::npos)
            slash = folder.size();
        path = folder.substr(0, slash);
        from = slash + 1;
        if (path.empty() || path.back() == '/')
            continue;
        if (::mkdir(path.c_str(), 0755) != 0 && errno != EEXIST) {
            if (error)
                *error = "The folder " + path + " cannot be made: " + std::strerror(errno) + ".";
            return false;
        }
    }
    struct stat info {};
    if (::stat(folder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) {
        if (error)
            *error = "The folder " + folder + " cannot be made: a file of that name is in the way.";
        return false;
    }
    return true;
}

std::string DATAFOLDERS::LanguageFolder(const std::string& name) const
{
    return JoinPath(JoinPath(strUser, name), "");
}

std::string DATAFOLDERS::ShippedLanguageFolder(const std::string& name) const
{
    return IsSplit() ? JoinPath(JoinPath(strShipped, name), "") : std::string();
}

DATAFOLDERS FindDataFolders(const std::string& programFolder)
{
    DATAFOLDERS folders;
    // A build keeps its pages beside the executable; an installed program
    // has them under share/ of its prefix.
    if (PathExists(JoinPath(programFolder, "Html")) || PathExists(JoinPath(programFolder, "Vietnam"))) {
        folders.strShipped = programFolder;
        folders.strUser = ::faccessat(AT_FDCWD, programFolder.c_str(), W_OK, AT_EACCESS) == 0 ? programFolder
                                                                                          : UserDataFolder();
        return folders;
    }
    const std::filesystem::path share = std::filesystem::path(programFolder) / TALVOREN_DATA_FROM_BIN;
    folders.strShipped = share.lexically_normal().string();
    if (folders.strShipped.size() > 1 && folders.strShipped.back() == '/')
        folders.strShipped.pop_back();
    folders.strUser = UserDataFolder();
    return folders;
}

} // namespace talvoren

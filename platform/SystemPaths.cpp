#include "platform/SystemPaths.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <unistd.h>

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

std::string StartupLanguageFolder(const std::string& programFolder)
{
    if (!programFolder.empty() && programFolder.back() == '/')
        return programFolder + "Vietnam/";
    return programFolder + "/Vietnam/";
}

} // namespace talvoren

#include "platform/DesktopShortcut.h"

#include "platform/SystemPaths.h"

#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

namespace talvoren
{
namespace
{
std::string FileNameWithoutExtension(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    const std::size_t dot = name.rfind('.');
    if (dot != std::string::npos && dot > 0)
        name.erase(dot);
    return name;
}

bool IsFolder(const std::string& path)
{
    struct stat info {};
    return !path.empty() && ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

// A value of the Exec key: the path quoted, with the characters that the
// launcher format reserves inside quotes escaped, then every backslash
// doubled as a string value of the file requires.
std::string ExecValue(const std::string& path)
{
    std::string quoted = "\"";
    for (char ch : path) {
        if (ch == '"' || ch == '`' || ch == '$' || ch == '\\')
            quoted += '\\';
        quoted += ch;
    }
    quoted += '"';
    std::string value;
    for (char ch : quoted) {
        if (ch == '\\')
            value += '\\';
        value += ch;
    }
    return value;
}

// A plain string value: line ends and backslashes escaped.
std::string StringValue(const std::string& text)
{
    std::string value;
    for (char ch : text) {
        if (ch == '\\')
            value += "\\\\";
        else if (ch == '\n')
            value += "\\n";
        else if (ch == '\r')
            value += "\\r";
        else
            value += ch;
    }
    return value;
}
}

std::string UserDesktopFolder()
{
    const char* home = std::getenv("HOME");
    std::string config;
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg)
        config = xdg;
    else if (home && *home)
        config = JoinPath(home, ".config");
    else
        return std::string();
    std::ifstream file(JoinPath(config, "user-dirs.dirs"));
    std::string line;
    while (std::getline(file, line)) {
        const std::string key = "XDG_DESKTOP_DIR=";
        if (line.compare(0, key.size(), key) != 0)
            continue;
        std::string value = line.substr(key.size());
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
            value = value.substr(1, value.size() - 2);
        if (value.compare(0, 5, "$HOME") == 0)
            value = std::string(home ? home : "") + value.substr(5);
        return value.empty() || value[0] != '/' ? std::string() : value;
    }
    return std::string();
}

std::string DesktopShortcutPath(const std::string& exePath, bool onCdRom, const std::string& desktopFolder,
                                const std::string& homeFolder)
{
    if (onCdRom)
        return std::string();
    const std::string name = FileNameWithoutExtension(exePath) + ".desktop";
    if (IsFolder(desktopFolder))
        return JoinPath(desktopFolder, name);
    if (homeFolder.empty())
        return std::string();
    return JoinPath(JoinPath(homeFolder, "Desktop"), name);
}

std::string DesktopEntryText(const std::string& exePath, const std::string& name)
{
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=" + StringValue(name) + "\n"
           "Exec=" + ExecValue(exePath) + "\n"
           "Terminal=false\n";
}

bool MakeDesktopShortcut(const std::string& exePath, bool onCdRom, const std::string& desktopFolder,
                         const std::string& homeFolder)
{
    const std::string path = DesktopShortcutPath(exePath, onCdRom, desktopFolder, homeFolder);
    if (path.empty() || PathExists(path))
        return false;
    // O_EXCL: a file that appears meanwhile is still never overwritten.
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0755);
    if (fd < 0)
        return false;
    const std::string text = DesktopEntryText(exePath, FileNameWithoutExtension(exePath));
    std::size_t written = 0;
    while (written < text.size()) {
        const ssize_t n = ::write(fd, text.data() + written, text.size() - written);
        if (n <= 0)
            break;
        written += static_cast<std::size_t>(n);
    }
    const bool complete = written == text.size() && ::close(fd) == 0;
    if (!complete) {
        if (written != text.size())
            ::close(fd);
        ::unlink(path.c_str());   // a half-written launcher of our own is of no use
    }
    return complete;
}

} // namespace talvoren

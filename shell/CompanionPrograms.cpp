#include "shell/CompanionPrograms.h"

#include "platform/SystemPaths.h"
#include "resources/ResourceIds.h"

#include <fstream>
#include <sstream>

namespace talvoren
{
namespace
{
const COMPANIONPROGRAM kCompanions[] = {
    {ID_BIBLE, "Veltrabe", nullptr, "Veltrabe (scripture reader)"},
    {ID_APPENDIX, "Appendix/Quillane", "/Appendix/Quillane", "Quillane (appendix collection)"},
    {ID_SOFTWARE, "Ormeth", "/Ormeth", "Ormeth (software catalogue)"},
    {ID_CANTREL, "Cantrel/Dorvasse", "/Cantrel/Dorvasse", "Dorvasse (psalm songs)"},
};

// Undoes the octal escapes (\040 blank, \011 tab, \012 line feed, \134
// backslash) of a mount-table field.
std::string Unescape(const std::string& field)
{
    std::string out;
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size()) {
            const char a = field[i + 1];
            const char b = field[i + 2];
            const char c = field[i + 3];
            if (a >= '0' && a <= '3' && b >= '0' && b <= '7' && c >= '0' && c <= '7') {
                out += static_cast<char>((a - '0') * 64 + (b - '0') * 8 + (c - '0'));
                i += 3;
                continue;
            }
        }
        out += field[i];
    }
    return out;
}

// True when `mountPoint` is `path` or a folder above it.
bool Holds(const std::string& mountPoint, const std::string& path)
{
    if (mountPoint == "/")
        return !path.empty() && path[0] == '/';
    if (path.compare(0, mountPoint.size(), mountPoint) != 0)
        return false;
    return path.size() == mountPoint.size() || path[mountPoint.size()] == '/';
}
}

std::vector<MOUNTENTRY> ParseMountInfo(const std::string& text)
{
    std::vector<MOUNTENTRY> mounts;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        // id parent major:minor root mount-point options [optional...] - type source super-options
        std::istringstream words(line);
        std::vector<std::string> fields;
        std::string word;
        while (words >> word)
            fields.push_back(word);
        if (fields.size() < 7)
            continue;
        std::size_t dash = 6;
        while (dash < fields.size() && fields[dash] != "-")
            ++dash;
        if (dash + 1 >= fields.size())
            continue;
        MOUNTENTRY entry;
        entry.strMountPoint = Unescape(fields[4]);
        entry.strFsType = fields[dash + 1];
        if (entry.strMountPoint.empty() || entry.strMountPoint[0] != '/')
            continue;
        mounts.push_back(entry);
    }
    return mounts;
}

std::vector<MOUNTENTRY> ReadMountTable(const std::string& path)
{
    std::ifstream file(path);
    if (!file)
        return {};
    std::ostringstream text;
    text << file.rdbuf();
    return ParseMountInfo(text.str());
}

bool IsCdRomFileSystem(const std::string& fsType)
{
    return fsType == "iso9660" || fsType == "udf";
}

bool IsOnCdRom(const std::string& path, const std::vector<MOUNTENTRY>& mounts)
{
    const MOUNTENTRY* holder = nullptr;
    for (const MOUNTENTRY& mount : mounts) {
        if (Holds(mount.strMountPoint, path) &&
            (!holder || mount.strMountPoint.size() >= holder->strMountPoint.size()))
            holder = &mount;
    }
    return holder && IsCdRomFileSystem(holder->strFsType);
}

bool FindInstallCd(const std::vector<MOUNTENTRY>& mounts, std::string* root)
{
    for (const MOUNTENTRY& mount : mounts) {
        if (!IsCdRomFileSystem(mount.strFsType))
            continue;
        if (!PathExists(JoinPath(mount.strMountPoint, kInstallCdMarker)))
            continue;
        std::string found = mount.strMountPoint;
        if (!found.empty() && found.back() == '/')
            found.pop_back();
        if (root)
            *root = found;
        return true;
    }
    return false;
}

const COMPANIONPROGRAM* FindCompanion(int command)
{
    for (const COMPANIONPROGRAM& companion : kCompanions) {
        if (companion.nCommand == command)
            return &companion;
    }
    return nullptr;
}

void LaunchCompanion(int command, const std::string& programFolder, CCompanionHost& host)
{
    const COMPANIONPROGRAM* companion = FindCompanion(command);
    if (!companion)
        return;
    const std::string installed = JoinPath(programFolder, std::string(companion->pszFolderPath) + kProgramSuffix);
    if (host.FileExists(installed)) {
        host.Open(installed);
        return;
    }
    if (!companion->pszCdPath) {
        for (const char* frontEnd : kSwordFrontEnds) {
            const std::string path = host.FindProgram(frontEnd);
            if (!path.empty()) {
                host.Start(path);
                return;
            }
        }
        host.ShowTodaysReadings();
        return;
    }
    std::string root;
    while (!host.FindInstallCd(&root)) {
        if (!host.HasCdDrive() || !host.PromptForCd()) {
            host.ReportMissing(companion->pszName, installed);
            return;
        }
    }
    const std::string onCd = root + companion->pszCdPath + kProgramSuffix;
    if (host.FileExists(onCd))
        host.Open(onCd);
    else
        host.ReportMissing(companion->pszName, installed);
}

} // namespace talvoren

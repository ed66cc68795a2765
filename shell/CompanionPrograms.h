#pragma once
// The companion programs that four toolbar buttons start: where each lies in
// the program folder or on the install CD, how the CD is found among the
// mounted file systems, and the rule that chooses between the two.

#include <string>
#include <vector>

namespace talvoren
{
// One mounted file system, in the order of the mount table.
struct MOUNTENTRY
{
    std::string strMountPoint;
    std::string strFsType;
};

// The marker file at the root of the install CD.
inline constexpr const char kInstallCdMarker[] = "orlanid.dat";

// Parses the text of /proc/self/mountinfo. Given any text; returns the mount
// point (octal escapes such as "\040" decoded) and file-system type of each
// well-formed line, in order; malformed lines are skipped.
std::vector<MOUNTENTRY> ParseMountInfo(const std::string& text);

// The mount table in the file `path`, by default this process's (empty when
// it cannot be read).
std::vector<MOUNTENTRY> ReadMountTable(const std::string& path = "/proc/self/mountinfo");

// True for the file systems of optical discs (iso9660, udf): the CD-ROM drives.
bool IsCdRomFileSystem(const std::string& fsType);

// True when `path` (absolute) lies on a CD-ROM drive: the mount that holds it
// is the one with the longest mount point above it, the later of equal ones.
bool IsOnCdRom(const std::string& path, const std::vector<MOUNTENTRY>& mounts);

// Looks for the marker file at the root of every CD-ROM drive, in mount order.
// On success sets *root to that root without a trailing separator ("" for a
// disc mounted at "/") and returns true; else returns false.
bool FindInstallCd(const std::vector<MOUNTENTRY>& mounts, std::string* root);

// What the launch rule needs from the system; the program's own host asks the
// real system, tests give a fake one.
class CCompanionHost
{
public:
    virtual ~CCompanionHost() = default;
    virtual bool FileExists(const std::string& path) = 0;
    virtual bool FindInstallCd(std::string* root) = 0;
    virtual bool PromptForCd() = 0;                    // true when the user pressed OK
    virtual void Open(const std::string& path) = 0;    // the shell's open; result not looked at
};

struct COMPANIONPROGRAM
{
    int nCommand;
    const char* pszFolderPath;   // in the program folder, without ".exe"
    const char* pszCdPath;       // on the CD from its root; nullptr: never looked for there
};

// The program of a toolbar command, or nullptr for another command.
const COMPANIONPROGRAM* FindCompanion(int command);

// Starts the companion program of `command`: the scripture reader always from
// the program folder; the others from the program folder when installed there,
// else from the install CD, prompting for the CD until it is found or the user
// cancels. A program missing on the CD starts nothing. No messages.
void LaunchCompanion(int command, const std::string& programFolder, CCompanionHost& host);

} // namespace talvoren

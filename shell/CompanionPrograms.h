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

// The ending of program file names on this system: ".exe" on Windows,
// nothing elsewhere.
#if defined(_WIN32)
inline constexpr const char kProgramSuffix[] = ".exe";
#else
inline constexpr const char kProgramSuffix[] = "";
#endif

// The SWORD front ends that the scripture button starts when the scripture
// reader is not installed, in order of preference.
inline constexpr const char* const kSwordFrontEnds[] = {"bibletime", "xiphos"};

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
    // True when the system has a CD-ROM drive at all; without one the user
    // is not asked to insert a disc.
    virtual bool HasCdDrive() = 0;
    // The full path of the program `name` on the search path, or "".
    virtual std::string FindProgram(const std::string& name) = 0;
    // Starts the program at `path` (a SWORD front end).
    virtual void Start(const std::string& path) = 0;
    // Today's readings in the program's own reading window.
    virtual void ShowTodaysReadings() = 0;
    // Tells the user that the companion `name` was found neither in
    // `folderPath` nor on an install CD.
    virtual void ReportMissing(const std::string& name, const std::string& folderPath) = 0;
};

struct COMPANIONPROGRAM
{
    int nCommand;
    const char* pszFolderPath;   // in the program folder, without kProgramSuffix
    const char* pszCdPath;       // on the CD from its root, without kProgramSuffix; nullptr: never looked for there
    const char* pszName;         // what the user calls it
};

// The program of a toolbar command, or nullptr for another command.
const COMPANIONPROGRAM* FindCompanion(int command);

// Starts the companion program of `command`. The scripture reader from the
// program folder when installed there, else the first SWORD front end on the
// search path, else today's readings in the reading window. The others from
// the program folder when installed there, else from the install CD,
// prompting for the CD (when the system has a CD-ROM drive) until it is found
// or the user cancels; when that finds nothing, or the disc lacks the
// program, the user is told which program is missing.
void LaunchCompanion(int command, const std::string& programFolder, CCompanionHost& host);

} // namespace talvoren

#include "resources/ResourceIds.h"
#include "shell/CompanionPrograms.h"
#include "tests/support/TestFolder.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

using namespace talvoren;

namespace
{
std::string MountLine(int id, const std::string& point, const std::string& type)
{
    return std::to_string(id) + " 1 8:" + std::to_string(id) + " / " + point + " rw,relatime shared:" +
           std::to_string(id) + " - " + type + " /dev/sr" + std::to_string(id) + " ro\n";
}

// A system made of fixed answers; records what the rule asked and started.
class CFakeHost : public CCompanionHost
{
public:
    bool FileExists(const std::string& path) override
    {
        m_asked.push_back(path);
        return m_files.count(path) != 0;
    }
    bool FindInstallCd(std::string* root) override
    {
        ++m_nSearches;
        if (m_nSearches <= m_nSearchesBeforeCd || m_strCdRoot.empty())
            return false;
        *root = m_strCdRoot;
        return true;
    }
    bool PromptForCd() override
    {
        ++m_nPrompts;
        return m_nPrompts <= m_nOkPresses;
    }
    void Open(const std::string& path) override { m_started.push_back(path); }
    bool HasCdDrive() override { return m_bCdDrive; }
    std::string FindProgram(const std::string& name) override
    {
        return m_programs.count(name) ? "/usr/bin/" + name : std::string();
    }
    void Start(const std::string& path) override { m_started.push_back(path); }
    void ShowTodaysReadings() override { m_started.push_back("readings"); }
    void ReportMissing(const std::string& name, const std::string&) override { m_missing.push_back(name); }

    std::set<std::string> m_files;
    std::string m_strCdRoot;
    int m_nSearchesBeforeCd = 0;
    int m_nOkPresses = 0;
    int m_nSearches = 0;
    int m_nPrompts = 0;
    std::vector<std::string> m_asked;
    std::vector<std::string> m_started;
    bool m_bCdDrive = true;
    std::set<std::string> m_programs;
    std::vector<std::string> m_missing;
};
}

TEST(CompanionPrograms, ParsesTheMountTable)
{
    const std::string text =
        "22 1 8:1 / / rw,relatime shared:1 - ext4 /dev/sda1 rw\n"
        "35 22 0:31 / /media/My\\040Disc rw - iso9660 /dev/sr0 ro\n"
        "36 22 0:32 / /mnt/udf ro shared:5 master:2 - udf /dev/sr1 ro\n"
        "garbage line\n"
        "37 22 0:33 / /mnt/x rw no-dash-here\n";
    const std::vector<MOUNTENTRY> mounts = ParseMountInfo(text);
    ASSERT_EQ(mounts.size(), 3u);
    EXPECT_EQ(mounts[0].strMountPoint, "/");
    EXPECT_EQ(mounts[0].strFsType, "ext4");
    EXPECT_EQ(mounts[1].strMountPoint, "/media/My Disc");
    EXPECT_EQ(mounts[1].strFsType, "iso9660");
    EXPECT_EQ(mounts[2].strMountPoint, "/mnt/udf");   // two optional fields before the dash
    EXPECT_EQ(mounts[2].strFsType, "udf");
    EXPECT_TRUE(ParseMountInfo("").empty());
}

// A mount table written here, not the host's: in a chroot "/" is no mount point.
TEST(CompanionPrograms, ReadsAMountTableFile)
{
    CTestFolder folder;
    folder.WriteBytes("mountinfo", MountLine(1, "/", "ext4") + MountLine(2, "/media/cdrom", "iso9660"));
    const std::vector<MOUNTENTRY> mounts = ReadMountTable(folder.File("mountinfo"));
    ASSERT_EQ(mounts.size(), 2u);
    EXPECT_EQ(mounts[0].strMountPoint, "/");
    EXPECT_EQ(mounts[1].strMountPoint, "/media/cdrom");
    EXPECT_EQ(mounts[1].strFsType, "iso9660");
    EXPECT_TRUE(ReadMountTable(folder.File("missing")).empty());
}

TEST(CompanionPrograms, FindsTheMarkerOnTheFirstCdRomInMountOrder)
{
    CTestFolder d;   // CD-ROM drive "D"
    CTestFolder f;   // CD-ROM drive "F"
    CTestFolder hard;
    CTestFolder usb;
    const std::string dPoint = d.Path().substr(0, d.Path().size() - 1);
    const std::string fPoint = f.Path().substr(0, f.Path().size() - 1);
    const std::string hardPoint = hard.Path().substr(0, hard.Path().size() - 1);
    const std::string usbPoint = usb.Path().substr(0, usb.Path().size() - 1);
    const std::vector<MOUNTENTRY> mounts = ParseMountInfo(
        MountLine(1, hardPoint, "ext4") + MountLine(2, dPoint, "iso9660") + MountLine(3, usbPoint, "vfat") +
        MountLine(4, fPoint, "udf"));

    std::string root = "unchanged";
    EXPECT_FALSE(FindInstallCd(mounts, &root));   // no marker anywhere
    EXPECT_EQ(root, "unchanged");

    hard.WriteBytes(kInstallCdMarker, "x");        // on a hard disk: ignored
    usb.WriteBytes(kInstallCdMarker, "x");         // on a removable non-CD drive: ignored
    EXPECT_FALSE(FindInstallCd(mounts, &root));

    f.WriteBytes(kInstallCdMarker, "x");           // only on F
    ASSERT_TRUE(FindInstallCd(mounts, &root));
    EXPECT_EQ(root, fPoint);

    d.WriteBytes(kInstallCdMarker, "x");           // on both: D wins
    ASSERT_TRUE(FindInstallCd(mounts, &root));
    EXPECT_EQ(root, dPoint);
}

TEST(CompanionPrograms, CdRomOfAPath)
{
    const std::vector<MOUNTENTRY> mounts = ParseMountInfo(
        MountLine(1, "/", "ext4") + MountLine(2, "/media/cdrom", "iso9660") + MountLine(3, "/media/cdrom2", "ext4") +
        MountLine(4, "/srv", "udf") + MountLine(5, "/srv", "xfs"));
    struct Case { const char* path; bool onCd; };
    const Case cases[] = {
        {"/media/cdrom/talvoren", true},
        {"/media/cdrom", true},
        {"/media/cdrom2/talvoren", false},   // a longer name is not below /media/cdrom
        {"/media/cdromx/talvoren", false},
        {"/home/anna/talvoren", false},
        {"/srv/talvoren", false},            // the later mount on /srv hides the disc
    };
    for (const Case& c : cases)
        EXPECT_EQ(IsOnCdRom(c.path, mounts), c.onCd) << c.path;
    EXPECT_TRUE(IsOnCdRom("/x/talvoren", ParseMountInfo(MountLine(1, "/", "iso9660"))));   // a live disc
}

TEST(CompanionPrograms, TheFourProgramsAndTheirPaths)
{
    struct Case { int command; const char* installed; const char* onCd; };
    const Case cases[] = {
        {ID_APPENDIX, "/opt/cal/Appendix/Quillane", "/media/cd/Appendix/Quillane"},
        {ID_SOFTWARE, "/opt/cal/Ormeth", "/media/cd/Ormeth"},
        {ID_CANTREL, "/opt/cal/Cantrel/Dorvasse", "/media/cd/Cantrel/Dorvasse"},
    };
    for (const Case& c : cases) {
        CFakeHost installed;
        installed.m_files = {c.installed};
        LaunchCompanion(c.command, "/opt/cal", installed);
        EXPECT_EQ(installed.m_started, std::vector<std::string>{c.installed}) << c.command;
        EXPECT_EQ(installed.m_nSearches, 0) << "no drive is touched when installed";
        EXPECT_EQ(installed.m_nPrompts, 0);

        CFakeHost fromCd;
        fromCd.m_strCdRoot = "/media/cd";
        fromCd.m_files = {c.onCd};
        LaunchCompanion(c.command, "/opt/cal", fromCd);
        EXPECT_EQ(fromCd.m_started, std::vector<std::string>{c.onCd}) << c.command;
        EXPECT_EQ(fromCd.m_nPrompts, 0);
    }
    EXPECT_EQ(FindCompanion(ID_MONTH), nullptr);
}

// The scripture button: the reader when installed, else a SWORD front end,
// else today's readings; never the CD.
TEST(CompanionPrograms, ScriptureButtonFallsBackToAFrontEndThenToTheReadings)
{
    struct Case { std::set<std::string> files; std::set<std::string> programs; const char* started; };
    const Case cases[] = {
        {{"/opt/cal/Veltrabe"}, {"xiphos"}, "/opt/cal/Veltrabe"},
        {{}, {"xiphos", "bibletime"}, "/usr/bin/bibletime"},
        {{}, {"xiphos"}, "/usr/bin/xiphos"},
        {{}, {}, "readings"},
    };
    for (const Case& c : cases) {
        CFakeHost host;
        host.m_strCdRoot = "/media/cd";
        host.m_files = c.files;
        host.m_programs = c.programs;
        LaunchCompanion(ID_BIBLE, "/opt/cal/", host);
        EXPECT_EQ(host.m_started, std::vector<std::string>{c.started});
        EXPECT_EQ(host.m_nSearches, 0);
        EXPECT_TRUE(host.m_missing.empty());
    }
}

TEST(CompanionPrograms, PromptsUntilTheCdIsFoundOrTheUserCancels)
{
    CFakeHost patient;   // OK pressed twice without a disc, found on the third search
    patient.m_strCdRoot = "/media/cd";
    patient.m_nSearchesBeforeCd = 2;
    patient.m_nOkPresses = 5;
    patient.m_files = {"/media/cd/Ormeth"};
    LaunchCompanion(ID_SOFTWARE, "/opt/cal", patient);
    EXPECT_EQ(patient.m_nSearches, 3);
    EXPECT_EQ(patient.m_nPrompts, 2);
    EXPECT_EQ(patient.m_started, std::vector<std::string>{"/media/cd/Ormeth"});
    EXPECT_TRUE(patient.m_missing.empty());

    CFakeHost cancelling;   // no disc; OK once, then Cancel
    cancelling.m_nOkPresses = 1;
    LaunchCompanion(ID_APPENDIX, "/opt/cal", cancelling);
    EXPECT_EQ(cancelling.m_nPrompts, 2);
    EXPECT_TRUE(cancelling.m_started.empty());
    EXPECT_EQ(cancelling.m_missing, std::vector<std::string>{"Quillane (appendix collection)"});

    CFakeHost wrongDisc;    // the CD is found but the program is not on it
    wrongDisc.m_strCdRoot = "/media/cd";
    LaunchCompanion(ID_CANTREL, "/opt/cal", wrongDisc);
    EXPECT_TRUE(wrongDisc.m_started.empty());
    EXPECT_EQ(wrongDisc.m_nPrompts, 0);
    EXPECT_EQ(wrongDisc.m_missing, std::vector<std::string>{"Dorvasse (psalm songs)"});

    CFakeHost noDrive;      // no CD-ROM drive at all: no prompt, the message at once
    noDrive.m_bCdDrive = false;
    LaunchCompanion(ID_SOFTWARE, "/opt/cal", noDrive);
    EXPECT_EQ(noDrive.m_nPrompts, 0);
    EXPECT_EQ(noDrive.m_missing, std::vector<std::string>{"Ormeth (software catalogue)"});
}

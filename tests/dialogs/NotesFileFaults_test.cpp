// The notes save against real file-system faults: a folder that cannot be
// written, a disk that fills up during the write, and a rename that the
// system refuses. Each leaves the old notes file exactly as it was and no
// temporary file behind, and gives the message that the notes dialog shows.
// The faults are made with small tmpfs and bind mounts, which needs root
// (CAP_SYS_ADMIN); without it these cases are skipped (a folder without
// write permission is then used for the first one), and the simulated
// faults of NotesFile_test still run.

#include "dialogs/NotesFile.h"
#include "tests/support/TestFolder.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <set>
#include <string>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

using namespace talvoren;

namespace
{
// A mount for the life of the object: a tmpfs on `folder` (created), or a
// bind mount of a path onto itself.
class CScratchMount
{
public:
    static CScratchMount Tmpfs(const std::string& folder, const std::string& options)
    {
        std::filesystem::create_directories(folder);
        return CScratchMount(folder, ::mount("tmpfs", folder.c_str(), "tmpfs", MS_NOSUID | MS_NODEV, options.c_str()));
    }
    static CScratchMount BindOnItself(const std::string& path)
    {
        return CScratchMount(path, ::mount(path.c_str(), path.c_str(), nullptr, MS_BIND, nullptr));
    }
    CScratchMount(CScratchMount&& other) noexcept : m_strPath(other.m_strPath), m_bMounted(other.m_bMounted), m_nError(other.m_nError)
    {
        other.m_bMounted = false;
    }
    ~CScratchMount()
    {
        if (m_bMounted)
            ::umount2(m_strPath.c_str(), MNT_DETACH);
    }
    bool Mounted() const { return m_bMounted; }
    std::string Error() const { return std::strerror(m_nError); }

    // Makes the tmpfs read-only, keeping what it holds.
    bool MakeReadOnly(const std::string& options)
    {
        return ::mount("tmpfs", m_strPath.c_str(), "tmpfs", MS_REMOUNT | MS_RDONLY | MS_NOSUID | MS_NODEV,
                       options.c_str()) == 0;
    }

private:
    CScratchMount(const std::string& path, int result) : m_strPath(path), m_bMounted(result == 0), m_nError(errno) {}
    std::string m_strPath;
    bool m_bMounted;
    int m_nError;
};

#define SKIP_UNLESS_MOUNTED(mount)                                                       \
    if (!(mount).Mounted())                                                              \
    GTEST_SKIP() << "cannot mount here (" << (mount).Error() << "); needs root"

std::string ReadFile(const std::string& path)
{
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
        return "<missing>";
    std::string bytes;
    char buffer[4096];
    for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, file)) > 0;)
        bytes.append(buffer, got);
    std::fclose(file);
    return bytes;
}

bool WriteFile(const std::string& path, const std::string& bytes)
{
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written;
}

// The names in `folder`: no temporary file may be left among them.
std::set<std::string> Names(const std::string& folder)
{
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

bool Contains(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

const std::string kOldNotes = CTestFolder::EncodeUtf16("2\t9\tQuốc khánh\r\n15\t8\tĐức Mẹ Lên Trời\r\n");

// Notes whose saved image takes about `bytes` bytes.
NOTESTEXT NotesOfAbout(std::size_t bytes)
{
    NOTESTEXT notes;
    for (std::size_t size = 0; size < bytes; size += 2 * 64)
        notes.rows.push_back({"1", "1", std::string(56, 'n') + std::to_string(notes.rows.size())});
    return notes;
}

NOTESTEXT OneNote(const std::string& text)
{
    NOTESTEXT notes;
    notes.rows.push_back({"1", "1", text});
    return notes;
}
} // namespace

TEST(NotesFileFaults, AFolderThatCannotBeWrittenKeepsTheOldNotes)
{
    CTestFolder folder;
    const std::string vietnam = folder.File("Vietnam");
    const std::string notes = vietnam + "/uNote.txt";
    std::string reason;
    if (::geteuid() == 0) {
        // Root writes past permissions: a read-only file system it is.
        CScratchMount mount = CScratchMount::Tmpfs(vietnam, "size=256k");
        SKIP_UNLESS_MOUNTED(mount);
        ASSERT_TRUE(WriteFile(notes, kOldNotes));
        ASSERT_TRUE(mount.MakeReadOnly("size=256k"));
        MESSAGETEXT error;
        EXPECT_FALSE(CNotesFile::Save(notes, OneNote("new"), &error));
        EXPECT_TRUE(Contains(error.Text(), "cannot create a temporary file in " + vietnam)) << error.Text();
        EXPECT_TRUE(Contains(error.Text(), "Read-only file system")) << error.Text();
        EXPECT_TRUE(Contains(error.Text(), notes + " was left as it was")) << error.Text();
        EXPECT_EQ(ReadFile(notes), kOldNotes);
        EXPECT_EQ(Names(vietnam), std::set<std::string>{"uNote.txt"});
    } else {
        std::filesystem::create_directories(vietnam);
        ASSERT_TRUE(WriteFile(notes, kOldNotes));
        ASSERT_EQ(::chmod(vietnam.c_str(), 0555), 0);
        MESSAGETEXT error;
        EXPECT_FALSE(CNotesFile::Save(notes, OneNote("new"), &error));
        EXPECT_TRUE(Contains(error.Text(), "Permission denied")) << error.Text();
        EXPECT_EQ(ReadFile(notes), kOldNotes);
        EXPECT_EQ(Names(vietnam), std::set<std::string>{"uNote.txt"});
        ::chmod(vietnam.c_str(), 0755);
    }
}

// The disk fills up in the middle of the temporary file: the write fails
// after part of it went out, the part is removed and the space is free again.
TEST(NotesFileFaults, ADiskThatFillsUpKeepsTheOldNotesAndFreesTheSpace)
{
    CTestFolder folder;
    const std::string vietnam = folder.File("Vietnam");
    const std::string notes = vietnam + "/uNote.txt";
    CScratchMount mount = CScratchMount::Tmpfs(vietnam, "size=128k");
    SKIP_UNLESS_MOUNTED(mount);
    ASSERT_TRUE(WriteFile(notes, kOldNotes));
    // Fill the disk up to its last 16 KB.
    ASSERT_TRUE(WriteFile(vietnam + "/filler", std::string(128 * 1024 - 4096 - 16 * 1024, 'f')));

    MESSAGETEXT error;
    EXPECT_FALSE(CNotesFile::Save(notes, NotesOfAbout(64 * 1024), &error));
    EXPECT_TRUE(Contains(error.Text(), "cannot write " + vietnam + "/.uNote.txt.")) << error.Text();
    EXPECT_TRUE(Contains(error.Text(), "No space left on device")) << error.Text();
    EXPECT_TRUE(Contains(error.Text(), notes + " was left as it was")) << error.Text();
    EXPECT_EQ(ReadFile(notes), kOldNotes);
    EXPECT_EQ(Names(vietnam), (std::set<std::string>{"filler", "uNote.txt"}));

    // With the space given back, a save that fits goes through.
    const NOTESTEXT small = {{}, {{"24", "12", "Đêm Giáng Sinh"}}};
    EXPECT_TRUE(CNotesFile::Save(notes, small, &error)) << error.Text();
    EXPECT_EQ(ReadFile(notes), CNotesFile::Encode(small));
}

// The temporary file is written and flushed, and then the system refuses to
// rename it over the notes file (which is a mount point here): the notes
// file keeps its old contents and the temporary file goes.
TEST(NotesFileFaults, ARefusedRenameKeepsTheOldNotes)
{
    CTestFolder folder;
    const std::string notes = folder.File("uNote.txt");
    ASSERT_TRUE(WriteFile(notes, kOldNotes));
    CScratchMount mount = CScratchMount::BindOnItself(notes);
    SKIP_UNLESS_MOUNTED(mount);

    MESSAGETEXT error;
    EXPECT_FALSE(CNotesFile::Save(notes, OneNote("new"), &error));
    EXPECT_TRUE(Contains(error.Text(), "cannot replace " + notes + " by " + folder.File(".uNote.txt."))) << error.Text();
    EXPECT_TRUE(Contains(error.Text(), "Device or resource busy")) << error.Text();
    EXPECT_TRUE(Contains(error.Text(), notes + " was left as it was")) << error.Text();
    EXPECT_EQ(ReadFile(notes), kOldNotes);
    EXPECT_EQ(Names(folder.Path()), std::set<std::string>{"uNote.txt"});
}

#include "dialogs/NotesFile.h"

#include "base/Utf16.h"
#include "platform/SystemPaths.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace talvoren
{
namespace
{
// Splits a trimmed line at tabs into a row and appends it, unless the line is
// empty or a comment.
void KeepLine(const char16_t* text, std::size_t length, std::vector<NOTEROW>& rows)
{
    if (length == 0 || text[0] == u'#')
        return;
    NOTEROW row;
    std::string* cells[] = {&row.strDay, &row.strMonth, &row.strText};
    std::size_t field = 0;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= length && field < 3; ++i) {
        if (i == length || text[i] == u'\t') {
            *cells[field++] = Utf16ToUtf8(text + start, i - start);
            start = i + 1;
        }
    }
    rows.push_back(row);
}

std::string Reason(int error)
{
    return std::strerror(error);
}

// Writes all of `bytes` to `fd`, going on after partial writes and signals.
bool WriteAll(int fd, const std::string& bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (written == 0) {
            errno = ENOSPC;
            return false;
        }
        done += static_cast<std::size_t>(written);
    }
    return true;
}

// Flushes the folder of `path`, so that a rename in it survives a crash.
// Failure only weakens that guarantee; the save itself has been done.
void SyncFolderOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}
} // namespace

std::string CNotesFile::NotesPath(const std::string& programFolder)
{
    return JoinPath(JoinPath(programFolder, "Vietnam"), "uNote.txt");
}

std::string CNotesFile::TemporaryPath(const std::string& programFolder)
{
    return JoinPath(JoinPath(programFolder, "Vietnam"), "tNote.txt");
}

void CNotesFile::Decode(const char* data, std::size_t size, std::vector<NOTEROW>& rows)
{
    ForEachUtf16Line(data, size,
                     [&rows](const char16_t* text, std::size_t length) { KeepLine(text, length, rows); });
}

bool CNotesFile::Load(const std::string& path, std::vector<NOTEROW>& rows)
{
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
        return false;
    std::string bytes;
    char buffer[65536];
    bool ok = true;
    for (;;) {
        const std::size_t got = std::fread(buffer, 1, sizeof buffer, file);
        bytes.append(buffer, got);
        if (got < sizeof buffer) {
            ok = !std::ferror(file);
            break;
        }
    }
    std::fclose(file);
    if (!ok)
        bytes.resize(bytes.size() & ~std::size_t(1));   // what was read stays, in whole code units
    Decode(bytes.data(), bytes.size(), rows);
    return ok;
}

void CNotesFile::PadRows(std::vector<NOTEROW>& rows)
{
    while (rows.size() < kMinimumRows)
        rows.push_back(NOTEROW());
}

bool CNotesFile::CleanRow(const NOTEROW& row, NOTEROW* clean)
{
    NOTEROW result;
    const std::string* in[] = {&row.strDay, &row.strMonth, &row.strText};
    std::string* out[] = {&result.strDay, &result.strMonth, &result.strText};
    for (int i = 0; i < 3; ++i) {
        std::string cell = TrimWide(*in[i]);
        if (cell.empty())
            return false;
        for (char& ch : cell)
            if (ch == '\t' || ch == '\r' || ch == '\n')
                ch = ' ';
        *out[i] = cell;
    }
    if (clean)
        *clean = result;
    return true;
}

std::string CNotesFile::Encode(const std::vector<NOTEROW>& rows)
{
    std::string bytes;
    auto put = [&bytes](char16_t unit) {
        bytes += static_cast<char>(unit & 0xFF);
        bytes += static_cast<char>((unit >> 8) & 0xFF);
    };
    for (const NOTEROW& row : rows) {
        NOTEROW clean;
        if (!CleanRow(row, &clean))
            continue;
        const std::u16string line =
            Utf8ToUtf16(clean.strDay + "\t" + clean.strMonth + "\t" + clean.strText + "\r\n");
        // A file that began with U+FEFF would lose it: readers take it for a
        // byte-order mark. A mark in front keeps the day as it was typed.
        if (bytes.empty() && line[0] == 0xFEFF)
            put(0xFEFF);
        for (char16_t unit : line)
            put(unit);
    }
    return bytes;
}

bool CNotesFile::Save(const std::string& notesPath, const std::string& temporaryPath,
                      const std::vector<NOTEROW>& rows, std::string* error)
{
    const std::string image = Encode(rows);
    auto fail = [&](const std::string& what, int code) {
        if (error)
            *error = "The notes could not be saved: " + what + " (" + Reason(code) + ").\nThe notes file " +
                     notesPath + " was left as it was.";
        return false;
    };

    // A new notes file keeps the permissions of the one it replaces.
    mode_t mode = 0644;
    struct stat old;
    if (::stat(notesPath.c_str(), &old) == 0 && S_ISREG(old.st_mode))
        mode = old.st_mode & 07777;

    const int fd = ::open(temporaryPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, mode);
    if (fd < 0)
        return fail("cannot create " + temporaryPath, errno);
    auto discard = [&](const std::string& what) {
        const int code = errno;
        ::close(fd);
        ::unlink(temporaryPath.c_str());
        return fail(what, code);
    };
    if (!WriteAll(fd, image))
        return discard("cannot write " + temporaryPath);
    if (::fsync(fd) != 0)
        return discard("cannot flush " + temporaryPath + " to the disk");
    if (::close(fd) != 0) {
        const int code = errno;
        ::unlink(temporaryPath.c_str());
        return fail("cannot close " + temporaryPath, code);
    }
    if (::rename(temporaryPath.c_str(), notesPath.c_str()) != 0) {
        const int code = errno;
        ::unlink(temporaryPath.c_str());
        return fail("cannot replace " + notesPath + " by " + temporaryPath, code);
    }
    SyncFolderOf(notesPath);
    return true;
}

} // namespace talvoren

#pragma once
// Reader of the language data files (titles, feasts, lectionaries, day notes).
//
// Given: a file of UTF-16 little-endian code units.
// Returned: its kept lines, in order, as UTF-8. A line ends at a line feed,
// or at a carriage return, which also consumes the code unit after it; the end
// of the file ends the last line. Each line is trimmed of white space at both
// ends; empty lines and every line that contains "#" are not kept. A
// byte-order mark at the very start is skipped; an odd final byte is ignored.
// Notes: a file that cannot be opened is reported with "File %s not found!"
// (when asked) and yields no lines.

#include <cstddef>
#include <string>
#include <vector>

namespace talvoren
{
class CLanguageFile
{
public:
    // Reads the file at `path` into `lines` (emptied first). Returns false
    // when the file cannot be opened; then, if `reportMissing`, shows
    // "File %s not found!" with the path.
    static bool Read(const std::string& path, std::vector<std::string>& lines, bool reportMissing = true);

    // Decodes an in-memory file image into `lines` (emptied first).
    static void Decode(const char* data, std::size_t size, std::vector<std::string>& lines);

    // The file image of `lines`: UTF-16LE with CR LF line ends and no
    // byte-order mark, except when the first line itself begins with U+FEFF:
    // then a mark is put before it, so that reading skips the mark and keeps
    // the line whole. Decode(Encode(lines)) gives `lines` back for any kept
    // lines.
    static std::string Encode(const std::vector<std::string>& lines);

    // Writes Encode(lines) to `path`. Returns false on any failure.
    static bool Write(const std::string& path, const std::vector<std::string>& lines);
};

} // namespace talvoren

#pragma once
// Reader of the language data files (titles, feasts, lectionaries, day notes).
//
// Given: a file of UTF-16 little-endian code units.
// Returned: its kept lines, in order, as UTF-8. A line ends at a line feed,
// or at a carriage return, which also consumes the code unit after it; the end
// of the file ends the last line. Each line is trimmed of white space at both
// ends; empty lines and comment lines are not kept: in a language file every
// line that contains "#", in the user's notes only a line that begins with
// "#". A byte-order mark at the very start is skipped; an odd final byte is
// ignored.
// Notes: a missing file is reported with "File %s not found!" (when asked).
// A file that is no regular file (a folder, pipe or device), cannot be read
// or is over 16 MB, or is in UTF-8 or UTF-16 big-endian, is reported with
// the file and the reason (when asked) and yields no lines.

#include <cstddef>
#include <string>
#include <vector>

namespace talvoren
{
// Which lines are comments.
enum class CommentRule {
    AnyHash,       // language files: a line with "#" anywhere
    LeadingHash    // the user's notes: a line beginning with "#"; a "#" in a note is text
};

class CLanguageFile
{
public:
    // Reads the file at `path` into `lines` (emptied first). Returns false
    // when the file cannot be read; then, if `report`, shows "File %s not
    // found!" with the path for a missing file, or the reason for any other.
    static bool Read(const std::string& path, std::vector<std::string>& lines, bool report = true,
                     CommentRule comments = CommentRule::AnyHash);

    // Decodes an in-memory file image into `lines` (emptied first).
    static void Decode(const char* data, std::size_t size, std::vector<std::string>& lines,
                       CommentRule comments = CommentRule::AnyHash);

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

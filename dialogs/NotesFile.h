#pragma once
// The notes file "uNote.txt": the user's own notes, one per line, written
// only by the notes dialog and read by the year engine with the other
// day-note files. Each line is day, tab, month, tab, note text, CR LF, in
// UTF-16 little-endian code units without a byte-order mark.

#include <cstddef>
#include <string>
#include <vector>

namespace talvoren
{
// One row of the notes list, as the user typed it.
struct NOTEROW
{
    std::string strDay;
    std::string strMonth;
    std::string strText;
};

inline bool operator==(const NOTEROW& a, const NOTEROW& b)
{
    return a.strDay == b.strDay && a.strMonth == b.strMonth && a.strText == b.strText;
}

class CNotesFile
{
public:
    // The rows the notes dialog shows at least.
    static constexpr std::size_t kMinimumRows = 10;

    // The notes file that the dialog edits, "<program folder>/Vietnam/uNote.txt",
    // whatever the current language folder is, and its temporary "tNote.txt".
    static std::string NotesPath(const std::string& programFolder);
    static std::string TemporaryPath(const std::string& programFolder);

    // Given the bytes of a notes file; appends one row per usable line to
    // `rows`. A line ends at a line feed, or at a carriage return, which also
    // takes the code unit after it; each line is trimmed; empty lines and
    // lines beginning with "#" are skipped; the fields are split at tabs
    // (day, month, text; further fields are dropped, missing ones are empty).
    // A byte-order mark at the start is skipped; an odd last byte is ignored.
    static void Decode(const char* data, std::size_t size, std::vector<NOTEROW>& rows);

    // Reads the file at `path` and appends its rows (Decode). Returns false
    // when the file cannot be opened or read to its end; the rows read
    // before the failure stay.
    static bool Load(const std::string& path, std::vector<NOTEROW>& rows);

    // Appends empty rows until `rows` has at least kMinimumRows.
    static void PadRows(std::vector<NOTEROW>& rows);

    // The row as it is saved: each cell trimmed of white space at both ends,
    // then every tab, carriage return and line feed inside it replaced by a
    // blank, so that one row stays one line of three fields. Returns false
    // (the row is not saved) when a cell is empty after trimming.
    static bool CleanRow(const NOTEROW& row, NOTEROW* clean);

    // The file image of `rows`: one line per complete row (CleanRow), in
    // order, "day\tmonth\ttext\r\n" in UTF-16LE without a byte-order mark,
    // except when the first day begins with U+FEFF (a mark then keeps it).
    // Decode(Encode(rows)) gives the complete rows as CleanRow makes them.
    static std::string Encode(const std::vector<NOTEROW>& rows);

    // Replaces the notes file at `notesPath` by the rows, so that the notes
    // are never lost: the whole image is written to `temporaryPath`, flushed
    // to the disk and closed, and then renamed over the notes file in one
    // step. On any failure returns false with `*error` naming the file and
    // the reason; the notes file is then left as it was and the temporary
    // file is removed.
    static bool Save(const std::string& notesPath, const std::string& temporaryPath,
                     const std::vector<NOTEROW>& rows, std::string* error);
};

} // namespace talvoren

#pragma once
// The notes file "uNote.txt": the user's own notes, written only by the
// notes dialog and read by the year engine with the other day-note files
// (engine/DayNotes.h says how). The dialog shows each note's dated line as a
// row (day, month, text) and writes it back as day, tab, month, tab, text,
// CR LF, in UTF-16 little-endian code units without a byte-order mark.
//
// The file is read the way the calendar reads it, so that loading and then
// saving without edits leaves every note the calendar shows as it was: a
// line dated with blanks becomes a row as well, the text keeps whatever
// follows the month (tabs included), and the lines the dialog does not
// show as rows (continuation lines, comments, blank lines, lines before the
// first note) are kept as they were, after their row.

#include "base/MessageText.h"

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
    // The lines after the row's line up to the next note, as read: the
    // note's continuation lines, comments and blank lines. They go with the
    // row; a row that is deleted or emptied takes them along.
    std::vector<std::string> following{};
};

inline bool operator==(const NOTEROW& a, const NOTEROW& b)
{
    return a.strDay == b.strDay && a.strMonth == b.strMonth && a.strText == b.strText &&
           a.following == b.following;
}

// What a notes file holds.
struct NOTESTEXT
{
    std::vector<std::string> leading;   // lines before the first note, as read (no date: the calendar shows none)
    std::vector<NOTEROW> rows;
};

// How a notes file was loaded.
struct NOTESLOAD
{
    bool bLoaded = false;     // read, or there is no file yet (no notes)
    MESSAGETEXT error;        // why it could not be read, naming the file; empty when loaded
};

class CNotesFile
{
public:
    // The rows the notes dialog shows at least.
    static constexpr std::size_t kMinimumRows = 10;

    // The notes file that the dialog edits, "<data folder>/Vietnam/uNote.txt",
    // whatever the current language folder is: the data folder is the
    // user's (DATAFOLDERS::strUser), and the shipped one gives the notes
    // read while the user has none.
    static std::string NotesPath(const std::string& dataFolder);

    // Given the bytes of a notes file: its rows and kept lines. Lines end
    // and are trimmed as in every data file; a line that the calendar reads
    // as a dated line, or as one whose date does not exist, starts a row; a
    // line beginning with "#" is a comment. A byte-order mark at the start
    // is skipped; an odd last byte is ignored.
    static NOTESTEXT Decode(const char* data, std::size_t size);

    // Reads the file at `path` into `notes` (emptied first). A missing file
    // loads as no notes. A file that is no regular file, cannot be read, is
    // over 16 MB or is not UTF-16 little-endian (UTF-8, UTF-16BE, a lone
    // surrogate) is not loaded, and the error names the file and the reason.
    // A missing file at `path` with a `fallback` given reads the fallback
    // instead (the shipped notes while the user has none of his own).
    static NOTESLOAD Load(const std::string& path, NOTESTEXT& notes, const std::string& fallback = std::string());

    // Appends empty rows until `rows` has at least kMinimumRows.
    static void PadRows(std::vector<NOTEROW>& rows);

    // True when the day, month and text are all empty or white space: a row
    // that is not saved.
    static bool IsEmptyRow(const NOTEROW& row);

    // The row as it is saved: day and month trimmed of white space; in all
    // three cells every carriage return and line feed becomes a blank (and
    // every tab in the day and month), so that one row stays one line; the
    // text is trimmed at its end only, as the calendar reads it.
    static NOTEROW CleanRow(const NOTEROW& row);

    // Empty when every row can be saved; else the first problem, naming the
    // row (1 = first): a day or month missing, not a number, or a date that
    // does not exist in any year ("Row 3: month 2 has no day 31.").
    static MESSAGETEXT CheckRows(const std::vector<NOTEROW>& rows);

    // The file image: the leading lines, then each row that is not empty
    // (CleanRow) followed by its kept lines, each line ended by CR LF, in
    // UTF-16LE without a byte-order mark, except when the first line begins
    // with U+FEFF (a mark then keeps it). Decode(Encode(n)) gives n back
    // with its rows cleaned and empty ones left out, for rows CheckRows takes.
    static std::string Encode(const NOTESTEXT& notes);

    // Replaces the notes file at `notesPath` (through a symbolic link, with
    // its mode and group) by the notes, so that they are never lost: the
    // rows are checked first (CheckRows), the whole image is written to a
    // uniquely named temporary file beside it, flushed and renamed over the
    // notes file in one step (ReplaceFileContents); a missing folder of the
    // notes file is made first. On any failure returns
    // false with `*error` naming the problem; the notes file is then left as
    // it was.
    static bool Save(const std::string& notesPath, const NOTESTEXT& notes, MESSAGETEXT* error);
};

} // namespace talvoren

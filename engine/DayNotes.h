#pragma once
// Reading of the day-note files ("uLocal.txt", "uOrdo.txt", "uNote.txt").
// A kept line that starts with a digit and yields a valid date starts a new
// note: token 1 (up to the first blank or tab) is the day, token 2 (after
// more blanks or tabs) the month, and the rest of the line after the one
// blank or tab that ends token 2 is the note's first line. A line whose two
// tokens both start with digits but name no date (31 February, 31 April,
// day 35, month 13) starts no note: it is reported, and it and the lines
// that continue it are dropped. Any other line continues the current note
// after a "<br>". Lines before the first dated line belong to no date and
// are dropped.

#include <functional>
#include <string>
#include <vector>

namespace talvoren
{
struct YEARTABLE;

// One note with its date.
struct DAYNOTE
{
    int nMonth = 0;   // 1..12
    int nDay = 0;     // 1..31
    std::string strText;
};

// A line cut as a dated line is: the day token, the month token, and the
// rest after the one blank or tab that ends the month token. False when the
// line has no second token. No length limit applies.
struct NOTELINEPARTS
{
    std::string strDay;
    std::string strMonth;
    std::string strText;
};
bool SplitNoteLine(const std::string& line, NOTELINEPARTS& parts);

// What a kept line of a day-note file is.
enum class NoteLine { Continuation, Dated, ImpossibleDate };

// How the dates of a day-note file count: civil dates (a date that exists
// in a leap year: 1..29 February, 1..30 April), or lunar dates (day 1..30 of
// month 1..12; the lunar converter places day 30 of a short month).
enum class NoteDates { Civil, Lunar };

// Classifies a line; for a dated line fills `day`, `month` and `text`.
NoteLine ClassifyNoteLine(const std::string& line, int& day, int& month, std::string& text,
                          NoteDates dates = NoteDates::Civil);

// Parses a dated line. Returns true and fills `day`, `month` and `text` when
// the line starts a note with a valid date (ClassifyNoteLine gives Dated).
bool ParseDatedNoteLine(const std::string& line, int& day, int& month, std::string& text);

// How the lines of a day-note file are taken.
struct NOTEREADING
{
    // The user's notes are plain text: "&", "<" and ">" of each line are
    // escaped, so that they show as typed in the readings' HTML.
    bool bPlainText = false;
    NoteDates dates = NoteDates::Civil;
    // Told each line whose date does not exist (none when empty).
    std::function<void(const std::string& line)> impossible;
};

// Groups `lines` into notes and hands each finished note to `append` with its
// date, in file order. Empty notes are not handed on.
void CollectDayNotes(const std::vector<std::string>& lines,
                     const std::function<void(const std::string& note, int month, int day)>& append,
                     const NOTEREADING& reading = NOTEREADING());

// Appends each note to the readings of its date in `table`, in order, after
// a "<br>"; a note of 29 February of a common year goes to 1 March.
void ApplyDayNotes(YEARTABLE& table, const std::vector<DAYNOTE>& notes);
// Marks the days of `notes` in the table (bHasNote); a date outside the
// table's year marks nothing.
void MarkNotedDays(YEARTABLE& table, const std::vector<DAYNOTE>& notes);

} // namespace talvoren

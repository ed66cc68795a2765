#include "dialogs/NotesFile.h"

#include "base/CivilDate.h"
#include "base/ParseNumber.h"
#include "base/TextEncoding.h"
#include "base/Translatable.h"
#include "base/Utf16.h"
#include "engine/DayNotes.h"
#include "platform/FileReading.h"
#include "platform/FileReplacement.h"
#include "platform/SystemPaths.h"

namespace talvoren
{
namespace
{
constexpr int kLeapYear = 2000;   // dates of any year: 29 February is one

std::string BlankLineEnds(std::string cell, bool tabs)
{
    for (char& ch : cell)
        if (ch == '\r' || ch == '\n' || (tabs && ch == '\t'))
            ch = ' ';
    return cell;
}

// `text` without white space at its end.
std::string TrimEnd(const std::string& text)
{
    const std::string trimmed = TrimWide("x" + text);
    return trimmed.substr(1);
}

bool IsDigit(char ch)
{
    return ch >= '0' && ch <= '9';
}

// The problems of the notes, told in messages (base/MessageText.h).
const char kBothNeeded[] = TALVOREN_TRANSLATABLE("talvoren::Messages", "the day and the month are both needed.");
const char kDayNumber[] = TALVOREN_TRANSLATABLE("talvoren::Messages", "the day must be a number from 1 to 31.");
const char kMonthNumber[] = TALVOREN_TRANSLATABLE("talvoren::Messages", "the month must be a number from 1 to 12.");
const char kNoSuchMonth[] =
    TALVOREN_TRANSLATABLE("talvoren::Messages", "there is no month %1; the month must be a number from 1 to 12.");
const char kNoSuchDay[] =
    TALVOREN_TRANSLATABLE("talvoren::Messages", "there is no day %1; the day must be a number from 1 to 31.");
const char kNoDayInMonth[] = TALVOREN_TRANSLATABLE("talvoren::Messages", "month %1 has no day %2.");
const char kRowProblem[] = TALVOREN_TRANSLATABLE("talvoren::Messages", "Row %1: %2");
const char kCannotReadNotes[] = TALVOREN_TRANSLATABLE(
    "talvoren::Messages",
    "The notes file %1 cannot be read: %2.\nSo that its notes are not lost, it cannot be saved from this dialog.");
const char kCannotSaveNotes[] = TALVOREN_TRANSLATABLE(
    "talvoren::Messages", "The notes could not be saved: %1\nThe notes file %2 was left as it was.");

// The problem of one row that is not empty, or "".
MESSAGETEXT RowProblem(const NOTEROW& clean)
{
    if (clean.strDay.empty() || clean.strMonth.empty())
        return kBothNeeded;
    if (clean.strDay.find(' ') != std::string::npos || !IsDigit(clean.strDay[0]))
        return kDayNumber;
    if (clean.strMonth.find(' ') != std::string::npos || !IsDigit(clean.strMonth[0]))
        return kMonthNumber;
    const int day = LeadingNumber(clean.strDay);
    const int month = LeadingNumber(clean.strMonth);
    if (month < 1 || month > 12)
        return MESSAGETEXT(kNoSuchMonth, {std::to_string(month)});
    if (day < 1 || day > 31)
        return MESSAGETEXT(kNoSuchDay, {std::to_string(day)});
    if (!IsValidDate(kLeapYear, month, day))
        return MESSAGETEXT(kNoDayInMonth, {std::to_string(month), std::to_string(day)});
    return MESSAGETEXT();
}
} // namespace

std::string CNotesFile::NotesPath(const std::string& dataFolder)
{
    return JoinPath(JoinPath(dataFolder, "Vietnam"), "uNote.txt");
}

NOTESTEXT CNotesFile::Decode(const char* data, std::size_t size)
{
    NOTESTEXT notes;
    ForEachUtf16Line(data, size, [&notes](const char16_t* units, std::size_t length) {
        const std::string line = Utf16ToUtf8(units, length);
        int day = 0;
        int month = 0;
        std::string text;
        NOTELINEPARTS parts;
        const bool comment = !line.empty() && line[0] == '#';
        if (!comment && ClassifyNoteLine(line, day, month, text) != NoteLine::Continuation &&
            SplitNoteLine(line, parts)) {
            notes.rows.push_back(NOTEROW{parts.strDay, parts.strMonth, parts.strText});
            return;
        }
        (notes.rows.empty() ? notes.leading : notes.rows.back().following).push_back(line);
    });
    return notes;
}

NOTESLOAD CNotesFile::Load(const std::string& path, NOTESTEXT& notes, const std::string& fallback)
{
    notes = NOTESTEXT();
    NOTESLOAD result;
    const FILEREAD file = ReadRegularFile(path);
    if (file.bMissing && !fallback.empty())
        return Load(fallback, notes);
    if (file.bMissing) {
        result.bLoaded = true;
        return result;
    }
    std::string reason = file.strReason;
    if (file.bRead) {
        // An odd last byte carries no character: the calendar ignores it too.
        const std::size_t size = file.strBytes.size() & ~std::size_t(1);
        const TEXTENCODING encoding = GuessTextEncoding(file.strBytes.data(), size);
        std::string text;
        if (encoding.kind == TextKind::Utf8 || encoding.kind == TextKind::Utf16Be)
            reason = std::string("it is in ") + TextKindName(encoding.kind) + ", not in UTF-16 little-endian";
        else if (!DecodeText(file.strBytes.data(), size, {TextKind::Utf16Le, encoding.bByteOrderMark}, text))
            reason = "it is not valid UTF-16: it holds half of a character";
    }
    if (!reason.empty()) {
        result.error = MESSAGETEXT(kCannotReadNotes, {path, reason});
        return result;
    }
    notes = Decode(file.strBytes.data(), file.strBytes.size());
    result.bLoaded = true;
    return result;
}

void CNotesFile::PadRows(std::vector<NOTEROW>& rows)
{
    while (rows.size() < kMinimumRows)
        rows.push_back(NOTEROW());
}

bool CNotesFile::IsEmptyRow(const NOTEROW& row)
{
    return TrimWide(row.strDay).empty() && TrimWide(row.strMonth).empty() && TrimWide(row.strText).empty();
}

NOTEROW CNotesFile::CleanRow(const NOTEROW& row)
{
    NOTEROW clean;
    clean.strDay = BlankLineEnds(TrimWide(row.strDay), true);
    clean.strMonth = BlankLineEnds(TrimWide(row.strMonth), true);
    clean.strText = TrimEnd(BlankLineEnds(row.strText, false));
    clean.following = row.following;
    return clean;
}

MESSAGETEXT CNotesFile::CheckRows(const std::vector<NOTEROW>& rows)
{
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (IsEmptyRow(rows[i]))
            continue;
        MESSAGETEXT problem = RowProblem(CleanRow(rows[i]));
        if (!problem.Empty())
            return MESSAGETEXT(kRowProblem, {std::to_string(i + 1), std::move(problem)});
    }
    return MESSAGETEXT();
}

std::string CNotesFile::Encode(const NOTESTEXT& notes)
{
    std::u16string units;
    const auto put = [&units](const std::string& line) { units += Utf8ToUtf16(line) + u"\r\n"; };
    for (const std::string& line : notes.leading)
        put(line);
    for (const NOTEROW& row : notes.rows) {
        if (IsEmptyRow(row))
            continue;
        const NOTEROW clean = CleanRow(row);
        put(clean.strDay + "\t" + clean.strMonth + "\t" + clean.strText);
        for (const std::string& line : clean.following)
            put(line);
    }
    return Utf16LeFileImage(std::move(units));
}

bool CNotesFile::Save(const std::string& notesPath, const NOTESTEXT& notes, MESSAGETEXT* error)
{
    MESSAGETEXT problem = CheckRows(notes.rows);
    if (problem.Empty()) {
        std::string reason;
        // The user's own folder may not exist yet: the first notes make it.
        const std::size_t slash = notesPath.rfind('/');
        const std::string folder = slash == std::string::npos || slash == 0 ? "" : notesPath.substr(0, slash);
        if (!folder.empty() && !PathExists(folder) && !MakeFolders(folder, &reason)) {
            problem = reason;   // MakeFolders says why, ending in a full stop.
        } else if (ReplaceFileContents(notesPath, Encode(notes), reason)) {
            return true;
        } else {
            problem = reason + ".";
        }
    }
    if (error)
        *error = MESSAGETEXT(kCannotSaveNotes, {std::move(problem), notesPath});
    return false;
}

} // namespace talvoren

#include "dialogs/NotesFile.h"

#include "base/CivilDate.h"
#include "base/ParseNumber.h"
#include "base/TextEncoding.h"
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

// The problem of one row that is not empty, or "".
std::string RowProblem(const NOTEROW& clean)
{
    if (clean.strDay.empty() || clean.strMonth.empty())
        return "the day and the month are both needed.";
    if (clean.strDay.find(' ') != std::string::npos || !IsDigit(clean.strDay[0]))
        return "the day must be a number from 1 to 31.";
    if (clean.strMonth.find(' ') != std::string::npos || !IsDigit(clean.strMonth[0]))
        return "the month must be a number from 1 to 12.";
    const int day = LeadingNumber(clean.strDay);
    const int month = LeadingNumber(clean.strMonth);
    if (month < 1 || month > 12)
        return "there is no month " + std::to_string(month) + "; the month must be a number from 1 to 12.";
    if (day < 1 || day > 31)
        return "there is no day " + std::to_string(day) + "; the day must be a number from 1 to 31.";
    if (!IsValidDate(kLeapYear, month, day))
        return "month " + std::to_string(month) + " has no day " + std::to_string(day) + ".";
    return "";
}
} // namespace

std::string CNotesFile::NotesPath(const std::string& programFolder)
{
    return JoinPath(JoinPath(programFolder, "Vietnam"), "uNote.txt");
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

NOTESLOAD CNotesFile::Load(const std::string& path, NOTESTEXT& notes)
{
    notes = NOTESTEXT();
    NOTESLOAD result;
    const FILEREAD file = ReadRegularFile(path);
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
        result.strError = "The notes file " + path + " cannot be read: " + reason +
                          ".\nSo that its notes are not lost, it cannot be saved from this dialog.";
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

std::string CNotesFile::CheckRows(const std::vector<NOTEROW>& rows)
{
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (IsEmptyRow(rows[i]))
            continue;
        const std::string problem = RowProblem(CleanRow(rows[i]));
        if (!problem.empty())
            return "Row " + std::to_string(i + 1) + ": " + problem;
    }
    return "";
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

bool CNotesFile::Save(const std::string& notesPath, const NOTESTEXT& notes, std::string* error)
{
    std::string problem = CheckRows(notes.rows);
    if (problem.empty()) {
        if (ReplaceFileContents(notesPath, Encode(notes), problem))
            return true;
        problem += ".";
    }
    if (error)
        *error = "The notes could not be saved: " + problem + "\nThe notes file " + notesPath + " was left as it was.";
    return false;
}

} // namespace talvoren

#pragma once
// Reads the "Sentences" table of an existing scripture database exported as
// CSV by mdb-export (mdbtools): a header row of column names, fields
// separated by ",", texts in double quotes with a quote inside doubled,
// numbers bare, a null value as an empty unquoted field, rows ended by a line
// feed (a carriage return before it is dropped) and line breaks allowed
// inside quoted texts.

#include "tools/bibledb/BibleDbWriter.h"

#include <string>
#include <vector>

namespace talvoren
{
class CSentencesCsvReader
{
public:
    // Reads the whole file and its header. False, with `error` set, when the
    // file cannot be read (it is missing, a folder, a pipe or a device, or
    // over 256 MB: the error names it and the reason) or lacks one of the
    // columns Book, Chapter, Sentence, Type and Contents (names compared
    // without regard to case, in any order; other columns are ignored).
    // Without an ID column rows are numbered in file order.
    bool Open(const std::string& path, std::string& error);

    // The first line of the row that Next gave last.
    int RowLine() const { return m_nRowLine; }

    // What is out of range in a row, or "": a book outside 1..73, a verse
    // (Sentence) outside 0..200, a type outside 0..3, or one of them not a
    // whole number ("book 99 is outside 1..73").
    static std::string RangeProblem(const SENTENCEVALUES& row);

    // The next row, its values in the writer's column order. False at the
    // end of the file (error empty) or on a malformed row (error names its
    // first line: a wrong number of fields, a quote that is never closed).
    bool Next(SENTENCEVALUES& row, std::string& error);

private:
    // One record's fields (nullopt = empty unquoted field); false at the end.
    bool ReadRecord(std::vector<std::optional<std::string>>& fields, std::string& error);

    std::string m_strText;
    std::size_t m_nPos = 0;
    int m_nLine = 1;
    int m_nRowLine = 0;
    int m_nColumns = 0;
    int m_columnOf[6] = {-1, -1, -1, -1, -1, -1};   // field index of ID, Book, ... Contents
    long long m_nNextId = 1;
};

} // namespace talvoren

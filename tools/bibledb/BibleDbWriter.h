#pragma once
// Writes the scripture database: one table "Sentences" (ID in reading order,
// Book, Chapter, Sentence = verse number, Type, Contents) and an index on
// (Book, Chapter, Sentence). The file is written under a temporary name and
// put in place only when it is complete, so a failed build never leaves a
// half-written database where the program looks for it.

#include "base/SqliteDatabase.h"
#include "base/SqliteStatement.h"

#include <optional>
#include <string>

namespace talvoren
{

struct SENTENCEROW {
    long long nId;
    int nBook;
    int nChapter;
    int nSentence;
    int nType;               // 0 verse, 1 or 2 major heading, 3 minor heading
    std::string strContents; // HTML
};

// The six columns of a row as texts, in the column order above; an absent
// value is stored as null (the import of an existing database).
struct SENTENCEVALUES {
    std::optional<std::string> values[6];
};

class CBibleDbWriter
{
public:
    CBibleDbWriter() = default;
    ~CBibleDbWriter();   // an unfinished file is removed
    CBibleDbWriter(const CBibleDbWriter&) = delete;
    CBibleDbWriter& operator=(const CBibleDbWriter&) = delete;

    // Starts the database that Finish will put at `path`. False, with
    // `error` set, when the temporary file cannot be made.
    bool Create(const std::string& path, std::string& error);

    // Adds one row. False, with `error` set, when SQLite refuses it (for
    // example a second row with the same ID).
    bool AddRow(const SENTENCEROW& row, std::string& error);
    // Adds one row of texts; numbers in text form are stored as numbers
    // (the columns are INTEGER), other texts as they are.
    bool AddValues(const SENTENCEVALUES& row, std::string& error);

    // Builds the index, closes the file and moves it to its place.
    bool Finish(std::string& error);

    long long RowCount() const { return m_nRows; }

private:
    bool Fail(std::string& error, const std::string& what);
    void Abandon();

    CSqliteDatabase m_db;
    CSqliteStatement m_insert;   // declared after m_db: finalized before the close
    std::string m_strPath;
    std::string m_strTempPath;
    long long m_nRows = 0;
};

} // namespace talvoren

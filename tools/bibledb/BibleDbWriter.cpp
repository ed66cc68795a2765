#include "tools/bibledb/BibleDbWriter.h"

#include <cstdio>

namespace talvoren
{
namespace
{
const char kSchema[] =
    "PRAGMA journal_mode = OFF;"
    "PRAGMA synchronous = OFF;"
    "CREATE TABLE Sentences (ID INTEGER PRIMARY KEY, Book INTEGER, Chapter INTEGER, "
    "Sentence INTEGER, Type INTEGER, Contents TEXT);"
    "BEGIN;";
const char kInsert[] =
    "INSERT INTO Sentences (ID, Book, Chapter, Sentence, Type, Contents) VALUES (?, ?, ?, ?, ?, ?)";
const char kFinish[] =
    "COMMIT;"
    "CREATE INDEX SentencesByVerse ON Sentences (Book, Chapter, Sentence);"
    "ANALYZE;";
} // namespace

CBibleDbWriter::~CBibleDbWriter()
{
    Abandon();
}

void CBibleDbWriter::Abandon()
{
    m_insert.Finalize();
    m_db = CSqliteDatabase();
    // The half-written file goes; the file at the final path is untouched.
    if (!m_strTempPath.empty())
        std::remove(m_strTempPath.c_str());
    m_strTempPath.clear();
}

bool CBibleDbWriter::Fail(std::string& error, const std::string& what)
{
    error = what + (m_db.IsOpen() ? ": " + m_db.ErrorText() : std::string());
    return false;
}

bool CBibleDbWriter::Create(const std::string& path, std::string& error)
{
    Abandon();
    m_strPath = path;
    m_strTempPath = path + ".part";
    m_nRows = 0;
    std::remove(m_strTempPath.c_str());
    std::string reason;
    if (!m_db.Open(m_strTempPath, CSqliteDatabase::Mode::ReadWriteCreate, reason)) {
        error = "cannot create " + m_strTempPath + ": " + reason;
        Abandon();
        return false;
    }
    if (!m_db.Exec(kSchema, reason) || !m_insert.Prepare(m_db, kInsert, reason)) {
        error = "cannot write " + m_strTempPath + ": " + reason;
        Abandon();
        return false;
    }
    return true;
}

bool CBibleDbWriter::AddRow(const SENTENCEROW& row, std::string& error)
{
    if (!m_insert.IsPrepared())
        return Fail(error, "the database is not open");
    m_insert.Reset();
    m_insert.BindInt(1, row.nId);
    m_insert.BindInt(2, row.nBook);
    m_insert.BindInt(3, row.nChapter);
    m_insert.BindInt(4, row.nSentence);
    m_insert.BindInt(5, row.nType);
    m_insert.BindText(6, row.strContents);
    if (m_insert.Next() != CSqliteStatement::Step::Done)
        return Fail(error, "row " + std::to_string(row.nId) + " refused");
    ++m_nRows;
    return true;
}

bool CBibleDbWriter::AddValues(const SENTENCEVALUES& row, std::string& error)
{
    if (!m_insert.IsPrepared())
        return Fail(error, "the database is not open");
    m_insert.Reset();
    for (int i = 0; i < 6; ++i) {
        if (row.values[i])
            m_insert.BindText(i + 1, *row.values[i]);
        else
            m_insert.BindNull(i + 1);
    }
    if (m_insert.Next() != CSqliteStatement::Step::Done)
        return Fail(error, "row refused");
    ++m_nRows;
    return true;
}

bool CBibleDbWriter::Finish(std::string& error)
{
    if (!m_db.IsOpen())
        return Fail(error, "the database is not open");
    m_insert.Finalize();
    std::string reason;
    if (!m_db.Exec(kFinish, reason)) {
        error = "cannot finish " + m_strTempPath + ": " + reason;
        Abandon();
        return false;
    }
    if (!m_db.Close(reason)) {
        error = "cannot close " + m_strTempPath + ": " + reason;
        Abandon();
        return false;
    }
    if (std::rename(m_strTempPath.c_str(), m_strPath.c_str()) != 0) {
        error = "cannot move " + m_strTempPath + " to " + m_strPath;
        Abandon();
        return false;
    }
    m_strTempPath.clear();
    return true;
}

} // namespace talvoren

#include "tools/bibledb/BibleDbWriter.h"

#include <sqlite3.h>

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
    if (m_pInsert)
        sqlite3_finalize(m_pInsert);
    m_pInsert = nullptr;
    if (m_pDb)
        sqlite3_close_v2(m_pDb);
    m_pDb = nullptr;
    // The half-written file goes; the file at the final path is untouched.
    if (!m_strTempPath.empty())
        std::remove(m_strTempPath.c_str());
    m_strTempPath.clear();
}

bool CBibleDbWriter::Fail(std::string& error, const std::string& what)
{
    error = what + (m_pDb ? std::string(": ") + sqlite3_errmsg(m_pDb) : std::string());
    return false;
}

bool CBibleDbWriter::Create(const std::string& path, std::string& error)
{
    Abandon();
    m_strPath = path;
    m_strTempPath = path + ".part";
    m_nRows = 0;
    std::remove(m_strTempPath.c_str());
    if (sqlite3_open_v2(m_strTempPath.c_str(), &m_pDb, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) !=
        SQLITE_OK) {
        Fail(error, "cannot create " + m_strTempPath);
        Abandon();
        return false;
    }
    if (sqlite3_exec(m_pDb, kSchema, nullptr, nullptr, nullptr) != SQLITE_OK ||
        sqlite3_prepare_v2(m_pDb, kInsert, -1, &m_pInsert, nullptr) != SQLITE_OK) {
        Fail(error, "cannot write " + m_strTempPath);
        Abandon();
        return false;
    }
    return true;
}

bool CBibleDbWriter::AddRow(const SENTENCEROW& row, std::string& error)
{
    if (!m_pInsert)
        return Fail(error, "the database is not open");
    sqlite3_reset(m_pInsert);
    sqlite3_bind_int64(m_pInsert, 1, row.nId);
    sqlite3_bind_int(m_pInsert, 2, row.nBook);
    sqlite3_bind_int(m_pInsert, 3, row.nChapter);
    sqlite3_bind_int(m_pInsert, 4, row.nSentence);
    sqlite3_bind_int(m_pInsert, 5, row.nType);
    sqlite3_bind_text(m_pInsert, 6, row.strContents.data(), static_cast<int>(row.strContents.size()),
                      SQLITE_STATIC);
    if (sqlite3_step(m_pInsert) != SQLITE_DONE)
        return Fail(error, "row " + std::to_string(row.nId) + " refused");
    ++m_nRows;
    return true;
}

bool CBibleDbWriter::AddValues(const SENTENCEVALUES& row, std::string& error)
{
    if (!m_pInsert)
        return Fail(error, "the database is not open");
    sqlite3_reset(m_pInsert);
    for (int i = 0; i < 6; ++i) {
        if (row.values[i])
            sqlite3_bind_text(m_pInsert, i + 1, row.values[i]->data(), static_cast<int>(row.values[i]->size()),
                              SQLITE_STATIC);
        else
            sqlite3_bind_null(m_pInsert, i + 1);
    }
    if (sqlite3_step(m_pInsert) != SQLITE_DONE)
        return Fail(error, "row refused");
    ++m_nRows;
    return true;
}

bool CBibleDbWriter::Finish(std::string& error)
{
    if (!m_pDb)
        return Fail(error, "the database is not open");
    sqlite3_finalize(m_pInsert);
    m_pInsert = nullptr;
    if (sqlite3_exec(m_pDb, kFinish, nullptr, nullptr, nullptr) != SQLITE_OK) {
        Fail(error, "cannot finish " + m_strTempPath);
        Abandon();
        return false;
    }
    if (sqlite3_close(m_pDb) != SQLITE_OK) {
        Fail(error, "cannot close " + m_strTempPath);
        Abandon();
        return false;
    }
    m_pDb = nullptr;
    if (std::rename(m_strTempPath.c_str(), m_strPath.c_str()) != 0) {
        error = "cannot move " + m_strTempPath + " to " + m_strPath;
        Abandon();
        return false;
    }
    m_strTempPath.clear();
    return true;
}

} // namespace talvoren

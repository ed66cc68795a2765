#pragma once
// The connection to the scripture database and the record set of its last
// query: exactly what the scripture passage page needs. The database is an
// SQLite file, opened read-only, named by a connection text of the form
// "Data Source=<path>" (other keys, such as Provider, are ignored).
//
// Failures are told through the message sink (platform/MessageSink.h): the
// database's own error text for database errors (after the file's path when
// the file cannot be opened), "Unknown error on connecting to datasource."
// for any other failure. Callers get a success flag.

#include "base/SqliteDatabase.h"
#include "base/SqliteStatement.h"

#include <string>

namespace talvoren
{

class CScriptureDb
{
public:
    CScriptureDb() = default;
    ~CScriptureDb();
    CScriptureDb(const CScriptureDb&) = delete;
    CScriptureDb& operator=(const CScriptureDb&) = delete;

    // Given a connection text naming the file as "Data Source=<path>", and a
    // user name and password (unused by this engine): closes what is open,
    // then opens the file read-only and reads its schema. Returns false after
    // showing the error text when the file is missing or is not a database,
    // when it is no regular file (a folder, a pipe, a device: "Cannot read
    // <path>: <reason>.", before SQLite opens it),
    // when it has no table Sentences with the columns ID, Book, Chapter,
    // Sentence, Type and Contents (an empty file), or when the connection
    // text names no data source.
    bool Open(const std::string& connection, const std::string& user, const std::string& password);

    // As Open, for the file `path` given as it is, apart from any connection
    // text (a path may hold ";", quotes or blanks at either end). The
    // messages of a failed open begin with the path.
    bool OpenFile(const std::string& path);

    // Drops the record set and closes the connection. True when nothing was
    // open; false (with the error text shown) when the close fails.
    bool Close();

    // Runs `sql` and positions its record set on the first row. False,
    // without any message, when there is no connection, the query is
    // invalid, a row cannot be read, or the result has no rows.
    bool Execute(const std::string& sql);

    // True when the record set is past its last row, or there is none. A
    // row that could not be read (see MoveNext) also ends the record set.
    bool IsEOF() const;

    // Moves to the next row. When the database fails to give the next row,
    // its error text is shown, the record set ends (IsEOF becomes true) and
    // false is returned; the program goes on.
    bool MoveNext();

    // Column `index` (0 = first column of the query) of the current row as
    // text: null gives "", numbers their decimal digits. On failure (no
    // current row, no such column) the text is emptied, the error text
    // shown and false returned.
    bool GetFieldText(short index, std::string& text);

    // As GetFieldText, read as a signed decimal number the way database
    // fields are read (ReadSignedNumber: "12a" gives 12, "" gives 0). On
    // failure `value` is 0 and false is returned.
    bool GetFieldInt(short index, int& value);

    // As GetFieldText into the string that a page builds its HTML in, but a
    // null value cannot be converted and fails: the error text is shown,
    // false is returned and `text` keeps its previous content.
    bool GetFieldWide(short index, std::string& text);

    // True while a connection is held.
    bool IsOpen() const { return m_db.IsOpen(); }

    // The connection text that names the database file `path`:
    // "Data Source=<path>", the path in double quotes (a double quote of it
    // written twice) when it holds a ";", a quote or blanks at either end.
    static std::string ConnectionText(const std::string& path);

private:
    // The value of `key` (compared without regard to case) in a connection
    // text of "key=value" pairs separated by ";"; false when it is absent. A
    // value in quotes (" or ') may hold ";" and its quote written twice.
    static bool FindConnectionValue(const std::string& connection, const std::string& key,
                                    std::string& value);
    void DropRecordset();
    // Checks that a current row and column `index` exist; shows the error
    // text and returns false otherwise.
    bool CheckColumn(short index);

    CSqliteDatabase m_db;
    CSqliteStatement m_recordset;   // declared after m_db: finalized before the close
    bool m_bEOF = true;
};

} // namespace talvoren

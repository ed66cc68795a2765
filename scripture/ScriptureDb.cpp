#include "scripture/ScriptureDb.h"

#include "base/ParseNumber.h"
#include "platform/FileReading.h"
#include "base/Translatable.h"
#include "platform/MessageSink.h"

#include <cctype>
#include <utility>

namespace talvoren
{
namespace
{
const char kUnknownError[] =
    TALVOREN_TRANSLATABLE("talvoren::Messages", "Unknown error on connecting to datasource.");
const char kNoDataSource[] =
    TALVOREN_TRANSLATABLE("talvoren::Messages", "The connection text names no Data Source.");
const char kNoCurrentRow[] = TALVOREN_TRANSLATABLE("talvoren::Messages", "There is no current row.");
const char kNoSuchColumn[] =
    TALVOREN_TRANSLATABLE("talvoren::Messages", "The column index is outside the columns of the query.");
const char kNullValue[] = TALVOREN_TRANSLATABLE("talvoren::Messages", "Type mismatch: the column value is null.");
// SQLite's words for a database file that is not there.
const char kMissingDatabase[] = TALVOREN_TRANSLATABLE("talvoren::Messages", "%1: unable to open database file");
// The columns that the passage queries read.
const char kSentencesProbe[] = "SELECT ID, Book, Chapter, Sentence, Type, Contents FROM Sentences LIMIT 0";

std::string Trim(const std::string& text)
{
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && std::isspace(static_cast<unsigned char>(text[first])))
        ++first;
    while (last > first && std::isspace(static_cast<unsigned char>(text[last - 1])))
        --last;
    return text.substr(first, last - first);
}

bool EqualNoCase(const std::string& a, const std::string& b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

} // namespace

CScriptureDb::~CScriptureDb()
{
    Close();   // what Close cannot release, the members release
}

bool CScriptureDb::FindConnectionValue(const std::string& connection, const std::string& key,
                                       std::string& value)
{
    std::size_t pos = 0;
    while (pos <= connection.size()) {
        // One "key=value" pair; a value may be quoted with " or ' to hold ";".
        const std::size_t equals = connection.find('=', pos);
        if (equals == std::string::npos)
            return false;
        const std::string name = Trim(connection.substr(pos, equals - pos));
        std::size_t valueStart = equals + 1;
        while (valueStart < connection.size() && connection[valueStart] == ' ')
            ++valueStart;
        std::string found;
        std::size_t next;
        if (valueStart < connection.size() && (connection[valueStart] == '"' || connection[valueStart] == '\'')) {
            // A quote of the same kind inside the value is written twice.
            const char quote = connection[valueStart];
            std::size_t end = valueStart + 1;
            for (; end < connection.size(); ++end) {
                if (connection[end] != quote) {
                    found += connection[end];
                } else if (end + 1 < connection.size() && connection[end + 1] == quote) {
                    found += quote;
                    ++end;
                } else {
                    break;
                }
            }
            next = connection.find(';', end);
        } else {
            next = connection.find(';', valueStart);
            found = Trim(connection.substr(valueStart, (next == std::string::npos ? connection.size() : next) - valueStart));
        }
        if (EqualNoCase(name, key)) {
            value = found;
            return true;
        }
        if (next == std::string::npos)
            return false;
        pos = next + 1;
    }
    return false;
}

std::string CScriptureDb::ConnectionText(const std::string& path)
{
    const bool quote = path.find_first_of(";\"'") != std::string::npos ||
                       (!path.empty() && (std::isspace(static_cast<unsigned char>(path.front())) ||
                                          std::isspace(static_cast<unsigned char>(path.back()))));
    if (!quote)
        return "Data Source=" + path;
    // In double quotes, each double quote of the path written twice.
    std::string quoted = "\"";
    for (const char ch : path) {
        quoted += ch;
        if (ch == '"')
            quoted += '"';
    }
    return "Data Source=" + quoted + "\"";
}

bool CScriptureDb::Open(const std::string& connection, const std::string&, const std::string&)
{
    std::string path;
    if (!FindConnectionValue(connection, "Data Source", path) || path.empty()) {
        if (!Close())
            return false;
        ShowMessage(kNoDataSource);
        return false;
    }
    return OpenFile(path);
}

bool CScriptureDb::OpenFile(const std::string& path)
{
    if (!Close())
        return false;
    try {
        // A pipe or a device would hold SQLite's open or read forever, and
        // a folder gives only "disk I/O error": they are refused first.
        const FILEREAD file = ProbeRegularFile(path);
        if (!file.bRead && !file.bMissing) {
            ShowMessage(CannotReadMessage(path, file.strReason));
            return false;
        }
        if (file.bMissing) {
            ShowMessage(MESSAGETEXT(kMissingDatabase, {path}));
            return false;
        }
        CSqliteDatabase db;
        std::string error;
        if (!db.Open(path, CSqliteDatabase::Mode::ReadOnly, error) ||
            // SQLite reads the file lazily: reading the schema now tells a
            // file that is not a database at once, as the connection is made.
            !db.Exec("SELECT count(*) FROM sqlite_master", error)) {
            ShowMessage(path + ": " + error);
            return false;
        }
        // A database without the table of verses and its columns (an empty
        // file is an empty database to SQLite) would only make every passage
        // query fail later without a word: it is refused here, with
        // SQLite's text ("no such table: Sentences").
        CSqliteStatement probe;
        if (!probe.Prepare(db, kSentencesProbe, error)) {
            ShowMessage(path + ": " + error);
            return false;
        }
        probe.Finalize();
        m_db = std::move(db);
        return true;
    } catch (...) {
        ShowMessage(kUnknownError);
        return false;
    }
}

void CScriptureDb::DropRecordset()
{
    m_recordset.Finalize();
    m_bEOF = true;
}

bool CScriptureDb::Close()
{
    DropRecordset();
    std::string error;
    if (!m_db.Close(error)) {
        ShowMessage(error);
        return false;
    }
    return true;
}

bool CScriptureDb::Execute(const std::string& sql)
{
    // The new record set replaces the old one even when the query fails.
    DropRecordset();
    std::string error;
    if (!m_recordset.Prepare(m_db, sql, error))
        return false;
    if (m_recordset.Next() != CSqliteStatement::Step::Row) {
        // No rows, or the first row could not be read.
        m_recordset.Finalize();
        return false;
    }
    m_bEOF = false;
    return true;
}

bool CScriptureDb::IsEOF() const
{
    return m_bEOF;
}

bool CScriptureDb::MoveNext()
{
    if (m_bEOF)
        return false;
    const CSqliteStatement::Step step = m_recordset.Next();
    if (step == CSqliteStatement::Step::Row)
        return true;
    m_bEOF = true;
    if (step == CSqliteStatement::Step::Done)
        return true;
    ShowMessage(m_db.ErrorText());
    return false;
}

bool CScriptureDb::CheckColumn(short index)
{
    if (m_bEOF) {
        ShowMessage(kNoCurrentRow);
        return false;
    }
    if (index < 0 || index >= m_recordset.ColumnCount()) {
        ShowMessage(kNoSuchColumn);
        return false;
    }
    return true;
}

bool CScriptureDb::GetFieldText(short index, std::string& text)
{
    try {
        text.clear();
        if (!CheckColumn(index))
            return false;
        if (!m_recordset.IsNull(index))
            text = m_recordset.ColumnText(index);
        return true;
    } catch (...) {
        text.clear();
        ShowMessage(kUnknownError);
        return false;
    }
}

bool CScriptureDb::GetFieldInt(short index, int& value)
{
    std::string text;
    if (!GetFieldText(index, text)) {
        value = 0;
        return false;
    }
    value = ReadSignedNumber(text);
    return true;
}

bool CScriptureDb::GetFieldWide(short index, std::string& text)
{
    try {
        if (!CheckColumn(index))
            return false;
        if (m_recordset.IsNull(index)) {
            ShowMessage(kNullValue);
            return false;
        }
        text = m_recordset.ColumnText(index);
        return true;
    } catch (...) {
        ShowMessage(kUnknownError);
        return false;
    }
}

} // namespace talvoren

#include "scripture/ScriptureDb.h"

#include "base/ParseNumber.h"
#include "platform/MessageSink.h"

#include <sqlite3.h>

#include <cctype>

namespace talvoren
{
namespace
{
const char kUnknownError[] = "Unknown error on connecting to datasource.";
const char kNoDataSource[] = "The connection text names no Data Source.";
const char kNoCurrentRow[] = "There is no current row.";
const char kNoSuchColumn[] = "The column index is outside the columns of the query.";
const char kNullValue[] = "Type mismatch: the column value is null.";
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

// The text of a non-null column value.
std::string ColumnText(sqlite3_stmt* statement, int index)
{
    const auto* bytes = reinterpret_cast<const char*>(sqlite3_column_text(statement, index));
    const int size = sqlite3_column_bytes(statement, index);
    return bytes ? std::string(bytes, static_cast<std::size_t>(size)) : std::string();
}
} // namespace

CScriptureDb::CScriptureDb() : m_pConnection(nullptr), m_pRecordset(nullptr), m_bEOF(true) {}

CScriptureDb::~CScriptureDb()
{
    Close();
    // Whatever Close could not release is released here.
    DropRecordset();
    if (m_pConnection) {
        sqlite3_close_v2(m_pConnection);
        m_pConnection = nullptr;
    }
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
            const char quote = connection[valueStart];
            const std::size_t close = connection.find(quote, valueStart + 1);
            const std::size_t end = close == std::string::npos ? connection.size() : close;
            found = connection.substr(valueStart + 1, end - valueStart - 1);
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
    // A path holding a double quote is quoted with single quotes.
    if (!quote)
        return "Data Source=" + path;
    const char mark = path.find('"') == std::string::npos ? '"' : '\'';
    return "Data Source=" + std::string(1, mark) + path + std::string(1, mark);
}

bool CScriptureDb::Open(const std::string& connection, const std::string&, const std::string&)
{
    if (!Close())
        return false;
    try {
        std::string path;
        if (!FindConnectionValue(connection, "Data Source", path) || path.empty()) {
            ShowMessage(kNoDataSource);
            return false;
        }
        sqlite3* handle = nullptr;
        const int opened = sqlite3_open_v2(path.c_str(), &handle, SQLITE_OPEN_READONLY, nullptr);
        if (opened != SQLITE_OK) {
            const std::string text = handle ? sqlite3_errmsg(handle) : sqlite3_errstr(opened);
            sqlite3_close_v2(handle);
            ShowMessage(text);
            return false;
        }
        // SQLite reads the file lazily: reading the schema now tells a file
        // that is not a database at once, as the connection is made.
        char* error = nullptr;
        if (sqlite3_exec(handle, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, &error) != SQLITE_OK) {
            const std::string text = error ? error : sqlite3_errmsg(handle);
            sqlite3_free(error);
            sqlite3_close_v2(handle);
            ShowMessage(text);
            return false;
        }
        // A database without the table of verses and its columns (an empty
        // file is an empty database to SQLite) would only make every passage
        // query fail later without a word: it is refused here, with
        // SQLite's text ("no such table: Sentences").
        sqlite3_stmt* probe = nullptr;
        if (sqlite3_prepare_v2(handle, kSentencesProbe, -1, &probe, nullptr) != SQLITE_OK) {
            const std::string text = sqlite3_errmsg(handle);
            sqlite3_finalize(probe);
            sqlite3_close_v2(handle);
            ShowMessage(text);
            return false;
        }
        sqlite3_finalize(probe);
        m_pConnection = handle;
        return true;
    } catch (...) {
        ShowMessage(kUnknownError);
        return false;
    }
}

void CScriptureDb::DropRecordset()
{
    if (m_pRecordset) {
        sqlite3_finalize(m_pRecordset);
        m_pRecordset = nullptr;
    }
    m_bEOF = true;
}

bool CScriptureDb::Close()
{
    if (!m_pConnection)
        return true;
    DropRecordset();
    if (sqlite3_close(m_pConnection) != SQLITE_OK) {
        ShowMessage(sqlite3_errmsg(m_pConnection));
        return false;
    }
    m_pConnection = nullptr;
    return true;
}

bool CScriptureDb::Execute(const std::string& sql)
{
    // The new record set replaces the old one even when the query fails.
    DropRecordset();
    if (!m_pConnection)
        return false;
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(m_pConnection, sql.c_str(), static_cast<int>(sql.size()), &statement, nullptr) !=
            SQLITE_OK ||
        !statement) {
        sqlite3_finalize(statement);
        return false;
    }
    if (sqlite3_step(statement) != SQLITE_ROW) {
        // No rows, or the first row could not be read.
        sqlite3_finalize(statement);
        return false;
    }
    m_pRecordset = statement;
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
    const int stepped = sqlite3_step(m_pRecordset);
    if (stepped == SQLITE_ROW)
        return true;
    m_bEOF = true;
    if (stepped == SQLITE_DONE)
        return true;
    ShowMessage(sqlite3_errmsg(m_pConnection));
    return false;
}

bool CScriptureDb::CheckColumn(short index)
{
    if (m_bEOF) {
        ShowMessage(kNoCurrentRow);
        return false;
    }
    if (index < 0 || index >= sqlite3_column_count(m_pRecordset)) {
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
        if (sqlite3_column_type(m_pRecordset, index) != SQLITE_NULL)
            text = ColumnText(m_pRecordset, index);
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
        if (sqlite3_column_type(m_pRecordset, index) == SQLITE_NULL) {
            ShowMessage(kNullValue);
            return false;
        }
        text = ColumnText(m_pRecordset, index);
        return true;
    } catch (...) {
        ShowMessage(kUnknownError);
        return false;
    }
}

} // namespace talvoren

#include "base/SqliteStatement.h"

#include "base/SqliteDatabase.h"

#include <sqlite3.h>

#include <utility>

namespace talvoren
{
CSqliteStatement::~CSqliteStatement()
{
    sqlite3_finalize(m_pStatement);   // null is a harmless no-op
}

CSqliteStatement::CSqliteStatement(CSqliteStatement&& other) noexcept
    : m_pStatement(std::exchange(other.m_pStatement, nullptr))
{
}

CSqliteStatement& CSqliteStatement::operator=(CSqliteStatement&& other) noexcept
{
    if (this != &other) {
        sqlite3_finalize(m_pStatement);
        m_pStatement = std::exchange(other.m_pStatement, nullptr);
    }
    return *this;
}

bool CSqliteStatement::Prepare(const CSqliteDatabase& database, const std::string& sql, std::string& error)
{
    Finalize();
    if (!database.IsOpen()) {
        error = "the database is not open";
        return false;
    }
    sqlite3_stmt* statement = nullptr;
    const int prepared = sqlite3_prepare_v2(database.Handle(), sql.c_str(), static_cast<int>(sql.size()), &statement,
                                            nullptr);
    if (prepared != SQLITE_OK) {
        error = sqlite3_errmsg(database.Handle());
        sqlite3_finalize(statement);
        return false;
    }
    if (!statement) {   // a text of white space or comments only
        error = "the text holds no statement";
        return false;
    }
    m_pStatement = statement;
    return true;
}

void CSqliteStatement::Finalize()
{
    sqlite3_finalize(m_pStatement);
    m_pStatement = nullptr;
}

CSqliteStatement::Step CSqliteStatement::Next()
{
    if (!m_pStatement)
        return Step::Failed;
    switch (sqlite3_step(m_pStatement)) {
    case SQLITE_ROW:
        return Step::Row;
    case SQLITE_DONE:
        return Step::Done;
    default:
        return Step::Failed;
    }
}

void CSqliteStatement::Reset()
{
    sqlite3_reset(m_pStatement);
}

void CSqliteStatement::BindInt(int index, long long value)
{
    sqlite3_bind_int64(m_pStatement, index, value);
}

void CSqliteStatement::BindText(int index, const std::string& text)
{
    sqlite3_bind_text(m_pStatement, index, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
}

void CSqliteStatement::BindNull(int index)
{
    sqlite3_bind_null(m_pStatement, index);
}

int CSqliteStatement::ColumnCount() const
{
    return m_pStatement ? sqlite3_column_count(m_pStatement) : 0;
}

bool CSqliteStatement::IsNull(int index) const
{
    return sqlite3_column_type(m_pStatement, index) == SQLITE_NULL;
}

std::string CSqliteStatement::ColumnText(int index) const
{
    const auto* bytes = reinterpret_cast<const char*>(sqlite3_column_text(m_pStatement, index));
    const int size = sqlite3_column_bytes(m_pStatement, index);
    return bytes ? std::string(bytes, static_cast<std::size_t>(size)) : std::string();
}

} // namespace talvoren

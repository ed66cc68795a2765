#include "base/SqliteDatabase.h"

#include <sqlite3.h>

#include <utility>

namespace talvoren
{
CSqliteDatabase::~CSqliteDatabase()
{
    sqlite3_close_v2(m_pHandle);   // null is a harmless no-op
}

CSqliteDatabase::CSqliteDatabase(CSqliteDatabase&& other) noexcept : m_pHandle(std::exchange(other.m_pHandle, nullptr))
{
}

CSqliteDatabase& CSqliteDatabase::operator=(CSqliteDatabase&& other) noexcept
{
    if (this != &other) {
        sqlite3_close_v2(m_pHandle);
        m_pHandle = std::exchange(other.m_pHandle, nullptr);
    }
    return *this;
}

bool CSqliteDatabase::Open(const std::string& path, Mode mode, std::string& error)
{
    sqlite3_close_v2(m_pHandle);
    m_pHandle = nullptr;
    const int flags = mode == Mode::ReadOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE;
    sqlite3* handle = nullptr;
    const int opened = sqlite3_open_v2(path.c_str(), &handle, flags, nullptr);
    if (opened != SQLITE_OK) {
        error = handle ? sqlite3_errmsg(handle) : sqlite3_errstr(opened);
        sqlite3_close_v2(handle);
        return false;
    }
    m_pHandle = handle;
    return true;
}

bool CSqliteDatabase::Exec(const std::string& sql, std::string& error)
{
    if (!m_pHandle) {
        error = "the database is not open";
        return false;
    }
    char* message = nullptr;
    if (sqlite3_exec(m_pHandle, sql.c_str(), nullptr, nullptr, &message) != SQLITE_OK) {
        error = message ? message : sqlite3_errmsg(m_pHandle);
        sqlite3_free(message);
        return false;
    }
    return true;
}

bool CSqliteDatabase::Close(std::string& error)
{
    if (!m_pHandle)
        return true;
    if (sqlite3_close(m_pHandle) != SQLITE_OK) {
        error = sqlite3_errmsg(m_pHandle);
        return false;
    }
    m_pHandle = nullptr;
    return true;
}

std::string CSqliteDatabase::ErrorText() const
{
    return m_pHandle ? sqlite3_errmsg(m_pHandle) : "the database is not open";
}

} // namespace talvoren

#pragma once
// An SQLite connection that closes itself: the one place where the program
// opens and closes SQLite files (the scripture database, its builder and the
// tests' fixtures). Failures come back as false with SQLite's own text.

#include <string>

struct sqlite3;

namespace talvoren
{
class CSqliteDatabase
{
public:
    enum class Mode { ReadOnly, ReadWriteCreate };

    CSqliteDatabase() = default;
    ~CSqliteDatabase();   // closes whatever is open, whatever it holds
    CSqliteDatabase(CSqliteDatabase&& other) noexcept;
    CSqliteDatabase& operator=(CSqliteDatabase&& other) noexcept;
    CSqliteDatabase(const CSqliteDatabase&) = delete;
    CSqliteDatabase& operator=(const CSqliteDatabase&) = delete;

    // Opens the file at `path` (closing what was open). The path goes to
    // SQLite as it is, never inside a text that is parsed. False with
    // SQLite's text in `error` when the file cannot be opened.
    bool Open(const std::string& path, Mode mode, std::string& error);

    // Runs one or more statements that return no rows. False with the text.
    bool Exec(const std::string& sql, std::string& error);

    // Closes the connection. False, with the text, when SQLite refuses
    // (statements still open); the connection then stays open.
    bool Close(std::string& error);

    bool IsOpen() const { return m_pHandle != nullptr; }
    // The text of the connection's last failure.
    std::string ErrorText() const;
    sqlite3* Handle() const { return m_pHandle; }

private:
    sqlite3* m_pHandle = nullptr;
};

} // namespace talvoren

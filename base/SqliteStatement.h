#pragma once
// A prepared SQLite statement that finalizes itself, with the few bindings
// and column reads the program uses.

#include <string>

struct sqlite3_stmt;

namespace talvoren
{
class CSqliteDatabase;

class CSqliteStatement
{
public:
    enum class Step { Row, Done, Failed };

    CSqliteStatement() = default;
    ~CSqliteStatement();
    CSqliteStatement(CSqliteStatement&& other) noexcept;
    CSqliteStatement& operator=(CSqliteStatement&& other) noexcept;
    CSqliteStatement(const CSqliteStatement&) = delete;
    CSqliteStatement& operator=(const CSqliteStatement&) = delete;

    // Prepares `sql` (the first statement of it) on `database`, dropping
    // what was prepared before. False with SQLite's text in `error`.
    bool Prepare(const CSqliteDatabase& database, const std::string& sql, std::string& error);
    // Finalizes the statement now.
    void Finalize();
    bool IsPrepared() const { return m_pStatement != nullptr; }

    Step Next();
    // Ready to run again with new bindings.
    void Reset();

    // Parameters are numbered from 1; texts are copied.
    void BindInt(int index, long long value);
    void BindText(int index, const std::string& text);
    void BindNull(int index);

    // Columns are numbered from 0, of the current row.
    int ColumnCount() const;
    bool IsNull(int index) const;
    // The column as text: numbers as their decimal digits, null as "".
    std::string ColumnText(int index) const;

private:
    sqlite3_stmt* m_pStatement = nullptr;
};

} // namespace talvoren

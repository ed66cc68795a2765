#include "tests/scripture/ScriptureFixture.h"

#include "base/SqliteDatabase.h"
#include "base/SqliteStatement.h"

#include <stdexcept>

namespace talvoren
{
namespace
{
CSqliteDatabase OpenFixture(const std::string& path)
{
    CSqliteDatabase db;
    std::string error;
    if (!db.Open(path, CSqliteDatabase::Mode::ReadWriteCreate, error))
        throw std::runtime_error("cannot open fixture " + path + ": " + error);
    return db;
}

void Run(CSqliteDatabase& db, const std::string& sql)
{
    std::string error;
    if (!db.Exec(sql, error))
        throw std::runtime_error("fixture SQL failed: " + error + " in " + sql);
}
} // namespace

void CreateSentencesDb(const std::string& path, const std::vector<FIXTUREROW>& rows)
{
    CSqliteDatabase db = OpenFixture(path);
    Run(db, "CREATE TABLE Sentences (ID INTEGER PRIMARY KEY, Book INTEGER, Chapter INTEGER, "
            "Sentence INTEGER, Type INTEGER, Contents TEXT)");
    CSqliteStatement insert;
    std::string error;
    if (!insert.Prepare(db, "INSERT INTO Sentences VALUES (?, ?, ?, ?, ?, ?)", error))
        throw std::runtime_error("cannot prepare the fixture insert: " + error);
    Run(db, "BEGIN");
    for (const FIXTUREROW& row : rows) {
        insert.Reset();
        insert.BindInt(1, row.nId);
        insert.BindInt(2, row.nBook);
        insert.BindInt(3, row.nChapter);
        insert.BindInt(4, row.nSentence);
        insert.BindInt(5, row.nType);
        if (row.pszContents)
            insert.BindText(6, row.pszContents);
        else
            insert.BindNull(6);
        if (insert.Next() != CSqliteStatement::Step::Done)
            throw std::runtime_error("cannot insert a fixture row");
    }
    insert.Finalize();
    Run(db, "COMMIT");
}

void RunSql(const std::string& path, const std::string& sql)
{
    CSqliteDatabase db = OpenFixture(path);
    Run(db, sql);
}

std::vector<FIXTUREROW> PassageRows()
{
    return {
        // Isaiah 7:10-15 (the chapter's verse 9 stays out of every query below).
        {100, 29, 7, 9, 0, "If you will not believe, surely you shall not be established."},
        {101, 29, 7, 10, 0, "Yahweh spoke again to Ahaz, saying,"},
        {102, 29, 7, 11, 0, "<span class=\"l1\">Ask a sign of Yahweh your God.</span>"},
        {103, 29, 7, 12, 0, "But Ahaz said, I won't ask."},
        {104, 29, 7, 13, 3, "The sign of Immanuel"},
        {105, 29, 7, 13, 0, "He said, Listen now, house of David."},
        {106, 29, 7, 14, 0, "Behold, the virgin will conceive."},
        {107, 29, 7, 15, 0, "He shall eat butter and honey."},
        // Isaiah 8:1-4, with a major heading before verse 1.
        {110, 29, 8, 1, 2, "The Son of Isaiah"},
        {111, 29, 8, 1, 0, "Yahweh said to me, Take a large tablet."},
        {112, 29, 8, 2, 0, "I will take for myself faithful witnesses."},
        {113, 29, 8, 3, 0, "I went to the prophetess."},
        {114, 29, 8, 4, 0, "For before the child knows how to say."},
        // Psalm 23 with its title as a minor heading and a book title.
        {200, 23, 23, 1, 1, "The Psalms"},
        {201, 23, 23, 1, 3, "A Psalm by David."},
        {202, 23, 23, 1, 0, "Yahweh is my shepherd."},
        {203, 23, 23, 2, 0, "He makes me lie down in green pastures."},
        // The same chapter and verse in four books whose short names the
        // scan must tell apart.
        {300, 26, 9, 9, 0, "Song of Songs nine nine."},
        {301, 45, 9, 9, 0, "Rejoice greatly, daughter of Zion!"},
        {302, 72, 1, 3, 0, "Contend earnestly for the faith."},
        {303, 18, 8, 1, 0, "In those days Judith heard."},
        // 1 Samuel 3.
        {400, 9, 3, 3, 0, "Samuel was lying down."},
        {401, 9, 3, 4, 0, "Yahweh called Samuel."},
        {402, 9, 3, 10, 0, "Speak; for your servant hears."},
        {403, 9, 3, 19, 0, "Samuel grew."},
    };
}

} // namespace talvoren

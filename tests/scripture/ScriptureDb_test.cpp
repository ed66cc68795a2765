// The scripture database connection: results, messages and every failure.

#include "platform/SettingsKey.h"
#include "scripture/BibleDatabasePath.h"
#include "scripture/ScriptureDb.h"
#include "tests/scripture/ScriptureFixture.h"
#include "tests/support/RecordingMessageSink.h"
#include "tests/support/ScopedConfigFolder.h"
#include "tests/support/TestFolder.h"

#include <gtest/gtest.h>

#include <string>
#include <sys/stat.h>
#include <vector>

using namespace talvoren;

namespace
{
const char kUnknownError[] = "Unknown error on connecting to datasource.";

class ScriptureDbTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_path = m_folder.File("Bible.db");
        CreateSentencesDb(m_path, PassageRows());
    }

    std::string Connection(const std::string& path) const
    {
        return "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + path;
    }

    CTestFolder m_folder;
    std::string m_path;
    CRecordingMessageSink m_messages;
};

// Collects column `index` of every row as text.
std::vector<std::string> Column(CScriptureDb& db, short index)
{
    std::vector<std::string> values;
    for (; !db.IsEOF(); db.MoveNext()) {
        std::string text;
        EXPECT_TRUE(db.GetFieldText(index, text));
        values.push_back(text);
    }
    return values;
}
} // namespace

TEST_F(ScriptureDbTest, OpensTheFileNamedByDataSourceAndReadsRowsInOrder)
{
    CScriptureDb db;
    ASSERT_TRUE(db.Open(Connection(m_path), "", ""));
    EXPECT_TRUE(db.IsOpen());
    ASSERT_TRUE(db.Execute("Select Type, Sentence, Contents From Sentences Where Book = 29 AND Chapter = 7 AND "
                           "( (Sentence >= 12 AND Sentence <= 14) ) ORDER BY ID"));
    EXPECT_EQ(Column(db, 1), (std::vector<std::string>{"12", "13", "13", "14"}));
    EXPECT_TRUE(db.IsEOF());
    EXPECT_TRUE(m_messages.Messages().empty());
}

TEST_F(ScriptureDbTest, ConnectionTextKeysAreFoundWithoutRegardToCaseAndOthersIgnored)
{
    const std::vector<std::string> connections = {
        "Data Source=" + m_path,
        "data source=" + m_path + ";Persist Security Info=False",
        "Provider=X; DATA SOURCE = " + m_path + " ;Mode=Share Deny None",
        "Data Source=\"" + m_path + "\";Provider=Y",
        CScriptureDb::ConnectionText(m_path),
    };
    for (const std::string& connection : connections) {
        CScriptureDb db;
        EXPECT_TRUE(db.Open(connection, "Admin", "secret")) << connection;
    }
    EXPECT_TRUE(m_messages.Messages().empty());
}

// Program folders whose names hold what a connection text uses: the path
// given apart (as the program opens Bible.db) and the connection text of
// ConnectionText both reach the file.
TEST_F(ScriptureDbTest, BibleDbOpensFromAFolderOfAnyName)
{
    EXPECT_EQ(CScriptureDb::ConnectionText("/opt/x/Bible.db"), "Data Source=/opt/x/Bible.db");
    for (const char* name : {"a;b", "it's", "say \"hi\"", " leading blank", "trailing blank ", "a;'b\"c d",
                             "\"\"", "Data Source=x;"}) {
        const std::string path = m_folder.File(std::string(name) + "/Bible.db");
        m_folder.WriteBytes(std::string(name) + "/placeholder", "");
        CreateSentencesDb(path, PassageRows());
        CScriptureDb apart;
        EXPECT_TRUE(apart.OpenFile(path)) << name;
        EXPECT_TRUE(apart.Execute("Select Contents From Sentences Where Book = 45")) << name;
        CScriptureDb quoted;
        EXPECT_TRUE(quoted.Open(CScriptureDb::ConnectionText(path), "", "")) << CScriptureDb::ConnectionText(path);
    }
    EXPECT_TRUE(m_messages.Messages().empty());
}

TEST_F(ScriptureDbTest, OpenFailuresShowOneMessageAndLeaveTheObjectClosed)
{
    m_folder.WriteBytes("notadb.db", std::string(4096, 'x'));
    m_folder.WriteBytes("folder/placeholder", "");
    ASSERT_EQ(::mkfifo(m_folder.File("pipe").c_str(), 0644), 0);   // without a writer: SQLite's open would wait
    struct CASE {
        std::string connection;
        std::string message;
    };
    const std::vector<CASE> cases = {
        {"Data Source=" + m_folder.File("missing.db"), m_folder.File("missing.db") + ": unable to open database file"},
        {"Data Source=" + m_folder.File("notadb.db"), m_folder.File("notadb.db") + ": file is not a database"},
        {"Data Source=" + m_folder.File("folder"), "Cannot read " + m_folder.File("folder") + ": it is a folder, not a file."},
        {"Data Source=" + m_folder.File("pipe"), "Cannot read " + m_folder.File("pipe") + ": it is a named pipe, not a file."},
        {"Provider=Microsoft.Jet.OLEDB.4.0", "The connection text names no Data Source."},
        {"Data Source=", "The connection text names no Data Source."},
        {"", "The connection text names no Data Source."},
    };
    for (const CASE& test : cases) {
        m_messages.Clear();
        CScriptureDb db;
        EXPECT_FALSE(db.Open(test.connection, "", "")) << test.connection;
        EXPECT_FALSE(db.IsOpen());
        EXPECT_EQ(m_messages.Messages(), std::vector<std::string>{test.message}) << test.connection;
        EXPECT_EQ(m_messages.Icons(), std::vector<MessageIcon>{MessageIcon::None});
        // A closed object answers queries with FALSE and no message.
        m_messages.Clear();
        EXPECT_FALSE(db.Execute("Select 1"));
        EXPECT_TRUE(db.IsEOF());
        EXPECT_TRUE(m_messages.Messages().empty());
    }
}

// An empty Bible.db (SQLite takes a file of no bytes for an empty database),
// a database of other tables, one whose Sentences lacks a column the
// passage queries read, and a file cut short: each is refused at Open with
// one message, so that the program runs on without passages instead of
// failing silently at every passage.
TEST_F(ScriptureDbTest, ADatabaseWithoutTheVersesIsRefusedWithOneMessage)
{
    m_folder.WriteBytes("empty.db", "");
    RunSql(m_folder.File("other.db"), "CREATE TABLE Verses (ID INTEGER, Contents TEXT)");
    RunSql(m_folder.File("notype.db"),
           "CREATE TABLE Sentences (ID INTEGER PRIMARY KEY, Book INTEGER, Chapter INTEGER, "
           "Sentence INTEGER, Contents TEXT)");
    const std::string whole = m_folder.ReadBytes("Bible.db");
    ASSERT_GT(whole.size(), 1000u);
    m_folder.WriteBytes("cut.db", whole.substr(0, 1000));   // inside the schema page
    struct CASE {
        const char* pszFile;
        const char* pszMessage;   // nullptr: any one message
    };
    const CASE cases[] = {
        {"empty.db", "no such table: Sentences"},
        {"other.db", "no such table: Sentences"},
        {"notype.db", "no such column: Type"},
        {"cut.db", nullptr},
    };
    for (const CASE& test : cases) {
        m_messages.Clear();
        CScriptureDb db;
        EXPECT_FALSE(db.Open(Connection(m_folder.File(test.pszFile)), "", "")) << test.pszFile;
        EXPECT_FALSE(db.IsOpen()) << test.pszFile;
        ASSERT_EQ(m_messages.Messages().size(), 1u) << test.pszFile;
        // The message names the file.
        const std::string named = m_folder.File(test.pszFile) + ": ";
        EXPECT_EQ(m_messages.Messages()[0].compare(0, named.size(), named), 0) << m_messages.Messages()[0];
        if (test.pszMessage) {
            EXPECT_EQ(m_messages.Messages()[0].substr(named.size()), test.pszMessage);
        }
        EXPECT_FALSE(db.Execute("Select Contents From Sentences Where Book = 29"));
        EXPECT_EQ(m_messages.Messages().size(), 1u) << test.pszFile;
    }
    // The test file itself still opens.
    m_messages.Clear();
    CScriptureDb db;
    EXPECT_TRUE(db.Open(Connection(m_path), "", ""));
    EXPECT_TRUE(m_messages.Messages().empty());
}

TEST_F(ScriptureDbTest, QueriesThatFailOrGiveNoRowReturnFalseSilently)
{
    CScriptureDb db;
    ASSERT_TRUE(db.Open(Connection(m_path), "", ""));
    const std::vector<std::string> queries = {
        // No verse matches.
        "Select Type, Sentence, Contents From Sentences Where Book = 29 AND Chapter = 7 AND ( (Sentence = 99 ) ) "
        "ORDER BY ID",
        // An empty verse number: invalid SQL.
        "Select Type, Sentence, Contents From Sentences Where Book = 29 AND Chapter = 7 AND ( (Sentence =  ) ) "
        "ORDER BY ID",
        "Select Nothing From Nowhere",
        "",
        // The file is open read-only: writing fails and changes nothing.
        "DELETE FROM Sentences",
        "INSERT INTO Sentences (Book) VALUES (1)",
    };
    for (const std::string& query : queries) {
        EXPECT_FALSE(db.Execute(query)) << query;
        EXPECT_TRUE(db.IsEOF()) << query;
    }
    EXPECT_TRUE(m_messages.Messages().empty());
    ASSERT_TRUE(db.Execute("Select count(*) From Sentences"));
    int count = 0;
    EXPECT_TRUE(db.GetFieldInt(0, count));
    EXPECT_EQ(count, static_cast<int>(PassageRows().size()));
}

TEST_F(ScriptureDbTest, ColumnsReadAsTextAndAsNumbers)
{
    RunSql(m_path, "INSERT INTO Sentences VALUES (900, 1, 1, NULL, NULL, NULL);"
                   "INSERT INTO Sentences VALUES (901, 1, 2, '12a', ' -7 x', 'text');"
                   "INSERT INTO Sentences VALUES (902, 1, 3, 2.5, 'abc', '');");
    CScriptureDb db;
    ASSERT_TRUE(db.Open(Connection(m_path), "", ""));
    struct CASE {
        int chapter;
        std::string sentenceText;
        int sentence;
        std::string typeText;
        int type;
    };
    const std::vector<CASE> cases = {
        {1, "", 0, "", 0},            // null reads as empty text and as 0, with TRUE
        {2, "12a", 12, " -7 x", -7},  // reading stops at the first non-digit
        {3, "2.5", 2, "abc", 0},      // a number as its decimal text; no number gives 0
    };
    for (const CASE& test : cases) {
        ASSERT_TRUE(db.Execute("Select Sentence, Type, Contents, ID From Sentences Where Book = 1 AND Chapter = " +
                               std::to_string(test.chapter)));
        std::string text = "old";
        int value = 99;
        EXPECT_TRUE(db.GetFieldText(0, text));
        EXPECT_EQ(text, test.sentenceText);
        EXPECT_TRUE(db.GetFieldInt(0, value));
        EXPECT_EQ(value, test.sentence);
        EXPECT_TRUE(db.GetFieldText(1, text));
        EXPECT_EQ(text, test.typeText);
        EXPECT_TRUE(db.GetFieldInt(1, value));
        EXPECT_EQ(value, test.type);
        EXPECT_TRUE(db.GetFieldText(3, text));
        EXPECT_EQ(text, std::to_string(900 + test.chapter - 1));
    }
    EXPECT_TRUE(m_messages.Messages().empty());
}

TEST_F(ScriptureDbTest, NullReadAsTheSharedStringFailsAndKeepsItsContent)
{
    RunSql(m_path, "INSERT INTO Sentences VALUES (900, 1, 1, 1, 0, NULL);"
                   "INSERT INTO Sentences VALUES (901, 1, 1, 2, 0, 'second');");
    CScriptureDb db;
    ASSERT_TRUE(db.Open(Connection(m_path), "", ""));
    ASSERT_TRUE(db.Execute("Select Contents, Sentence From Sentences Where Book = 1 ORDER BY ID"));
    std::string html = "<b>kept</b>";
    EXPECT_FALSE(db.GetFieldWide(0, html));
    EXPECT_EQ(html, "<b>kept</b>");
    EXPECT_EQ(m_messages.Messages().size(), 1u);
    // A number is converted to text.
    EXPECT_TRUE(db.GetFieldWide(1, html));
    EXPECT_EQ(html, "1");
    ASSERT_TRUE(db.MoveNext());
    EXPECT_TRUE(db.GetFieldWide(0, html));
    EXPECT_EQ(html, "second");
    EXPECT_EQ(m_messages.Messages().size(), 1u);
}

TEST_F(ScriptureDbTest, ColumnReadsWithoutAColumnOrARowFailWithAMessage)
{
    CScriptureDb db;
    ASSERT_TRUE(db.Open(Connection(m_path), "", ""));
    ASSERT_TRUE(db.Execute("Select Type, Sentence From Sentences Where Book = 45"));
    std::string text = "old";
    int value = 5;
    EXPECT_FALSE(db.GetFieldText(2, text));   // the query has two columns
    EXPECT_EQ(text, "");
    EXPECT_FALSE(db.GetFieldInt(-1, value));
    EXPECT_EQ(value, 0);
    EXPECT_EQ(m_messages.Messages().size(), 2u);

    ASSERT_TRUE(db.MoveNext());   // past the only row
    EXPECT_TRUE(db.IsEOF());
    EXPECT_FALSE(db.MoveNext());
    text = "old";
    EXPECT_FALSE(db.GetFieldText(0, text));
    EXPECT_EQ(text, "");
    std::string html = "kept";
    EXPECT_FALSE(db.GetFieldWide(0, html));
    EXPECT_EQ(html, "kept");
    EXPECT_EQ(m_messages.Messages().size(), 4u);
    for (const std::string& message : m_messages.Messages())
        EXPECT_NE(message, kUnknownError);
}

TEST_F(ScriptureDbTest, ARowThatCannotBeReadEndsTheRecordSet)
{
    CScriptureDb db;
    ASSERT_TRUE(db.Open(Connection(m_path), "", ""));
    // The second row overflows while it is computed.
    ASSERT_TRUE(db.Execute("Select CASE WHEN Sentence = 10 THEN abs(-9223372036854775807 - 1) ELSE Sentence END "
                           "From Sentences Where Book = 29 AND Chapter = 7 ORDER BY ID"));
    int verse = 0;
    EXPECT_TRUE(db.GetFieldInt(0, verse));
    EXPECT_EQ(verse, 9);
    EXPECT_FALSE(db.MoveNext());
    EXPECT_TRUE(db.IsEOF());
    EXPECT_EQ(m_messages.Messages(), std::vector<std::string>{"integer overflow"});
    // The connection still works.
    EXPECT_TRUE(db.Execute("Select Contents From Sentences Where Book = 72"));
}

TEST_F(ScriptureDbTest, EachExecuteReplacesTheRecordSet)
{
    CScriptureDb db;
    ASSERT_TRUE(db.Open(Connection(m_path), "", ""));
    ASSERT_TRUE(db.Execute("Select Sentence From Sentences Where Book = 9 ORDER BY ID"));
    ASSERT_TRUE(db.Execute("Select Sentence From Sentences Where Book = 23 AND Type = 0 ORDER BY ID"));
    EXPECT_EQ(Column(db, 0), (std::vector<std::string>{"1", "2"}));
    ASSERT_TRUE(db.Execute("Select Sentence From Sentences Where Book = 9 ORDER BY ID"));
    EXPECT_FALSE(db.Execute("Select Sentence From Sentences Where Book = 99"));
    EXPECT_TRUE(db.IsEOF());   // the failed query left no record set behind
}

TEST_F(ScriptureDbTest, CloseTwiceAndOpenTwice)
{
    const std::string second = m_folder.File("Second.db");
    CreateSentencesDb(second, {{1, 45, 9, 9, 0, "from the second file"}});

    CScriptureDb db;
    EXPECT_TRUE(db.Close());   // nothing open
    ASSERT_TRUE(db.Open(Connection(m_path), "", ""));
    ASSERT_TRUE(db.Execute("Select Contents From Sentences Where Book = 45"));
    // Opening again closes the first connection, record set included.
    ASSERT_TRUE(db.Open(Connection(second), "", ""));
    EXPECT_TRUE(db.IsEOF());
    ASSERT_TRUE(db.Execute("Select Contents From Sentences Where Book = 45"));
    EXPECT_EQ(Column(db, 0), std::vector<std::string>{"from the second file"});
    // A failed open leaves the object closed.
    EXPECT_FALSE(db.Open(Connection(m_folder.File("missing.db")), "", ""));
    EXPECT_FALSE(db.IsOpen());
    EXPECT_FALSE(db.Execute("Select Contents From Sentences"));

    EXPECT_TRUE(db.Close());
    EXPECT_TRUE(db.Close());
    EXPECT_EQ(m_messages.Messages().size(), 1u);   // the missing file only
}

// The setting BibleDatabase points the program at another scripture
// database; without it (or with an empty text) Bible.db of the program folder.
TEST(BibleDatabasePath, TheSettingNamesAnotherFile)
{
    CTestFolder folder;
    CScopedConfigFolder config(folder.Path());
    CSettingsKey::SetDefaultKeyPath("SOFTWARE\\Sorvane Network\\Talvoren\\2.0");
    const struct {
        const char* setting;   // null: no value stored
        std::string path;
    } cases[] = {
        {nullptr, "/opt/talvoren/Bible.db"},
        {"", "/opt/talvoren/Bible.db"},
        {"/home/me/Bible-vi.db", "/home/me/Bible-vi.db"},
        {"vi/Bible.db", "/opt/talvoren/vi/Bible.db"},
    };
    for (const auto& test : cases) {
        if (test.setting) {
            CSettingsKey key;
            ASSERT_EQ(key.Open(SettingsRoot::LocalMachine), CSettingsKey::kSuccess);
            ASSERT_EQ(key.WriteString(kBibleDatabaseValue, test.setting), CSettingsKey::kSuccess);
            key.Close();
        }
        EXPECT_EQ(BibleDatabasePath("/opt/talvoren"), test.path) << (test.setting ? test.setting : "(none)");
    }
}

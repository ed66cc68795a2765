// Converting an mdb-export CSV of an old scripture database into Bible.db.

#include "pages/ScripturePage.h"
#include "scripture/ScriptureDb.h"
#include "tests/support/RecordingMessageSink.h"
#include "tests/support/TestFolder.h"
#include "tools/bibledb/BibleDbWriter.h"
#include "tools/bibledb/SentencesCsvReader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace talvoren;

namespace
{
// Reads `csv` into a new database at `output`; returns the error ("" on success).
std::string Convert(const CTestFolder& folder, const std::string& csv, const std::string& output)
{
    folder.WriteBytes("Sentences.csv", csv);
    CBibleDbWriter writer;
    CSentencesCsvReader reader;
    std::string error;
    if (!writer.Create(output, error) || !reader.Open(folder.File("Sentences.csv"), error))
        return error;
    SENTENCEVALUES row;
    while (reader.Next(row, error))
        if (!writer.AddValues(row, error))
            return error;
    if (!error.empty())
        return error;
    return writer.Finish(error) ? "" : error;
}
} // namespace

TEST(SentencesCsv, AnExportBecomesADatabaseThatThePageReads)
{
    // As mdb-export writes it: texts quoted with inner quotes doubled and
    // line breaks kept, numbers bare, a null as nothing between commas.
    const std::string csv = "ID,Book,Chapter,Sentence,Type,Contents\n"
                            "1,29,7,10,0,\"Yahweh spoke again to Ahaz, saying,\"\n"
                            "2,29,7,11,0,\"\"\"Ask a sign,\"\" he said.<br>\"\n"
                            "3,29,7,12,3,\"A heading\nover two lines\"\n"
                            "4,29,7,13,0,\n"
                            "5,29,7,14,0,\"\"\n";
    CTestFolder folder;
    CRecordingMessageSink messages;
    ASSERT_EQ(Convert(folder, csv, folder.File("Bible.db")), "");
    CScriptureDb db;
    ASSERT_TRUE(db.Open("Data Source=" + folder.File("Bible.db"), "", ""));
    const PASSAGEPAGE page = ShowReadingsPage("Is 7:10-14", db, true, "/opt/t");
    EXPECT_EQ(page.strHtml, "<H2><b>Is  7:10-14</b></H2>"
                            "<sub>10</sub> Yahweh spoke again to Ahaz, saying,"
                            "<sub>11</sub> \"Ask a sign,\" he said.<br><br>"
                            "<br><h3>A heading\nover two lines</h3>"
                            "<sub>13</sub> "
                            "<sub>14</sub> ");
    // Row 4's text is null: its message is the only one.
    EXPECT_EQ(messages.Messages().size(), 1u);
}

TEST(SentencesCsv, ColumnsInAnyOrderWithoutIdAndWithWindowsLineEnds)
{
    const std::string csv = "\xEF\xBB\xBF" "contents,SENTENCE,Note,type,book,Chapter\r\n"
                            "\"Second in the file\",2,\"x\",0,45,9\r\n"
                            "\"First in the file\",9,\"y\",0,45,9\r\n"
                            "\r\n";
    CTestFolder folder;
    ASSERT_EQ(Convert(folder, csv, folder.File("Bible.db")), "");
    CScriptureDb db;
    ASSERT_TRUE(db.Open("Data Source=" + folder.File("Bible.db"), "", ""));
    // Rows keep the file's order as their reading order.
    EXPECT_EQ(ShowReadingsPage("Dcr 9:1-9", db, true, "/").strHtml,
              "<H2><b>Dcr  9:1-9</b></H2><sub>2</sub> Second in the file<sub>9</sub> First in the file");
}

TEST(SentencesCsv, MalformedExportsAreRefusedAndTheOldDatabaseKept)
{
    const std::string header = "ID,Book,Chapter,Sentence,Type,Contents\n";
    struct CASE {
        std::string csv;
        std::string error;   // a part of the error text
    };
    const std::vector<CASE> cases = {
        {"ID,Book,Chapter,Sentence,Type\n1,1,1,1,0\n", "no column Contents"},
        {"", "is empty"},
        {header + "1,1,1,1,0,\"fine\"\n2,1,1,2,0,\"never closed\n3,1,1,3,0,\"x\"\n", "line 3"},
        {header + "1,1,1,1,0,\"fine\"\n2,1,1,2,0\n", "line 3: 5 fields"},
        {header + "1,1,1,1,0,\"a\"\"b\"c\n", "line 2"},
        {header + "1,1,1,1,0,\"a\"\n1,1,1,2,0,\"same ID\"\n", "refused"},
    };
    for (const CASE& test : cases) {
        CTestFolder folder;
        folder.WriteBytes("Bible.db", "the old database");
        const std::string error = Convert(folder, test.csv, folder.File("Bible.db"));
        EXPECT_NE(error.find(test.error), std::string::npos) << test.csv << " gave: " << error;
        EXPECT_EQ(folder.ReadBytes("Bible.db"), "the old database") << test.csv;
    }
}

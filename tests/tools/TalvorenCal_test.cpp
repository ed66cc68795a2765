// talvoren-cal run as a user runs it: arguments, exit status, output.

#include "tests/engine/EngineTestData.h"
#include "tests/scripture/ScriptureFixture.h"
#include "tests/support/CommandRun.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <utility>

using namespace talvoren;

namespace
{
COMMANDRESULT RunCal(const std::string& arguments)
{
    return RunCommand(std::string(TALVOREN_CAL) + " " + arguments);
}

std::vector<std::vector<std::string>> Rows(const std::string& tsv) { return TsvRows(tsv); }
} // namespace

TEST(TalvorenCal, BadArgumentsExitWithStatus2AndUsage)
{
    CEngineTestData data;
    const std::string folder = "--data " + data.Folder().Path() + " ";
    for (const char* arguments : {"", "1582", "10000", "20x2", "2002 13", "2002 0", "2002 1 2",
                                  "--order xx 2002", "--format xml 2002", "--epiphany 2 2002", "--bogus 2002",
                                  "--data", "--data '' 2002", "--passages 'Is 7:10' --db ''",
                                  "--page wall 2002", "--format html --page week 2002",
                                  "--format html --page day 2002 1", "--format html --page day 2002 1 32"}) {
        const COMMANDRESULT result = RunCal((std::string(arguments).empty() || arguments[0] != '-' ? folder : "") + arguments);
        EXPECT_EQ(result.status, 2) << arguments;
        EXPECT_NE(result.err.find("usage: talvoren-cal"), std::string::npos) << arguments;
        EXPECT_TRUE(result.out.empty()) << arguments;
    }
}

TEST(TalvorenCal, YearAsTsv)
{
    CEngineTestData data;
    const COMMANDRESULT result = RunCal("--data " + data.Folder().Path() + " --epiphany 0 --ascension 0 --corpus 0 2002");
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_TRUE(result.err.empty());
    const auto rows = Rows(result.out);
    ASSERT_EQ(rows.size(), 366u);
    const std::vector<std::string> header{"index", "date", "weekday", "colour", "rank", "season", "celebration",
                                          "readings"};
    ASSERT_GE(rows[0].size(), header.size());
    EXPECT_EQ(std::vector<std::string>(rows[0].begin(), rows[0].begin() + 8), header);
    // index, date, weekday, colour, rank, season, celebration, readings
    const std::vector<std::string> easter{"89", "2002-03-31", "0", "2", "10", "5", "T25", "SA24"};
    EXPECT_EQ(std::vector<std::string>(rows[90].begin(), rows[90].begin() + 8), easter);
    const std::vector<std::string> kingSunday{"327", "2002-11-24", "0", "2", "10", "0", "T46", "SA72"};
    EXPECT_EQ(std::vector<std::string>(rows[328].begin(), rows[328].begin() + 8), kingSunday);
}

TEST(TalvorenCal, MonthOrderAndSettingsOptions)
{
    CEngineTestData data;
    data.WriteNotes("uLocal.txt", {"2\t6\ta note\twith a tab"});
    const COMMANDRESULT result = RunCal("--data " + data.Folder().Path() + " --ascension 1 --corpus 1 2002 6");
    ASSERT_EQ(result.status, 0) << result.err;
    const auto rows = Rows(result.out);
    ASSERT_EQ(rows.size(), 31u);
    EXPECT_EQ(rows[1][1], "2002-06-01");
    EXPECT_EQ(rows[2][6], "T36") << "Corpus Christi on Sunday 2 June";
    EXPECT_EQ(rows[2][7], "SA74<br>a note with a tab") << "tabs inside texts become blanks";
}

TEST(TalvorenCal, JsonHasOneObjectPerDay)
{
    CEngineTestData data;
    const COMMANDRESULT result = RunCal("--data " + data.Folder().Path() + " --format json 2004 2");
    ASSERT_EQ(result.status, 0) << result.err;
    std::size_t objects = 0;
    for (std::size_t at = 0; (at = result.out.find("{\"index\": ", at)) != std::string::npos; ++at)
        ++objects;
    EXPECT_EQ(objects, 29u);
    EXPECT_NE(result.out.find("\"date\": \"2004-02-29\""), std::string::npos);
    EXPECT_EQ(result.out.front(), '[');
}

TEST(TalvorenCal, MissingLectionaryExitsWithStatus1AfterTheMessage)
{
    CEngineTestData data;
    data.Folder().Remove("uLectionaryC.txt");
    const COMMANDRESULT result = RunCal("--data " + data.Folder().Path() + " 2004");
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, "File " + data.Folder().File("uLectionaryC.txt") + " not found!\n");
    EXPECT_TRUE(result.out.empty());
}

TEST(TalvorenCal, EnglishOrderComposesOrdinalFirst)
{
    CEngineTestData data;
    const COMMANDRESULT result = RunCal("--data " + data.Folder().Path() + " --order en 2002 12");
    ASSERT_EQ(result.status, 0);
    EXPECT_EQ(Rows(result.out)[1][6], "T52 T86 T48");
}

// Without --order the folder's language chooses: Vietnamese for Vietnam,
// English for any other.
TEST(TalvorenCal, WithoutOrderTheFolderChoosesIt)
{
    CEngineTestData data;
    const std::string vietnam = data.Folder().File("Vietnam");
    ASSERT_EQ(RunCommand("mkdir " + vietnam + " && cp " + data.Folder().Path() + "u*.txt " + vietnam).status, 0);
    for (const auto& [folder, order] : {std::pair{data.Folder().Path(), "en"}, std::pair{vietnam, "vi"}}) {
        const std::string arguments = "--data " + folder + " 2002 12";
        EXPECT_EQ(RunCal(arguments).out, RunCal(std::string("--order ") + order + " " + arguments).out) << folder;
    }
    EXPECT_NE(RunCal("--data " + vietnam + " 2002 12").out, RunCal("--data " + vietnam + " --order en 2002 12").out);
}

TEST(TalvorenCal, HelpPrintsTheUsageAndExitsWith0)
{
    for (const char* arguments : {"--help", "-h"}) {
        const COMMANDRESULT result = RunCal(arguments);
        EXPECT_EQ(result.status, 0) << arguments;
        EXPECT_EQ(result.out.rfind("usage: talvoren-cal", 0), 0u) << result.out;
        EXPECT_TRUE(result.err.empty()) << result.err;
    }
}

// A language folder that is no folder is named with the reason; a pipe in
// the folder is refused without waiting for a writer, and the year goes on.
TEST(TalvorenCal, LanguageFoldersAndFilesThatCannotBeReadAreNamed)
{
    CEngineTestData data;
    data.Folder().WriteBytes("afile", "x");
    data.Folder().Remove("uOrdo.txt");
    ASSERT_EQ(::mkfifo(data.Folder().File("uOrdo.txt").c_str(), 0644), 0);
    struct CASE {
        std::string folder;
        int status;
        std::string error;   // a part of standard error
    };
    const CASE cases[] = {
        {data.Folder().File("afile"), 1, "language folder " + data.Folder().File("afile") + ": it is not a folder"},
        {data.Folder().File("none"), 1, "language folder " + data.Folder().File("none") + ": there is no such folder"},
        {data.Folder().Path(), 0, "Cannot read " + data.Folder().File("uOrdo.txt") + ": it is a named pipe, not a file."},
    };
    for (const CASE& test : cases) {
        const COMMANDRESULT result = RunCal("--data '" + test.folder + "' 2002 1");
        EXPECT_EQ(result.status, test.status) << test.folder;
        EXPECT_NE(result.err.find(test.error), std::string::npos) << result.err;
    }
}

// --passages: a text that cites no passage, and a passage the database does
// not hold (malformed verses among them), give a message and status 1; the
// passages found are still printed. A database that is no file is refused
// without waiting on it.
TEST(TalvorenCal, PassagesThatCannotBeShownGiveAMessageAndStatus1)
{
    CTestFolder folder;
    CreateSentencesDb(folder.File("Bible.db"), PassageRows());
    ASSERT_EQ(::mkfifo(folder.File("pipe.db").c_str(), 0644), 0);
    const std::string db = folder.File("Bible.db");
    struct CASE {
        std::string arguments;
        int status;
        const char* out;     // a part of standard output; "" for none
        std::string error;   // a part of standard error; "" for none
    };
    const CASE cases[] = {
        {"--passages 'Is 7:10-11' --db " + db, 0, "<sub>10</sub> Yahweh spoke again", ""},
        {"--passages 'hello' --db " + db, 1, "", "\"hello\" cites no passage"},
        {"--passages 'Tv 23' --db " + db, 1, "", "\"Tv 23\" cites no passage"},
        {"--passages 'Is 99:1' --db " + db, 1, "<H2><b>Is  99:1</b></H2><p><i>B", db + " has no verses for Is 99:1"},
        {"--passages 'Is 7:10-' --db " + db, 1, "<H2><b>Is  7:10-</b></H2><p><i>B", db + " has no verses for Is 7:10-"},
        {"--passages 'Is 7:10; 99:1' --db " + db, 1, "<sub>10</sub> Yahweh", " has no verses for Is 99:1"},
        {"--passages 'Is 7:10' --db " + folder.File("pipe.db"), 1, "", "it is a named pipe, not a file"},
        {"--passages 'Is 7:10' --db " + folder.Path(), 1, "", "it is a folder, not a file"},
    };
    for (const CASE& test : cases) {
        const COMMANDRESULT result = RunCal(test.arguments);
        EXPECT_EQ(result.status, test.status) << test.arguments;
        if (*test.out) {
            EXPECT_NE(result.out.find(test.out), std::string::npos) << test.arguments << ": " << result.out;
        } else {
            EXPECT_TRUE(result.out.empty()) << test.arguments << ": " << result.out;
        }
        if (test.error.empty()) {
            EXPECT_TRUE(result.err.empty()) << test.arguments << ": " << result.err;
        } else {
            EXPECT_NE(result.err.find(test.error), std::string::npos) << test.arguments << ": " << result.err;
        }
    }
}

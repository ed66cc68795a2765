// Benchmarks of the scripture database: building Bible.db from the SWORD
// module, and a Sunday's four passages read and rendered as the passage page
// does it (query, rows, HTML).

#include "pages/ScripturePage.h"
#include "scripture/ScriptureDb.h"
#include "tools/bibledb/BibleDbWriter.h"
#include "tools/bibledb/SwordBibleReader.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

using namespace talvoren;

namespace
{
void BM_BuildBibleDb(benchmark::State& state)
{
    char folder[] = "/tmp/talvoren-bench-XXXXXX";
    if (!::mkdtemp(folder)) {
        state.SkipWithError("no temporary folder");
        return;
    }
    const std::string path = std::string(folder) + "/Bible.db";
    long long rows = 0;
    for (auto _ : state) {
        CBibleDbWriter writer;
        CSwordBibleReader reader;
        std::string error;
        std::string warnings;
        if (!writer.Create(path, error) || !reader.Read("engWEB2015eb", writer, error, warnings)) {
            state.SkipWithError(error.c_str());
            break;
        }
        rows = writer.RowCount();
        if (!writer.Finish(error)) {
            state.SkipWithError(error.c_str());
            break;
        }
    }
    state.counters["rows"] = static_cast<double>(rows);
    std::remove(path.c_str());
    ::rmdir(folder);
}
BENCHMARK(BM_BuildBibleDb)->Unit(benchmark::kMillisecond)->Iterations(3);

// Fourth Sunday of Advent, year A.
const char kSunday[] = "Is 7:10-14; Tv 24:1-2,3-4,5-6; Rm 1:1-7; Mt 1:18-24<br>Thánh Vịnh Tuần 4";

void BM_SundayPassages(benchmark::State& state)
{
    CScriptureDb db;
    if (!db.Open("Data Source=" TALVOREN_PROGRAM_DIR "/Bible.db", "", "")) {
        state.SkipWithError("no Bible.db in the program folder");
        return;
    }
    std::size_t size = 0;
    for (auto _ : state) {
        const PASSAGEPAGE page = ShowReadingsPage(kSunday, db, true, TALVOREN_PROGRAM_DIR);
        size = page.strHtml.size();
        benchmark::DoNotOptimize(page.strHtml.data());
    }
    state.counters["html_bytes"] = static_cast<double>(size);
}
BENCHMARK(BM_SundayPassages)->Unit(benchmark::kMicrosecond);

// One passage query alone, stepped to its end.
void BM_PassageQuery(benchmark::State& state)
{
    CScriptureDb db;
    if (!db.Open("Data Source=" TALVOREN_PROGRAM_DIR "/Bible.db", "", "")) {
        state.SkipWithError("no Bible.db in the program folder");
        return;
    }
    const std::string query = PassageQuery(PASSAGE{47, 1, "18-24"});
    for (auto _ : state) {
        int rows = 0;
        for (bool more = db.Execute(query); more && !db.IsEOF(); db.MoveNext())
            ++rows;
        benchmark::DoNotOptimize(rows);
    }
}
BENCHMARK(BM_PassageQuery)->Unit(benchmark::kMicrosecond);
} // namespace

// Page renderers on the shipped Vietnamese data, with the year already held
// (as when the user moves between months): the month list (target: well
// under 200 µs), the wall calendar, the day page, and for comparison the
// month list of a month that starts a lunar year (Tết, February 2026).

#include "engine/LanguageState.h"
#include "engine/LiturgicalYear.h"
#include "pages/DayPage.h"
#include "pages/MonthListPage.h"
#include "pages/MonthTablePage.h"
#include "platform/SettingsKey.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

using namespace talvoren;

namespace
{
// The shipped Vietnamese folder of the program folder and a settings folder
// of the benchmark's own; an engine holding 2026.
std::unique_ptr<CLiturgicalYear> Engine(benchmark::State& state, CLanguageState& language)
{
    static const std::string config = (std::filesystem::temp_directory_path() / "talvoren-bench-config").string();
    ::setenv("TALVOREN_CONFIG_DIR", config.c_str(), 1);
    CSettingsKey::SetDefaultKeyPath("SOFTWARE\\Sorvane Network\\Talvoren\\2.0");
    language.strFolder = std::string(TALVOREN_PROGRAM_DIR) + "/Vietnam/";
    if (!std::filesystem::exists(language.strFolder + "uLectionaryA.txt")) {
        state.SkipWithError("build the language data first: no shipped Vietnam folder");
        return nullptr;
    }
    auto engine = std::make_unique<CLiturgicalYear>(language);
    engine->ComputeYear(2026);
    return engine;
}

void BM_MonthList(benchmark::State& state)
{
    CLanguageState language;
    auto engine = Engine(state, language);
    if (!engine)
        return;
    const MONTHRANGE range = engine->GetMonthRange(static_cast<int>(state.range(0)));
    std::size_t bytes = 0;
    for (auto _ : state) {
        const std::string page = CMonthListPage(engine->Table(), engine->Titles()).Render(range.nFirst, range.nEnd);
        bytes = page.size();
        benchmark::DoNotOptimize(page.data());
    }
    state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_MonthList)->Arg(2)->Arg(7)->Unit(benchmark::kMicrosecond);

void BM_MonthTable(benchmark::State& state)
{
    CLanguageState language;
    auto engine = Engine(state, language);
    if (!engine)
        return;
    const MONTHRANGE range = engine->GetMonthRange(7);
    for (auto _ : state) {
        const std::string page = CMonthTablePage(engine->Table(), engine->Titles()).Render(range.nFirst, range.nEnd);
        benchmark::DoNotOptimize(page.data());
    }
}
BENCHMARK(BM_MonthTable)->Unit(benchmark::kMicrosecond);

void BM_DayPage(benchmark::State& state)
{
    CLanguageState language;
    auto engine = Engine(state, language);
    if (!engine)
        return;
    int day = 1;
    for (auto _ : state) {
        const std::string page = CDayPage(engine->Table(), engine->Titles()).Render(2026, 7, day);
        benchmark::DoNotOptimize(page.data());
        day = day == 31 ? 1 : day + 1;
    }
}
BENCHMARK(BM_DayPage)->Unit(benchmark::kMicrosecond);
} // namespace

// Year engine: reading the language folder, a fresh computation (the
// settings read, the folder checked for changes, the year's table made) and
// a request for the year already held.

#include "engine/LanguageData.h"
#include "engine/LanguageState.h"
#include "engine/LiturgicalYear.h"
#include "platform/SettingsKey.h"
#include "platform/SystemPaths.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

using namespace talvoren;

namespace
{
// The shipped Vietnamese folder of the program folder, and a settings folder
// of the benchmark's own.
CLanguageState ShippedLanguage(benchmark::State& state, bool& ok)
{
    static const std::string config = (std::filesystem::temp_directory_path() / "talvoren-bench-config").string();
    ::setenv("TALVOREN_CONFIG_DIR", config.c_str(), 1);
    CSettingsKey::SetDefaultKeyPath("SOFTWARE\\Sorvane Network\\Talvoren\\2.0");
    CLanguageState language;
    language.strFolder = std::string(TALVOREN_PROGRAM_DIR) + "/Vietnam/";
    ok = std::filesystem::exists(language.strFolder + "uLectionaryA.txt");
    if (!ok)
        state.SkipWithError("build the language data first: no shipped Vietnam folder");
    return language;
}

void BM_LoadLanguageData(benchmark::State& state)
{
    bool ok = false;
    const CLanguageState language = ShippedLanguage(state, ok);
    if (!ok)
        return;
    for (auto _ : state)
        benchmark::DoNotOptimize(CLanguageData::Load(language.strFolder, true));
}
BENCHMARK(BM_LoadLanguageData)->Unit(benchmark::kMicrosecond);

void BM_ComputeYearFresh(benchmark::State& state)
{
    bool ok = false;
    const CLanguageState language = ShippedLanguage(state, ok);
    if (!ok)
        return;
    CLiturgicalYear engine(language);
    // From 2000: lunar dates (for Tết) from the converter's table; from 2300:
    // computed from the sky.
    const int first = static_cast<int>(state.range(0));
    int year = first;
    for (auto _ : state) {
        benchmark::DoNotOptimize(engine.ComputeYear(year, true));
        year = year == first + 100 ? first : year + 1;
    }
}
BENCHMARK(BM_ComputeYearFresh)->Arg(2000)->Arg(2300)->Unit(benchmark::kMicrosecond);

void BM_ComputeYearHeld(benchmark::State& state)
{
    bool ok = false;
    const CLanguageState language = ShippedLanguage(state, ok);
    if (!ok)
        return;
    CLiturgicalYear engine(language);
    engine.ComputeYear(2026);
    for (auto _ : state)
        benchmark::DoNotOptimize(engine.ComputeYear(2026));
}
BENCHMARK(BM_ComputeYearHeld);
} // namespace

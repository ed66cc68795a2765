// Lunar calendar: SetSolarDate inside the year table (1800..2199) and
// outside it (computed from the sky), each with one converter for all dates
// and with a converter made per date.

#include "lunar/LunarCalendar.h"

#include <benchmark/benchmark.h>

using namespace talvoren;

namespace
{
// Walks civil dates day by day from (year, 1, 1), wrapping after `years`.
struct DAYWALK {
    int nFirstYear, nYears;
    int nYear, nMonth = 1, nDay = 1;
    DAYWALK(int firstYear, int years) : nFirstYear(firstYear), nYears(years), nYear(firstYear) {}
    void Next()
    {
        static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
        const bool leapFebruary = nMonth == 2 && ((nYear % 4 == 0 && nYear % 100 != 0) || nYear % 400 == 0);
        if (++nDay > kDays[nMonth - 1] + (leapFebruary ? 1 : 0)) {
            nDay = 1;
            if (++nMonth > 12) {
                nMonth = 1;
                // Jump by 37 years so that the sample spreads over the range.
                nYear = nFirstYear + (nYear - nFirstYear + 37) % nYears;
            }
        }
    }
};

void BM_SetSolarDateInTable(benchmark::State& state)
{
    CLunarCalendar lunar;
    DAYWALK walk(1800, 400);
    for (auto _ : state) {
        benchmark::DoNotOptimize(lunar.SetSolarDate(walk.nYear, walk.nMonth, walk.nDay));
        benchmark::DoNotOptimize(lunar.GetLunarDay());
        walk.Next();
    }
}
BENCHMARK(BM_SetSolarDateInTable);

void BM_SetSolarDateNewConverter(benchmark::State& state)
{
    DAYWALK walk(1800, 400);
    for (auto _ : state) {
        CLunarCalendar lunar;
        lunar.SetSolarDate(walk.nYear, walk.nMonth, walk.nDay);
        benchmark::DoNotOptimize(lunar.GetLunarMonth());
        walk.Next();
    }
}
BENCHMARK(BM_SetSolarDateNewConverter);

void BM_SetSolarDateOutsideTable(benchmark::State& state)
{
    CLunarCalendar lunar;
    DAYWALK walk(2200, 7800);
    for (auto _ : state) {
        benchmark::DoNotOptimize(lunar.SetSolarDate(walk.nYear, walk.nMonth, walk.nDay));
        benchmark::DoNotOptimize(lunar.GetLunarDay());
        walk.Next();
    }
}
BENCHMARK(BM_SetSolarDateOutsideTable)->Unit(benchmark::kMicrosecond);

// Outside the table with a new converter per date: every date computes its
// lunar year from the sky (the one converter above keeps the year it
// computed last and converts the further dates of that year from it).
void BM_SetSolarDateOutsideTableNewConverter(benchmark::State& state)
{
    DAYWALK walk(2200, 7800);
    for (auto _ : state) {
        CLunarCalendar lunar;
        lunar.SetSolarDate(walk.nYear, walk.nMonth, walk.nDay);
        benchmark::DoNotOptimize(lunar.GetLunarDay());
        walk.Next();
    }
}
BENCHMARK(BM_SetSolarDateOutsideTableNewConverter)->Unit(benchmark::kMicrosecond);

void BM_GetYearName(benchmark::State& state)
{
    CLunarCalendar lunar;
    lunar.SetSolarDate(2026, 2, 17);
    for (auto _ : state)
        benchmark::DoNotOptimize(lunar.GetYearName());
}
BENCHMARK(BM_GetYearName);
} // namespace

// The work that bench/compare-peers.sh also asks of the JavaScript peers,
// done in one process so that the figures compare like with like:
//   peer_driver years FIRST COUNT        fresh computations of COUNT years
//                                        from FIRST with the shipped data
//   peer_driver lunar Y M D COUNT [FILE] COUNT lunar conversions of the
//                                        days from Y-M-D on (FILE: each
//                                        result as "y-m-d day/month/year/leap")
// Each prints "elapsed_ns <n>" for the timed part (after one untimed round
// of warm-up) and a checksum of the results.

#include "engine/LanguageState.h"
#include "engine/LiturgicalYear.h"
#include "lunar/LunarCalendar.h"
#include "platform/SettingsKey.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

using namespace talvoren;

namespace
{
using Clock = std::chrono::steady_clock;

long long Nanoseconds(Clock::time_point start)
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now() - start).count();
}

bool IsLeap(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

void NextDay(int& year, int& month, int& day)
{
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (++day > kDays[month - 1] + (month == 2 && IsLeap(year) ? 1 : 0)) {
        day = 1;
        if (++month > 12) {
            month = 1;
            ++year;
        }
    }
}

int Years(int first, int count)
{
    const std::string config = (std::filesystem::temp_directory_path() / "talvoren-peer-driver").string();
    ::setenv("TALVOREN_CONFIG_DIR", config.c_str(), 1);
    CSettingsKey::SetDefaultKeyPath("SOFTWARE\\Sorvane Network\\Talvoren\\2.0");
    CLanguageState language;
    language.strFolder = std::string(TALVOREN_PROGRAM_DIR) + "/Vietnam/";
    if (!std::filesystem::exists(language.strFolder + "uLectionaryA.txt")) {
        std::fprintf(stderr, "no shipped language data in %s\n", language.strFolder.c_str());
        return 1;
    }
    CLiturgicalYear engine(language);
    engine.ComputeYear(first, true);   // warm-up
    std::size_t checksum = 0;
    const Clock::time_point start = Clock::now();
    for (int year = first; year < first + count; ++year) {
        if (!engine.ComputeYear(year, true))
            return 1;
        checksum += engine.GetDay(engine.GetDaysInYear() - 1).strReadings.size();
    }
    const long long elapsed = Nanoseconds(start);
    std::printf("elapsed_ns %lld\nchecksum %zu\n", elapsed, checksum);
    return 0;
}

int Lunar(int year, int month, int day, int count, const char* file)
{
    struct RESULT {
        int nYear, nMonth, nDay, nLunarDay, nLunarMonth, nLunarYear, nLeap;
    };
    std::vector<RESULT> results(static_cast<std::size_t>(count));
    CLunarCalendar lunar;
    for (int round = 0; round < 2; ++round) {   // round 0 warms up
        int y = year, m = month, d = day;
        long long checksum = 0;
        const Clock::time_point start = Clock::now();
        for (RESULT& result : results) {
            lunar.SetSolarDate(y, m, d);
            result = RESULT{y, m, d, lunar.GetLunarDay(), lunar.GetLunarMonth(), lunar.GetLunarYear(),
                            lunar.IsLeapMonth() ? 1 : 0};
            checksum += lunar.GetLunarDay();
            NextDay(y, m, d);
        }
        const long long elapsed = Nanoseconds(start);
        if (round == 1)
            std::printf("elapsed_ns %lld\nchecksum %lld\n", elapsed, checksum);
    }
    if (file) {
        std::FILE* out = std::fopen(file, "w");
        if (!out)
            return 1;
        for (const RESULT& r : results)
            std::fprintf(out, "%d-%d-%d %d/%d/%d/%d\n", r.nYear, r.nMonth, r.nDay, r.nLunarDay, r.nLunarMonth,
                         r.nLunarYear, r.nLeap);
        std::fclose(out);
    }
    return 0;
}
} // namespace

int main(int argc, char** argv)
{
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "years" && argc == 4)
        return Years(std::atoi(argv[2]), std::atoi(argv[3]));
    if (mode == "lunar" && (argc == 6 || argc == 7))
        return Lunar(std::atoi(argv[2]), std::atoi(argv[3]), std::atoi(argv[4]), std::atoi(argv[5]),
                     argc == 7 ? argv[6] : nullptr);
    std::fprintf(stderr, "usage: peer_driver years FIRST COUNT | lunar Y M D COUNT [FILE]\n");
    return 2;
}

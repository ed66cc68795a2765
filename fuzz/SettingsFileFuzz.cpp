// Fuzz target: the settings file. Any byte image that parses is written
// back byte for byte when nothing changes; a value written into it reads
// back, the file still parses, and every value that was there before (in
// other sections or of other names) reads as before.

#include "fuzz/FuzzSupport.h"
#include "platform/SettingsFile.h"

#include <cstddef>
#include <cstdint>
#include <string>

using namespace talvoren;

namespace
{
bool SameValue(const SETTINGSVALUE& a, const SETTINGSVALUE& b)
{
    return a.kind == b.kind && a.nDword == b.nDword && a.strText == b.strText;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    CSettingsFile file;
    std::string problem;
    if (!file.Parse(bytes, problem)) {
        FUZZ_CHECK(!problem.empty());
        return 0;
    }
    FUZZ_CHECK(file.Image() == bytes);

    const char* const kPaths[] = {"K", "SOFTWARE\\Sorvane Network\\Talvoren\\2.0", "Other"};
    const char* const kNames[] = {"Epiphany", "header", "x"};
    SETTINGSVALUE before[3][3];
    for (int p = 0; p < 3; ++p)
        for (int n = 0; n < 3; ++n)
            before[p][n] = file.Find(kPaths[p], kNames[n]);

    CSettingsFile changed = file;
    changed.SetDword("K", "Epiphany", 7);
    changed.SetText("Other", "x", "a \"quoted\"\ntext");
    CSettingsFile again;
    FUZZ_CHECK(again.Parse(changed.Image(), problem));
    for (int p = 0; p < 3; ++p) {
        for (int n = 0; n < 3; ++n) {
            const SETTINGSVALUE value = again.Find(kPaths[p], kNames[n]);
            if (p == 0 && n == 0)
                FUZZ_CHECK(value.kind == SETTINGSVALUE::Kind::Dword && value.nDword == 7);
            else if (p == 2 && n == 2)
                FUZZ_CHECK(value.kind == SETTINGSVALUE::Kind::Text && value.strText == "a \"quoted\"\ntext");
            else
                FUZZ_CHECK(SameValue(value, before[p][n]));
        }
    }
    return 0;
}

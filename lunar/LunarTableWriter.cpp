#include "lunar/LunarTableWriter.h"

#include "lunar/LunarAstronomy.h"
#include "lunar/LunarYearTable.h"

#include <cstdio>

namespace talvoren
{
namespace
{
const char kHeader[] =
    "// The lunar year table: one word for each lunar year from 1800 to 2199 and\n"
    "// the civil date of the first day of lunar 1800. Written by\n"
    "// talvoren-lunar-table from the astronomical computation (CLunarAstronomy);\n"
    "// do not edit, regenerate with `cmake --build <build folder> --target lunar-table`.\n"
    "\n"
    "#include \"lunar/LunarYearTable.h\"\n"
    "\n"
    "namespace talvoren\n"
    "{\n"
    "namespace\n"
    "{\n"
    "// Ten years to a row; the comment names the first year of the row.\n"
    "constexpr CLunarYearTable::WordArray kWords = {{\n";

std::string Format(const char* format, int a, int b = 0, int c = 0)
{
    char line[128];
    std::snprintf(line, sizeof line, format, a, b, c);
    return line;
}
// Rows of ten years, as the comments of the written file name them.
static_assert(CLunarYearTable::kYears % 10 == 0, "whole rows of ten years");
} // namespace

bool CLunarTableWriter::WriteSource(std::string& text, std::string& error)
{
    text = kHeader;
    error.clear();
    int epoch = 0;
    int expectedFirstDay = 0;
    for (int index = 0; index < CLunarYearTable::kYears; ++index) {
        const int year = CLunarYearTable::kFirstYear + index;
        LUNARYEAR lunar;
        if (!CLunarAstronomy::ComputeYear(year, lunar)) {
            error = Format("lunar year %d cannot be computed", year);
            return false;
        }
        if (index == 0)
            epoch = expectedFirstDay = lunar.nFirstDay;
        const std::uint32_t word = CLunarAstronomy::YearWord(lunar);
        if (lunar.nFirstDay != expectedFirstDay ||
            lunar.nNextFirstDay - lunar.nFirstDay != CLunarYearTable::YearLength(word)) {
            error = Format("lunar year %d does not follow the year before it", year);
            return false;
        }
        expectedFirstDay = lunar.nNextFirstDay;

        if (index % 10 == 0)
            text += Format("    /* %d */", year);
        text += Format(" 0x%05X,", static_cast<int>(word));
        if (index % 10 == 9)
            text += '\n';
    }
    int year = 0, month = 0, day = 0;
    CLunarAstronomy::CivilDate(epoch, &year, &month, &day);
    text += "}};\n"
            "} // namespace\n"
            "\n";
    text += Format("const int CLunarYearTable::s_nEpochYear = %d;\n", year);
    text += Format("const int CLunarYearTable::s_nEpochMonth = %d;\n", month);
    text += Format("const int CLunarYearTable::s_nEpochDay = %d;\n", day);
    text += Format("const int CLunarYearTable::s_nEpochJulianDay = %d;\n", epoch);
    text += "const CLunarYearTable::WordArray CLunarYearTable::s_arrWords = kWords;\n"
            "const CLunarYearTable::StartArray CLunarYearTable::s_arrYearStarts = CLunarYearTable::YearStarts(kWords);\n"
            "\n"
            "} // namespace talvoren\n";
    return true;
}

} // namespace talvoren

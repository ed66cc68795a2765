// Fuzz target: the notes file loader. Any byte image gives rows whose day
// and month hold no tab and whose day never opens a comment; saving those
// rows and loading the saved image gives back exactly the complete rows as
// they are saved (trimmed, tabs and line ends made blanks).

#include "dialogs/NotesFile.h"
#include "fuzz/FuzzSupport.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

using namespace talvoren;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::vector<NOTEROW> rows;
    CNotesFile::Decode(reinterpret_cast<const char*>(data), size, rows);
    FUZZ_CHECK(rows.size() <= size / 2 + 1);

    std::vector<NOTEROW> expected;
    for (const NOTEROW& row : rows) {
        FUZZ_CHECK(row.strDay.find('\t') == std::string::npos);
        FUZZ_CHECK(row.strMonth.find('\t') == std::string::npos);
        FUZZ_CHECK(row.strText.find('\t') == std::string::npos);
        FUZZ_CHECK(!row.strDay.empty() && row.strDay[0] != '#');
        FUZZ_CHECK(IsValidUtf8(row.strDay) && IsValidUtf8(row.strMonth) && IsValidUtf8(row.strText));
        NOTEROW clean;
        if (CNotesFile::CleanRow(row, &clean))
            expected.push_back(clean);
    }

    const std::string image = CNotesFile::Encode(rows);
    FUZZ_CHECK(image.size() % 2 == 0);
    std::vector<NOTEROW> again;
    CNotesFile::Decode(image.data(), image.size(), again);
    FUZZ_CHECK(again == expected);

    std::vector<NOTEROW> padded = rows;
    CNotesFile::PadRows(padded);
    FUZZ_CHECK(padded.size() >= CNotesFile::kMinimumRows && CNotesFile::Encode(padded) == image);
    return 0;
}

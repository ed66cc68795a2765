// Fuzz target: the notes file loader. Any byte image gives rows whose day
// and month hold no blank or tab and begin with a digit, and whose text
// holds no line end; saving the notes and loading the saved image gives
// them back as saved (cleaned), kept lines included; and every row that the
// dialog would save is a dated line that the calendar reads with the same
// day, month and text.

#include "base/ParseNumber.h"
#include "base/Utf16.h"
#include "dialogs/NotesFile.h"
#include "engine/DayNotes.h"
#include "fuzz/FuzzSupport.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

using namespace talvoren;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const NOTESTEXT notes = CNotesFile::Decode(reinterpret_cast<const char*>(data), size);
    FUZZ_CHECK(notes.rows.size() <= size / 2 + 1);

    NOTESTEXT cleaned{notes.leading, {}};
    for (const NOTEROW& row : notes.rows) {
        FUZZ_CHECK(row.strDay.find_first_of(" \t") == std::string::npos);
        FUZZ_CHECK(row.strMonth.find_first_of(" \t") == std::string::npos);
        FUZZ_CHECK(!row.strDay.empty() && row.strDay[0] >= '0' && row.strDay[0] <= '9');
        FUZZ_CHECK(!row.strMonth.empty() && row.strMonth[0] >= '0' && row.strMonth[0] <= '9');
        FUZZ_CHECK(row.strText.find_first_of("\r\n") == std::string::npos);
        FUZZ_CHECK(IsValidUtf8(row.strDay) && IsValidUtf8(row.strMonth) && IsValidUtf8(row.strText));
        // Cleaning may trim white space off the end of a day or month token;
        // the numbers the calendar reads and the text stay.
        const NOTEROW clean = CNotesFile::CleanRow(row);
        FUZZ_CHECK(CNotesFile::CleanRow(clean) == clean);
        FUZZ_CHECK(clean.strText == row.strText && clean.following == row.following);
        cleaned.rows.push_back(clean);
        if (CNotesFile::CheckRows({row}).Empty() && Utf16Length(clean.strDay + clean.strMonth + clean.strText) < 1000) {
            int day = 0;
            int month = 0;
            std::string text;
            FUZZ_CHECK(ParseDatedNoteLine(clean.strDay + "\t" + clean.strMonth + "\t" + clean.strText, day, month, text));
            FUZZ_CHECK(day == LeadingNumber(row.strDay) && month == LeadingNumber(row.strMonth));
            FUZZ_CHECK(text == row.strText);
        }
    }

    const std::string image = CNotesFile::Encode(notes);
    FUZZ_CHECK(image.size() % 2 == 0);
    const NOTESTEXT again = CNotesFile::Decode(image.data(), image.size());
    FUZZ_CHECK(again.leading == notes.leading);
    FUZZ_CHECK(again.rows == cleaned.rows);

    std::vector<NOTEROW> padded = notes.rows;
    CNotesFile::PadRows(padded);
    FUZZ_CHECK(padded.size() >= CNotesFile::kMinimumRows && CNotesFile::Encode({notes.leading, padded}) == image);
    return 0;
}

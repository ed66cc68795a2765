// Fuzz target: scanning a readings text for citations and parsing them into
// passages, then the query and title each passage gives. Every book is one
// of the 73, the verses are only digits, "," and "-" (so a query can hold no
// text of the input but numbers), and no list grows apart from its partner.

#include "fuzz/FuzzSupport.h"
#include "pages/ScripturePage.h"
#include "scripture/BookAbbreviations.h"
#include "scripture/Citations.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

using namespace talvoren;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::vector<unsigned> books;
    std::vector<std::string> texts;
    ScanCitations(text, books, texts);
    FUZZ_CHECK(books.size() == texts.size());
    for (unsigned book : books)
        FUZZ_CHECK(book >= 1 && book <= static_cast<unsigned>(kBookCount));
    for (const std::string& citation : texts)
        FUZZ_CHECK(citation.size() <= text.size());

    std::vector<PASSAGE> passages;
    ParseCitations(books, texts, passages);
    for (const PASSAGE& passage : passages) {
        FUZZ_CHECK(passage.nBook >= 1 && passage.nBook <= kBookCount);
        FUZZ_CHECK(passage.nChapter >= 0);
        FUZZ_CHECK(passage.strVerses.size() <= 1023);
        FUZZ_CHECK(passage.strVerses.find_first_not_of("0123456789,-") == std::string::npos);
        const std::string query = PassageQuery(passage);
        FUZZ_CHECK(query.find_first_of("';\"") == std::string::npos);
        FUZZ_CHECK(query.rfind("Select Type, Sentence, Contents From Sentences Where Book = ", 0) == 0);
        const std::string title = PassageTitle(passage);
        FUZZ_CHECK(title.find(passage.strVerses) != std::string::npos);
    }
    return 0;
}

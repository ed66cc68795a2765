#include "scripture/Citations.h"

#include "base/ParseNumber.h"
#include "base/Utf16.h"
#include "scripture/BookAbbreviations.h"

#include <algorithm>

namespace talvoren
{
namespace
{
constexpr std::size_t kMaxCitationUnits = 1023;
constexpr std::size_t kMaxVerses = 1023;

bool IsDigit(char ch)
{
    return ch >= '0' && ch <= '9';
}

// Number of bytes of the UTF-8 character that starts with `lead`.
std::size_t CharLength(unsigned char lead)
{
    return lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
}

using ENTRY = CBookAbbreviations::ENTRY;

// The first entry of `entries` whose abbreviation `text` continues with at `pos`.
const ENTRY* MatchEntry(const std::vector<ENTRY>& entries, const std::string& text, std::size_t pos)
{
    for (const ENTRY& entry : entries)
        if (text.compare(pos, entry.strAbbreviation.size(), entry.strAbbreviation) == 0)
            return &entry;
    return nullptr;
}
} // namespace

void ScanCitations(const std::string& text, std::vector<unsigned>& books, std::vector<std::string>& texts)
{
    ScanCitations(text, CBookAbbreviations::Vietnamese(), books, texts);
}

void ScanCitations(const std::string& text, const CBookAbbreviations& names, std::vector<unsigned>& books,
                   std::vector<std::string>& texts)
{
    std::size_t pos = text.find_first_not_of(' ');
    bool open = false;
    std::size_t start = 0;
    while (pos < text.size()) {
        const char ch = text[pos];
        const ENTRY* entry = nullptr;
        if (IsDigit(ch)) {
            if (pos == 0 || !IsDigit(text[pos - 1]))
                entry = MatchEntry(names.Numbered(), text, pos);
        } else {
            entry = MatchEntry(names.Other(), text, pos);
        }
        if (entry) {
            books.push_back(static_cast<unsigned>(entry->nBook));
            if (open)
                texts.push_back(TruncateUtf16(text.substr(start, pos - start), kMaxCitationUnits));
            pos += entry->strAbbreviation.size();
            start = pos;
            open = true;
            if (pos >= text.size())
                break;
        }
        // One character further (the one after a match is never tried).
        pos += CharLength(static_cast<unsigned char>(text[pos]));
    }
    if (open)
        texts.push_back(TruncateUtf16(text.substr(std::min(start, text.size())), kMaxCitationUnits));
}

void ParseCitations(const std::vector<unsigned>& books, const std::vector<std::string>& texts,
                    std::vector<PASSAGE>& passages)
{
    const std::size_t count = std::min(books.size(), texts.size());
    for (std::size_t k = 0; k < count; ++k) {
        const int book = static_cast<int>(books[k]);
        const std::string citation = TrimWide(texts[k]);
        bool hasChapter = false;
        int chapter = 0;
        std::string buffer;
        auto append = [&buffer](char ch) {
            if (buffer.size() < kMaxVerses)
                buffer += ch;
        };
        // Byte by byte: every byte of a multi-byte character is an "other"
        // character, and a second one in a row changes nothing.
        for (const char ch : citation) {
            if (ch == ' ') {
                continue;
            } else if (ch == '+') {
                append(',');
            } else if (IsDigit(ch) || ch == ',' || ch == '-') {
                append(ch);
            } else if (ch == ':') {
                chapter = LeadingNumber(buffer);
                hasChapter = true;
                buffer.clear();
            } else if (hasChapter) {
                passages.push_back(PASSAGE{book, chapter, buffer});
                buffer.clear();
                hasChapter = false;
            }
        }
        if (hasChapter)
            passages.push_back(PASSAGE{book, chapter, buffer});
    }
}

} // namespace talvoren

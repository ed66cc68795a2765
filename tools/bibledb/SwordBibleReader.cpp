#include "tools/bibledb/SwordBibleReader.h"

#include "scripture/BookAbbreviations.h"
#include "scripture/Versification.h"
#include "tools/bibledb/BibleDbWriter.h"
#include "tools/bibledb/OsisConverter.h"

#include <swmgr.h>
#include <swmodule.h>
#include <versekey.h>
#include <versificationmgr.h>

#include <iterator>
#include <memory>

namespace talvoren
{
namespace
{
// OSIS ids of the books 1..73 of the Catholic order. Esther is the Hebrew
// book; the module's Greek Esther keeps its additions in whole blocks, and
// Daniel's Greek portions are not addressable by verse in it.
const char* const kOsisBooks[kBookCount] = {
    "Gen",   "Exod",  "Lev",    "Num",  "Deut",  "Josh",  "Judg",  "Ruth",  "1Sam",  "2Sam",
    "1Kgs",  "2Kgs",  "1Chr",   "2Chr", "Ezra",  "Neh",   "Tob",   "Jdt",   "Esth",  "1Macc",
    "2Macc", "Job",   "Ps",     "Prov", "Eccl",  "Song",  "Wis",   "Sir",   "Isa",   "Jer",
    "Lam",   "Bar",   "Ezek",   "Dan",  "Hos",   "Joel",  "Amos",  "Obad",  "Jonah", "Mic",
    "Nah",   "Hab",   "Zeph",   "Hag",  "Zech",  "Mal",   "Matt",  "Mark",  "Luke",  "John",
    "Acts",  "Rom",   "1Cor",   "2Cor", "Gal",   "Eph",   "Phil",  "Col",   "1Thess", "2Thess",
    "1Tim",  "2Tim",  "Titus",  "Phlm", "Heb",   "Jas",   "1Pet",  "2Pet",  "1John", "2John",
    "3John", "Jude",  "Rev",
};

// Text that the module keeps in another verse than the one the lectionary
// reads it in. The moved text is the end of the entry from its last verse
// mark on (the module marks a verse of its own that the versification has no
// key for), and it is read as the start of the destination entry.
struct MOVEDTEXT {
    int nBook;
    int nChapter;       // where the module has it (English numbering)
    int nVerse;
    int nToChapter;     // where it is read
    int nToVerse;
};
const MOVEDTEXT kMovedText[] = {
    // The doxology of Romans ends chapter 14 in the module (its 14:24-26);
    // the lectionary reads it as 16:25-27, the end of the letter.
    {52, 14, 23, 16, 25},
};

// The versification whose numbers LectionaryVerse takes: the English
// numbering of the World English Bible's module.
const char kEnglishVersification[] = "NRSVA";

// Book 1..73 of an OSIS id; 0 for a book outside the Catholic canon.
int BookOfOsis(const char* osis)
{
    for (int book = 1; book <= kBookCount; ++book)
        if (std::string(kOsisBooks[book - 1]) == osis)
            return book;
    return 0;
}

// Splits off the end of `raw` from its last verse mark; "" when it has none.
std::string SplitOffLastVerse(std::string& raw)
{
    const std::size_t mark = raw.rfind("subType=\"x-preverse\" sID=");
    if (mark == std::string::npos)
        return std::string();
    const std::size_t tag = raw.rfind('<', mark);
    if (tag == std::string::npos)
        return std::string();
    std::string moved = raw.substr(tag);
    raw.erase(tag);
    return moved;
}
} // namespace

bool CSwordBibleReader::Read(const std::string& moduleName, CBibleDbWriter& writer, std::string& error,
                             std::string& warnings)
{
    sword::SWMgr manager;
    sword::SWModule* module = manager.getModule(moduleName.c_str());
    if (!module) {
        error = "the SWORD module " + moduleName +
                " is not installed (Debian: sword-text-web for engWEB2015eb; others with a SWORD module manager)";
        return false;
    }
    std::unique_ptr<sword::SWKey> key(module->createKey());
    auto* verseKey = dynamic_cast<sword::VerseKey*>(key.get());
    if (!verseKey) {
        error = "the SWORD module " + moduleName + " is not a Bible";
        return false;
    }
    verseKey->setIntros(true);
    verseKey->setAutoNormalize(false);
    // Verse numbers go from the module's versification to the English one
    // through SWORD's mapping tables, then to the lectionary's (LectionaryVerse).
    const sword::VersificationMgr* systems = sword::VersificationMgr::getSystemVersificationMgr();
    const sword::VersificationMgr::System* moduleSystem =
        systems->getVersificationSystem(verseKey->getVersificationSystem());
    const sword::VersificationMgr::System* englishSystem = systems->getVersificationSystem(kEnglishVersification);
    const bool translate = moduleSystem && englishSystem && moduleSystem != englishSystem;

    COsisConverter converter;
    OSISVERSE verse;
    long long id = 0;
    std::string movedText[std::size(kMovedText)];
    for (int book = 1; book <= kBookCount; ++book) {
        const char* osis = kOsisBooks[book - 1];
        verseKey->setText((std::string(osis) + ".1.1").c_str());
        if (verseKey->popError() || std::string(verseKey->getOSISBookName()) != osis) {
            warnings += std::string("book ") + osis + " is not in the module's versification\n";
            continue;
        }
        converter.StartBook(osis);
        long long versesOfBook = 0;
        const int chapters = verseKey->getChapterMax();
        for (int chapter = 0; chapter <= chapters; ++chapter) {
            verseKey->setChapter(chapter);
            verseKey->setVerse(1);
            const int verses = chapter == 0 ? 0 : verseKey->getVerseMax();
            for (int number = 0; number <= verses; ++number) {
                verseKey->setChapter(chapter);
                verseKey->setVerse(number);
                module->setKey(*verseKey);
                std::string raw = module->getRawEntry();
                for (std::size_t m = 0; m < std::size(kMovedText); ++m) {
                    const MOVEDTEXT& moved = kMovedText[m];
                    if (moved.nBook != book)
                        continue;
                    if (chapter == moved.nChapter && number == moved.nVerse)
                        movedText[m] = SplitOffLastVerse(raw);
                    if (chapter == moved.nToChapter && number == moved.nToVerse)
                        raw = movedText[m] + raw;
                }
                if (!converter.AddEntry(raw, number == 0, verse))
                    continue;
                int toBook = book;
                int toChapter = chapter;
                int toVerse = number;
                if (translate && chapter > 0 && number > 0) {
                    const char* name = osis;
                    int last = number;
                    moduleSystem->translateVerse(englishSystem, &name, &toChapter, &toVerse, &last);
                    toBook = BookOfOsis(name);
                    if (toBook == 0) {
                        warnings += std::string("verse ") + osis + "." + std::to_string(chapter) + "." +
                                    std::to_string(number) + " maps to " + name + ", outside the canon: left out\n";
                        continue;
                    }
                }
                const VERSEREF ref = LectionaryVerse(toBook, toChapter, toVerse);
                for (const OSISHEADING& heading : verse.headings) {
                    if (!writer.AddRow(
                            SENTENCEROW{++id, toBook, ref.nChapter, ref.nVerse, heading.nType, heading.strText}, error))
                        return false;
                }
                if (!writer.AddRow(SENTENCEROW{++id, toBook, ref.nChapter, ref.nVerse, 0, verse.strHtml}, error))
                    return false;
                ++versesOfBook;
            }
        }
        if (versesOfBook == 0)
            warnings += std::string("book ") + osis + " gave no verse\n";
    }
    return true;
}

} // namespace talvoren

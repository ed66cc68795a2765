#pragma once
// The scripture passage page: the verses that a day's readings text cites,
// read from the scripture database and rendered as HTML for the element
// "rightCol2" of the main page, which then opens its reading window on
// Html/layer.htm. This is the part without a window: the main view shows
// the busy notice and wait cursor around ShowReadingsPage and writes its
// result into the page.

#include "engine/TitleList.h"
#include "scripture/BookAbbreviations.h"
#include "scripture/Citations.h"

#include <string>
#include <vector>

namespace talvoren
{
class CScriptureDb;
class CTitleList;
struct DAYRECORD;

// What the view does with the page.
struct PASSAGEPAGE {
    bool bShow = false;     // write strHtml into "rightCol2" and run strScript
    std::string strHtml;    // the passages, titles, verse numbers and headings
    std::string strScript;  // "OpenWin('<program folder>/Html/layer.htm')"
};

// Given a passage, the query that reads its rows:
// "Select Type, Sentence, Contents From Sentences Where Book = B AND
// Chapter = K AND (<conditions>) ORDER BY ID", one condition per
// comma-separated piece of the verses (a range "a-b" as
// " (Sentence >= a AND Sentence <= b) ", a number n as " (Sentence = n ) "),
// joined with " OR ". An empty piece gives an invalid query, on purpose.
std::string PassageQuery(const PASSAGE& passage);

// The passage's title, "<H2><b>Is  7:10-14</b></H2>": the book's short
// name in `names` with its trailing blank, the chapter and the verses.
std::string PassageTitle(const PASSAGE& passage,
                         const CBookAbbreviations& names = CBookAbbreviations::Vietnamese());

// The language of a passage page: the short names of the books and the
// titles whose page texts give its notes.
struct PASSAGELANGUAGE {
    const CBookAbbreviations* pNames = &CBookAbbreviations::Vietnamese();
    const CTitleList* pTitles = nullptr;   // null: the built-in page texts
};

// Given the passages, the scripture database and whether it is open: when it
// is open and there are passages, writes each passage to `html` (title,
// then each row: "<sub>n</sub> " and the text for a verse, "<br>" and an
// <h2>/<h3> heading otherwise; the texts of the rows after the HTML
// whitelist of base/HtmlWhitelist.h) and returns true; the passage list is
// emptied. A passage whose query gives no rows (a book or verses that the
// Bible text lacks) has its title and the note "scripture.missing" of the
// page texts. After 200 passages or 5,000 rows the page stops with the note
// "scripture.cut". Returns false, leaving `html` alone, otherwise.
bool RenderPassages(std::vector<PASSAGE>& passages, CScriptureDb& db, bool bDatabaseOpen, std::string& html,
                    const PASSAGELANGUAGE& language = PASSAGELANGUAGE());

// The script that opens the reading window: OpenWin with the path of
// Html/layer.htm in `programFolder`, written as a single-quoted script
// string (a backslash doubled, a quote or line break escaped).
std::string OpenWindowScript(const std::string& programFolder);

// The heading of a day's passages, "<h1 class=ReadingsTitle>Thứ Ba
// 8/12/2026 · <celebration></h1>", so that the reading window and its
// printout say which day they are for. The celebration passes the HTML
// whitelist.
std::string ReadingsHeading(const DAYRECORD& day, int year, const CTitleList& titles);

// Given a day's readings text: scans and parses its citations (with the
// book names of `language`) and renders the passages. bShow is false, and
// nothing is to be shown, when the database is not open or the text cites
// no passage (no abbreviation, or no chapter).
PASSAGEPAGE ShowReadingsPage(const std::string& readings, CScriptureDb& db, bool bDatabaseOpen,
                             const std::string& programFolder, const PASSAGELANGUAGE& language = PASSAGELANGUAGE());

} // namespace talvoren

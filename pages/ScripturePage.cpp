#include "pages/ScripturePage.h"

#include "base/HtmlWhitelist.h"
#include "base/PageScripts.h"
#include "engine/DayRecord.h"
#include "engine/TitleList.h"
#include "pages/PageFormat.h"
#include "pages/StaticPageTexts.h"
#include "scripture/BookAbbreviations.h"
#include "scripture/ScriptureDb.h"

namespace talvoren
{
namespace
{
// A page of a citation list beyond these stops with a note: a text that cites
// the whole Bible would otherwise give hundreds of megabytes of HTML.
constexpr std::size_t kMaxPassages = 200;
constexpr std::size_t kMaxVerses = 5000;   // rows: verses and headings

// The note `key` of the page texts, as a paragraph in italics.
std::string Note(const PASSAGELANGUAGE& language, const char* key)
{
    static const CTitleList kBuiltIn;
    return "<p><i>" + PageTextHtml(language.pTitles ? *language.pTitles : kBuiltIn, key) + "</i></p>";
}

// The pieces of `text` between the separators `separator`, empty ones included.
std::vector<std::string> Split(const std::string& text, char separator)
{
    std::vector<std::string> pieces;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find(separator, start);
        pieces.push_back(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
        if (end == std::string::npos)
            return pieces;
        start = end + 1;
    }
}

bool EndsWith(const std::string& text, char ch)
{
    return !text.empty() && text.back() == ch;
}
} // namespace

std::string PassageQuery(const PASSAGE& passage)
{
    std::string conditions;
    bool first = true;
    for (const std::string& piece : Split(passage.strVerses, ',')) {
        if (!first)
            conditions += " OR ";
        first = false;
        if (piece.find('-') == std::string::npos) {
            conditions += " (Sentence = " + piece + " ) ";
        } else {
            // The first and second parts; anything after a second "-" is dropped.
            const std::vector<std::string> parts = Split(piece, '-');
            conditions += " (Sentence >= " + parts[0] + " AND Sentence <= " + parts[1] + ") ";
        }
    }
    return "Select Type, Sentence, Contents From Sentences Where Book = " + std::to_string(passage.nBook) +
           " AND Chapter = " + std::to_string(passage.nChapter) + " AND (" + conditions + ") ORDER BY ID";
}

std::string PassageTitle(const PASSAGE& passage, const CBookAbbreviations& names)
{
    return "<H2><b>" + names.Abbreviation(passage.nBook) + " " + std::to_string(passage.nChapter) + ":" +
           passage.strVerses + "</b></H2>";
}

bool RenderPassages(std::vector<PASSAGE>& passages, CScriptureDb& db, bool bDatabaseOpen, std::string& html,
                    const PASSAGELANGUAGE& language)
{
    if (!bDatabaseOpen || passages.empty())
        return false;
    html.clear();
    std::size_t shown = 0;
    std::size_t rows = 0;
    bool cut = false;
    for (const PASSAGE& passage : passages) {
        if (shown == kMaxPassages || rows == kMaxVerses) {
            cut = true;
            break;
        }
        ++shown;
        html += PassageTitle(passage, *language.pNames);
        if (!db.Execute(PassageQuery(passage))) {
            html += Note(language, "scripture.missing");   // no rows, or a query that cannot run
            continue;
        }
        // A row that cannot be read ends the passage as if its rows had ended.
        while (!db.IsEOF()) {
            if (rows == kMaxVerses) {
                cut = true;
                break;
            }
            ++rows;
            int type = 0;
            db.GetFieldInt(0, type);
            if (type == 0) {
                int verse = 0;
                db.GetFieldInt(1, verse);
                html += "<sub>" + std::to_string(verse) + "</sub> ";
            } else {
                html += "<br>";
            }
            // A fresh string for each row: a text that cannot be read adds
            // nothing instead of the previous row's text again.
            std::string contents;
            db.GetFieldWide(2, contents);
            contents = SanitizeHtml(contents);   // the database's HTML runs no script
            if (type == 0 && EndsWith(contents, '>'))
                contents += "<br>";
            else if (type == 1 || type == 2)
                contents = "<h2>" + contents + "</h2>";
            else if (type != 0)
                contents = "<h3>" + contents + "</h3>";
            html += contents;
            db.MoveNext();
        }
    }
    if (cut)
        html += Note(language, "scripture.cut");
    passages.clear();
    return true;
}

std::string OpenWindowScript(const std::string& programFolder)
{
    return MakeOpenWinScript(programFolder, "layer.htm");
}

std::string ReadingsHeading(const DAYRECORD& day, int year, const CTitleList& titles)
{
    std::string heading;
    AppendFormat(heading, "<h1 class=ReadingsTitle>%s %d/%d/%d &middot; %s</h1>",
                 SanitizeHtml(titles.WeekdayName(day.nWeekday)).c_str(), day.nDay, day.nMonth, year,
                 SanitizeHtml(day.strCelebration).c_str());
    return heading;
}

PASSAGEPAGE ShowReadingsPage(const std::string& readings, CScriptureDb& db, bool bDatabaseOpen,
                             const std::string& programFolder, const PASSAGELANGUAGE& language)
{
    PASSAGEPAGE page;
    std::vector<unsigned> books;
    std::vector<std::string> texts;
    ScanCitations(readings, *language.pNames, books, texts);
    if (books.empty() || texts.empty())
        return page;
    std::vector<PASSAGE> passages;
    ParseCitations(books, texts, passages);
    books.clear();
    texts.clear();
    if (RenderPassages(passages, db, bDatabaseOpen, page.strHtml, language)) {
        page.bShow = true;
        page.strScript = OpenWindowScript(programFolder);
    }
    return page;
}

} // namespace talvoren

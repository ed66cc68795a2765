#pragma once
// Turns the raw OSIS of a Bible module, one verse entry at a time, into the
// small HTML that the scripture passage page shows: notes and cross
// references dropped, word-level tags dropped with their text kept, poetry
// lines as <span class="lN"> separated by <br> and indented with &emsp;,
// words of Jesus as <span class="jesus">, paragraph ends as a blank line.
// Titles and speakers become heading rows placed before the verse that
// follows them.
//
// Line ends and the page: the page puts one <br> after a verse whose text
// ends with ">". So a verse that ends a poetry line ends with "</span>", a
// verse that ends a paragraph or stanza ends with "<br>" (a blank line after
// it), and a verse that runs on never ends with ">".

#include <string>
#include <vector>

namespace talvoren
{
// Heading types of the scripture database: 1 = book title, 2 = other major
// heading (the rest of a book title, a chapter's title), 3 = minor heading
// (psalm title, speaker).
struct OSISHEADING {
    int nType;
    std::string strText;
};

struct OSISVERSE {
    std::vector<OSISHEADING> headings;   // to be placed before the verse, in order
    std::string strHtml;                 // the verse itself
};

class COsisConverter
{
public:
    COsisConverter() = default;

    // Starts a book with OSIS id `osisBook` ("Gen", "Ps"): headings still
    // waiting for a verse and an open poetry line are dropped. Book titles
    // are taken only from the division of that book.
    void StartBook(const std::string& osisBook);

    // Given the raw OSIS of one entry (`intro` for a book's or chapter's
    // entry 0, whose text is no verse), collects its headings and text. True
    // when the entry is a verse with text: `verse` then holds it and every
    // heading collected since the last verse. An entry without text keeps
    // its headings for the next verse and returns false. Unknown tags are
    // dropped with their text kept; an unclosed note or skipped division
    // ends with the entry.
    bool AddEntry(const std::string& raw, bool intro, OSISVERSE& verse);

private:
    struct TAG {
        std::string strName;
        bool bClosing = false;    // </name>
        bool bEmpty = false;      // <name ... />
        std::vector<std::pair<std::string, std::string>> attributes;
        std::string Attribute(const std::string& name) const;
    };
    static bool ParseTag(const std::string& raw, std::size_t begin, std::size_t end, TAG& tag);

    void HandleTag(const TAG& tag, bool intro);
    void HandleText(const std::string& text);
    void StartLine(int level, const char* cls);
    void EndLine();
    void CloseSpans();
    void RequestBreak(int count);
    void AddHeading(int type, const std::string& text);
    int TitleType(const TAG& title, bool intro) const;

    std::string m_strBook;
    std::vector<OSISHEADING> m_pending;

    // Poetry line, carried from entry to entry (a line may start in a
    // chapter's entry 0 and end in verse 1).
    bool m_bLineOpen = false;
    bool m_bLineHasText = false;
    int m_nLineLevel = 1;
    const char* m_pszLineClass = "l1";

    // State of the entry being read.
    std::string m_strBody;
    bool m_bLineSpan = false;       // <span class="lN"> written and open
    bool m_bJesusSpan = false;      // <span class="jesus"> written and open
    std::vector<bool> m_quotes;     // open <q>, true for the words of Jesus
    int m_nBreak = 0;               // line breaks owed before the next text: 0, 1 or 2
    bool m_bSpace = false;          // a blank owed before the next text
    bool m_bAfterText = false;      // the body ends with text (not a break or indent)
    int m_nNoteDepth = 0;
    bool m_bNoteGap = false;        // a note ended: a word after it is a new word
    std::string m_strSkipUntil;     // eID of a skipped division
    int m_nSkipDepth = 0;           // depth of a skipped container division
    bool m_bInHeading = false;
    int m_nHeadingType = 0;
    std::string m_strHeading;
};

} // namespace talvoren

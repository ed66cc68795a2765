#include "tools/bibledb/OsisConverter.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

namespace talvoren
{
namespace
{
bool IsSpace(char ch)
{
    return ch == ' ' || ch == '\t' || ch == '\n' || ch == '\r';
}

// `text` with runs of white space made one blank and both ends trimmed.
std::string Collapse(const std::string& text)
{
    std::string out;
    bool space = false;
    for (const char ch : text) {
        if (IsSpace(ch)) {
            space = true;
            continue;
        }
        if (space && !out.empty())
            out += ' ';
        space = false;
        out += ch;
    }
    return out;
}

// Divisions whose content is no verse text: front matter, book
// introductions, glossaries.
bool IsSkippedDivision(const std::string& type)
{
    return type == "front" || type == "introduction" || type == "glossary" || type == "preface" ||
           type == "x-introduction" || type == "titlePage" || type == "colophon";
}
// True when the character at `pos` of `text` begins a word or an opening
// quotation, so that a blank belongs before it: letters, digits, "(", "[",
// the opening quotes “ and ‘, and any other non-ASCII letter.
bool StartsWord(const std::string& text, std::size_t pos)
{
    const auto ch = static_cast<unsigned char>(text[pos]);
    if (ch < 0x80)
        return std::isalnum(ch) || ch == '(' || ch == '[';
    if (ch == 0xE2 && pos + 2 < text.size() && static_cast<unsigned char>(text[pos + 1]) == 0x80) {
        const auto third = static_cast<unsigned char>(text[pos + 2]);
        return third == 0x9C || third == 0x98;   // “ ‘ (closing quotes and dashes are not)
    }
    return ch >= 0xC3;
}
} // namespace

std::string COsisConverter::TAG::Attribute(const std::string& name) const
{
    for (const auto& attribute : attributes)
        if (attribute.first == name)
            return attribute.second;
    return std::string();
}

bool COsisConverter::ParseTag(const std::string& raw, std::size_t begin, std::size_t end, TAG& tag)
{
    // raw[begin] is '<' and raw[end] is '>'.
    std::size_t pos = begin + 1;
    if (pos < end && raw[pos] == '/') {
        tag.bClosing = true;
        ++pos;
    }
    std::size_t last = end;
    if (last > pos && raw[last - 1] == '/') {
        tag.bEmpty = true;
        --last;
    }
    const std::size_t nameEnd = std::min(raw.find_first_of(" \t\r\n/", pos), last);
    tag.strName = raw.substr(pos, nameEnd - pos);
    if (tag.strName.empty())
        return false;
    pos = nameEnd;
    while (pos < last) {
        while (pos < last && IsSpace(raw[pos]))
            ++pos;
        const std::size_t equals = raw.find('=', pos);
        if (pos >= last || equals == std::string::npos || equals >= last)
            break;
        std::string name = raw.substr(pos, equals - pos);
        name.erase(std::remove_if(name.begin(), name.end(), IsSpace), name.end());
        std::size_t quote = equals + 1;
        while (quote < last && IsSpace(raw[quote]))
            ++quote;
        if (quote >= last || (raw[quote] != '"' && raw[quote] != '\''))
            break;
        const std::size_t close = raw.find(raw[quote], quote + 1);
        if (close == std::string::npos || close >= last)
            break;
        tag.attributes.emplace_back(name, raw.substr(quote + 1, close - quote - 1));
        pos = close + 1;
    }
    return true;
}

void COsisConverter::StartBook(const std::string& osisBook)
{
    m_strBook = osisBook;
    m_pending.clear();
    m_bLineOpen = false;
    m_bLineHasText = false;
}

void COsisConverter::RequestBreak(int count)
{
    if (!m_strBody.empty())
        m_nBreak = std::max(m_nBreak, count);
}

void COsisConverter::CloseSpans()
{
    if (m_bJesusSpan) {
        m_strBody += "</span>";
        m_bJesusSpan = false;
    }
    if (m_bLineSpan) {
        m_strBody += "</span>";
        m_bLineSpan = false;
    }
}

void COsisConverter::StartLine(int level, const char* cls)
{
    CloseSpans();
    m_bLineOpen = true;
    m_bLineHasText = false;
    m_nLineLevel = std::clamp(level, 1, 4);
    m_pszLineClass = cls;
    RequestBreak(1);
}

void COsisConverter::EndLine()
{
    if (!m_bLineOpen)
        return;
    CloseSpans();
    m_bLineOpen = false;
    RequestBreak(1);
}

void COsisConverter::AddHeading(int type, const std::string& text)
{
    const std::string heading = Collapse(text);
    if (heading.empty())
        return;
    if (m_strBody.empty()) {
        m_pending.push_back(OSISHEADING{type, heading});
        return;
    }
    // A heading inside a verse (a speaker between two lines) stays in the
    // verse, on a line of its own.
    CloseSpans();
    m_strBody += "<br><i>" + heading + "</i>";
    m_nBreak = 0;
    m_bSpace = false;
    m_bAfterText = false;
    RequestBreak(1);
}

int COsisConverter::TitleType(const TAG& title, bool intro) const
{
    const std::string type = title.Attribute("type");
    if (type == "main")
        return title.Attribute("level") == "1" || title.Attribute("level").empty() ? 1 : 2;
    if (type == "psalm" || type == "acrostic" || type == "sub" || type == "section" || type == "parallel")
        return 3;
    if (type == "chapter")
        return 2;
    // A title without a type: a chapter's title in the chapter's entry 0
    // ("BOOK 2" before Psalm 42), else a section heading.
    return intro ? 2 : 3;
}

void COsisConverter::HandleText(const std::string& text)
{
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char ch = text[i];
        if (IsSpace(ch)) {
            m_bSpace = true;
            continue;
        }
        if (m_bNoteGap) {
            // The module leaves out the blank after a note that follows a
            // word ("God<note>..</note>created"): a word after a note is a
            // new word.
            if (StartsWord(text, i))
                m_bSpace = true;
            m_bNoteGap = false;
        }
        if (m_nBreak > 0) {
            CloseSpans();
            for (int n = 0; n < m_nBreak; ++n)
                m_strBody += "<br>";
            m_nBreak = 0;
            m_bSpace = false;
            m_bAfterText = false;
        }
        if (m_bLineOpen && !m_bLineSpan) {
            m_strBody += std::string("<span class=\"") + m_pszLineClass + "\">";
            if (!m_bLineHasText) {
                for (int n = 1; n < m_nLineLevel; ++n)
                    m_strBody += "&emsp;";
                m_bSpace = false;
                m_bAfterText = false;
            }
            m_bLineSpan = true;
        }
        const bool jesus = std::find(m_quotes.begin(), m_quotes.end(), true) != m_quotes.end();
        if (jesus && !m_bJesusSpan) {
            if (m_bSpace && m_bAfterText)
                m_strBody += ' ';
            m_bSpace = false;
            m_strBody += "<span class=\"jesus\">";
            m_bJesusSpan = true;
        }
        if (m_bSpace && m_bAfterText)
            m_strBody += ' ';
        m_bSpace = false;
        m_strBody += ch;
        m_bAfterText = true;
        if (m_bLineOpen)
            m_bLineHasText = true;
    }
}

void COsisConverter::HandleTag(const TAG& tag, bool intro)
{
    const std::string& name = tag.strName;
    const std::string sid = tag.Attribute("sID");
    const std::string eid = tag.Attribute("eID");

    // Inside a skipped division only its end counts.
    if (!m_strSkipUntil.empty()) {
        if (name == "div" && eid == m_strSkipUntil)
            m_strSkipUntil.clear();
        return;
    }
    if (m_nSkipDepth > 0) {
        if (name == "div" && !tag.bEmpty)
            m_nSkipDepth += tag.bClosing ? -1 : 1;
        return;
    }
    if (name == "note") {
        if (!tag.bEmpty)
            m_nNoteDepth += tag.bClosing ? -1 : 1;
        m_nNoteDepth = std::max(m_nNoteDepth, 0);
        if (m_nNoteDepth == 0 && tag.bClosing)
            m_bNoteGap = true;
        return;
    }
    if (m_nNoteDepth > 0)
        return;

    if (m_bInHeading) {
        if ((name == "title" || name == "speaker") && tag.bClosing) {
            m_bInHeading = false;
            AddHeading(m_nHeadingType, m_strHeading);
        }
        return;   // tags inside a heading are dropped, their text kept
    }

    if (name == "title" || name == "speaker") {
        if (tag.bClosing || tag.bEmpty)
            return;
        m_bInHeading = true;
        m_nHeadingType = name == "speaker" ? 3 : TitleType(tag, intro);
        m_strHeading.clear();
    } else if (name == "div") {
        const std::string type = tag.Attribute("type");
        if (tag.bClosing) {
            return;
        } else if (type == "book" && !sid.empty() && tag.Attribute("osisID") != m_strBook) {
            m_strSkipUntil = sid;   // another book's text (it may sit in this book's entry)
        } else if (IsSkippedDivision(type)) {
            if (!sid.empty())
                m_strSkipUntil = sid;
            else if (!tag.bEmpty && eid.empty())
                m_nSkipDepth = 1;
        } else if ((type == "x-p" || type == "paragraph") && !eid.empty()) {
            RequestBreak(2);
        }
    } else if (name == "p") {
        if (tag.bClosing)
            RequestBreak(2);
    } else if (name == "l" || name == "item") {
        const bool start = !tag.bClosing && eid.empty() && (!tag.bEmpty || !sid.empty());
        const bool end = tag.bClosing || !eid.empty();
        if (start) {
            if (tag.Attribute("type") == "selah") {
                StartLine(3, "selah");
            } else {
                std::string level = tag.Attribute("level");
                const std::string type = tag.Attribute("type");
                if (level.empty() && type.rfind("x-indent-", 0) == 0)
                    level = type.substr(9);
                const int n = level.empty() ? 1 : std::max(1, std::atoi(level.c_str()));
                static const char* const kClasses[] = {"l1", "l2", "l3", "l4"};
                StartLine(n, kClasses[std::clamp(n, 1, 4) - 1]);
            }
        } else if (end) {
            EndLine();
        }
    } else if (name == "lg") {
        if (tag.bClosing || !eid.empty()) {
            EndLine();
            RequestBreak(2);
        }
    } else if (name == "lb") {
        RequestBreak(tag.Attribute("type") == "x-p" ? 2 : 1);
    } else if (name == "q") {
        const bool jesus = tag.Attribute("who") == "Jesus";
        if (tag.bClosing || !eid.empty()) {
            if (!m_quotes.empty())
                m_quotes.pop_back();
            if (m_bJesusSpan && std::find(m_quotes.begin(), m_quotes.end(), true) == m_quotes.end()) {
                m_strBody += "</span>";
                m_bJesusSpan = false;
            }
        } else if (!tag.bEmpty || !sid.empty()) {
            m_quotes.push_back(jesus);
        }
    }
    // Every other tag (w, name, seg, transChange, milestone, chapter, ...)
    // is dropped; its text, if any, is kept.
}

bool COsisConverter::AddEntry(const std::string& raw, bool intro, OSISVERSE& verse)
{
    m_strBody.clear();
    m_bLineSpan = false;
    m_bJesusSpan = false;
    m_quotes.clear();
    m_nBreak = 0;
    m_bSpace = false;
    m_bAfterText = false;
    m_nNoteDepth = 0;
    m_bNoteGap = false;
    m_strSkipUntil.clear();
    m_nSkipDepth = 0;
    m_bInHeading = false;

    std::size_t pos = 0;
    while (pos < raw.size()) {
        const std::size_t open = raw.find('<', pos);
        const std::string text = raw.substr(pos, (open == std::string::npos ? raw.size() : open) - pos);
        if (!text.empty() && m_strSkipUntil.empty() && m_nSkipDepth == 0 && m_nNoteDepth == 0) {
            if (m_bInHeading)
                m_strHeading += text;
            else if (!intro)
                HandleText(text);
        }
        if (open == std::string::npos)
            break;
        const std::size_t close = raw.find('>', open);
        if (close == std::string::npos)
            break;   // a broken tag ends the entry
        TAG tag;
        if (ParseTag(raw, open, close, tag))
            HandleTag(tag, intro);
        pos = close + 1;
    }
    if (m_bInHeading)
        AddHeading(m_nHeadingType, m_strHeading);
    CloseSpans();
    if (m_strBody.empty())
        return false;

    // How the verse ends decides the line break that the page puts after it.
    if (m_nBreak >= 2)
        m_strBody += "<br>";
    else if (m_nBreak == 0 && m_strBody.back() == '>')
        m_strBody += ' ';
    verse.strHtml = m_strBody;
    verse.headings.swap(m_pending);
    m_pending.clear();
    return true;
}

} // namespace talvoren

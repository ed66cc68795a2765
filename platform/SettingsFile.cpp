#include "platform/SettingsFile.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

namespace talvoren
{
namespace
{
const char kNewFileComment[] = "; Talvoren settings";

bool SameName(const std::string& a, const std::string& b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

std::size_t SkipBlanks(const std::string& line, std::size_t pos = 0)
{
    while (pos < line.size() && (line[pos] == ' ' || line[pos] == '\t'))
        ++pos;
    return pos;
}

std::string Quote(const std::string& text)
{
    std::string out = "\"";
    for (char ch : text) {
        if (ch == '\\' || ch == '"')
            out += '\\';
        if (ch == '\n')
            out += "\\n";
        else if (ch == '\r')
            out += "\\r";
        else
            out += ch;
    }
    return out + "\"";
}

// Reads a quoted text starting at `pos` (on the opening quote), leaving
// `pos` after the closing one. False when it is not closed.
bool Unquote(const std::string& line, std::size_t& pos, std::string& text)
{
    text.clear();
    if (pos >= line.size() || line[pos] != '"')
        return false;
    for (++pos; pos < line.size(); ++pos) {
        char ch = line[pos];
        if (ch == '"') {
            ++pos;
            return true;
        }
        if (ch == '\\' && pos + 1 < line.size()) {
            ch = line[++pos];
            if (ch == 'n')
                ch = '\n';
            else if (ch == 'r')
                ch = '\r';
        }
        text += ch;
    }
    return false;
}

// The path of a "[path]" line; false for any other line.
bool SectionOf(const std::string& line, std::string& path)
{
    const std::size_t open = SkipBlanks(line);
    if (open >= line.size() || line[open] != '[')
        return false;
    const std::size_t close = line.rfind(']');
    if (close == std::string::npos || close <= open)
        return false;
    path = line.substr(open + 1, close - open - 1);
    return true;
}

// The name and value of a value line; false for any other line (the name
// of a value of another kind is still given, with Kind::Other).
bool ValueOf(const std::string& line, std::string& name, SETTINGSVALUE& value)
{
    std::size_t pos = SkipBlanks(line);
    if (!Unquote(line, pos, name) || pos >= line.size() || line[pos] != '=')
        return false;
    ++pos;
    value = SETTINGSVALUE();
    value.kind = SETTINGSVALUE::Kind::Other;
    if (line.compare(pos, 6, "dword:") == 0) {
        const std::string digits = line.substr(pos + 6);
        if (!digits.empty() && digits.size() <= 8 &&
            std::all_of(digits.begin(), digits.end(), [](char c) { return std::isxdigit(static_cast<unsigned char>(c)); })) {
            value.kind = SETTINGSVALUE::Kind::Dword;
            value.nDword = static_cast<std::uint32_t>(std::stoul(digits, nullptr, 16));
        }
    } else if (Unquote(line, pos, value.strText)) {
        value.kind = SETTINGSVALUE::Kind::Text;
    }
    return true;
}

bool IsBlankOrComment(const std::string& line)
{
    const std::size_t pos = SkipBlanks(line);
    return pos == line.size() || line[pos] == ';' || line[pos] == '#';
}

// True when the text has a control character other than tab and line ends:
// random bytes, or a binary file, and no settings.
bool HasControlCharacter(const std::string& text)
{
    return std::any_of(text.begin(), text.end(), [](char ch) {
        const auto byte = static_cast<unsigned char>(ch);
        return (byte < 0x20 && ch != '\t' && ch != '\n' && ch != '\r') || byte == 0x7F;
    });
}
} // namespace

bool CSettingsFile::Parse(const std::string& bytes, std::string& problem)
{
    TEXTENCODING encoding = GuessTextEncoding(bytes.data(), bytes.size());
    if (encoding.kind == TextKind::Unknown)
        encoding.kind = TextKind::Utf8;
    std::string text;
    if (!DecodeText(bytes.data(), bytes.size(), encoding, text) || HasControlCharacter(text)) {
        problem = "it is not text in UTF-8 or UTF-16";
        return false;
    }
    std::vector<LINE> lines;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = text.find_first_of("\r\n", start);
        LINE line;
        line.strText = text.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (end == std::string::npos) {
            start = text.size();
        } else {
            const std::size_t endLength = text.compare(end, 2, "\r\n") == 0 ? 2 : 1;
            line.strEnd = text.substr(end, endLength);
            start = end + endLength;
        }
        lines.push_back(std::move(line));
    }
    std::string path;
    const bool anySection =
        std::any_of(lines.begin(), lines.end(), [&path](const LINE& line) { return SectionOf(line.strText, path); });
    const bool onlyComments =
        std::all_of(lines.begin(), lines.end(), [](const LINE& line) { return IsBlankOrComment(line.strText); });
    if (!anySection && !onlyComments) {
        problem = "it has no [section] line";
        return false;
    }
    m_encoding = encoding;
    m_lines = std::move(lines);
    return true;
}

int CSettingsFile::FindSection(const std::string& path) const
{
    std::string found;
    for (std::size_t i = 0; i < m_lines.size(); ++i)
        if (SectionOf(m_lines[i].strText, found) && SameName(found, path))
            return static_cast<int>(i);
    return -1;
}

int CSettingsFile::FindValueLine(int header, const std::string& name) const
{
    std::string path;
    std::string found;
    SETTINGSVALUE value;
    for (std::size_t i = static_cast<std::size_t>(header) + 1; i < m_lines.size(); ++i) {
        if (SectionOf(m_lines[i].strText, path))
            break;
        if (ValueOf(m_lines[i].strText, found, value) && SameName(found, name))
            return static_cast<int>(i);
    }
    return -1;
}

int CSettingsFile::InsertionPoint(int header) const
{
    std::string path;
    std::string found;
    SETTINGSVALUE value;
    int after = header + 1;
    for (std::size_t i = static_cast<std::size_t>(header) + 1; i < m_lines.size(); ++i) {
        if (SectionOf(m_lines[i].strText, path))
            break;
        if (ValueOf(m_lines[i].strText, found, value))
            after = static_cast<int>(i) + 1;
    }
    return after;
}

bool CSettingsFile::HasSection(const std::string& path) const
{
    return FindSection(path) >= 0;
}

SETTINGSVALUE CSettingsFile::Find(const std::string& path, const std::string& name) const
{
    const int header = FindSection(path);
    const int line = header < 0 ? -1 : FindValueLine(header, name);
    SETTINGSVALUE value;
    std::string found;
    if (line >= 0)
        ValueOf(m_lines[static_cast<std::size_t>(line)].strText, found, value);
    return value;
}

void CSettingsFile::InsertLine(int at, const std::string& text)
{
    // The new line ends as the file's lines do; a last line without an end gets one.
    std::string end = "\n";
    for (const LINE& line : m_lines)
        if (!line.strEnd.empty()) {
            end = line.strEnd;
            break;
        }
    const auto position = static_cast<std::size_t>(at);
    if (position > 0 && m_lines[position - 1].strEnd.empty())
        m_lines[position - 1].strEnd = end;
    m_lines.insert(m_lines.begin() + at, LINE{text, end});
}

void CSettingsFile::AddSection(const std::string& path)
{
    if (HasSection(path))
        return;
    if (m_lines.empty())
        InsertLine(0, kNewFileComment);
    InsertLine(static_cast<int>(m_lines.size()), "[" + path + "]");
}

void CSettingsFile::SetLine(const std::string& path, const std::string& name, const std::string& valueText)
{
    AddSection(path);
    const int header = FindSection(path);
    const int line = FindValueLine(header, name);
    if (line >= 0) {
        // The name keeps its spelling; only the value changes.
        std::string stored;
        SETTINGSVALUE old;
        ValueOf(m_lines[static_cast<std::size_t>(line)].strText, stored, old);
        m_lines[static_cast<std::size_t>(line)].strText = Quote(stored) + "=" + valueText;
        return;
    }
    InsertLine(InsertionPoint(header), Quote(name) + "=" + valueText);
}

void CSettingsFile::SetDword(const std::string& path, const std::string& name, std::uint32_t value)
{
    char hex[16];
    std::snprintf(hex, sizeof hex, "dword:%08x", static_cast<unsigned>(value));
    SetLine(path, name, hex);
}

void CSettingsFile::SetText(const std::string& path, const std::string& name, const std::string& text)
{
    SetLine(path, name, Quote(text));
}

std::string CSettingsFile::Image() const
{
    std::string text;
    for (const LINE& line : m_lines)
        text += line.strText + line.strEnd;
    return EncodeText(text, m_encoding);
}

} // namespace talvoren

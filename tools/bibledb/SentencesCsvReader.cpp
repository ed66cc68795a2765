#include "tools/bibledb/SentencesCsvReader.h"

#include "platform/FileReading.h"

#include <algorithm>
#include <cctype>

namespace talvoren
{
namespace
{
const char* const kColumns[6] = {"ID", "Book", "Chapter", "Sentence", "Type", "Contents"};
// An export of the whole Bible takes about 6 MB; a file far beyond is no export.
constexpr std::size_t kCsvLimit = std::size_t(256) << 20;

// "" when `value` is a whole number within [low, high], else the problem.
std::string OutOfRange(const std::optional<std::string>& value, const char* what, int low, int high)
{
    const std::string text = value.value_or("");
    const bool digits = !text.empty() && text.size() <= 9 &&
                        std::all_of(text.begin(), text.end(), [](char ch) { return ch >= '0' && ch <= '9'; });
    if (!digits)
        return std::string(what) + " \"" + text.substr(0, 20) + "\" is not a whole number";
    const int number = std::stoi(text);
    if (number < low || number > high)
        return std::string(what) + " " + text + " is outside " + std::to_string(low) + ".." + std::to_string(high);
    return "";
}

bool EqualNoCase(const std::string& a, const char* b)
{
    std::size_t i = 0;
    for (; i < a.size() && b[i]; ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return i == a.size() && !b[i];
}
} // namespace

bool CSentencesCsvReader::Open(const std::string& path, std::string& error)
{
    FILEREAD file = ReadRegularFile(path, kCsvLimit);
    if (!file.bRead) {
        error = "cannot read " + path + ": " + file.strReason;
        return false;
    }
    m_strText = std::move(file.strBytes);
    m_nPos = m_strText.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
    m_nLine = 1;
    m_nNextId = 1;
    std::vector<std::optional<std::string>> header;
    if (!ReadRecord(header, error)) {
        if (error.empty())
            error = path + " is empty";
        return false;
    }
    m_nColumns = static_cast<int>(header.size());
    for (int column = 0; column < 6; ++column) {
        m_columnOf[column] = -1;
        for (int i = 0; i < m_nColumns; ++i) {
            std::string name = header[i].value_or("");
            while (!name.empty() && std::isspace(static_cast<unsigned char>(name.back())))
                name.pop_back();
            if (EqualNoCase(name, kColumns[column])) {
                m_columnOf[column] = i;
                break;
            }
        }
        if (column > 0 && m_columnOf[column] < 0) {
            error = path + ": no column " + kColumns[column] + " in the header";
            return false;
        }
    }
    return true;
}

bool CSentencesCsvReader::ReadRecord(std::vector<std::optional<std::string>>& fields, std::string& error)
{
    fields.clear();
    error.clear();
    if (m_nPos >= m_strText.size())
        return false;
    const int firstLine = m_nLine;
    for (;;) {
        std::optional<std::string> field;
        if (m_nPos < m_strText.size() && m_strText[m_nPos] == '"') {
            std::string value;
            ++m_nPos;
            for (;;) {
                if (m_nPos >= m_strText.size()) {
                    error = "line " + std::to_string(firstLine) + ": a quoted text is never closed";
                    return false;
                }
                const char ch = m_strText[m_nPos++];
                if (ch == '"') {
                    if (m_nPos < m_strText.size() && m_strText[m_nPos] == '"') {
                        value += '"';
                        ++m_nPos;
                        continue;
                    }
                    break;
                }
                if (ch == '\n')
                    ++m_nLine;
                value += ch;
            }
            field = value;
        } else {
            const std::size_t end = m_strText.find_first_of(",\n", m_nPos);
            std::string value = m_strText.substr(m_nPos, (end == std::string::npos ? m_strText.size() : end) - m_nPos);
            if (!value.empty() && value.back() == '\r')
                value.pop_back();
            m_nPos = end == std::string::npos ? m_strText.size() : end;
            if (!value.empty())
                field = value;
        }
        fields.push_back(field);
        if (m_nPos < m_strText.size() && m_strText[m_nPos] == '\r')
            ++m_nPos;
        if (m_nPos >= m_strText.size())
            return true;
        const char separator = m_strText[m_nPos++];
        if (separator == '\n') {
            ++m_nLine;
            return true;
        }
        if (separator != ',') {
            error = "line " + std::to_string(firstLine) + ": text after a closing quote (or a quote never closed)";
            return false;
        }
    }
}

bool CSentencesCsvReader::Next(SENTENCEVALUES& row, std::string& error)
{
    std::vector<std::optional<std::string>> fields;
    for (;;) {
        const int line = m_nLine;
        if (!ReadRecord(fields, error))
            return false;
        // A blank line (the end of the file, usually) is no row.
        if (fields.size() == 1 && !fields[0])
            continue;
        m_nRowLine = line;
        if (static_cast<int>(fields.size()) != m_nColumns) {
            error = "line " + std::to_string(line) + ": " + std::to_string(fields.size()) + " fields, the header has " +
                    std::to_string(m_nColumns);
            return false;
        }
        break;
    }
    for (int column = 0; column < 6; ++column)
        row.values[column] = m_columnOf[column] >= 0 ? fields[m_columnOf[column]] : std::nullopt;
    if (m_columnOf[0] < 0)
        row.values[0] = std::to_string(m_nNextId);
    ++m_nNextId;
    return true;
}

std::string CSentencesCsvReader::RangeProblem(const SENTENCEVALUES& row)
{
    std::string problems;
    for (const std::string& problem : {OutOfRange(row.values[1], "book", 1, 73), OutOfRange(row.values[3], "verse", 0, 200),
                                       OutOfRange(row.values[4], "type", 0, 3)})
        if (!problem.empty())
            problems += (problems.empty() ? "" : ", ") + problem;
    return problems;
}

} // namespace talvoren

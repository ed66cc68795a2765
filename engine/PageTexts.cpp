#include "engine/PageTexts.h"

namespace talvoren
{
// The Vietnamese page-texts file as the build found it (resources/lang/Vietnam/uPage.txt).
extern const char kBuiltInPageTexts[];

namespace
{
bool IsKeyCharacter(char ch)
{
    return (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z') || (ch >= '0' && ch <= '9') || ch == '.' || ch == '_';
}

std::string Trimmed(const std::string& text)
{
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return std::string();
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}
} // namespace

CPageTexts::CPageTexts()
{
    // Read once; every CPageTexts starts from a copy.
    static const std::map<std::string, std::string> kBuiltIn = [] {
        std::vector<std::string> lines;
        std::string line;
        for (const char* ch = kBuiltInPageTexts;; ++ch) {
            if (*ch == '\n' || *ch == '\0') {
                line = Trimmed(line);
                if (!line.empty() && line.find('#') == std::string::npos)
                    lines.push_back(line);
                line.clear();
                if (*ch == '\0')
                    break;
            } else if (*ch != '\r') {
                line += *ch;
            }
        }
        CPageTexts texts(lines, 0);
        return texts.m_texts;
    }();
    m_texts = kBuiltIn;
}

CPageTexts::CPageTexts(const std::vector<std::string>& lines, int)
{
    Take(lines);
}

CPageTexts CPageTexts::FromLines(const std::vector<std::string>& lines)
{
    CPageTexts texts;
    texts.Take(lines);
    return texts;
}

void CPageTexts::Take(const std::vector<std::string>& lines)
{
    for (const std::string& line : lines) {
        const std::size_t equals = line.find('=');
        if (equals == std::string::npos)
            continue;
        const std::string key = Trimmed(line.substr(0, equals));
        bool valid = !key.empty();
        for (const char ch : key)
            valid = valid && IsKeyCharacter(ch);
        if (valid)
            m_texts[key] = Trimmed(line.substr(equals + 1));
    }
}

const std::string& CPageTexts::Text(const std::string& key) const
{
    static const std::string kNone;
    const auto found = m_texts.find(key);
    return found == m_texts.end() ? kNone : found->second;
}

} // namespace talvoren

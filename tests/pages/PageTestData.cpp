#include "tests/pages/PageTestData.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace talvoren
{
namespace
{
std::string ReadText(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return std::string();
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

std::vector<std::string> Pieces(const std::string& page)
{
    std::vector<std::string> pieces;
    std::size_t start = 0;
    while (start < page.size()) {
        std::size_t end = page.find("</tr>", start);
        end = end == std::string::npos ? page.size() : end + 5;
        pieces.push_back(page.substr(start, end - start));
        start = end;
    }
    return pieces;
}
} // namespace

CPageTestData::CPageTestData()
{
    const std::string source = TALVOREN_PAGES_TEST_DATA "/lang/";
    for (const char* name : {"utitles.txt", "ufeast.txt"}) {
        const std::string text = ReadText(source + name);
        EXPECT_FALSE(text.empty()) << source << name;
        m_language.SetFromText(name, text);
    }
    for (std::string& line : m_language.Lines("uLectionary2.txt")) {
        if (line.rfind("weekday 150@", 0) == 0)
            line = "weekday 150 has no readings";
    }
    m_titles = m_language.Data()->Titles();
}

std::string CPageTestData::Golden(const std::string& name)
{
    const std::string path = TALVOREN_PAGES_TEST_DATA "/golden/" + name;
    std::string text = ReadText(path);
    EXPECT_FALSE(text.empty()) << "cannot read " << path;
    std::string joined;
    for (char ch : text) {
        if (ch != '\n' && ch != '\r')
            joined += ch;
    }
    return joined;
}

void ExpectSamePage(const std::string& actual, const std::string& expected)
{
    const std::vector<std::string> got = Pieces(actual);
    const std::vector<std::string> want = Pieces(expected);
    for (std::size_t n = 0; n < got.size() && n < want.size(); ++n) {
        if (got[n] != want[n]) {
            ADD_FAILURE() << "piece " << n << " differs\n  actual:   " << got[n] << "\n  expected: " << want[n];
            break;
        }
    }
    EXPECT_EQ(got.size(), want.size()) << "number of pieces";
    EXPECT_EQ(actual, expected);
}

} // namespace talvoren

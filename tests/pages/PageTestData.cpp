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

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line))
        lines.push_back(line);
    return lines;
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
        m_folder.WriteUtf16(name, Lines(text));
    }
    for (char cycle : std::string("ABC")) {
        std::vector<std::string> lines;
        for (int n = 0; n <= 75; ++n)
            lines.push_back("sunday " + std::to_string(n) + " @ S" + std::string(1, cycle) + std::to_string(n));
        m_folder.WriteUtf16(std::string("uLectionary") + cycle + ".txt", lines);
    }
    for (char cycle : std::string("12")) {
        std::vector<std::string> lines;
        for (int n = 0; n <= 337; ++n) {
            if (cycle == '2' && n == 150)
                lines.push_back("weekday 150 has no readings");
            else
                lines.push_back("weekday " + std::to_string(n) + " @ W" + std::string(1, cycle) + "-" +
                                std::to_string(n));
        }
        m_folder.WriteUtf16(std::string("uLectionary") + cycle + ".txt", lines);
    }
    for (const char* name : {"uLocal.txt", "uOrdo.txt", "uNote.txt"})
        m_folder.WriteBytes(name, "");
    m_language.strFolder = m_folder.Path();
}

std::unique_ptr<CLiturgicalYear> CPageTestData::Engine()
{
    auto engine = std::make_unique<CLiturgicalYear>(m_language);
    CALENDAROPTIONS options;
    options.nEpiphany = 0;
    options.nAscension = 0;
    options.nCorpusChristi = 0;
    engine->SetOptions(options);
    return engine;
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

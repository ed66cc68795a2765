#include "tests/engine/EngineTestData.h"

namespace talvoren
{
CEngineTestData::CEngineTestData()
{
    std::vector<std::string> titles;
    for (int n = 0; n <= 112; ++n)
        titles.push_back("T" + std::to_string(n));
    m_folder.WriteUtf16("utitles.txt", titles);
    for (char cycle : std::string("ABC")) {
        std::vector<std::string> lines;
        for (int n = 0; n <= 75; ++n)
            lines.push_back("sunday " + std::to_string(n) + " @ S" + std::string(1, cycle) + std::to_string(n));
        m_folder.WriteUtf16(std::string("uLectionary") + cycle + ".txt", lines);
    }
    for (char cycle : std::string("12")) {
        std::vector<std::string> lines;
        for (int n = 0; n <= 337; ++n)
            lines.push_back("weekday " + std::to_string(n) + "@W" + std::string(1, cycle) + "-" + std::to_string(n));
        m_folder.WriteUtf16(std::string("uLectionary") + cycle + ".txt", lines);
    }
    for (const char* name : {"ufeast.txt", "uLocal.txt", "uOrdo.txt", "uNote.txt"})
        m_folder.WriteBytes(name, "");
    m_language.strFolder = m_folder.Path();
}

std::unique_ptr<CLiturgicalYear> CEngineTestData::Engine(int epiphany, int ascension, int corpus)
{
    auto engine = std::make_unique<CLiturgicalYear>(m_language);
    CALENDAROPTIONS options;
    options.nEpiphany = epiphany;
    options.nAscension = ascension;
    options.nCorpusChristi = corpus;
    engine->SetOptions(options);
    return engine;
}

} // namespace talvoren

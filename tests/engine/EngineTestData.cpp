#include "tests/engine/EngineTestData.h"

namespace talvoren
{
CEngineTestData::CEngineTestData()
{
    m_language.WriteTo(m_folder);
    m_state.strFolder = m_folder.Path();
}

void CEngineTestData::WriteNotes(const std::string& name, const std::vector<std::string>& lines)
{
    m_language.Set(name, lines);
    m_folder.WriteUtf16(name, lines);
}

std::unique_ptr<CLiturgicalYear> CEngineTestData::Engine(int epiphany, int ascension, int corpus)
{
    auto engine = std::make_unique<CLiturgicalYear>(m_state);
    engine->SetOptions(CALENDAROPTIONS{epiphany, ascension, corpus});
    return engine;
}

std::unique_ptr<CLiturgicalYear> CEngineTestData::EngineInMemory(int epiphany, int ascension, int corpus)
{
    m_loaders.push_back(std::make_unique<CLanguageDataLoader>(m_language.Data()));
    auto engine = std::make_unique<CLiturgicalYear>(*m_loaders.back());
    engine->SetOptions(CALENDAROPTIONS{epiphany, ascension, corpus});
    return engine;
}

} // namespace talvoren

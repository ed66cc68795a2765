#include "engine/LanguageDataLoader.h"

namespace talvoren
{
namespace
{
bool IsVietnameseOrder(const CLanguageState& language)
{
    return language.nSyntax == 1;
}
} // namespace

CLanguageDataLoader::CLanguageDataLoader(const CLanguageState& language) : m_pLanguage(&language)
{
    Reload();
}

CLanguageDataLoader::CLanguageDataLoader(std::shared_ptr<const CLanguageData> data) : m_data(std::move(data))
{
    if (!m_data)
        m_data = std::make_shared<const CLanguageData>();
}

std::shared_ptr<const CLanguageData> CLanguageDataLoader::Current()
{
    if (!m_pLanguage)
        return m_data;
    const bool sameFolder = m_data->Folder() == m_pLanguage->strFolder &&
                            m_data->ShippedFolder() == m_pLanguage->strShippedFolder &&
                            m_data->Titles().IsVietnameseOrder() == IsVietnameseOrder(*m_pLanguage);
    if (!sameFolder || !m_data->IsCurrent())
        return Reload();
    return m_data;
}

std::shared_ptr<const CLanguageData> CLanguageDataLoader::Reload()
{
    if (m_pLanguage)
        m_data = CLanguageData::Load(m_pLanguage->strFolder, IsVietnameseOrder(*m_pLanguage), m_data.get(),
                                     m_pLanguage->strShippedFolder);
    return m_data;
}

} // namespace talvoren

#include "tests/support/TestLanguage.h"

#include "engine/LanguageFile.h"
#include "engine/LectionaryPositions.h"
#include "engine/TitlePositions.h"
#include "engine/YearComputation.h"
#include "tests/support/TestFolder.h"


namespace talvoren
{
CTestLanguage::CTestLanguage()
{
    std::vector<std::string>& titles = m_files["utitles.txt"];
    for (int n = 0; n < kTitleCount; ++n)
        titles.push_back("T" + std::to_string(n));
    for (char cycle : std::string("ABC")) {
        std::vector<std::string>& lines = m_files[std::string("uLectionary") + cycle + ".txt"];
        for (int n = 0; n < kSundayPositions; ++n)
            lines.push_back("sunday " + std::to_string(n) + " @ S" + std::string(1, cycle) + std::to_string(n));
    }
    for (char cycle : std::string("12")) {
        std::vector<std::string>& lines = m_files[std::string("uLectionary") + cycle + ".txt"];
        for (int n = 0; n < kWeekdayPositions; ++n)
            lines.push_back("weekday " + std::to_string(n) + "@W" + std::string(1, cycle) + "-" + std::to_string(n));
    }
    for (const char* name : {"ufeast.txt", "uLocal.txt", "uOrdo.txt", "uNote.txt"})
        m_files[name];
}

void CTestLanguage::SetFromText(const std::string& name, const std::string& utf8)
{
    const std::string bytes = CTestFolder::EncodeUtf16(utf8);
    CLanguageFile::Decode(bytes.data(), bytes.size(), m_files[name]);
}

void CTestLanguage::SetFromFile(const std::string& name, const std::string& path)
{
    CLanguageFile::Read(path, m_files[name], false);
}

std::shared_ptr<const CLanguageData> CTestLanguage::Data(bool vietnameseOrder) const
{
    return std::make_shared<const CLanguageData>(m_files, vietnameseOrder);
}

YEARTABLE CTestLanguage::Year(int year, int epiphany, int ascension, int corpus, bool vietnameseOrder) const
{
    return ComputeYearTable(year, CalendarSettingsFor(CALENDAROPTIONS{epiphany, ascension, corpus}),
                            *Data(vietnameseOrder));
}

void CTestLanguage::WriteTo(const CTestFolder& folder) const
{
    std::vector<const char*> names(CLanguageData::kFiles.begin(), CLanguageData::kFiles.end());
    names.insert(names.end(), CLanguageData::kOptionalFiles.begin(), CLanguageData::kOptionalFiles.end());
    for (const char* name : names) {
        const auto found = m_files.find(name);
        if (found == m_files.end())
            folder.Remove(name);
        else
            folder.WriteUtf16(name, found->second);
    }
}

} // namespace talvoren

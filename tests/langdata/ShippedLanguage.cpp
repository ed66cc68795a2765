#include "tests/langdata/ShippedLanguage.h"

#include "engine/LanguageFile.h"
#include "tests/support/TestLanguage.h"

#include <fstream>
#include <iterator>

namespace talvoren
{
const std::vector<SHIPPEDFOLDER>& ShippedFolders()
{
    static const std::vector<SHIPPEDFOLDER> folders{{"Vietnam", 1}, {"English", 0}};
    return folders;
}

const std::vector<std::string>& LanguageDataFiles()
{
    static const std::vector<std::string> files{"utitles.txt", "ufeast.txt",     "uLocal.txt",     "uOrdo.txt",
                                                "uNote.txt",   "uLunar.txt",     "uLunarNote.txt", "uMoveable.txt",
                                                "uPage.txt",   "uBooks.txt"};
    return files;
}

std::string ShippedFolderPath(const std::string& folder)
{
    return std::string(TALVOREN_PROGRAM_DIR) + "/" + folder + "/";
}

std::string SourceFolderPath(const std::string& folder)
{
    return std::string(TALVOREN_LANG_SOURCE_DIR) + "/" + folder + "/";
}

std::string ReadWholeFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::vector<std::string> KeptLines(const std::string& folder, const std::string& file)
{
    std::vector<std::string> lines;
    CLanguageFile::Read(ShippedFolderPath(folder) + file, lines, false);
    return lines;
}

std::unique_ptr<CLiturgicalYear> MakeEngine(const CLanguageState& language, int epiphany, int ascension, int corpus)
{
    auto engine = std::make_unique<CLiturgicalYear>(language);
    CALENDAROPTIONS options;
    options.nEpiphany = epiphany;
    options.nAscension = ascension;
    options.nCorpusChristi = corpus;
    engine->SetOptions(options);
    return engine;
}

CCelebrationLanguage::CCelebrationLanguage(const std::string& folder, int syntax)
{
    CTestLanguage language;
    for (const std::string& file : LanguageDataFiles())
        language.SetFromFile(file, ShippedFolderPath(folder) + file);
    for (const char* cycle : {"A", "B", "C", "1", "2"})
        language.Set(std::string("uLectionary") + cycle + ".txt", {});
    m_data = language.Data(syntax == 1);
}

} // namespace talvoren

#pragma once
// The language folders that the build ships in the program folder, and the
// readable sources under resources/lang/ that they are made from.

#include "engine/LanguageState.h"
#include "engine/LiturgicalYear.h"
#include "engine/YearComputation.h"
#include "tests/support/ScopedConfigFolder.h"
#include "tests/support/TestFolder.h"

#include <memory>
#include <string>
#include <vector>

namespace talvoren
{
struct SHIPPEDFOLDER
{
    const char* pszName;   // folder name in the program folder
    int nSyntax;           // the word order its titles are written for
};

// Vietnamese (syntax 1) and English (syntax 0).
const std::vector<SHIPPEDFOLDER>& ShippedFolders();

// The data files that this data set provides in every folder (the
// lectionaries are a data set of their own).
const std::vector<std::string>& LanguageDataFiles();

// "<program folder>/<folder>/" and "<repo>/resources/lang/<folder>/".
std::string ShippedFolderPath(const std::string& folder);
std::string SourceFolderPath(const std::string& folder);

// The whole content of a file ("" when it cannot be read).
std::string ReadWholeFile(const std::string& path);

// The kept lines of a shipped file, as the engine's reader keeps them.
std::vector<std::string> KeptLines(const std::string& folder, const std::string& file);

// An engine with the given settings (none read from the settings store).
std::unique_ptr<CLiturgicalYear> MakeEngine(const CLanguageState& language, int epiphany, int ascension,
                                            int corpus);

// The shipped titles, feasts and notes of one folder with empty
// lectionaries, in memory, so that the celebrations of any year can be
// checked apart from the lectionary data.
class CCelebrationLanguage
{
public:
    CCelebrationLanguage(const std::string& folder, int syntax);

    // The table of `year` (settings as CALENDAROPTIONS, none from the store).
    YEARTABLE Year(int year, int epiphany = 0, int ascension = 0, int corpus = 0) const
    {
        return ComputeYearTable(year, CalendarSettingsFor(CALENDAROPTIONS{epiphany, ascension, corpus}), *m_data);
    }
    const CLanguageData& Data() const { return *m_data; }

private:
    std::shared_ptr<const CLanguageData> m_data;
};

} // namespace talvoren

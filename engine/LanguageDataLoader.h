#pragma once
// Keeps the language data of the program's current language folder, and
// reads the folder again only when it changed: another folder or word
// order, or a file whose size, time or identity is not what was read. The
// engines of the program share one loader, so that the files are read once
// for all of them.

#include "engine/LanguageData.h"
#include "engine/LanguageState.h"

#include <memory>

namespace talvoren
{
class CLanguageDataLoader
{
public:
    // Follows `language` (which must outlive the loader); reads its folder at once.
    explicit CLanguageDataLoader(const CLanguageState& language);
    // Holds data made in memory; never reads a file.
    explicit CLanguageDataLoader(std::shared_ptr<const CLanguageData> data);
    CLanguageDataLoader(const CLanguageDataLoader&) = delete;
    CLanguageDataLoader& operator=(const CLanguageDataLoader&) = delete;

    // The data, read again first when the folder changed since it was read.
    std::shared_ptr<const CLanguageData> Current();
    // The data, read again now (a missing titles file keeps the old titles).
    std::shared_ptr<const CLanguageData> Reload();

private:
    const CLanguageState* m_pLanguage = nullptr;
    std::shared_ptr<const CLanguageData> m_data;
};

} // namespace talvoren

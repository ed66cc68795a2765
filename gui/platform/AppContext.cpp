#include "gui/platform/AppContext.h"

#include "gui/platform/DialogUnits.h"

namespace talvoren
{
CAppContext::CAppContext(const DATAFOLDERS& folders, const CLanguageState& language, bool onCdRom)
    : m_folders(folders),
      m_bOnCdRom(onCdRom),
      m_language(language),
      m_vietnameseFont(MakeCellHeightFont(QStringLiteral("Vietnam"), 12, QFont::Normal)),
      m_listFont(MakeCellHeightFont(QStringLiteral("Verdana"), 16, QFont::Normal))
{
}

} // namespace talvoren

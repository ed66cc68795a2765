#pragma once
// What the windows of one run share: the program folder, whether the program
// runs from a CD-ROM, the language state that the year engine reads and the
// language dialog changes with the translation of the program's texts that
// goes with it, and the two shared fonts. The application makes
// it; the frame holds it and hands it to each dialog it opens.

#include "engine/LanguageState.h"
#include "gui/platform/InterfaceTranslator.h"
#include "platform/SystemPaths.h"

#include <QFont>
#include <string>

namespace talvoren
{
class CAppContext
{
public:
    // Makes the Vietnamese display font (face "Vietnam", cell height 12), for
    // captions in the Vietnamese font encoding, and the list font (face
    // "Verdana", cell height 16). A Qt application must exist.
    CAppContext(const DATAFOLDERS& folders, const CLanguageState& language, bool onCdRom);
    // A program folder that holds both the shipped data and the user's.
    CAppContext(const std::string& programFolder, const CLanguageState& language, bool onCdRom)
        : CAppContext(DATAFOLDERS{programFolder, programFolder}, language, onCdRom)
    {
    }
    // One per run: a copy would change a language state nobody reads.
    CAppContext(const CAppContext&) = delete;
    CAppContext& operator=(const CAppContext&) = delete;

    // Where Html/, Bible.db and the shipped language folders lie (no
    // trailing separator).
    const std::string& ProgramFolder() const { return m_folders.strShipped; }
    // That folder and the one where the notes and new languages go.
    const DATAFOLDERS& DataFolders() const { return m_folders; }
    // The executable lies on a CD-ROM drive: no notes, the short language list.
    bool IsOnCdRom() const { return m_bOnCdRom; }
    // The language folder (ending in a separator) and the syntax flag.
    CLanguageState& Language() { return m_language; }
    const CLanguageState& Language() const { return m_language; }
    const QFont& VietnameseFont() const { return m_vietnameseFont; }
    // Installs the translation of the program's texts that goes with the
    // language folder in use (at start and after the language dialog).
    bool ApplyInterfaceLanguage() { return m_translator.Apply(m_folders.strShipped, m_language.strFolder); }
    const CInterfaceTranslator& Translator() const { return m_translator; }
    const QFont& ListFont() const { return m_listFont; }

private:
    DATAFOLDERS m_folders;
    bool m_bOnCdRom;
    CLanguageState m_language;
    QFont m_vietnameseFont;
    QFont m_listFont;
    CInterfaceTranslator m_translator;
};

} // namespace talvoren

#pragma once
// The language of the program's own texts (menus, tooltips, dialogs,
// messages): the translation that goes with the language folder in use,
// read from <program folder>/translations/talvoren_<language>.qm and
// installed into the application. Installing sends every widget a
// LanguageChange event, on which the main frame retranslates its bars.

#include <QString>
#include <memory>
#include <string>

class QTranslator;

namespace talvoren
{
class CInterfaceTranslator
{
public:
    CInterfaceTranslator();
    ~CInterfaceTranslator();   // removes the translation it installed
    CInterfaceTranslator(const CInterfaceTranslator&) = delete;
    CInterfaceTranslator& operator=(const CInterfaceTranslator&) = delete;

    // Installs the translation for `languageFolder` ("vi" for the folder
    // Vietnam, "en" for any other) in place of the one installed before.
    // A missing or unreadable file leaves no translation installed and
    // returns false: the source texts show.
    bool Apply(const std::string& programFolder, const std::string& languageFolder);

    // "vi" or "en" after a successful Apply, else empty.
    const QString& Language() const { return m_strLanguage; }

private:
    void Remove();

    std::unique_ptr<QTranslator> m_translator;
    QString m_strLanguage;
};

} // namespace talvoren

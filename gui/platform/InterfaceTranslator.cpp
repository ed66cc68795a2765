#include "gui/platform/InterfaceTranslator.h"

#include "dialogs/LanguageInstaller.h"
#include "platform/SystemPaths.h"

#include <QCoreApplication>
#include <QTranslator>

namespace talvoren
{
CInterfaceTranslator::CInterfaceTranslator() = default;

CInterfaceTranslator::~CInterfaceTranslator()
{
    Remove();
}

void CInterfaceTranslator::Remove()
{
    if (m_translator)
        QCoreApplication::removeTranslator(m_translator.get());
    m_translator.reset();
    m_strLanguage.clear();
}

bool CInterfaceTranslator::Apply(const std::string& programFolder, const std::string& languageFolder)
{
    const QString language = QString::fromStdString(CLanguageInstaller::InterfaceLanguage(languageFolder));
    if (m_translator && language == m_strLanguage)
        return true;
    Remove();
    auto translator = std::make_unique<QTranslator>();
    const QString folder = QString::fromStdString(JoinPath(programFolder, "translations"));
    if (!translator->load(QStringLiteral("talvoren_") + language, folder))
        return false;
    QCoreApplication::installTranslator(translator.get());
    m_translator = std::move(translator);
    m_strLanguage = language;
    return true;
}

} // namespace talvoren

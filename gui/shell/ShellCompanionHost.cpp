#include "gui/shell/ShellCompanionHost.h"

#include "gui/platform/AppContext.h"
#include "gui/shell/PromptDlg.h"
#include "platform/SystemPaths.h"
#include "resources/EncodedCaptions.h"
#include "resources/ResourceIds.h"

#include <QDesktopServices>
#include <QUrl>

namespace talvoren
{
bool CShellCompanionHost::FileExists(const std::string& path)
{
    return PathExists(path);
}

bool CShellCompanionHost::FindInstallCd(std::string* root)
{
    return talvoren::FindInstallCd(ReadMountTable(), root);
}

bool CShellCompanionHost::PromptForCd()
{
    CPromptDlg prompt(kInsertCdPrompt, IDI_WAIT, &m_context.VietnameseFont(), m_pParent);
    return prompt.exec() == IDOK;
}

void CShellCompanionHost::Open(const std::string& path)
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(path)));
}

} // namespace talvoren

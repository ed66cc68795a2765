#include "gui/shell/ShellCompanionHost.h"

#include "gui/shell/PromptDlg.h"
#include "gui/shell/TalvorenApp.h"
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
    const CTalvorenApp* app = CTalvorenApp::Instance();
    CPromptDlg prompt(kInsertCdPrompt, IDI_WAIT, app ? &app->VietnameseFont() : nullptr, nullptr);
    return prompt.exec() == IDOK;
}

void CShellCompanionHost::Open(const std::string& path)
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(path)));
}

} // namespace talvoren

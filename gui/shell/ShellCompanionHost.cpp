#include "gui/shell/ShellCompanionHost.h"

#include "gui/platform/AppContext.h"
#include "gui/shell/PromptDlg.h"
#include "platform/SystemPaths.h"
#include "resources/EncodedCaptions.h"
#include "resources/ResourceIds.h"

#include "platform/MessageSink.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QProcess>
#include <QStandardPaths>
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

bool CShellCompanionHost::HasCdDrive()
{
    for (const MOUNTENTRY& mount : ReadMountTable()) {
        if (IsCdRomFileSystem(mount.strFsType))
            return true;
    }
    return PathExists("/dev/sr0") || PathExists("/dev/cdrom");
}

std::string CShellCompanionHost::FindProgram(const std::string& name)
{
    return QStandardPaths::findExecutable(QString::fromStdString(name)).toStdString();
}

void CShellCompanionHost::Start(const std::string& path)
{
    QProcess::startDetached(QString::fromStdString(path), {});
}

void CShellCompanionHost::ShowTodaysReadings()
{
    if (m_showReadings)
        m_showReadings();
}

void CShellCompanionHost::ReportMissing(const std::string& name, const std::string& folderPath)
{
    const QString text =
        QCoreApplication::translate("CShellCompanionHost",
                                    "%1 is not installed: it is not at %2, and no install CD with it was found.")
            .arg(QString::fromStdString(name), QString::fromStdString(folderPath));
    ShowMessage(text.toStdString(), MessageIcon::Information);
}

} // namespace talvoren

#pragma once
// The real system behind the companion-program launch rule: the file
// system, the mounted CD-ROM drives, the insert-CD prompt and the desktop's
// "open" operation.

#include "shell/CompanionPrograms.h"

class QWidget;

namespace talvoren
{
class CAppContext;

class CShellCompanionHost : public CCompanionHost
{
public:
    // The prompt shows in the context's Vietnamese font over `parent`.
    CShellCompanionHost(const CAppContext& context, QWidget* parent) : m_context(context), m_pParent(parent) {}

    bool FileExists(const std::string& path) override;
    bool FindInstallCd(std::string* root) override;
    // Shows the insert-CD prompt; true when the user pressed OK.
    bool PromptForCd() override;
    // Opens the file as the desktop opens it; the result is not looked at.
    void Open(const std::string& path) override;

private:
    const CAppContext& m_context;
    QWidget* m_pParent;
};

} // namespace talvoren

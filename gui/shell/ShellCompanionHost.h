#pragma once
// The real system behind the companion-program launch rule: the file
// system, the mounted CD-ROM drives, the insert-CD prompt and the desktop's
// "open" operation.

#include "shell/CompanionPrograms.h"

namespace talvoren
{
class CShellCompanionHost : public CCompanionHost
{
public:
    bool FileExists(const std::string& path) override;
    bool FindInstallCd(std::string* root) override;
    // Shows the insert-CD prompt; true when the user pressed OK.
    bool PromptForCd() override;
    // Opens the file as the desktop opens it; the result is not looked at.
    void Open(const std::string& path) override;
};

} // namespace talvoren

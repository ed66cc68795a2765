#pragma once
// The real system behind the companion-program launch rule: the file
// system, the mounted CD-ROM drives, the insert-CD prompt and the desktop's
// "open" operation.

#include "shell/CompanionPrograms.h"

#include <functional>

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
    bool HasCdDrive() override;
    std::string FindProgram(const std::string& name) override;
    void Start(const std::string& path) override;
    void ShowTodaysReadings() override;
    // A message box that names the program and where it was looked for.
    void ReportMissing(const std::string& name, const std::string& folderPath) override;

    // What ShowTodaysReadings does (the main view's reading window).
    void SetTodaysReadings(std::function<void()> show) { m_showReadings = std::move(show); }

private:
    const CAppContext& m_context;
    QWidget* m_pParent;
    std::function<void()> m_showReadings;
};

} // namespace talvoren

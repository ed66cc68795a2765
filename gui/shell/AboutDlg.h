#pragma once
// The About box: the program's icon and version over the page about.htm.

#include "gui/pages/HtmlFolderHandler.h"

#include <QDialog>
#include <string>

namespace talvoren
{
class CHtmlViewDlg;
class CImageButton;

class CAboutDlg : public QDialog
{
    Q_OBJECT

public:
    // The page is shown in the language of `language` (none: built-in texts).
    CAboutDlg(const std::string& programFolder, QWidget* parent, LanguageSource language = {});

    CHtmlViewDlg* PageView() const { return m_pPage; }
    CImageButton* OkButton() const { return m_pOk; }

private:
    CHtmlViewDlg* m_pPage = nullptr;
    CImageButton* m_pOk = nullptr;
};

} // namespace talvoren

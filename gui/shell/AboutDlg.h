#pragma once
// The About box: the program's icon and version over the page about.htm.

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
    CAboutDlg(const std::string& programFolder, QWidget* parent);

    CHtmlViewDlg* PageView() const { return m_pPage; }
    CImageButton* OkButton() const { return m_pOk; }

private:
    CHtmlViewDlg* m_pPage = nullptr;
    CImageButton* m_pOk = nullptr;
};

} // namespace talvoren

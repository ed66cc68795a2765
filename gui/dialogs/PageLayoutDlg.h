#pragma once
// Page set-up of the program's own: paper size, orientation and margins for
// printing. Qt's page set-up dialog refuses printers that are not native
// (PDF output among them); this one works the same for every printer.

#include <QDialog>
#include <QPageLayout>

class QComboBox;
class QDoubleSpinBox;
class QRadioButton;

namespace talvoren
{
class CPageLayoutDlg : public QDialog
{
    Q_OBJECT

public:
    // Opens on `layout`.
    explicit CPageLayoutDlg(const QPageLayout& layout, QWidget* parent = nullptr);

    // The layout chosen (margins in millimetres).
    QPageLayout Layout() const;

    QComboBox* PaperList() const { return m_pPaper; }
    QRadioButton* PortraitButton() const { return m_pPortrait; }
    QRadioButton* LandscapeButton() const { return m_pLandscape; }
    QDoubleSpinBox* Margin(int edge) const { return m_pMargins[edge]; }   // 0 left, 1 top, 2 right, 3 bottom

private:
    QComboBox* m_pPaper = nullptr;
    QRadioButton* m_pPortrait = nullptr;
    QRadioButton* m_pLandscape = nullptr;
    QDoubleSpinBox* m_pMargins[4] = {};
};

} // namespace talvoren

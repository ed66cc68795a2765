#include "gui/dialogs/PageLayoutDlg.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>

namespace talvoren
{
namespace
{
const QPageSize::PageSizeId kPapers[] = {QPageSize::A4, QPageSize::A5, QPageSize::A3, QPageSize::Letter,
                                         QPageSize::Legal};
}

CPageLayoutDlg::CPageLayoutDlg(const QPageLayout& layout, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("Page Setup"));
    auto* column = new QVBoxLayout(this);

    auto* paperBox = new QGroupBox(tr("Paper"), this);
    auto* paperForm = new QFormLayout(paperBox);
    m_pPaper = new QComboBox(paperBox);
    for (QPageSize::PageSizeId id : kPapers)
        m_pPaper->addItem(QPageSize::name(id), static_cast<int>(id));
    const int current = m_pPaper->findData(static_cast<int>(layout.pageSize().id()));
    m_pPaper->setCurrentIndex(current >= 0 ? current : 0);
    paperForm->addRow(tr("&Size:"), m_pPaper);
    column->addWidget(paperBox);

    auto* orientationBox = new QGroupBox(tr("Orientation"), this);
    auto* orientationRow = new QHBoxLayout(orientationBox);
    m_pPortrait = new QRadioButton(tr("&Portrait"), orientationBox);
    m_pLandscape = new QRadioButton(tr("&Landscape"), orientationBox);
    (layout.orientation() == QPageLayout::Landscape ? m_pLandscape : m_pPortrait)->setChecked(true);
    orientationRow->addWidget(m_pPortrait);
    orientationRow->addWidget(m_pLandscape);
    column->addWidget(orientationBox);

    auto* marginBox = new QGroupBox(tr("Margins (millimetres)"), this);
    auto* marginForm = new QFormLayout(marginBox);
    const QMarginsF margins = layout.margins(QPageLayout::Millimeter);
    const qreal values[4] = {margins.left(), margins.top(), margins.right(), margins.bottom()};
    const QString names[4] = {tr("L&eft:"), tr("&Top:"), tr("&Right:"), tr("&Bottom:")};
    for (int edge = 0; edge < 4; ++edge) {
        m_pMargins[edge] = new QDoubleSpinBox(marginBox);
        m_pMargins[edge]->setRange(0, 60);
        m_pMargins[edge]->setDecimals(1);
        m_pMargins[edge]->setValue(values[edge]);
        marginForm->addRow(names[edge], m_pMargins[edge]);
    }
    column->addWidget(marginBox);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    column->addWidget(buttons);
}

QPageLayout CPageLayoutDlg::Layout() const
{
    const auto id = static_cast<QPageSize::PageSizeId>(m_pPaper->currentData().toInt());
    const QMarginsF margins(m_pMargins[0]->value(), m_pMargins[1]->value(), m_pMargins[2]->value(),
                            m_pMargins[3]->value());
    return QPageLayout(QPageSize(id), m_pLandscape->isChecked() ? QPageLayout::Landscape : QPageLayout::Portrait,
                       margins, QPageLayout::Millimeter);
}

} // namespace talvoren

#include "moc_PageLayoutDlg.cpp"

#include "gui/shell/PromptDlg.h"

#include "gui/controls/ImageButton.h"
#include "gui/platform/DialogUnits.h"
#include "gui/resources/InterfaceText.h"
#include "resources/ResourceIds.h"

#include <QGroupBox>
#include <QPushButton>

namespace talvoren
{
CPromptDlg::CPromptDlg(const std::u16string& text, int iconId, const QFont* font, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint), m_strText(text), m_nIconId(iconId), m_pFont(font)
{
    // Template 149: no title, 261 x 61 dialog units.
    const QFont templateFont = DialogTemplateFont();
    setFont(templateFont);
    setFixedSize(DialogUnitsToPixels(templateFont, 261, 61));
    auto* group = new QGroupBox(this);
    group->setGeometry(DialogUnitsToPixels(templateFont, 7, 3, 247, 51));

    auto* ok = new QPushButton(StandardButtonText("OK"), this);
    ok->setObjectName(QStringLiteral("button%1").arg(IDOK));
    ok->setGeometry(DialogUnitsToPixels(templateFont, 14, 11, 179, 40));
    ok->setDefault(true);
    auto* cancel = new QPushButton(StandardButtonText("Cancel"), this);
    cancel->setObjectName(QStringLiteral("button%1").arg(IDCANCEL));
    cancel->setGeometry(DialogUnitsToPixels(templateFont, 199, 19, 50, 21));

    m_pCancel = CImageButton::TakeOver(cancel);
    m_pCancel->SetIcon(IDI_CANCEL);
    m_pOk = CImageButton::TakeOver(ok);
    m_pOk->setText(CaptionText(m_strText));
    m_pOk->SetIcon(m_nIconId);
    if (m_pFont)
        m_pOk->setFont(*m_pFont);
    m_pOk->update();

    connect(m_pOk, &QPushButton::clicked, this, [this]() { done(IDOK); });
    connect(m_pCancel, &QPushButton::clicked, this, [this]() { done(IDCANCEL); });
}

} // namespace talvoren

#include "moc_PromptDlg.cpp"

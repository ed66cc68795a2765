#include "gui/dialogs/ConfigDlg.h"

#include "gui/controls/ImageButton.h"
#include "gui/platform/AppContext.h"
#include "gui/platform/DialogUnits.h"
#include "gui/resources/InterfaceText.h"
#include "platform/MessageSink.h"
#include "resources/DialogIds.h"
#include "resources/ResourceIds.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>

namespace talvoren
{
CConfigDlg::CConfigDlg(const CAppContext& context, QWidget* parent) : QDialog(parent)
{
    // Template 133: " Configuration ", 250 x 80 dialog units.
    const QFont templateFont = DialogTemplateFont();
    setFont(templateFont);
    setWindowTitle(tr(" Configuration "));
    setFixedSize(DialogUnitsToPixels(templateFont, 250, 80));

    auto* ok = new QPushButton(StandardButtonText("OK"), this);
    ok->setObjectName(QStringLiteral("button%1").arg(IDOK));
    ok->setGeometry(DialogUnitsToPixels(templateFont, 193, 7, 50, 19));
    ok->setDefault(true);
    auto* cancel = new QPushButton(StandardButtonText("Cancel"), this);
    cancel->setObjectName(QStringLiteral("button%1").arg(IDCANCEL));
    cancel->setGeometry(DialogUnitsToPixels(templateFont, 193, 30, 50, 19));
    auto* frame = new QGroupBox(this);
    frame->setObjectName(QStringLiteral("frame%1").arg(IDC_CONFIG_FRAME));
    frame->setGeometry(DialogUnitsToPixels(templateFont, 7, 3, 183, 70));

    const int tops[] = {20, 35, 51};
    const auto& table = ConfigOptionTable();
    for (std::size_t i = 0; i < kConfigOptionCount; ++i) {
        m_checks[i] = new QCheckBox(QStringLiteral("Check1"), this);
        m_checks[i]->setObjectName(QStringLiteral("check%1").arg(table[i].nCheckBoxId));
        m_checks[i]->setGeometry(DialogUnitsToPixels(templateFont, 19, tops[i], 163, 10));
    }
    m_pOk = ok;
    m_pCancel = cancel;

    // The values in force; when the store cannot be opened the boxes keep
    // their template captions and the buttons their plain look.
    CONFIGSTATES states;
    const bool stored = ReadConfigOptions(&states);
    for (std::size_t i = 0; i < kConfigOptionCount; ++i)
        m_checks[i]->setChecked(states[i]);
    if (stored) {
        const QFont& vietnamese = context.VietnameseFont();
        for (std::size_t i = 0; i < kConfigOptionCount; ++i) {
            m_checks[i]->setFont(vietnamese);
            m_checks[i]->setText(CaptionText(table[i].pszCaption));
            WidenToCaption(m_checks[i]);
        }
        CImageButton* imageOk = CImageButton::TakeOver(ok);
        imageOk->SetIcon(IDI_OK);
        CImageButton* imageCancel = CImageButton::TakeOver(cancel);
        imageCancel->SetIcon(IDI_CANCEL);
        m_pOk = imageOk;
        m_pCancel = imageCancel;
    }
    connect(m_pOk, &QPushButton::clicked, this, &CConfigDlg::accept);
    connect(m_pCancel, &QPushButton::clicked, this, &CConfigDlg::reject);
}

QCheckBox* CConfigDlg::CheckBox(int id) const
{
    const auto& table = ConfigOptionTable();
    for (std::size_t i = 0; i < kConfigOptionCount; ++i)
        if (table[i].nCheckBoxId == id)
            return m_checks[i];
    return nullptr;
}

void CConfigDlg::accept()
{
    CONFIGSTATES states;
    for (std::size_t i = 0; i < kConfigOptionCount; ++i)
        states[i] = m_checks[i]->isChecked();
    MESSAGETEXT error;
    if (!WriteConfigOptions(states, &error)) {
        ShowMessage(error, MessageIcon::Stop);   // the dialog stays open; Cancel still closes it
        return;
    }
    done(IDOK);
}

void CConfigDlg::reject()
{
    done(IDCANCEL);
}

} // namespace talvoren

#include "moc_ConfigDlg.cpp"

#include "gui/dialogs/LanguageDlg.h"

#include "dialogs/LanguageInstaller.h"
#include "gui/controls/ImageButton.h"
#include "gui/platform/AppContext.h"
#include "gui/platform/DialogUnits.h"
#include "platform/VietnameseFontText.h"
#include "resources/DialogCaptions.h"
#include "resources/DialogIds.h"
#include "resources/ResourceIds.h"

#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

namespace talvoren
{
namespace
{
QString Decoded(const char16_t* caption)
{
    return QString::fromStdString(DecodeVietnameseFontText(caption));
}
}

CLanguageDlg::CLanguageDlg(CAppContext& context, QWidget* parent) : QDialog(parent), m_context(context)
{
    // Template 137: " Internationalise", 189 x 89 dialog units.
    const QFont templateFont = DialogTemplateFont();
    setFont(templateFont);
    setWindowTitle(QStringLiteral(" Internationalise"));
    setFixedSize(DialogUnitsToPixels(templateFont, 189, 89));

    m_pList = new QComboBox(this);
    m_pList->setObjectName(QStringLiteral("combo%1").arg(IDC_LANGUAGE_LIST));
    m_pList->setGeometry(DialogUnitsToPixels(templateFont, 18, 22, 100, 14));
    m_pList->setMaxVisibleItems(131 / 9);   // a drop-down 131 units high
    m_pVietnameseOrder = new QRadioButton(QStringLiteral("English Syntax (First Sunday)"), this);
    m_pVietnameseOrder->setObjectName(QStringLiteral("radio%1").arg(IDC_LANGUAGE_VIETNAMESE_ORDER));
    m_pVietnameseOrder->setGeometry(DialogUnitsToPixels(templateFont, 18, 54, 164, 10));
    m_pEnglishOrder = new QRadioButton(QStringLiteral("English Syntax (First Sunday)"), this);
    m_pEnglishOrder->setObjectName(QStringLiteral("radio%1").arg(IDC_LANGUAGE_ENGLISH_ORDER));
    m_pEnglishOrder->setGeometry(DialogUnitsToPixels(templateFont, 18, 66, 164, 10));
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("button%1").arg(IDOK));
    ok->setGeometry(DialogUnitsToPixels(templateFont, 132, 5, 50, 19));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("button%1").arg(IDCANCEL));
    cancel->setGeometry(DialogUnitsToPixels(templateFont, 132, 28, 50, 19));
    m_pFrame = new QGroupBox(this);
    m_pFrame->setObjectName(QStringLiteral("frame%1").arg(IDC_LANGUAGE_FRAME));
    m_pFrame->setGeometry(DialogUnitsToPixels(templateFont, 7, 3, 121, 44));
    m_pFrame->lower();   // the frame stays behind the list it surrounds

    // Every opening starts from the first language and the English word
    // order, whatever is in force.
    for (const std::string& name : CLanguageInstaller::LanguageNames(context.IsOnCdRom()))
        m_pList->addItem(QString::fromStdString(name));
    m_pList->setCurrentIndex(0);

    CImageButton* imageOk = CImageButton::TakeOver(ok);
    imageOk->SetIcon(IDI_OK);
    CImageButton* imageCancel = CImageButton::TakeOver(cancel);
    imageCancel->SetIcon(IDI_CANCEL);
    m_pOk = imageOk;
    m_pCancel = imageCancel;

    const QFont& vietnamese = context.VietnameseFont();
    m_pFrame->setFont(vietnamese);
    m_pFrame->setTitle(Decoded(kLanguageFrameCaption));
    m_pVietnameseOrder->setFont(vietnamese);
    m_pVietnameseOrder->setText(Decoded(kVietnameseOrderCaption));
    m_pEnglishOrder->setFont(vietnamese);
    m_pEnglishOrder->setText(Decoded(kEnglishOrderCaption));
    m_pEnglishOrder->setChecked(true);
    WidenToCaption(m_pVietnameseOrder);
    WidenToCaption(m_pEnglishOrder);

    connect(m_pOk, &QPushButton::clicked, this, &CLanguageDlg::accept);
    connect(m_pCancel, &QPushButton::clicked, this, &CLanguageDlg::reject);
}

void CLanguageDlg::accept()
{
    if (m_pList->currentIndex() < 0)
        return;
    const std::string name = m_pList->currentText().toStdString();
    if (!CLanguageInstaller::Install(m_context.DataFolders(), name, m_pVietnameseOrder->isChecked(),
                                     m_context.Language()))
        return;   // the copy failed and said so; nothing is switched
    if (m_reload)
        m_reload();
    done(IDOK);
}

void CLanguageDlg::reject()
{
    done(IDCANCEL);
}

} // namespace talvoren

#include "moc_LanguageDlg.cpp"

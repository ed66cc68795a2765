#include "gui/dialogs/LanguageDlg.h"

#include "dialogs/LanguageInstaller.h"
#include "gui/controls/ImageButton.h"
#include "gui/platform/AppContext.h"
#include "gui/platform/DialogUnits.h"
#include "gui/resources/InterfaceText.h"
#include "resources/DialogCaptions.h"
#include "resources/DialogIds.h"
#include "resources/ResourceIds.h"

#include <QComboBox>
#include <QGroupBox>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>

namespace talvoren
{
namespace
{
// The languages of the lists (dialogs/LanguageInstaller), named in the
// interface language; each keeps its own name as the item's data, which
// names its folder.
[[maybe_unused]] const char* const kLanguageNameSources[] = {
    QT_TRANSLATE_NOOP("talvoren::CLanguageDlg", "English"),
    QT_TRANSLATE_NOOP("talvoren::CLanguageDlg", "German"),
    QT_TRANSLATE_NOOP("talvoren::CLanguageDlg", "Chinese"),
    QT_TRANSLATE_NOOP("talvoren::CLanguageDlg", "Danish"),
    QT_TRANSLATE_NOOP("talvoren::CLanguageDlg", "Dutch"),
    QT_TRANSLATE_NOOP("talvoren::CLanguageDlg", "Finnish"),
    QT_TRANSLATE_NOOP("talvoren::CLanguageDlg", "French"),
    QT_TRANSLATE_NOOP("talvoren::CLanguageDlg", "Greek"),
    QT_TRANSLATE_NOOP("talvoren::CLanguageDlg", "Italian"),
    QT_TRANSLATE_NOOP("talvoren::CLanguageDlg", "Japanese"),
    QT_TRANSLATE_NOOP("talvoren::CLanguageDlg", "Korean"),
    QT_TRANSLATE_NOOP("talvoren::CLanguageDlg", "Norwegian"),
    QT_TRANSLATE_NOOP("talvoren::CLanguageDlg", "Polish"),
    QT_TRANSLATE_NOOP("talvoren::CLanguageDlg", "Portuguese"),
    QT_TRANSLATE_NOOP("talvoren::CLanguageDlg", "Russian"),
    QT_TRANSLATE_NOOP("talvoren::CLanguageDlg", "Slovak"),
    QT_TRANSLATE_NOOP("talvoren::CLanguageDlg", "Slovenian"),
    QT_TRANSLATE_NOOP("talvoren::CLanguageDlg", "Spanish"),
    QT_TRANSLATE_NOOP("talvoren::CLanguageDlg", "Swedish"),
    QT_TRANSLATE_NOOP("talvoren::CLanguageDlg", "Turkish"),
    QT_TRANSLATE_NOOP("talvoren::CLanguageDlg", "Vietnamese"),
};
}

CLanguageDlg::CLanguageDlg(CAppContext& context, QWidget* parent) : QDialog(parent), m_context(context)
{
    // Template 137: " Internationalise", 189 x 89 dialog units.
    const QFont templateFont = DialogTemplateFont();
    setFont(templateFont);
    setWindowTitle(tr(" Internationalise"));
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
    auto* ok = new QPushButton(StandardButtonText("OK"), this);
    ok->setObjectName(QStringLiteral("button%1").arg(IDOK));
    ok->setGeometry(DialogUnitsToPixels(templateFont, 132, 5, 50, 19));
    ok->setDefault(true);
    auto* cancel = new QPushButton(StandardButtonText("Cancel"), this);
    cancel->setObjectName(QStringLiteral("button%1").arg(IDCANCEL));
    cancel->setGeometry(DialogUnitsToPixels(templateFont, 132, 28, 50, 19));
    m_pFrame = new QGroupBox(this);
    m_pFrame->setObjectName(QStringLiteral("frame%1").arg(IDC_LANGUAGE_FRAME));
    m_pFrame->setGeometry(DialogUnitsToPixels(templateFont, 7, 3, 121, 44));
    m_pFrame->lower();   // the frame stays behind the list it surrounds

    // The dialog opens on the language and the word order in force.
    const std::vector<std::string> names = CLanguageInstaller::LanguageNames(context.IsOnCdRom());
    for (const std::string& name : names)
        m_pList->addItem(tr(name.c_str()), QString::fromStdString(name));
    m_pList->setCurrentIndex(static_cast<int>(CLanguageInstaller::CurrentIndex(names, context.Language().strFolder)));

    CImageButton* imageOk = CImageButton::TakeOver(ok);
    imageOk->SetIcon(IDI_OK);
    CImageButton* imageCancel = CImageButton::TakeOver(cancel);
    imageCancel->SetIcon(IDI_CANCEL);
    m_pOk = imageOk;
    m_pCancel = imageCancel;

    const QFont& vietnamese = context.VietnameseFont();
    m_pFrame->setFont(vietnamese);
    m_pFrame->setTitle(CaptionText(kLanguageFrameCaption));
    m_pVietnameseOrder->setFont(vietnamese);
    m_pVietnameseOrder->setText(CaptionText(kVietnameseOrderCaption));
    m_pEnglishOrder->setFont(vietnamese);
    m_pEnglishOrder->setText(CaptionText(kEnglishOrderCaption));
    (context.Language().nSyntax == 1 ? m_pVietnameseOrder : m_pEnglishOrder)->setChecked(true);
    WidenToCaption(m_pVietnameseOrder);
    WidenToCaption(m_pEnglishOrder);

    // The word order follows the language chosen, until the user picks one.
    connect(m_pList, &QComboBox::currentIndexChanged, this, [this]() {
        if (m_bOrderChosen)
            return;
        const bool vietnameseOrder = CLanguageInstaller::UsesVietnameseOrder(SelectedLanguage());
        (vietnameseOrder ? m_pVietnameseOrder : m_pEnglishOrder)->setChecked(true);
    });
    for (QRadioButton* order : {m_pVietnameseOrder, m_pEnglishOrder})
        connect(order, &QRadioButton::clicked, this, [this]() { m_bOrderChosen = true; });

    connect(m_pOk, &QPushButton::clicked, this, &CLanguageDlg::accept);
    connect(m_pCancel, &QPushButton::clicked, this, &CLanguageDlg::reject);
}

void CLanguageDlg::accept()
{
    if (m_pList->currentIndex() < 0)
        return;
    const std::string name = SelectedLanguage();
    if (CLanguageInstaller::NeedsNewFolder(m_context.DataFolders(), name) && !ConfirmNewFolder(name))
        return;   // the dialog stays open for another choice
    if (!CLanguageInstaller::Install(m_context.DataFolders(), name, m_pVietnameseOrder->isChecked(),
                                     m_context.Language()))
        return;   // the copy failed and said so; nothing is switched
    if (m_reload)
        m_reload();
    done(IDOK);
}

std::string CLanguageDlg::SelectedLanguage() const
{
    return m_pList->currentData().toString().toStdString();
}

bool CLanguageDlg::ConfirmNewFolder(const std::string& language)
{
    const QString folder = QString::fromStdString(
        CLanguageInstaller::TargetFolder(m_context.ProgramFolder(), CLanguageInstaller::FolderName(language)));
    const QString current = QString::fromStdString(CLanguageInstaller::FolderOfPath(m_context.Language().strFolder));
    const QString text = tr("%1 has no language folder yet. A new folder %2 will hold copies of the files of the "
                            "current language (%3), to be translated into %1.\n\nGo on?")
                             .arg(m_pList->currentText(), folder, current);
    if (m_confirm)
        return m_confirm(text);
    return QMessageBox::question(this, windowTitle().trimmed(), text, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}

void CLanguageDlg::reject()
{
    done(IDCANCEL);
}

} // namespace talvoren

#include "moc_LanguageDlg.cpp"

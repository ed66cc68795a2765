#include "gui/shell/AboutDlg.h"

#include "gui/controls/ImageButton.h"
#include "gui/pages/HtmlViewDlg.h"
#include "gui/platform/DialogUnits.h"
#include "gui/resources/IconResources.h"
#include "gui/resources/InterfaceText.h"
#include "platform/MessageSink.h"
#include "platform/SystemPaths.h"
#include "resources/ResourceIds.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace talvoren
{
CAboutDlg::CAboutDlg(const std::string& programFolder, QWidget* parent, LanguageSource language) : QDialog(parent)
{
    // Template 100: "About Talvoren", 235 x 199 dialog units.
    const QFont templateFont = DialogTemplateFont();
    setFont(templateFont);
    setWindowTitle(tr("About Talvoren"));
    setFixedSize(DialogUnitsToPixels(templateFont, 235, 199));

    auto* icon = new QLabel(this);
    icon->setPixmap(LoadIconPixmap(IDI_PROGRAM));
    icon->setGeometry(QRect(DialogUnitsToPixels(templateFont, 11, 17, 0, 0).topLeft(), QSize(32, 32)));
    auto* version = new QLabel(tr("Talvoren Version 4.1"), this);
    version->setGeometry(DialogUnitsToPixels(templateFont, 40, 10, 119, 8));
    auto* copyright = new QLabel(QStringLiteral("Sorvane Network"), this);
    copyright->setGeometry(DialogUnitsToPixels(templateFont, 40, 25, 119, 8));

    auto* ok = new QPushButton(StandardButtonText("OK"), this);
    ok->setObjectName(QStringLiteral("button%1").arg(IDOK));
    ok->setGeometry(DialogUnitsToPixels(templateFont, 178, 7, 50, 20));
    ok->setDefault(true);
    auto* placeholder = new QFrame(this);
    placeholder->setObjectName(QStringLiteral("control%1").arg(IDC_PLACEHOLDER));
    placeholder->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    placeholder->setGeometry(DialogUnitsToPixels(templateFont, 7, 41, 221, 151));

    m_pOk = CImageButton::TakeOver(ok);
    m_pOk->SetIcon(IDI_OK);
    connect(m_pOk, &QPushButton::clicked, this, [this]() { done(IDOK); });

    const std::string path = JoinPath(programFolder, "Html/about.htm");
    if (!PathExists(path)) {
        ShowFileNotFound(path, MessageIcon::Stop);
        return;   // the box opens without its page
    }
    m_pPage = CreateHtmlViewDlg(this, QRect(), QString::fromStdString(path), std::move(language));
    if (!m_pPage)
        return;
    m_pPage->setGeometry(placeholder->geometry());
}

} // namespace talvoren

#include "moc_AboutDlg.cpp"

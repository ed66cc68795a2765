#include "gui/pages/HtmlViewDlg.h"

#include "base/PageScripts.h"
#include "gui/pages/HtmlProfile.h"

#include <QFileInfo>
#include <QUrl>
#include <QWebEnginePage>

namespace talvoren
{
CHtmlViewDlg::CHtmlViewDlg(QWidget* parent) : QWebEngineView(parent)
{
    connect(this, &QWebEngineView::loadFinished, this, &CHtmlViewDlg::OnLoadFinished);
}

CHtmlViewDlg::~CHtmlViewDlg()
{
    delete m_pPage;
    delete m_pProfile;
}

void CHtmlViewDlg::OnInitialUpdate()
{
    const QFileInfo file(m_strUrl);
    if (!m_pProfile) {
        m_pProfile = new CHtmlProfile(file.absolutePath(), this, m_language);
        m_pPage = new QWebEnginePage(m_pProfile, this);
        setPage(m_pPage);
    }
    load(CHtmlProfile::PageUrl(file.fileName()));
}

void CHtmlViewDlg::OnLoadFinished(bool ok)
{
    m_bHasDocument = ok;
    if (ok)
        emit DocumentComplete();
}

bool CHtmlViewDlg::SetElementHtml(const QString& name, const QString& html)
{
    if (!m_bHasDocument)
        return false;
    page()->runJavaScript(
        QString::fromStdString(MakeSetElementHtmlScript(name.toStdString(), html.toStdString())));
    return true;
}

CHtmlViewDlg* CreateHtmlViewDlg(QWidget* parent, const QRect& rect, const QString& path, LanguageSource language)
{
    if (!parent)
        return nullptr;
    auto* view = new CHtmlViewDlg(parent);
    view->setGeometry(rect);
    view->setStyleSheet(QStringLiteral("QWebEngineView { border: 1px solid palette(dark); }"));
    view->SetUrl(path);
    view->SetLanguage(std::move(language));
    view->OnInitialUpdate();
    view->show();
    return view;
}

} // namespace talvoren

#include "moc_HtmlViewDlg.cpp"

#pragma once
// A browser view that lives inside a dialog: it loads one fixed page of the
// program's Html/ folder, tells its dialog when that page has finished
// loading, and replaces the inner HTML of a named element of the loaded page.

#include "gui/pages/HtmlFolderHandler.h"

#include <QPointer>
#include <QRect>
#include <QString>
#include <QWebEngineView>

namespace talvoren
{
class CHtmlProfile;

class CHtmlViewDlg : public QWebEngineView
{
    Q_OBJECT

public:
    explicit CHtmlViewDlg(QWidget* parent = nullptr);
    // The page goes before its profile.
    ~CHtmlViewDlg() override;

    // Remembers the local file to show (an absolute path).
    void SetUrl(const QString& path) { m_strUrl = path; }
    // The language the pages are served in (before OnInitialUpdate).
    void SetLanguage(LanguageSource language) { m_language = std::move(language); }
    const QString& Url() const { return m_strUrl; }

    // Loads the remembered file through a profile (gui/pages/HtmlProfile.h)
    // that serves the file's folder and nothing else.
    void OnInitialUpdate();

    // Replaces the inner HTML of the first element whose id or name is
    // `name`. Does nothing and returns false before a page has loaded.
    bool SetElementHtml(const QString& name, const QString& html);

    bool HasDocument() const { return m_bHasDocument; }

signals:
    // The page has finished loading (again, after every reload): the dialog
    // builds its content now, so content is never written before the page exists.
    void DocumentComplete();

private:
    void OnLoadFinished(bool ok);

    QString m_strUrl;
    LanguageSource m_language;
    QPointer<CHtmlProfile> m_pProfile;
    QPointer<QWebEnginePage> m_pPage;
    bool m_bHasDocument = false;
};

// Creates the view as a bordered child of `parent` with the rectangle `rect`,
// hands it `path` and starts loading it. Returns null when it cannot be made.
// The pages are served in the language of `language` (none: built-in texts).
CHtmlViewDlg* CreateHtmlViewDlg(QWidget* parent, const QRect& rect, const QString& path,
                                LanguageSource language = {});

} // namespace talvoren

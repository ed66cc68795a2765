#pragma once
// Serves the files of one folder (the program's Html/) to the browser views
// under the program's own address scheme: talvoren://html/Calendar.htm is
// <folder>/Calendar.htm. Nothing outside the folder is served, not even
// through a symbolic link or "..". The pages are served in the language of
// the folder in use (pages/StaticPageTexts.h).

#include <QString>
#include <QWebEngineUrlSchemeHandler>

#include <functional>
#include <memory>

namespace talvoren
{
class CLanguageData;

// The language data of the folder in use, asked for at each request.
using LanguageSource = std::function<std::shared_ptr<const CLanguageData>()>;

class CHtmlFolderHandler : public QWebEngineUrlSchemeHandler
{
    Q_OBJECT

public:
    // `language` may be empty: the pages then show the built-in texts.
    CHtmlFolderHandler(const QString& folder, LanguageSource language, QObject* parent = nullptr);

    // Replies with the file the address names, typed by its extension. A
    // request other than GET, an address of another host, a path that leaves
    // the folder (after following links) is refused; a missing file, or one
    // that is no regular file, is not found.
    void requestStarted(QWebEngineUrlRequestJob* job) override;

private:
    QString m_strFolder;
    LanguageSource m_language;
};

} // namespace talvoren

#pragma once
// The browser profile of the program's pages. Each browser view of the
// program makes one for its Html/ folder: the pages come from that folder
// through the program's address scheme (talvoren://html/<page>), not as
// local files, so that a page can reach no local file outside the folder and
// no remote address; they may open windows (the reading, print and help
// windows of OpenWin) and nothing is kept on disk.

#include "gui/pages/HtmlFolderHandler.h"

#include <QString>
#include <QUrl>
#include <QWebEngineProfile>

namespace talvoren
{
class CHtmlProfile : public QWebEngineProfile
{
public:
    static constexpr const char kScheme[] = "talvoren";
    static constexpr const char kHost[] = "html";

    // Registers the scheme with the browser engine. Must run once before the
    // Qt application exists (the program's main and each GUI test's main).
    static void RegisterScheme();

    // The address of `page` (a file name, or a path below the folder).
    static QUrl PageUrl(const QString& page);

    // An off-the-record profile that serves `htmlFolder`, its pages in the
    // language of `language` (none: the built-in page texts).
    explicit CHtmlProfile(const QString& htmlFolder, QObject* parent = nullptr, LanguageSource language = {});
};

} // namespace talvoren

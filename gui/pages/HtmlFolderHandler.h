#pragma once
// Serves the files of one folder (the program's Html/) to the browser views
// under the program's own address scheme: talvoren://html/Calendar.htm is
// <folder>/Calendar.htm. Nothing outside the folder is served, not even
// through a symbolic link or "..".

#include <QString>
#include <QWebEngineUrlSchemeHandler>

namespace talvoren
{
class CHtmlFolderHandler : public QWebEngineUrlSchemeHandler
{
    Q_OBJECT

public:
    CHtmlFolderHandler(const QString& folder, QObject* parent = nullptr);

    // Replies with the file the address names, typed by its extension. A
    // request other than GET, an address of another host, a path that leaves
    // the folder (after following links) is refused; a missing file, or one
    // that is no regular file, is not found.
    void requestStarted(QWebEngineUrlRequestJob* job) override;

private:
    QString m_strFolder;
};

} // namespace talvoren

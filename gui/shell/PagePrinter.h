#pragma once
// Prints a loaded page the way the program's pages print: the page as the
// browser lays it out for paper (its print stylesheet, the paper,
// orientation and margins of the printer's page layout), each sheet with the
// program's header and footer (shell/PageSetup.h; "&p", "&P" and the other
// codes expanded). Everything stays vector text: the browser's PDF with the
// header and footer drawn over it, written to the printer's PDF file or
// handed to the print system (lp) as PDF.

#include "shell/PageSetup.h"

#include <QObject>
#include <QPageLayout>
#include <QPointer>
#include <functional>
#include <memory>

class QPrinter;
class QWebEnginePage;

namespace talvoren
{
class CPagePrinter : public QObject
{
    Q_OBJECT

public:
    // Prints `page` on `printer` (which must outlive the job) and calls
    // `done` with the outcome. Returns at once; the job finishes later on
    // the user-interface thread. A page that gives no paper layout prints
    // nothing and reports false.
    static void Print(QWebEnginePage* page, QPrinter* printer, std::function<void(bool)> done = {},
                      PAGESETUP setup = PAGESETUP());
    // The same on a printer that the job takes over and deletes when it ends.
    static void Print(QWebEnginePage* page, std::unique_ptr<QPrinter> printer, std::function<void(bool)> done = {},
                      PAGESETUP setup = PAGESETUP());

    ~CPagePrinter() override;

private:
    CPagePrinter(QWebEnginePage* page, QPrinter* printer, std::unique_ptr<QPrinter> own,
                 std::function<void(bool)> done, PAGESETUP setup);
    static void Begin(QWebEnginePage* page, QPrinter* printer, std::unique_ptr<QPrinter> own,
                      std::function<void(bool)> done, PAGESETUP setup);
    void Start();
    void Finish(const QByteArray& pdf);
    QByteArray HeaderAndFooter(int pages) const;
    bool Deliver(const QByteArray& pdf) const;

    QPointer<QWebEnginePage> m_page;
    QPrinter* m_pPrinter;
    std::unique_ptr<QPrinter> m_ownPrinter;   // null when the caller keeps the printer
    std::function<void(bool)> m_done;
    QString m_strTitle;
    QString m_strUrl;
    PAGESETUP m_setup;
    QPageLayout m_layout;
};

} // namespace talvoren

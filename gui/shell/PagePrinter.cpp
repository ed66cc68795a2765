#include "gui/shell/PagePrinter.h"

#include "shell/PageSetup.h"

#include <QBuffer>
#include <QDateTime>
#include <QLocale>
#include <QPainter>
#include <QPdfDocument>
#include <QPrinter>
#include <QWebEnginePage>

namespace talvoren
{
namespace
{
// Room for the header and footer: three quarters of an inch at each edge.
constexpr qreal kMarginMm = 19.05;
constexpr int kMaxRenderDpi = 300;

void DrawLine(QPainter& painter, const QRect& band, const PAGESETUPLINE& line)
{
    painter.drawText(band, Qt::AlignLeft | Qt::AlignVCenter, QString::fromStdString(line.strLeft));
    painter.drawText(band, Qt::AlignHCenter | Qt::AlignVCenter, QString::fromStdString(line.strCentre));
    painter.drawText(band, Qt::AlignRight | Qt::AlignVCenter, QString::fromStdString(line.strRight));
}
}

CPagePrinter::CPagePrinter(QWebEnginePage* page, QPrinter* printer, std::unique_ptr<QPrinter> own,
                           std::function<void(bool)> done)
    : QObject(page), m_page(page), m_pPrinter(printer), m_ownPrinter(std::move(own)), m_done(std::move(done))
{
}

CPagePrinter::~CPagePrinter() = default;

void CPagePrinter::Print(QWebEnginePage* page, QPrinter* printer, std::function<void(bool)> done)
{
    Begin(page, printer, nullptr, std::move(done));
}

void CPagePrinter::Print(QWebEnginePage* page, std::unique_ptr<QPrinter> printer, std::function<void(bool)> done)
{
    QPrinter* target = printer.get();
    Begin(page, target, std::move(printer), std::move(done));
}

void CPagePrinter::Begin(QWebEnginePage* page, QPrinter* printer, std::unique_ptr<QPrinter> own,
                         std::function<void(bool)> done)
{
    if (!page || !printer) {
        if (done)
            done(false);
        return;
    }
    // The job is a child of its page: it goes with the page, or by itself
    // when it has finished.
    (new CPagePrinter(page, printer, std::move(own), std::move(done)))->Start();
}

void CPagePrinter::Start()
{
    m_strTitle = m_page->title();
    m_strUrl = m_page->url().toString();
    QPageLayout layout = m_pPrinter->pageLayout();
    layout.setUnits(QPageLayout::Millimeter);
    layout.setMinimumMargins(QMarginsF());
    layout.setMargins(QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm));
    // The job object goes with its page; a result that comes after that is dropped.
    QPointer<CPagePrinter> self(this);
    m_page->printToPdf(
        [self](const QByteArray& pdf) {
            if (self)
                self->Finish(pdf);
        },
        layout);
}

void CPagePrinter::Finish(const QByteArray& pdf)
{
    bool ok = false;
    QBuffer buffer;
    buffer.setData(pdf);
    buffer.open(QIODevice::ReadOnly);
    QPdfDocument document;
    if (!pdf.isEmpty())
        document.load(&buffer);
    const int pages = document.pageCount();
    if (pages > 0) {
        const PAGESETUP setup;   // the program's header and footer
        PAGESETUPFIELDS fields;
        fields.strTitle = m_strTitle.toStdString();
        fields.strUrl = m_strUrl.toStdString();
        const QDateTime now = QDateTime::currentDateTime();
        fields.strDate = QLocale().toString(now.date(), QLocale::ShortFormat).toStdString();
        fields.strLongDate = QLocale().toString(now.date(), QLocale::LongFormat).toStdString();
        fields.strTime = QLocale().toString(now.time(), QLocale::ShortFormat).toStdString();
        fields.nPages = pages;

        m_pPrinter->setFullPage(true);
        QPainter painter;
        if (painter.begin(m_pPrinter)) {
            ok = true;
            const int dpi = qMin(m_pPrinter->resolution(), kMaxRenderDpi);
            QFont font(QStringLiteral("DejaVu Sans"));
            font.setPointSizeF(9);
            for (int page = 0; page < pages; ++page) {
                if (page > 0 && !m_pPrinter->newPage()) {
                    ok = false;
                    break;
                }
                const QRect paper = painter.viewport();
                const QSizeF points = document.pagePointSize(page);
                const QSize imageSize(qRound(points.width() * dpi / 72.0), qRound(points.height() * dpi / 72.0));
                const QImage image = document.render(page, imageSize);
                painter.drawImage(paper, image);

                fields.nPage = page + 1;
                const int margin = qRound(kMarginMm / 25.4 * m_pPrinter->resolution());
                const int band = margin / 2;
                painter.setFont(font);
                painter.setPen(Qt::black);
                const QRect header(paper.left() + margin, paper.top() + margin - band - band / 4,
                                   paper.width() - 2 * margin, band);
                const QRect footer(paper.left() + margin, paper.bottom() - margin + band / 4,
                                   paper.width() - 2 * margin, band);
                DrawLine(painter, header, ExpandPageSetupText(setup.strHeader, fields));
                DrawLine(painter, footer, ExpandPageSetupText(setup.strFooter, fields));
            }
            painter.end();
        }
    }
    if (m_done)
        m_done(ok);
    deleteLater();
}

} // namespace talvoren

#include "moc_PagePrinter.cpp"

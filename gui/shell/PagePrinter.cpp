#include "gui/shell/PagePrinter.h"

#include "gui/shell/PdfStamp.h"

#include <QBuffer>
#include <QDateTime>
#include <QFile>
#include <QLocale>
#include <QPainter>
#include <QPdfDocument>
#include <QPdfWriter>
#include <QPrinter>
#include <QProcess>
#include <QWebEnginePage>

namespace talvoren
{
namespace
{
// Room for the header and footer at the top and bottom edge at least.
constexpr qreal kHeaderRoomMm = 15.0;

void DrawLine(QPainter& painter, const QRect& band, const PAGESETUPLINE& line)
{
    painter.drawText(band, Qt::AlignLeft | Qt::AlignVCenter, QString::fromStdString(line.strLeft));
    painter.drawText(band, Qt::AlignHCenter | Qt::AlignVCenter, QString::fromStdString(line.strCentre));
    painter.drawText(band, Qt::AlignRight | Qt::AlignVCenter, QString::fromStdString(line.strRight));
}
}

CPagePrinter::CPagePrinter(QWebEnginePage* page, QPrinter* printer, std::unique_ptr<QPrinter> own,
                           std::function<void(bool)> done, PAGESETUP setup)
    : QObject(page), m_page(page), m_pPrinter(printer), m_ownPrinter(std::move(own)), m_done(std::move(done)),
      m_setup(std::move(setup))
{
}

CPagePrinter::~CPagePrinter() = default;

void CPagePrinter::Print(QWebEnginePage* page, QPrinter* printer, std::function<void(bool)> done, PAGESETUP setup)
{
    Begin(page, printer, nullptr, std::move(done), std::move(setup));
}

void CPagePrinter::Print(QWebEnginePage* page, std::unique_ptr<QPrinter> printer, std::function<void(bool)> done,
                         PAGESETUP setup)
{
    QPrinter* target = printer.get();
    Begin(page, target, std::move(printer), std::move(done), std::move(setup));
}

void CPagePrinter::Begin(QWebEnginePage* page, QPrinter* printer, std::unique_ptr<QPrinter> own,
                         std::function<void(bool)> done, PAGESETUP setup)
{
    if (!page || !printer) {
        if (done)
            done(false);
        return;
    }
    // The job is a child of its page: it goes with the page, or by itself
    // when it has finished.
    (new CPagePrinter(page, printer, std::move(own), std::move(done), std::move(setup)))->Start();
}

void CPagePrinter::Start()
{
    m_strTitle = m_page->title();
    m_strUrl = m_page->url().toString();
    // The paper, orientation and margins of the page set-up; the top and
    // bottom margins keep room for the header and footer.
    QPageLayout layout = m_pPrinter->pageLayout();
    layout.setUnits(QPageLayout::Millimeter);
    layout.setMinimumMargins(QMarginsF());
    const QMarginsF margins = layout.margins();
    layout.setMargins(QMarginsF(margins.left(), qMax(margins.top(), kHeaderRoomMm), margins.right(),
                                qMax(margins.bottom(), kHeaderRoomMm)));
    m_layout = layout;
    // The job object goes with its page; a result that comes after that is dropped.
    QPointer<CPagePrinter> self(this);
    m_page->printToPdf(
        [self](const QByteArray& pdf) {
            if (self)
                self->Finish(pdf);
        },
        layout);
}

QByteArray CPagePrinter::HeaderAndFooter(int pages) const
{
    // One page of header and footer for each page of the body, on paper of
    // the same size, as vector text.
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    QPageLayout paper = m_layout;
    paper.setMinimumMargins(QMarginsF());
    paper.setMargins(QMarginsF());
    writer.setPageLayout(paper);
    writer.setResolution(720);

    PAGESETUPFIELDS fields;
    fields.strTitle = m_strTitle.toStdString();
    fields.strUrl = m_strUrl.toStdString();
    const QDateTime now = QDateTime::currentDateTime();
    fields.strDate = QLocale().toString(now.date(), QLocale::ShortFormat).toStdString();
    fields.strLongDate = QLocale().toString(now.date(), QLocale::LongFormat).toStdString();
    fields.strTime = QLocale().toString(now.time(), QLocale::ShortFormat).toStdString();
    fields.nPages = pages;

    QPainter painter;
    if (!painter.begin(&writer))
        return QByteArray();
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(9);
    painter.setFont(font);
    painter.setPen(Qt::black);
    const qreal dotsPerMm = writer.resolution() / 25.4;
    const QMarginsF margins = m_layout.margins(QPageLayout::Millimeter);
    for (int page = 0; page < pages; ++page) {
        if (page > 0)
            writer.newPage();
        fields.nPage = page + 1;
        const QRectF sheet(QPointF(0, 0), m_layout.fullRectPixels(writer.resolution()).size());
        const qreal left = margins.left() * dotsPerMm;
        const qreal width = sheet.width() - (margins.left() + margins.right()) * dotsPerMm;
        const qreal band = 7 * dotsPerMm;
        const QRectF header(left, margins.top() * dotsPerMm / 2 - band / 2, width, band);
        const QRectF footer(left, sheet.height() - margins.bottom() * dotsPerMm / 2 - band / 2, width, band);
        DrawLine(painter, header.toRect(), ExpandPageSetupText(m_setup.strHeader, fields));
        DrawLine(painter, footer.toRect(), ExpandPageSetupText(m_setup.strFooter, fields));
    }
    painter.end();
    return data;
}

bool CPagePrinter::Deliver(const QByteArray& pdf) const
{
    if (pdf.isEmpty())
        return false;
    if (m_pPrinter->outputFormat() == QPrinter::PdfFormat) {
        QFile file(m_pPrinter->outputFileName());
        return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(pdf) == pdf.size() &&
               file.flush();
    }
    // A printer of the print system takes the PDF as it is, so the text
    // stays text on paper as well.
    QProcess lp;
    QStringList arguments;
    if (!m_pPrinter->printerName().isEmpty())
        arguments << QStringLiteral("-d") << m_pPrinter->printerName();
    arguments << QStringLiteral("-n") << QString::number(qMax(1, m_pPrinter->copyCount()));
    if (!m_strTitle.isEmpty())
        arguments << QStringLiteral("-t") << m_strTitle;
    lp.start(QStringLiteral("lp"), arguments);
    if (!lp.waitForStarted(5000))
        return false;
    lp.write(pdf);
    lp.closeWriteChannel();
    return lp.waitForFinished(30000) && lp.exitStatus() == QProcess::NormalExit && lp.exitCode() == 0;
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
        const QByteArray stamped = CPdfStamp::Stamp(pdf, HeaderAndFooter(pages));
        // Without the header and footer the page still prints.
        ok = Deliver(stamped.isEmpty() ? pdf : stamped);
    }
    if (m_done)
        m_done(ok);
    deleteLater();
}

} // namespace talvoren

#include "moc_PagePrinter.cpp"

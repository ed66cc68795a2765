// Build-time tool: paints the program's icons into PNG files.
//   talvoren-icons OUTPUT_FOLDER
// Toolbar buttons are 16 x 15 pixels ("tb<command id>.png"); dialog and
// program icons are 32 x 32 ("icon<resource id>.png"); the program icon is
// also painted at the sizes of the desktop's icon theme
// ("talvoren-<size>.png", 16 to 256 pixels). Simple shapes in clear colours,
// drawn with QPainter on the offscreen platform.

#include "resources/ResourceIds.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QString>
#include <cstdio>
#include <functional>

using namespace talvoren;


namespace
{
const QColor kNavy(0x1f, 0x3a, 0x7a);
const QColor kRed(0xc0, 0x1f, 0x2a);
const QColor kGreen(0x1e, 0x7d, 0x32);
const QColor kGold(0xd9, 0x9a, 0x06);
const QColor kPaper(0xff, 0xff, 0xff);
const QColor kGrey(0x55, 0x55, 0x55);

using Painter = std::function<void(QPainter&)>;

bool Save(const QString& folder, const QString& name, int width, int height, const Painter& paint)
{
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing, true);
        paint(painter);
    }
    return image.save(folder + "/" + name, "PNG");
}

// A calendar leaf with a red top band; `body` draws inside it.
void Leaf(QPainter& p, const QRectF& r, const std::function<void(QPainter&, const QRectF&)>& body)
{
    p.setPen(QPen(kGrey, 1));
    p.setBrush(kPaper);
    p.drawRect(r);
    p.fillRect(QRectF(r.left() + 0.5, r.top() + 0.5, r.width() - 0.5, r.height() * 0.25), kRed);
    body(p, QRectF(r.left(), r.top() + r.height() * 0.25, r.width(), r.height() * 0.75));
}

void Text(QPainter& p, const QRectF& r, const QString& text, const QColor& colour, int pixelSize, bool bold = true)
{
    QFont font("DejaVu Sans");
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    p.setFont(font);
    p.setPen(colour);
    p.drawText(r, Qt::AlignCenter, text);
}

void Book(QPainter& p, const QRectF& r, const QColor& cover)
{
    p.setPen(QPen(cover.darker(140), 1));
    p.setBrush(cover);
    p.drawRoundedRect(r, 1.5, 1.5);
    p.setPen(QPen(kGold, 1.2));
    const qreal cx = r.center().x();
    p.drawLine(QPointF(cx, r.top() + r.height() * 0.2), QPointF(cx, r.bottom() - r.height() * 0.2));
    p.drawLine(QPointF(r.left() + r.width() * 0.3, r.top() + r.height() * 0.38),
               QPointF(r.right() - r.width() * 0.3, r.top() + r.height() * 0.38));
}

void Arrow(QPainter& p, const QRectF& r, bool right, const QColor& colour)
{
    QPolygonF shape;
    const qreal x0 = r.left(), x1 = r.right(), y0 = r.top(), y1 = r.bottom(), ym = r.center().y();
    const qreal head = r.width() * 0.45;
    if (right)
        shape << QPointF(x0, ym - r.height() * 0.18) << QPointF(x1 - head, ym - r.height() * 0.18)
              << QPointF(x1 - head, y0) << QPointF(x1, ym) << QPointF(x1 - head, y1)
              << QPointF(x1 - head, ym + r.height() * 0.18) << QPointF(x0, ym + r.height() * 0.18);
    else
        shape << QPointF(x1, ym - r.height() * 0.18) << QPointF(x0 + head, ym - r.height() * 0.18)
              << QPointF(x0 + head, y0) << QPointF(x0, ym) << QPointF(x0 + head, y1)
              << QPointF(x0 + head, ym + r.height() * 0.18) << QPointF(x1, ym + r.height() * 0.18);
    p.setPen(QPen(colour.darker(130), 1));
    p.setBrush(colour);
    p.drawPolygon(shape);
}

void Grid(QPainter& p, const QRectF& r, int columns, int rows, const QColor& colour)
{
    p.setPen(QPen(colour, 1));
    for (int c = 1; c < columns; ++c) {
        const qreal x = r.left() + r.width() * c / columns;
        p.drawLine(QPointF(x, r.top()), QPointF(x, r.bottom()));
    }
    for (int row = 1; row < rows; ++row) {
        const qreal y = r.top() + r.height() * row / rows;
        p.drawLine(QPointF(r.left(), y), QPointF(r.right(), y));
    }
}

void Gear(QPainter& p, const QPointF& c, qreal radius, const QColor& colour)
{
    QPainterPath path;
    for (int i = 0; i < 8; ++i) {
        p.save();
        p.translate(c);
        p.rotate(i * 45.0);
        p.fillRect(QRectF(-radius * 0.22, -radius, radius * 0.44, radius * 0.5), colour);
        p.restore();
    }
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(c, radius * 0.72, radius * 0.72);
    p.setBrush(kPaper);
    p.drawEllipse(c, radius * 0.3, radius * 0.3);
}

void Globe(QPainter& p, const QRectF& r, const QColor& colour)
{
    p.setPen(QPen(colour, 1.1));
    p.setBrush(QColor(0xdd, 0xee, 0xff));
    p.drawEllipse(r);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(r.adjusted(r.width() * 0.3, 0, -r.width() * 0.3, 0));
    p.drawLine(QPointF(r.left(), r.center().y()), QPointF(r.right(), r.center().y()));
}
}

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: talvoren-icons OUTPUT_FOLDER\n");
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(out);

    struct TOOLICON { int id; Painter paint; };
    const QRectF t(0.5, 0.5, 15, 14);   // the 16 x 15 button area
    const TOOLICON toolbar[] = {
        {ID_DAILY, [&](QPainter& p) { Leaf(p, t, [](QPainter& q, const QRectF& b) { Text(q, b, "1", kNavy, 10); }); }},
        {ID_MONTH, [&](QPainter& p) {
             Leaf(p, t, [](QPainter& q, const QRectF& b) {
                 for (int i = 0; i < 3; ++i)
                     q.fillRect(QRectF(b.left() + 3, b.top() + 2 + i * 3.3, b.width() - 6, 1.6), kNavy);
             });
         }},
        {ID_TABULAR, [&](QPainter& p) {
             Leaf(p, t, [](QPainter& q, const QRectF& b) { Grid(q, b.adjusted(1, 1, -1, -1), 4, 3, kNavy); });
         }},
        {ID_SELECTDATE, [&](QPainter& p) {
             Leaf(p, t.adjusted(0, 0, -3, -3), [](QPainter& q, const QRectF& b) { Text(q, b, "?", kNavy, 8); });
             p.setPen(QPen(kGreen, 2));
             p.drawLine(QPointF(9, 11), QPointF(11, 14));
             p.drawLine(QPointF(11, 14), QPointF(15.5, 7));
         }},
        {ID_EDIT_COPY, [&](QPainter& p) {
             p.setPen(QPen(kGrey, 1));
             p.setBrush(kPaper);
             p.drawRect(QRectF(1.5, 1.5, 8, 10));
             p.setBrush(QColor(0xe8, 0xf0, 0xff));
             p.drawRect(QRectF(6.5, 3.5, 8, 10));
             p.setPen(QPen(kNavy, 1));
             for (int i = 0; i < 3; ++i)
                 p.drawLine(QPointF(8.5, 6.5 + i * 2.2), QPointF(12.5, 6.5 + i * 2.2));
         }},
        {ID_PRINT_PAGE, [&](QPainter& p) {
             p.setPen(QPen(kGrey, 1));
             p.setBrush(kPaper);
             p.drawRect(QRectF(4.5, 0.5, 7, 5));
             p.setBrush(QColor(0x70, 0x78, 0x88));
             p.drawRoundedRect(QRectF(0.5, 5.5, 15, 6), 1.5, 1.5);
             p.setBrush(kPaper);
             p.drawRect(QRectF(3.5, 9.5, 9, 5));
             p.fillRect(QRectF(12, 7, 2, 1.5), kGreen);
         }},
        {ID_CONFIGURE, [&](QPainter& p) { Gear(p, QPointF(8, 7.5), 7, QColor(0x4a, 0x55, 0x68)); }},
        {ID_INTERNATIONALISE, [&](QPainter& p) { Globe(p, QRectF(1, 0.5, 14, 14), kNavy); }},
        {ID_BIBLE, [&](QPainter& p) { Book(p, QRectF(2.5, 0.5, 11, 14), QColor(0x7a, 0x1f, 0x2a)); }},
        {ID_CANTREL, [&](QPainter& p) {
             p.setPen(QPen(kNavy, 1.6));
             p.drawLine(QPointF(11, 2), QPointF(11, 11));
             p.drawLine(QPointF(11, 2), QPointF(15, 4));
             p.setPen(Qt::NoPen);
             p.setBrush(kNavy);
             p.drawEllipse(QPointF(8.2, 11.5), 3, 2.4);
             p.setPen(QPen(kRed, 1.4));
             p.drawLine(QPointF(4, 1), QPointF(4, 8));
             p.drawLine(QPointF(1.5, 3.5), QPointF(6.5, 3.5));
         }},
        {ID_APPENDIX, [&](QPainter& p) {
             Book(p, QRectF(1.5, 1.5, 9, 13), kGreen);
             p.setPen(QPen(kNavy, 1.6));
             p.drawLine(QPointF(12.5, 5), QPointF(12.5, 13));
             p.drawLine(QPointF(8.5, 9), QPointF(16, 9));
         }},
        {ID_SOFTWARE, [&](QPainter& p) {
             p.setPen(QPen(kGrey, 1));
             p.setBrush(QColor(0x2b, 0x3a, 0x55));
             p.drawRoundedRect(QRectF(0.5, 1.5, 15, 10), 1.5, 1.5);
             p.fillRect(QRectF(2, 3, 12, 7), QColor(0x8f, 0xc3, 0xff));
             p.fillRect(QRectF(5, 12, 6, 2.5), kGrey);
         }},
        {ID_APP_ABOUT, [&](QPainter& p) {
             p.setPen(QPen(kNavy.darker(120), 1));
             p.setBrush(kNavy);
             p.drawEllipse(QRectF(0.5, 0, 14.5, 14.5));
             Text(p, QRectF(0.5, 0, 14.5, 14.5), "i", kPaper, 11);
         }},
        {ID_HELP_HOWTO, [&](QPainter& p) {
             p.setPen(QPen(kGreen.darker(120), 1));
             p.setBrush(kGreen);
             p.drawEllipse(QRectF(0.5, 0, 14.5, 14.5));
             Text(p, QRectF(0.5, 0, 14.5, 14.5), "?", kPaper, 11);
         }},
    };
    bool ok = true;
    for (const TOOLICON& icon : toolbar)
        ok = Save(out, QString("tb%1.png").arg(icon.id), 16, 15, icon.paint) && ok;

    const QRectF b(1.5, 1.5, 29, 29);   // the 32 x 32 icon area
    const Painter program = [&](QPainter& p) {
        Leaf(p, b, [](QPainter& q, const QRectF& r) { Text(q, r, "31", kNavy, 14); });
        p.setPen(QPen(kGold, 2));
        p.drawLine(QPointF(26, 2), QPointF(26, 10));
        p.drawLine(QPointF(23, 5), QPointF(29, 5));
    };
    // The same drawing scaled from its 32 x 32 design.
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        ok = Save(out, QString("talvoren-%1.png").arg(size), size, size, [&](QPainter& p) {
                 p.scale(size / 32.0, size / 32.0);
                 program(p);
             }) && ok;
    }
    const TOOLICON icons[] = {
        {IDI_PROGRAM, program},
        {IDI_CANCEL, [&](QPainter& p) {
             p.setPen(QPen(kRed, 4.5, Qt::SolidLine, Qt::RoundCap));
             p.drawLine(QPointF(8, 8), QPointF(24, 24));
             p.drawLine(QPointF(24, 8), QPointF(8, 24));
         }},
        {IDI_DELETE, [&](QPainter& p) {
             p.setPen(QPen(kGrey, 1.5));
             p.setBrush(QColor(0xd0, 0xd4, 0xdc));
             p.drawRect(QRectF(9, 9, 14, 19));
             p.drawRect(QRectF(6, 5, 20, 4));
             p.fillRect(QRectF(13, 3, 6, 2), kGrey);
             for (int i = 0; i < 3; ++i)
                 p.drawLine(QPointF(12.5 + i * 3.5, 12), QPointF(12.5 + i * 3.5, 25));
         }},
        {IDI_NEXT, [&](QPainter& p) { Arrow(p, QRectF(4, 7, 24, 18), true, kGreen); }},
        {IDI_PREV, [&](QPainter& p) { Arrow(p, QRectF(4, 7, 24, 18), false, kGreen); }},
        {IDI_WAIT, [&](QPainter& p) {
             p.setPen(QPen(kNavy, 2));
             p.setBrush(QColor(0xf3, 0xf6, 0xfc));
             p.drawEllipse(QRectF(3, 3, 26, 26));
             p.setPen(QPen(kNavy, 2.5, Qt::SolidLine, Qt::RoundCap));
             p.drawLine(QPointF(16, 16), QPointF(16, 8));
             p.drawLine(QPointF(16, 16), QPointF(22, 19));
         }},
        {IDI_OK, [&](QPainter& p) {
             p.setPen(QPen(kGreen, 4.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
             p.drawLine(QPointF(6, 17), QPointF(13, 24));
             p.drawLine(QPointF(13, 24), QPointF(26, 8));
         }},
        {IDI_SHOWDAYS, [&](QPainter& p) {
             Leaf(p, b, [](QPainter& q, const QRectF& r) { Grid(q, r.adjusted(3, 3, -3, -3), 4, 3, kNavy); });
         }},
    };
    for (const TOOLICON& icon : icons)
        ok = Save(out, QString("icon%1.png").arg(icon.id), 32, 32, icon.paint) && ok;
    if (!ok) {
        std::fprintf(stderr, "talvoren-icons: cannot write the icons into %s\n", argv[1]);
        return 1;
    }
    return 0;
}

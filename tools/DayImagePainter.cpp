// Build-time tool of the desktop program: the day pictures of day.htm.
//   talvoren-dayimages OUTPUT_FOLDER
// Writes 1.jpg .. 31.jpg: the day number in large crimson figures on the
// paper colour of the tear-off leaf, drawn with QPainter on the offscreen
// platform.

#include <QDir>
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>


namespace
{
const int kWidth = 240;
const int kHeight = 150;
const QColor kPaper(0xff, 0xfd, 0xf6);     // the leaf of day.htm
const QColor kFigure(0xb0, 0x1c, 0x2e);    // crimson of the tear-off calendar
const QColor kShade(0xe6, 0xc9, 0xa8);

bool Paint(const QString& path, int day)
{
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(kPaper);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);

    QFont font(QStringLiteral("DejaVu Serif"));
    font.setBold(true);
    font.setPixelSize(128);
    // Two figures a little closer together, as printed calendars set them.
    font.setLetterSpacing(QFont::PercentageSpacing, 92);
    const QString text = QString::number(day);
    QPainterPath figures;
    const QFontMetrics metrics(font);
    const QRect bounds = metrics.tightBoundingRect(text);
    const qreal x = (kWidth - bounds.width()) / 2.0 - bounds.left();
    const qreal y = (kHeight - bounds.height()) / 2.0 - bounds.top();
    figures.addText(QPointF(x, y), font, text);

    // A soft printed shadow, then the figures with a slight gradient.
    painter.fillPath(figures.translated(3, 3), kShade);
    QLinearGradient ink(0, y + bounds.top(), 0, y + bounds.bottom());
    ink.setColorAt(0.0, kFigure.lighter(112));
    ink.setColorAt(1.0, kFigure.darker(118));
    painter.fillPath(figures, ink);
    painter.end();
    return image.save(path, "JPG", 92);
}
} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: talvoren-dayimages OUTPUT_FOLDER\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "talvoren-dayimages: cannot create %s\n", argv[1]);
        return 1;
    }
    for (int day = 1; day <= 31; ++day) {
        const QString path = QDir(folder).filePath(QStringLiteral("%1.jpg").arg(day));
        if (!Paint(path, day)) {
            std::fprintf(stderr, "talvoren-dayimages: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}

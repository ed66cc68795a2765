#include "gui/platform/DialogUnits.h"

#include <QFontMetrics>
#include <QWidget>

namespace talvoren
{
namespace
{
int MulDiv(int value, int numerator, int denominator)
{
    const long long product = static_cast<long long>(value) * numerator;
    return static_cast<int>(product >= 0 ? (product + denominator / 2) / denominator
                                         : (product - denominator / 2) / denominator);
}
}

QSize DialogBaseUnits(const QFont& font)
{
    const QFontMetrics metrics(font);
    static const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    const int width = (metrics.horizontalAdvance(letters) / 26 + 1) / 2;
    return QSize(width > 0 ? width : 1, metrics.height() > 0 ? metrics.height() : 1);
}

QRect DialogUnitsToPixels(const QFont& font, int x, int y, int width, int height)
{
    const QSize base = DialogBaseUnits(font);
    return QRect(MulDiv(x, base.width(), 4), MulDiv(y, base.height(), 8), MulDiv(width, base.width(), 4),
                 MulDiv(height, base.height(), 8));
}

QSize DialogUnitsToPixels(const QFont& font, int width, int height)
{
    return DialogUnitsToPixels(font, 0, 0, width, height).size();
}

QFont DialogTemplateFont()
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSize(8);
    return font;
}

QFont MakeCellHeightFont(const QString& face, int cellHeight, int weight)
{
    QFont font(face);
    font.setWeight(static_cast<QFont::Weight>(weight));
    int pixelSize = cellHeight > 1 ? cellHeight : 1;
    font.setPixelSize(pixelSize);
    // Shrink the em size until the whole cell fits the height asked for.
    while (pixelSize > 1) {
        const QFontMetrics metrics(font);
        if (metrics.ascent() + metrics.descent() <= cellHeight)
            break;
        font.setPixelSize(--pixelSize);
    }
    return font;
}

void WidenToCaption(QWidget* control)
{
    const int needed = control->sizeHint().width();
    if (needed > control->width())
        control->resize(needed, control->height());
}

} // namespace talvoren

#pragma once
// Measurements of the old dialog templates: positions and sizes in dialog
// units, converted with the dialog font's base units, and fonts given by
// their cell height in pixels.

#include <QFont>
#include <QRect>
#include <QSize>

class QWidget;

namespace talvoren
{
// The base units of a font: the average width of the letters A-Z and a-z,
// rounded, and the font's line height.
QSize DialogBaseUnits(const QFont& font);

// Dialog units -> pixels: x * width / 4, y * height / 8 (rounded the way the
// platform's dialog manager does, by integer division with rounding).
QRect DialogUnitsToPixels(const QFont& font, int x, int y, int width, int height);
QSize DialogUnitsToPixels(const QFont& font, int width, int height);

// The font of the dialog templates ("MS Sans Serif" 8, or what stands in for it).
QFont DialogTemplateFont();

// A font whose cell (ascent + descent) is `cellHeight` pixels, the way a
// positive height of the platform's font record is meant; `face` falls back
// as Qt finds one.
QFont MakeCellHeightFont(const QString& face, int cellHeight, int weight);

// Widens a check box, radio button or label whose caption is wider in the
// font at hand than its place in the template, so that no letter is cut off.
void WidenToCaption(QWidget* control);

} // namespace talvoren

#pragma once
// The window of the busy notice: a small captioned window with an icon and
// centred lines of text, painted once when shown, taking no input.

#include <QFont>
#include <QPixmap>
#include <QSize>
#include <QStringList>
#include <QWidget>

namespace talvoren
{
class CBusyNoticeWnd : public QWidget
{
    Q_OBJECT

public:
    CBusyNoticeWnd();

    // Splits `text` at line feeds, sizes the window for it, shows it centred
    // on the screen's work area with the application's title and paints it
    // at once. `icon` is drawn at the left (may be null; not owned).
    void Create(const QString& text, const QPixmap& icon);

    // The window size for lines whose longest one measures `textWidth` x
    // `textHeight` pixels, in a font with internal leading `leading` and
    // average character width `averageWidth`:
    // width = W + 6A + 45; height = (H + 2L) x (lines + 2), at least 2L + 40.
    static QSize NoticeSize(int textWidth, int textHeight, int leading, int averageWidth, int lines);

    // The line measured for the size: the first of the longest (in characters).
    static int LongestLine(const QStringList& lines);

    const QFont& NoticeFont() const { return m_font; }
    const QStringList& Lines() const { return m_lines; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QFont m_font;
    QStringList m_lines;
    QPixmap m_icon;
};

} // namespace talvoren

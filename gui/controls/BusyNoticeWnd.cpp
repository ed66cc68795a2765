#include "gui/controls/BusyNoticeWnd.h"

#include "gui/platform/DialogUnits.h"
#include "resources/ResourceIds.h"
#include "resources/StringTable.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QWindow>
#include <QFontMetrics>
#include <QPainter>
#include <QScreen>

namespace talvoren
{
namespace
{
constexpr int kMaxExposeWaitMs = 300;
}

CBusyNoticeWnd::CBusyNoticeWnd()
    : QWidget(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      m_font(MakeCellHeightFont(QStringLiteral("Verdana"), 16, QFont::Normal))
{
    setAttribute(Qt::WA_ShowWithoutActivating);
    setEnabled(false);   // clicks on the notice do nothing
    setFocusPolicy(Qt::NoFocus);
}

QSize CBusyNoticeWnd::NoticeSize(int textWidth, int textHeight, int leading, int averageWidth, int lines)
{
    const int width = textWidth + 6 * averageWidth + 45;
    int height = (textHeight + 2 * leading) * (lines + 2);
    if (height < 2 * leading + 40)
        height = 2 * leading + 40;
    return QSize(width, height);
}

int CBusyNoticeWnd::LongestLine(const QStringList& lines)
{
    int longest = 0;
    for (int i = 1; i < lines.size(); ++i) {
        if (lines[i].size() > lines[longest].size())
            longest = i;
    }
    return longest;
}

void CBusyNoticeWnd::Create(const QString& text, const QPixmap& icon)
{
    m_lines = text.split(QLatin1Char('\n'));
    m_icon = icon;
    const QString& longest = m_lines[LongestLine(m_lines)];
    setWindowTitle(longest);

    const QFontMetrics metrics(m_font);
    const int cell = metrics.ascent() + metrics.descent();
    const int leading = cell - m_font.pixelSize() > 0 ? cell - m_font.pixelSize() : 0;
    const QSize size = NoticeSize(metrics.horizontalAdvance(longest), cell, leading, metrics.averageCharWidth(),
                                  static_cast<int>(m_lines.size()));
    // The size is that of the client area: the window manager adds its frame.
    setFixedSize(size);

    setWindowTitle(QString::fromStdString(LoadResourceString(AFX_IDS_APP_TITLE)));
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect work = screen->availableGeometry();
        move(work.center() - QPoint(size.width() / 2, size.height() / 2));
    }
    show();
    raise();   // top of the z-order, never "always on top"
    // The work that follows blocks the thread: wait (briefly) until the
    // window system has put the window on screen, then paint it once.
    QElapsedTimer waited;
    waited.start();
    while (windowHandle() && !windowHandle()->isExposed() && waited.elapsed() < kMaxExposeWaitMs)
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 10);
    repaint();
}

void CBusyNoticeWnd::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Active, QPalette::Button));
    painter.setFont(m_font);
    painter.setPen(palette().color(QPalette::Active, QPalette::ButtonText));
    painter.setBackgroundMode(Qt::TransparentMode);

    QRect area = rect();
    const int lines = static_cast<int>(m_lines.size());
    if (lines <= 1) {
        if (!m_icon.isNull()) {
            painter.drawPixmap(area.left() + 5, area.top(), m_icon);
            area.setLeft(area.left() + 45);
        }
        painter.drawText(area, Qt::AlignCenter | Qt::TextSingleLine, m_lines.value(0));
        return;
    }
    if (!m_icon.isNull()) {
        painter.drawPixmap(area.left() + 5, area.top() + (area.height() - 40) / 2, m_icon);
        area.setLeft(area.left() + 45);
    }
    const int slot = area.height() / (lines + 2);
    for (int i = 0; i < lines; ++i) {
        const QRect band(area.left(), area.top() + (i + 1) * slot, area.width(), slot);
        painter.drawText(band, Qt::AlignCenter | Qt::TextSingleLine, m_lines[i]);
    }
}

} // namespace talvoren

#include "moc_BusyNoticeWnd.cpp"

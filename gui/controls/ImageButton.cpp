#include "gui/controls/ImageButton.h"

#include "gui/resources/IconResources.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>

namespace talvoren
{
CImageButton::CImageButton(QWidget* parent) : QPushButton(parent)
{
    setMouseTracking(true);
    setFlat(true);
    setAttribute(Qt::WA_Hover, false);   // hover is tracked by the rules below, not by the style
}

CImageButton* CImageButton::TakeOver(QPushButton* button)
{
    if (!button)
        return nullptr;
    auto* replacement = new CImageButton(button->parentWidget());
    replacement->setObjectName(button->objectName());
    replacement->setGeometry(button->geometry());
    replacement->setText(button->text());
    replacement->setFont(button->font());
    replacement->setAutoDefault(button->autoDefault());
    replacement->setDefault(button->isDefault());
    replacement->setEnabled(button->isEnabled());
    replacement->setVisible(!button->isHidden());
    QWidget::setTabOrder(button, replacement);   // takes the old button's place in the tab chain
    delete button;
    return replacement;
}

void CImageButton::SetIcon(int iconId)
{
    const QPixmap pixmap = LoadIconPixmap(iconId);
    SetIcon(pixmap.isNull() ? QIcon() : QIcon(pixmap), pixmap.size());
}

void CImageButton::SetIcon(const QIcon& icon, const QSize& size)
{
    m_icon = icon;
    m_nIconWidth = icon.isNull() ? 0 : size.width();
    m_nIconHeight = icon.isNull() ? 0 : size.height();
    update();
}

QRect CImageButton::IconRect(const QSize& size) const
{
    if (m_icon.isNull())
        return QRect();
    if (text().isEmpty())
        return QRect((size.width() - m_nIconWidth) / 2, (size.height() - m_nIconHeight) / 2, m_nIconWidth,
                     m_nIconHeight);
    return QRect(3, (size.height() - m_nIconHeight) / 2, m_nIconWidth, m_nIconHeight);
}

QRect CImageButton::CaptionRect(const QSize& size) const
{
    QRect area(QPoint(0, 0), size);
    if (!m_icon.isNull())
        area.setLeft(3 + m_nIconWidth + 3);
    return area;
}

void CImageButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QPalette& colours = palette();
    const bool pressed = isDown();
    const bool disabled = !isEnabled();
    const QColor face = colours.color(QPalette::Button);
    const QColor shadow = colours.color(QPalette::Dark);
    const QColor highlight = colours.color(QPalette::Light);

    painter.setBackgroundMode(Qt::TransparentMode);
    painter.fillRect(rect(), face);   // normal, hover/pressed and focused backgrounds are all the face colour

    const QRect frame = rect().adjusted(0, 0, -1, -1);
    if (pressed || (m_bHovering && !disabled)) {
        const QColor topLeft = pressed ? shadow : highlight;
        const QColor bottomRight = pressed ? highlight : shadow;
        painter.setPen(topLeft);
        painter.drawLine(frame.topLeft(), frame.topRight());
        painter.drawLine(frame.topLeft(), frame.bottomLeft());
        painter.setPen(bottomRight);
        painter.drawLine(frame.bottomLeft(), frame.bottomRight());
        painter.drawLine(frame.topRight(), frame.bottomRight());
    }

    const int shift = pressed ? 1 : 0;
    if (!m_icon.isNull()) {
        const QRect place = IconRect(size()).translated(shift, shift);
        m_icon.paint(&painter, place, Qt::AlignCenter, disabled ? QIcon::Disabled : QIcon::Normal);
    }
    if (!text().isEmpty()) {
        const QRect area = CaptionRect(size()).translated(shift, shift);
        const int flags = Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic;
        painter.setFont(font());
        if (disabled) {
            painter.setPen(highlight);
            painter.drawText(area.translated(1, 1), flags, text());
            painter.setPen(shadow);
            painter.drawText(area, flags, text());
        } else {
            painter.setPen(colours.color(QPalette::ButtonText));
            painter.drawText(area, flags, text());
        }
    }
    // No focus rectangle.
}

void CImageButton::SetHovering(bool hovering)
{
    if (m_bHovering == hovering)
        return;
    m_bHovering = hovering;
    update();
}

void CImageButton::mouseMoveEvent(QMouseEvent* event)
{
    QPushButton::mouseMoveEvent(event);
    if ((event->buttons() & Qt::LeftButton) && !m_bHovering)
        return;
    const bool over = rect().contains(event->position().toPoint());
    const bool active = QApplication::activeWindow() != nullptr || m_bTrackWhenInactive;
    if (over && active && isEnabled())
        SetHovering(true);
    else if (!over)
        SetHovering(false);
}

void CImageButton::enterEvent(QEnterEvent* event)
{
    QPushButton::enterEvent(event);
    const bool active = QApplication::activeWindow() != nullptr || m_bTrackWhenInactive;
    if (active && isEnabled() && !(QApplication::mouseButtons() & Qt::LeftButton))
        SetHovering(true);
}

void CImageButton::leaveEvent(QEvent* event)
{
    QPushButton::leaveEvent(event);
    SetHovering(false);
}

void CImageButton::focusOutEvent(QFocusEvent* event)
{
    QPushButton::focusOutEvent(event);
    SetHovering(false);
}

void CImageButton::changeEvent(QEvent* event)
{
    QPushButton::changeEvent(event);
    if (event->type() == QEvent::EnabledChange && !isEnabled()) {
        SetHovering(false);
        if (hasFocus()) {
            QWidget* next = nextInFocusChain();
            while (next && next != this && !(next->isEnabled() && next->isVisible() &&
                                              (next->focusPolicy() & Qt::TabFocus) && next->window() == window()))
                next = next->nextInFocusChain();
            if (next && next != this)
                next->setFocus(Qt::TabFocusReason);
            else if (QWidget* dialog = window())
                dialog->setFocus(Qt::TabFocusReason);
        }
    } else if (event->type() == QEvent::ActivationChange && !isActiveWindow()) {
        SetHovering(false);
    }
}

bool CImageButton::event(QEvent* event)
{
    if (event->type() == QEvent::UngrabMouse)   // the platform's cancel-mode
        SetHovering(false);
    return QPushButton::event(event);
}

} // namespace talvoren

#include "moc_ImageButton.cpp"

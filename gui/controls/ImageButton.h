#pragma once
// A flat push button that shows an icon beside its caption and lights up
// with a thin raised border while the mouse is over it. Every dialog of the
// program uses it for its buttons.

#include <QColor>
#include <QIcon>
#include <QPushButton>

namespace talvoren
{
class CImageButton : public QPushButton
{
    Q_OBJECT

public:
    explicit CImageButton(QWidget* parent = nullptr);

    // Takes over an existing push button of a dialog: a CImageButton with
    // its place, caption, font, object name, default state and tab position
    // replaces it, and the old button is deleted. Returns the new button.
    static CImageButton* TakeOver(QPushButton* button);

    // Shows the icon of resource `iconId` in every state and redraws.
    void SetIcon(int iconId);
    void SetIcon(const QIcon& icon, const QSize& size);

    bool IsHovering() const { return m_bHovering; }
    QSize IconSize() const { return QSize(m_nIconWidth, m_nIconHeight); }
    void SetTrackWhenInactive(bool track) { m_bTrackWhenInactive = track; }

    // Where the parts go in a button of `size` (caption area right of the
    // icon; the icon centred when there is no caption), before the pressed shift.
    QRect IconRect(const QSize& size) const;
    QRect CaptionRect(const QSize& size) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool event(QEvent* event) override;

private:
    void SetHovering(bool hovering);

    bool m_bTrackWhenInactive = true;
    bool m_bHovering = false;
    QIcon m_icon;
    int m_nIconWidth = 0;
    int m_nIconHeight = 0;
};

} // namespace talvoren

#pragma once
// The busy notice: shown for exactly as long as this object lives, around
// work that blocks the user-interface thread.

#include <QPixmap>
#include <QString>
#include <memory>

namespace talvoren
{
class CBusyNoticeWnd;

class CBusyNotice
{
public:
    // Creates and shows the notice; returns when it has painted.
    CBusyNotice(const QString& text, const QPixmap& icon);
    // Also sets the wait cursor until the notice goes.
    CBusyNotice(const QString& text, int iconId, bool waitCursor = true);
    ~CBusyNotice();
    CBusyNotice(const CBusyNotice&) = delete;
    CBusyNotice& operator=(const CBusyNotice&) = delete;

    CBusyNoticeWnd* Window() const { return m_pWnd.get(); }

private:
    std::unique_ptr<CBusyNoticeWnd> m_pWnd;
    bool m_bWaitCursor = false;
};

} // namespace talvoren

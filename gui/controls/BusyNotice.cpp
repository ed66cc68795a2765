#include "gui/controls/BusyNotice.h"

#include "gui/controls/BusyNoticeWnd.h"
#include "gui/resources/IconResources.h"

#include <QApplication>

namespace talvoren
{
CBusyNotice::CBusyNotice(const QString& text, const QPixmap& icon) : m_pWnd(std::make_unique<CBusyNoticeWnd>())
{
    m_pWnd->Create(text, icon);
}

CBusyNotice::CBusyNotice(const QString& text, int iconId, bool waitCursor)
    : m_pWnd(std::make_unique<CBusyNoticeWnd>()), m_bWaitCursor(waitCursor)
{
    if (m_bWaitCursor)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    m_pWnd->Create(text, LoadIconPixmap(iconId));
}

CBusyNotice::~CBusyNotice()
{
    m_pWnd.reset();   // the window goes with its font, then the cursor comes back
    if (m_bWaitCursor)
        QApplication::restoreOverrideCursor();
}

} // namespace talvoren

#include "gui/resources/IconResources.h"

#include <QString>

namespace talvoren
{
QPixmap LoadIconPixmap(int id)
{
    return QPixmap(QStringLiteral(":/icons/icon%1.png").arg(id));
}

QIcon LoadIconResource(int id)
{
    const QPixmap pixmap = LoadIconPixmap(id);
    return pixmap.isNull() ? QIcon() : QIcon(pixmap);
}

QIcon ToolbarIcon(int commandId)
{
    const QPixmap pixmap(QStringLiteral(":/icons/tb%1.png").arg(commandId));
    return pixmap.isNull() ? QIcon() : QIcon(pixmap);
}

} // namespace talvoren

#pragma once
// The program's icons by resource id.

#include <QIcon>
#include <QPixmap>

namespace talvoren
{
// The icon of a resource id (32 x 32), or a null icon for an unknown id.
QIcon LoadIconResource(int id);
QPixmap LoadIconPixmap(int id);

// The 16 x 15 toolbar image of a command, or a null icon.
QIcon ToolbarIcon(int commandId);

} // namespace talvoren

#pragma once
// The launcher that the program puts on the user's desktop at start-up: a
// freedesktop ".desktop" file named after the executable and pointing at it.

#include <string>

namespace talvoren
{
// The user's desktop folder as the user's folder settings name it
// (XDG_DESKTOP_DIR in "$XDG_CONFIG_HOME/user-dirs.dirs", "$HOME" expanded),
// or "" when they name none.
std::string UserDesktopFolder();

// Where the launcher goes. Given the executable's full path, whether it lies
// on a CD-ROM drive, the desktop folder (may be "") and the home folder (may
// be ""). Returns "" for an executable on a CD-ROM; "<desktop>/<name>.desktop"
// when the desktop folder exists; else "<home>/Desktop/<name>.desktop" when a
// home folder is known; else "".
std::string DesktopShortcutPath(const std::string& exePath, bool onCdRom, const std::string& desktopFolder,
                                const std::string& homeFolder);

// The text of a launcher that starts `exePath`, named `name`.
std::string DesktopEntryText(const std::string& exePath, const std::string& name);

// Puts the launcher at DesktopShortcutPath(...) unless a file of that name
// exists already (it is never overwritten, whatever it holds). Returns true
// when a launcher was written; failures are silent.
bool MakeDesktopShortcut(const std::string& exePath, bool onCdRom, const std::string& desktopFolder,
                         const std::string& homeFolder);

} // namespace talvoren

#pragma once
// Folders that the operating system gives the program.

#include <string>

namespace talvoren
{
// The program folder: the folder of the running executable, without a
// trailing separator ("/opt/talvoren" for "/opt/talvoren/talvoren").
std::string ProgramFolder();

// Joins a folder and a name with exactly one separator between them.
std::string JoinPath(const std::string& folder, const std::string& name);

// The folder of the settings files: $TALVOREN_CONFIG_DIR when it is set,
// else "$XDG_CONFIG_HOME/Sorvane Network/Talvoren", else
// "$HOME/.config/Sorvane Network/Talvoren". Not created here.
std::string ConfigFolder();

// True when a file or folder exists at `path`.
bool PathExists(const std::string& path);

// The language folder at start-up: the folder "Vietnam" of the program
// folder, with exactly one separator between them and one at the end.
std::string StartupLanguageFolder(const std::string& programFolder);

} // namespace talvoren

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

// The last name of a path, trailing separators ignored ("Vietnam" for
// "/opt/talvoren/Vietnam/").
std::string LastPathName(const std::string& path);

// The folder of the settings files: $TALVOREN_CONFIG_DIR when it is set,
// else "$XDG_CONFIG_HOME/Sorvane Network/Talvoren", else
// "$HOME/.config/Sorvane Network/Talvoren". Not created here.
std::string ConfigFolder();

// True when a file or folder exists at `path`.
bool PathExists(const std::string& path);

// The user's own data folder: "$XDG_DATA_HOME/talvoren", else
// "$HOME/.local/share/talvoren", else ".local/share/talvoren". Not created here.
std::string UserDataFolder();

// Makes `folder` and the folders above it that are missing (mode 0755).
// False, with `*error` saying why, when one cannot be made.
bool MakeFolders(const std::string& folder, std::string* error);

// Where the program reads its data and where it writes what the user makes.
struct DATAFOLDERS
{
    // Html/, Bible.db and the shipped language folders: the program folder
    // when they lie beside the executable (a build), else
    // "<program folder>/../share/talvoren" (an installed program).
    std::string strShipped;
    // The notes file and new language folders: the program folder when the
    // data lie beside the executable and that folder can be written; else
    // UserDataFolder(), so that an installed program never writes into the
    // files its package owns.
    std::string strUser;

    // True when the user's data lie apart from the shipped data.
    bool IsSplit() const { return strUser != strShipped; }
    // The language folder `name` as the engine reads it: "<user>/<name>/",
    // whose files win over those of ShippedLanguageFolder(name).
    std::string LanguageFolder(const std::string& name) const;
    // "<shipped>/<name>/", or "" when the user's data are not apart.
    std::string ShippedLanguageFolder(const std::string& name) const;
};

// The data folders of a program whose executable lies in `programFolder`
// (no trailing separator). The user folder comes from UserDataFolder().
DATAFOLDERS FindDataFolders(const std::string& programFolder);

} // namespace talvoren

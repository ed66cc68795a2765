#pragma once
// Switching the language folder for the rest of the run: the languages the
// language dialog offers, the folder each one uses, and the installation of a
// language that has no folder yet (a new folder beside the executable, filled
// with copies of every file of the current language folder, all or nothing).

#include "base/MessageText.h"

#include <string>
#include <vector>

namespace talvoren
{
struct CLanguageState;
struct DATAFOLDERS;

class CLanguageInstaller
{
public:
    // The languages offered, in this order: the full list, and the short one
    // for a program that runs from a CD-ROM drive.
    static const char kFullList[];
    static const char kShortList[];

    // The names of the list for the drive of the program, split at commas.
    static std::vector<std::string> LanguageNames(bool onCdRom);

    // The folder of a language: its name, except that "Vietnamese" (in any
    // letter case) uses the folder "Vietnam".
    static std::string FolderName(const std::string& language);

    // The last name of a language folder path ("/p/Vietnam/" gives "Vietnam").
    static std::string FolderOfPath(const std::string& languageFolder);

    // The entry of `names` whose folder is the language folder in use, so
    // that the dialog opens on the language that is shown; 0 when none is.
    static std::size_t CurrentIndex(const std::vector<std::string>& names, const std::string& languageFolder);

    // The word order that goes with a language: the Vietnamese one for the
    // folder "Vietnam", the English one for every other.
    static bool UsesVietnameseOrder(const std::string& language);

    // The language of the program's own texts for a language folder: "vi"
    // for the folder "Vietnam", "en" for any other.
    static std::string InterfaceLanguage(const std::string& languageFolder);

    // True when neither the user's nor the shipped data hold a folder of
    // `language` yet, so that OK would make one with copies of the current
    // language's files.
    static bool NeedsNewFolder(const DATAFOLDERS& folders, const std::string& language);

    // "<program folder>/<folder>/", with one separator between the two.
    static std::string TargetFolder(const std::string& programFolder, const std::string& folder);

    // The base name and extension of the last part of `path`, split at its
    // last dot (".." gives "." and ".", "a.b.txt" gives "a.b" and ".txt").
    static void SplitName(const std::string& path, std::string* base, std::string* extension);

    // Copies `source` to `destination` unchanged, in blocks of 4096 bytes.
    // A source that does not exist shows its path with the caption "Cannot
    // open file"; a file that cannot be opened, read or written, and a
    // source that is no regular file (a folder, a pipe: refused before any
    // read), shows the file-error message for it. Returns false after such
    // a message.
    static bool CopyFileByBlocks(const std::string& source, const std::string& destination);

    // The file-error message for `path` and the system error `error`
    // ("Access to /a/b was denied."), and its text cut to at most 1024
    // characters.
    static MESSAGETEXT FileError(const std::string& path, int error);
    static std::string FileErrorMessage(const std::string& path, int error);

    // Copies every regular file of `fromFolder` whose base name has more
    // than one character into `target` (a folder path ending in a
    // separator), in the order the folder lists them. Folders are skipped;
    // other entries that are no file (a link to nothing, a pipe, a device)
    // are skipped and, when `skipped` is given, named in it with what they
    // are ("uOrdo.txt (a link to nothing)"). At the first failed copy shows
    // "Cannot copy <source> into <destination>" and returns false.
    static bool FillFolder(const std::string& fromFolder, const std::string& target,
                           std::vector<std::string>* skipped = nullptr);

    // The language dialog's OK: the folder of `language` in the user's
    // data folder (the program folder of a build), made and filled from the
    // current language folder when neither it nor a shipped folder of that
    // name exists yet; then the state's folders become that folder and the
    // shipped one, and its syntax flag 1 for the Vietnamese word order, else
    // 0. A new folder is all or nothing: it is filled (the current folder's
    // files over the shipped ones it stands on) under a temporary name and
    // renamed into place only when every file was copied; entries that were
    // skipped are named in a message. Returns false, with `state` unchanged
    // and no new folder, when the data folder cannot be made or written (the
    // message says it is read-only), a copy failed or the rename failed.
    static bool Install(const DATAFOLDERS& folders, const std::string& language, bool vietnameseOrder,
                        CLanguageState& state);
};

} // namespace talvoren

#pragma once
// Which scripture database the program reads: Bible.db in the program
// folder, unless the settings store names another file. A reader who built
// a Bible.db from a module in their own language (tools/bibledb) points the
// program at it with the text value "BibleDatabase" of the program's key in
// the machine root (settings.ini):
//
//     [SOFTWARE\Sorvane Network\Talvoren\2.0]
//     BibleDatabase=/home/me/Bible-vi.db
//
// A relative path is taken from the program folder.

#include <string>

namespace talvoren
{
// The value name of the setting.
constexpr const char* kBibleDatabaseValue = "BibleDatabase";

// Given the program folder, the path of the scripture database: the file the
// setting names when it is a non-empty text, else <programFolder>/Bible.db.
// A store that cannot be read counts as one without the setting.
std::string BibleDatabasePath(const std::string& programFolder);

} // namespace talvoren

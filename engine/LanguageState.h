#pragma once
#include <string>

namespace talvoren
{
// The application-wide language state: held by the program's owner (the
// application object, or the command-line tool) and lent to the language
// data loader, which reads the folder it names.
struct CLanguageState
{
    std::string strFolder;   // the current language folder; ends in a separator
    // The shipped folder of the same language, read for each file that
    // strFolder lacks (an installed program whose user has a folder of his
    // own); "" when there is none. Ends in a separator.
    std::string strShippedFolder;
    int nSyntax = 1;         // 1 = Vietnamese word order of composed titles, 0 = English
};

} // namespace talvoren

#pragma once
// Reads an installed SWORD Bible module (by default engWEB2015eb, the World
// English Bible with Deuterocanon; any other, such as a Vietnamese Bible
// installed with a module manager) into the scripture database: the books
// of the Catholic canon that the module has, in Catholic order, each
// verse's raw OSIS made into HTML (COsisConverter). Verse numbers go from
// the module's versification (its "Versification=" entry) to the English
// numbering through SWORD's own mapping tables (VersificationMgr), then to
// the lectionary's (LectionaryVerse). A book that the module's
// versification lacks (the deuterocanon of a KJV module) is left out and
// named in the warnings: the passage page then says that the Bible text
// lacks the passage.

#include <string>

namespace talvoren
{
class CBibleDbWriter;

class CSwordBibleReader
{
public:
    // Given a module name and a writer that Create has started, writes every
    // verse and heading row, IDs from 1 in reading order. False, with
    // `error` set, when the module is not installed, is not a Bible, or a
    // row is refused. A book that gives no verse is named in `warnings`
    // (one line each) and does not stop the build.
    bool Read(const std::string& moduleName, CBibleDbWriter& writer, std::string& error, std::string& warnings);
};

} // namespace talvoren

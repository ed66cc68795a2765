#pragma once
// Reads a Bible module through the SWORD library (engWEB2015eb, the World
// English Bible with Deuterocanon) into the scripture database: the 73 books
// of the Catholic canon in Catholic order, each verse's raw OSIS made into
// HTML (COsisConverter), verse numbers moved from the module's English
// numbering to the lectionary's (LectionaryVerse).

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

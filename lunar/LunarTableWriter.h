#pragma once
// Writes the source file lunar/LunarYearTable.cpp: the table words of the
// lunar years CLunarYearTable::kFirstYear..kLastYear and the epoch, computed
// with CLunarAstronomy.

#include <string>

namespace talvoren
{
class CLunarTableWriter
{
public:
    // The whole text of the source file in `text`. Returns false, with the
    // reason in `error`, when a year cannot be computed or does not fit the
    // word format (years must follow each other without gap or overlap).
    static bool WriteSource(std::string& text, std::string& error);
};

} // namespace talvoren

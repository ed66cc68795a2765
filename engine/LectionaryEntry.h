#pragma once
#include <string>

namespace talvoren
{
// The entry of a kept lectionary line: the text between the first and the
// second "@" (or the end of the line), trimmed of white space. A line without
// "@" gives an empty entry; the text before the first "@" is only a label.
std::string LectionaryEntry(const std::string& line);

} // namespace talvoren

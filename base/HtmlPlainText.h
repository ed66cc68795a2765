#pragma once
// HTML of the data files as plain text, for places that show no markup
// (calendar programs, the command-line tool).

#include <string>

namespace talvoren
{
// Given HTML from a data file, returns its text: the HTML passes the
// whitelist first (base/HtmlWhitelist.h), so nothing of a script or style
// shows; "<br>" and "<p>" end a line and every other tag goes; character
// references (decimal, hexadecimal, and amp, lt, gt, quot, apos, nbsp)
// become their characters (a control character, a line end among them, a
// blank), an unknown one stays as written. Within a line,
// runs of white space become one blank, as a browser shows them; lines are
// trimmed, and empty ones left out. Lines are joined by "\n".
std::string HtmlToPlainText(const std::string& html);

} // namespace talvoren

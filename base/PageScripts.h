#pragma once
// Lines of script that the program runs in its pages, and the paths it
// forms for them.

#include <string>

namespace talvoren
{
// `text` as a JavaScript string literal in double quotes (backslash, quotes,
// control characters and the line separators U+2028/U+2029 escaped).
std::string JavaScriptStringLiteral(const std::string& text);

// "OpenWin('<folder>/Html/<page>')": the path as a string literal of the
// script, with backslashes doubled and apostrophes and line ends escaped, so
// that no folder name can end the literal early.
std::string MakeOpenWinScript(const std::string& programFolder, const std::string& page);

// The script that replaces the inner HTML of the first element (in document
// order) whose id or name is `id` with `html`. An id that matches nothing
// changes nothing.
std::string MakeSetElementHtmlScript(const std::string& id, const std::string& html);

// The script that runs `text` as a line of script of the page, at global
// scope, the way the page's own script elements run; a page without any
// script element runs nothing.
std::string MakeRunScript(const std::string& text);

} // namespace talvoren

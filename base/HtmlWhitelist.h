#pragma once
// The whitelist that HTML from data files passes on its way into a page. The
// texts of the language files and the rows of the scripture database are
// HTML of a few simple tags; nothing in them may run script.

#include <string>

namespace talvoren
{
// Given HTML from a data file, returns it with only the tags br, b, i, sub,
// sup, p, span (with its attribute class) and font (with its attribute
// color) left, and the text between tags as it stands. Attribute values are
// kept only when they hold nothing but letters, digits, blanks, "#", "-" and
// "_". Every other tag and attribute (all on... attributes, every URL),
// comments and declarations are dropped; the elements whose content the
// browser does not read as markup (script, style, iframe, noembed, noframes,
// noscript, plaintext, textarea, title, xmp) are dropped with their content.
// Tags are read as the browser reads them. A kept tag stays as written when
// it carries only kept attributes, and is written anew (lower case, values in
// double quotes) otherwise. A "<" that opens no tag becomes "&lt;", so that
// no two pieces left side by side can form a new tag; nothing else of the
// text changes, so text escaped as plain text passes unchanged.
std::string SanitizeHtml(const std::string& html);

// The same for the texts of the program's own pages (a language folder's
// page texts): ul, ol, li, kbd, h2, h3, table, tr, th and td are kept as
// well, each with its attribute class.
std::string SanitizePageText(const std::string& html);

} // namespace talvoren

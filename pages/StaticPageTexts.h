#pragma once
// The static pages of Html/ in the language of the folder in use. A page
// holds fields that are filled from the folder's page texts
// (engine/PageTexts.h) when the page is served:
//
//   {{key}}        the text as HTML (page-text whitelist, base/HtmlWhitelist.h)
//   {{attr:key}}   the text without tags, escaped for an attribute value
//   {{js:key}}     the text (as HTML) as a JavaScript string literal
//   {{js:weekdays}}, {{js:months}}   the weekday names (Sunday first) and the
//                  month names (January first) of the titles, as a
//                  JavaScript array of string literals
//
// In a text, "[icon N]" (N digits) stands for the toolbar picture
// Images/tbN.png. A field that names no text is left empty; anything else
// of the page stays as it is.

#include <initializer_list>
#include <string>

namespace talvoren
{
class CLanguageData;
class CTitleList;

// Given a static page and the titles of the folder in use (which carry its
// page texts), the page with its fields filled.
std::string FillPageTexts(const std::string& page, const CTitleList& titles);

// What the program serves for the file `name` of Html/ whose bytes are
// `content`, in the language of `data` (null: the built-in page texts): a
// page (".htm") with its fields filled; the saint table "saints.js" made
// from the feast file of the folder; any other file as it is.
std::string ServedHtmlFile(const std::string& name, const std::string& content, const CLanguageData* data);

// A page text as HTML: after the page-text whitelist, with its icons.
std::string PageTextHtml(const CTitleList& titles, const std::string& key);

// `text` with each "{name}" of `fields` replaced by its value; other braces
// stay as they are.
struct PAGEFIELD {
    const char* pszName;
    std::string strValue;
};
std::string FillFields(const std::string& text, std::initializer_list<PAGEFIELD> fields);

} // namespace talvoren

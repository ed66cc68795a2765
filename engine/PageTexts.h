#pragma once
// The words of the program's pages in one language: the texts of the static
// pages (Calendar.htm, day.htm, layer.htm, print.htm, the help page and
// About), of the colour badges and hints, and of the scripture page's
// notes. They come from the page-texts file of the
// language folder ("uPage.txt"), one text a line:
//
//     key = text
//
// A key is made of letters, digits, "." and "_"; the text is HTML of the few
// tags the pages allow (see pages/StaticPageTexts.h) and may hold the fields
// a page fills in ("{day}", "{month}"). A key that the file does not give
// keeps the built-in text, which is that of the Vietnamese folder: a folder
// without the file, or with an older one, shows Vietnamese words where it
// has none of its own.

#include <map>
#include <string>
#include <vector>

namespace talvoren
{
class CPageTexts
{
public:
    static constexpr const char* kFile = "uPage.txt";

    // The built-in texts.
    CPageTexts();

    // The built-in texts overridden by the kept lines of a page-texts file;
    // a line that is not "key = text" is skipped.
    static CPageTexts FromLines(const std::vector<std::string>& lines);

    // The text of `key`; "" for a key that neither the file nor the
    // built-in texts know.
    const std::string& Text(const std::string& key) const;

private:
    // Only the texts of `lines`, without the built-in ones.
    CPageTexts(const std::vector<std::string>& lines, int);
    void Take(const std::vector<std::string>& lines);
    std::map<std::string, std::string> m_texts;
};

} // namespace talvoren

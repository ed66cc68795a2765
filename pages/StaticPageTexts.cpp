#include "pages/StaticPageTexts.h"

#include "base/HtmlEscape.h"
#include "base/HtmlWhitelist.h"
#include "base/PageScripts.h"
#include "engine/LanguageData.h"
#include "engine/TitleList.h"
#include "pages/SaintTable.h"

namespace talvoren
{
namespace
{
// `html` with each "[icon N]" made the toolbar picture N.
std::string WithIcons(const std::string& html)
{
    static const std::string kOpen = "[icon ";
    std::string out;
    std::size_t from = 0;
    for (std::size_t at = html.find(kOpen); at != std::string::npos; at = html.find(kOpen, from)) {
        const std::size_t digits = at + kOpen.size();
        const std::size_t end = html.find_first_not_of("0123456789", digits);
        if (end == std::string::npos || end == digits || html[end] != ']' || end - digits > 6) {
            out.append(html, from, digits - from);
            from = digits;
            continue;
        }
        out.append(html, from, at - from);
        out += "<img class=\"tb\" src=\"Images/tb" + html.substr(digits, end - digits) + ".png\" alt=\"\">";
        from = end + 1;
    }
    return out + html.substr(from);
}

// The text of `html` without its tags, for an attribute value.
std::string AttributeText(const std::string& html)
{
    std::string text;
    bool inTag = false;
    for (const char ch : html) {
        if (ch == '<')
            inTag = true;
        else if (ch == '>')
            inTag = false;
        else if (!inTag)
            text += ch;
    }
    std::string out;
    for (const char ch : EscapeHtmlText(text))
        out += ch == '"' ? std::string("&quot;") : std::string(1, ch);
    return out;
}

std::string NameList(const CTitleList& titles, bool months)
{
    std::string list = "[";
    for (int k = 0; k < (months ? 12 : 7); ++k) {
        if (k > 0)
            list += ", ";
        list += JavaScriptStringLiteral(SanitizeHtml(months ? titles.MonthName(k + 1) : titles.WeekdayName(k)));
    }
    return list + "]";
}

std::string FieldValue(const std::string& field, const CTitleList& titles)
{
    if (field == "js:weekdays" || field == "js:months")
        return NameList(titles, field == "js:months");
    if (field.compare(0, 3, "js:") == 0)
        return JavaScriptStringLiteral(PageTextHtml(titles, field.substr(3)));
    if (field.compare(0, 5, "attr:") == 0)
        return AttributeText(SanitizePageText(titles.PageTexts().Text(field.substr(5))));
    return PageTextHtml(titles, field);
}
} // namespace

std::string PageTextHtml(const CTitleList& titles, const std::string& key)
{
    return WithIcons(SanitizePageText(titles.PageTexts().Text(key)));
}

std::string ServedHtmlFile(const std::string& name, const std::string& content, const CLanguageData* data)
{
    static const CTitleList kBuiltIn;
    const auto endsWith = [&name](const char* tail) {
        const std::string end = tail;
        return name.size() >= end.size() && name.compare(name.size() - end.size(), end.size(), end) == 0;
    };
    if (endsWith(".htm"))
        return FillPageTexts(content, data ? data->Titles() : kBuiltIn);
    if (data && (name == "saints.js" || endsWith("/saints.js")))
        return SaintTableScript(data->Feasts());
    return content;
}

std::string FillFields(const std::string& text, std::initializer_list<PAGEFIELD> fields)
{
    std::string out = text;
    for (const PAGEFIELD& field : fields) {
        const std::string name = std::string("{") + field.pszName + "}";
        for (std::size_t at = out.find(name); at != std::string::npos; at = out.find(name, at + field.strValue.size()))
            out.replace(at, name.size(), field.strValue);
    }
    return out;
}

std::string FillPageTexts(const std::string& page, const CTitleList& titles)
{
    std::string out;
    out.reserve(page.size() * 2);
    std::size_t from = 0;
    for (std::size_t open = page.find("{{"); open != std::string::npos; open = page.find("{{", from)) {
        const std::size_t close = page.find("}}", open + 2);
        if (close == std::string::npos)
            break;
        out.append(page, from, open - from);
        out += FieldValue(page.substr(open + 2, close - open - 2), titles);
        from = close + 2;
    }
    return out + page.substr(from);
}

} // namespace talvoren

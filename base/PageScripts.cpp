#include "base/PageScripts.h"

#include <cstdio>

namespace talvoren
{
std::string JavaScriptStringLiteral(const std::string& text)
{
    std::string out = "\"";
    for (std::size_t i = 0; i < text.size(); ++i) {
        const unsigned char ch = static_cast<unsigned char>(text[i]);
        switch (ch) {
        case '\\': out += "\\\\"; break;
        case '"': out += "\\\""; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (ch < 0x20) {
                char escape[8];
                std::snprintf(escape, sizeof escape, "\\x%02x", ch);
                out += escape;
            } else if (ch == 0xE2 && i + 2 < text.size() && static_cast<unsigned char>(text[i + 1]) == 0x80 &&
                       (static_cast<unsigned char>(text[i + 2]) == 0xA8 ||
                        static_cast<unsigned char>(text[i + 2]) == 0xA9)) {
                out += static_cast<unsigned char>(text[i + 2]) == 0xA8 ? "\\u2028" : "\\u2029";
                i += 2;
            } else {
                out += static_cast<char>(ch);
            }
        }
    }
    return out + "\"";
}

std::string MakeOpenWinScript(const std::string& programFolder, const std::string& page)
{
    std::string folder = programFolder;
    if (!folder.empty() && folder.back() == '/')
        folder.pop_back();
    std::string quoted;
    for (const char ch : folder + "/Html/" + page) {
        switch (ch) {
        case '\\': quoted += "\\\\"; break;
        case '\'': quoted += "\\'"; break;
        case '\n': quoted += "\\n"; break;
        case '\r': quoted += "\\r"; break;
        default: quoted += ch;
        }
    }
    return "OpenWin('" + quoted + "')";
}

std::string MakeSetElementHtmlScript(const std::string& id, const std::string& html)
{
    return "(function(n,h){var q='\"'+n.replace(/[\\\\\"]/g,'\\\\$&')+'\"';"
           "var e=document.querySelector('[id='+q+'],[name='+q+']');"
           "if(e){e.innerHTML=h;}})(" +
           JavaScriptStringLiteral(id) + "," + JavaScriptStringLiteral(html) + ");";
}

std::string MakeRunScript(const std::string& text)
{
    return "if(document.getElementsByTagName('script').length>0){(0,eval)(" + JavaScriptStringLiteral(text) +
           ");}";
}

} // namespace talvoren

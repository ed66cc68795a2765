#include "pages/SaintTable.h"

#include "base/HtmlWhitelist.h"
#include "engine/FeastLine.h"

#include <cstdio>
#include <map>

namespace talvoren
{
namespace
{
// `text` as a double-quoted JavaScript string literal.
std::string Literal(const std::string& text)
{
    std::string out = "\"";
    for (std::size_t i = 0; i < text.size(); ++i) {
        const unsigned char ch = static_cast<unsigned char>(text[i]);
        if (ch == '\\' || ch == '"') {
            out += '\\';
            out += static_cast<char>(ch);
        } else if (ch < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\x%02x", ch);
            out += escape;
        } else if (ch == 0xE2 && i + 2 < text.size() && static_cast<unsigned char>(text[i + 1]) == 0x80 &&
                   (static_cast<unsigned char>(text[i + 2]) & 0xFE) == 0xA8) {
            // U+2028 and U+2029 end a line in older script engines.
            out += static_cast<unsigned char>(text[i + 2]) == 0xA8 ? "\\u2028" : "\\u2029";
            i += 2;
        } else if (ch == '<' && text.compare(i, 2, "</") == 0) {
            out += "<\\/";   // the script may also be inlined in a page
            ++i;
        } else {
            out += static_cast<char>(ch);
        }
    }
    return out + "\"";
}
} // namespace

std::string SaintTableScript(const std::vector<std::string>& feastLines)
{
    std::vector<FEASTLINE> feasts;
    for (const std::string& line : feastLines) {
        FEASTLINE feast;
        if (ParseFeastLine(line, feast))
            feasts.push_back(feast);
    }
    return SaintTableScript(feasts);
}

std::string SaintTableScript(const std::vector<FEASTLINE>& feastList)
{
    // Key month * 100 + day keeps calendar order; the vector keeps file order.
    std::map<int, std::vector<FEASTLINE>> byDate;
    for (const FEASTLINE& feast : feastList)
        byDate[feast.nMonth * 100 + feast.nDay].push_back(feast);
    std::string script = "var SAINTS = {";
    bool firstDate = true;
    for (const auto& [key, feasts] : byDate) {
        char code[24];
        std::snprintf(code, sizeof code, "%02d%02d", key % 100, key / 100);
        script += firstDate ? "\n" : ",\n";
        firstDate = false;
        script += "\"" + std::string(code) + "\": [";
        for (std::size_t n = 0; n < feasts.size(); ++n) {
            if (n > 0)
                script += ", ";
            script += "[" + std::to_string(feasts[n].nRank) + ", " + std::to_string(feasts[n].nColour) + ", " +
                      Literal(SanitizeHtml(feasts[n].strCelebration)) + ", " +
                      Literal(SanitizeHtml(feasts[n].strReadings)) + "]";
        }
        script += "]";
    }
    script += "\n};\n";
    return script;
}

} // namespace talvoren

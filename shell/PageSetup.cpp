#include "shell/PageSetup.h"

namespace talvoren
{
PAGESETUP ProgramPageSetup(bool vietnamese)
{
    PAGESETUP setup;
    if (vietnamese) {
        setup.strHeader = kProgramPageHeaderVietnamese;
        setup.strFooter = kProgramPageFooterVietnamese;
    }
    return setup;
}

PAGESETUPLINE ExpandPageSetupText(const std::string& format, const PAGESETUPFIELDS& fields)
{
    std::string parts[3];
    int part = 0;
    for (std::size_t i = 0; i < format.size(); ++i) {
        const char ch = format[i];
        if (ch != '&' || i + 1 >= format.size()) {
            parts[part] += ch;
            continue;
        }
        const char code = format[++i];
        switch (code) {
        case 'w': parts[part] += fields.strTitle; break;
        case 'u': parts[part] += fields.strUrl; break;
        case 'd': parts[part] += fields.strDate; break;
        case 'D': parts[part] += fields.strLongDate; break;
        case 't':
        case 'T': parts[part] += fields.strTime; break;
        case 'p': parts[part] += std::to_string(fields.nPage); break;
        case 'P': parts[part] += std::to_string(fields.nPages); break;
        case '&': parts[part] += '&'; break;
        case 'b':
            if (part < 2)
                ++part;
            break;
        default:
            parts[part] += '&';
            parts[part] += code;
            break;
        }
    }
    PAGESETUPLINE line;
    line.strLeft = parts[0];
    if (part == 1) {
        line.strRight = parts[1];
    } else if (part == 2) {
        line.strCentre = parts[1];
        line.strRight = parts[2];
    }
    return line;
}

} // namespace talvoren

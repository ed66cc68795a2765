#include "shell/PageSetup.h"

#include "platform/SettingsKey.h"

namespace talvoren
{
namespace
{
constexpr std::size_t kBufferBytes = 512;   // 256 UTF-16 code units with the terminating zero
constexpr std::size_t kWholeValue = static_cast<std::size_t>(-1);
}

PAGESETUP ReadPageSetup(PAGESETUP* restorable)
{
    PAGESETUP setup;
    if (restorable)
        *restorable = setup;
    CSettingsKey key;
    if (key.OpenForReading(SettingsRoot::CurrentUser, kPageSetupKey) != CSettingsKey::kSuccess &&
        key.OpenForReading(SettingsRoot::LocalMachine, kPageSetupKey) != CSettingsKey::kSuccess)
        return setup;
    key.ReadString("header", &setup.strHeader, kBufferBytes);
    key.ReadString("footer", &setup.strFooter, kBufferBytes);
    if (restorable) {
        *restorable = setup;
        key.ReadString("header", &restorable->strHeader, kWholeValue);
        key.ReadString("footer", &restorable->strFooter, kWholeValue);
    }
    key.Close();
    return setup;
}

bool WritePageSetup(const std::string& header, const std::string& footer)
{
    CSettingsKey key;
    if (key.Open(SettingsRoot::CurrentUser, kPageSetupKey) != CSettingsKey::kSuccess)
        return false;
    const bool written = key.WriteString("header", header) == CSettingsKey::kSuccess &&
                         key.WriteString("footer", footer) == CSettingsKey::kSuccess;
    key.Close();
    return written;
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

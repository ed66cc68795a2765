#include "engine/CalendarSettings.h"

#include "platform/SettingsKey.h"

#include <cstdint>

namespace talvoren
{
namespace
{
// True when `name` holds a number other than 0; `otherwise` when it cannot be read.
bool ReadFlag(CSettingsKey& key, const char* name, bool otherwise)
{
    std::uint32_t value = 0;
    if (key.ReadDword(name, &value) != CSettingsKey::kSuccess)
        return otherwise;
    return value != 0;
}
} // namespace

CALENDARSETTINGS ReadCalendarSettings()
{
    CALENDARSETTINGS settings;
    CSettingsKey key;
    if (key.Open(SettingsRoot::LocalMachine, nullptr) == CSettingsKey::kSuccess) {
        settings.bEpiphanyJan6 = ReadFlag(key, "Epiphany", settings.bEpiphanyJan6);
        settings.bAscensionSunday = ReadFlag(key, "Ascension", settings.bAscensionSunday);
        settings.bCorpusChristiThursday = !ReadFlag(key, "CorpusChristi", !settings.bCorpusChristiThursday);
    }
    key.Close();
    return settings;
}

CALENDARSETTINGS CalendarSettingsFor(const CALENDAROPTIONS& options)
{
    const bool allGiven = options.nEpiphany >= 0 && options.nAscension >= 0 && options.nCorpusChristi >= 0;
    CALENDARSETTINGS settings = allGiven ? CALENDARSETTINGS() : ReadCalendarSettings();
    if (options.nEpiphany >= 0)
        settings.bEpiphanyJan6 = options.nEpiphany != 0;
    if (options.nAscension >= 0)
        settings.bAscensionSunday = options.nAscension != 0;
    if (options.nCorpusChristi >= 0)
        settings.bCorpusChristiThursday = options.nCorpusChristi == 0;
    return settings;
}

} // namespace talvoren

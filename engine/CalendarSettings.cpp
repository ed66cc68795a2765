#include "engine/CalendarSettings.h"

#include "base/Translatable.h"
#include "platform/MessageSink.h"
#include "platform/SettingsKey.h"

#include <cstdint>
#include <mutex>
#include <string>

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

const char kDefaultSettingsText[] =
    TALVOREN_TRANSLATABLE("talvoren::Messages", "%1 The calendar uses the default settings.");

// Shows a problem of the store, unless it is the one shown last: each year
// computed reads the store, and one message for one fault is enough.
void ReportOnce(const std::string& problem)
{
    static std::mutex s_guard;
    static std::string s_lastShown;
    {
        const std::lock_guard<std::mutex> lock(s_guard);
        if (problem == s_lastShown)
            return;
        s_lastShown = problem;
    }
    if (!problem.empty())
        ShowMessage(MESSAGETEXT(kDefaultSettingsText, {problem}), MessageIcon::Error);
}
} // namespace

CALENDARSETTINGS ReadCalendarSettings()
{
    CALENDARSETTINGS settings;
    CSettingsKey key;
    const long opened = key.OpenForReading(SettingsRoot::LocalMachine, nullptr);
    ReportOnce(key.Problem());
    // A store or key not made yet reads as one without values: the defaults.
    if (opened == CSettingsKey::kSuccess || opened == CSettingsKey::kNotFound) {
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

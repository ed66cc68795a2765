#include "dialogs/ConfigOptions.h"

#include "base/Translatable.h"
#include "engine/CalendarSettings.h"
#include "platform/SettingsKey.h"
#include "resources/DialogIds.h"

#include <cstdint>

namespace talvoren
{
const std::array<CONFIGOPTION, kConfigOptionCount>& ConfigOptionTable()
{
    // "Mừng Lễ Hiển Linh đúng ngày 6 tháng Giêng",
    // "Mừng Lễ Thăng Thiên vào ngày Chúa Nhật",
    // "Mừng Lễ Mình Máu Thánh Chúa vào ngày  Chúa Nhật" (two blanks before "Chúa").
    static const std::array<CONFIGOPTION, kConfigOptionCount> table = {{
        {u"M\u00A5ng L\u008F Hi\u017Dn Linh \u00AD\u00A3ng ng\u2026y 6 th\u00FFng Gi\u02C6ng", "Epiphany",
         IDC_CONFIG_EPIPHANY},
        {u"M\u00A5ng L\u008F Th\u00E8ng Thi\u02C6n v\u2026o ng\u2026y Ch\u00A3a Nh\u00E7t", "Ascension",
         IDC_CONFIG_ASCENSION},
        {u"M\u00A5ng L\u008F M\u008Dnh M\u00FFu Th\u00FFnh Ch\u00A3a v\u2026o ng\u2026y  Ch\u00A3a Nh\u00E7t",
         "CorpusChristi", IDC_CONFIG_CORPUSCHRISTI},
    }};
    return table;
}

bool ReadConfigOptions(CONFIGSTATES* states)
{
    // A value not stored shows the day the engine then keeps.
    const CALENDARSETTINGS defaults;
    *states = {defaults.bEpiphanyJan6, defaults.bAscensionSunday, !defaults.bCorpusChristiThursday};
    CSettingsKey key;
    const long opened = key.OpenForReading(SettingsRoot::LocalMachine, nullptr);
    if (opened == CSettingsKey::kNotFound)
        return true;   // nothing stored yet
    if (opened != CSettingsKey::kSuccess)
        return false;
    const auto& table = ConfigOptionTable();
    for (std::size_t i = 0; i < table.size(); ++i) {
        std::uint32_t value = 0;
        if (key.ReadDword(table[i].pszValueName, &value) == CSettingsKey::kSuccess)
            (*states)[i] = value != 0;
    }
    key.Close();
    return true;
}

namespace
{
const char kCannotOpenStore[] = TALVOREN_TRANSLATABLE(
    "talvoren::Messages", "The settings could not be saved: the settings store %1 cannot be opened for writing. %2");
const char kCannotWriteValues[] = TALVOREN_TRANSLATABLE(
    "talvoren::Messages", "The settings could not all be saved: writing %1 into the settings store %2 failed. %3");
}

bool WriteConfigOptions(const CONFIGSTATES& states, MESSAGETEXT* error)
{
    const std::string store = CSettingsKey::StoreFilePath(SettingsRoot::LocalMachine);
    CSettingsKey key;
    if (key.Open(SettingsRoot::LocalMachine, nullptr) != CSettingsKey::kSuccess) {
        if (error)
            *error = MESSAGETEXT(kCannotOpenStore, {store, key.Problem()});
        return false;
    }
    std::string failed;
    std::string problem;
    const auto& table = ConfigOptionTable();
    for (std::size_t i = 0; i < table.size(); ++i) {
        if (key.WriteDword(table[i].pszValueName, states[i] ? 1 : 0) != CSettingsKey::kSuccess) {
            failed += (failed.empty() ? "" : ", ") + std::string("\"") + table[i].pszValueName + "\"";
            problem = key.Problem();
        }
    }
    key.Close();
    if (!failed.empty()) {
        if (error)
            *error = MESSAGETEXT(kCannotWriteValues, {failed, store, problem});
        return false;
    }
    return true;
}

} // namespace talvoren

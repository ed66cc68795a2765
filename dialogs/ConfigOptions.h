#pragma once
// The three celebration options of the configuration dialog: how Epiphany,
// the Ascension and Corpus Christi are placed in the year. Each is a 32-bit
// value of the settings key (1 checked, 0 not) that the year engine reads at
// its next fresh computation.

#include "base/MessageText.h"

#include <array>
#include <cstddef>
#include <string>

namespace talvoren
{
// One row of the option table: the check box's caption (in the Vietnamese
// font encoding), the settings value it stands for and its control id.
struct CONFIGOPTION
{
    const char16_t* pszCaption;
    const char* pszValueName;
    int nCheckBoxId;
};

constexpr std::size_t kConfigOptionCount = 3;
using CONFIGSTATES = std::array<bool, kConfigOptionCount>;

// The option table, in the order the dialog reads and writes it.
const std::array<CONFIGOPTION, kConfigOptionCount>& ConfigOptionTable();

// Reads the three values from the settings key, only reading, in table
// order: any non-zero number checked, 0 unchecked, and a value that cannot
// be read as the engine then keeps it (CALENDARSETTINGS: Epiphany unchecked,
// the Ascension and Corpus Christi checked). Returns false, with those
// states, when the store cannot be read or is no settings file.
bool ReadConfigOptions(CONFIGSTATES* states);

// Writes the three values (1 checked, 0 not), in table order; a failed write
// does not stop the others. Returns false when the key cannot be opened or a
// write failed, with `*error` telling the user which store and what failed
// (a store that cannot be read or is no settings file is left as it is).
bool WriteConfigOptions(const CONFIGSTATES& states, MESSAGETEXT* error);

} // namespace talvoren

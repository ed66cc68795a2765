#pragma once
// The three settings that move celebrations of the temporal cycle, as the
// settings store keeps them under the program's key ("Epiphany",
// "Ascension", "CorpusChristi").

namespace talvoren
{
// The defaults are the days the Church in Vietnam keeps: Epiphany, the
// Ascension and Corpus Christi on Sunday.
struct CALENDARSETTINGS
{
    bool bEpiphanyJan6 = false;            // Epiphany on 6 January, not the Sunday from 2 to 8 January
    bool bAscensionSunday = true;          // Ascension on the Sunday, not the Thursday
    bool bCorpusChristiThursday = false;   // Corpus Christi on the Thursday, not the Sunday
};

// Settings given by a caller in place of the settings store (for the
// command-line tool); -1 = read the store.
struct CALENDAROPTIONS
{
    int nEpiphany = -1;        // "Epiphany": 1 = 6 January
    int nAscension = -1;       // "Ascension": 1 = Sunday
    int nCorpusChristi = -1;   // "CorpusChristi": 1 = Sunday
};

// The settings in the store, only read (nothing is created or written). A
// stored value counts when it is not 0 (a text holding a number counts as
// that number; "Ascension" 0 is Thursday, "CorpusChristi" 0 is Thursday); a
// value not stored, a store or key not made yet, and a store that cannot be
// opened (not reached, not read, or no settings file) give the default of
// CALENDARSETTINGS. A store that cannot be opened is named with the reason
// in a message, once for as long as the reason stays the same.
CALENDARSETTINGS ReadCalendarSettings();

// The settings with `options` laid over the store; the store is not opened
// when all three are given.
CALENDARSETTINGS CalendarSettingsFor(const CALENDAROPTIONS& options);

} // namespace talvoren

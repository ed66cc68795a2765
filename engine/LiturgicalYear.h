#pragma once
// The liturgical year engine: the calendar of one civil (Gregorian) year at a
// time, kept as a table of day records (index 0 = 1 January).
//
// A request for a year (ComputeYear) runs every step for that year: the
// temporal cycle, the fixed feasts of "ufeast.txt", the lectionary readings,
// the day notes of "uLocal.txt", "uOrdo.txt" and "uNote.txt", and the
// psalter-week marks. The settings and every data file are read afresh on each
// computation; a request for the year already held returns at once.

#include "engine/DayRecord.h"
#include "engine/LanguageState.h"

#include <array>
#include <string>
#include <vector>

namespace talvoren
{
// Settings given by a caller in place of the settings store (for the
// command-line tool); -1 = read the store.
struct CALENDAROPTIONS
{
    int nEpiphany = -1;        // "Epiphany": 1 = 6 January
    int nAscension = -1;       // "Ascension": 1 = Sunday
    int nCorpusChristi = -1;   // "CorpusChristi": 1 = Sunday
};

class CLiturgicalYear
{
public:
    static constexpr int kTableSize = 367;
    static constexpr int kFirstYear = 1583;   // first full year of the Gregorian calendar
    static constexpr int kLastYear = 9999;

    // Builds the empty table and loads the titles of `language`, which must
    // outlive the engine.
    explicit CLiturgicalYear(const CLanguageState& language);
    CLiturgicalYear(const CLiturgicalYear&) = delete;
    CLiturgicalYear& operator=(const CLiturgicalYear&) = delete;
    virtual ~CLiturgicalYear();

    // Makes the table describe `year`. Returns at once when the year is held
    // and `force` is false. Returns false when the year is outside
    // kFirstYear..kLastYear (the table and the held year are then unchanged)
    // or when a lectionary file is missing (the table then holds only dates,
    // weekdays, Sunday ranks and green, and the year counts as held).
    bool ComputeYear(int year, bool force = false);

    // The next ComputeYear recomputes whatever year it is given.
    void Invalidate() { m_nComputedYear = 0; }

    // (Re)loads the titles list from the language folder and takes the syntax
    // flag; the held year is forgotten. A missing file keeps the old titles.
    void LoadTitles();

    // Settings to use instead of the settings store.
    void SetOptions(const CALENDAROPTIONS& options) { m_options = options; }

    // Day record `index` of the held year (0 = 1 January); an index outside
    // the table gives an empty record.
    const DAYRECORD& GetDay(int index) const;
    int GetComputedYear() const { return m_nComputedYear; }
    int GetDaysInYear() const { return m_nDaysInYear; }

    // Index of (month, day) in the held year.
    int GetDayIndex(int month, int day) const;
    // [first, end) of `month` in the held year; an empty range for a month
    // outside 1..12.
    void GetMonthRange(int month, int* first, int* end) const;

    const std::string& GetWeekdayName(int index) const;   // title 86 + weekday of record `index`
    const std::string& GetMonthName(int index) const;     // title 93 + month of record `index`
    const std::string& GetWeekdayNameOf(int weekday) const;
    const std::string& GetMonthNameOf(int month) const;
    const std::string& GetTitle(int n) const;             // "" beyond the list

    // Appends a line to the readings of (month, day) of the year being
    // computed, after a "<br>" when the readings are not empty.
    void AppendLine(const std::string& text, int month, int day);

    // Season boundaries and settings of the held year.
    int GetEaster() const { return m_nEaster; }
    int GetChristmas() const { return m_nChristmas; }
    int GetFirstSunday() const { return m_nFirstSunday; }
    int GetBaptism() const { return m_nBaptism; }
    int GetAshWednesday() const { return m_nAshWednesday; }
    int GetPentecost() const { return m_nPentecost; }
    int GetAdventStart() const { return m_nAdventStart; }
    int GetWeekAtLent() const { return m_nWeekAtLent; }
    bool IsEpiphanyJan6() const { return m_bEpiphanyJan6 != 0; }
    bool IsAscensionSunday() const { return m_bAscensionSunday != 0; }
    bool IsCorpusChristiThursday() const { return m_bCorpusChristiThursday != 0; }

    static bool IsLeapYear(int year);
    // 0-based day of the year; 0 for a month outside 1..12 or a day outside
    // 1..31. The day is not checked against the month: 30 February is 1 or
    // 2 March.
    static int DayOfYear(int year, int month, int day);
    // Gregorian Easter Sunday (Oudin's method).
    static void ComputeEaster(int year, int* month, int* day);
    // Weekday of 1 January (0 = Sunday), proleptic Gregorian calendar.
    static int WeekdayOfNewYear(int year);

    // Composed title and Sunday readings of a temporal day.
    std::string MakeTitle(int season, int week, int weekday) const;
    std::string MakeSundayReadings(int season, int week, int weekday) const;

private:
    bool InitYear(int year);
    void ReadSettings();
    bool LoadLectionaries();
    void SetChristmasSeasonJanuary();
    void SetLent();
    void SetEasterSeason();
    void SetAdvent();
    void SetChristmasSeasonDecember();
    void SetOrdinaryTimeBeforeLent();
    void SetOrdinaryTimeAfterPentecost();
    void ApplyFeasts();
    void ApplyDeferredTexts();
    void ReadDayNotes(const char* fileName);
    void SetPsalterWeekMarks();

    const std::string& SundayEntry(int n) const;    // SL[n]
    const std::string& WeekdayEntry(int n) const;   // WL[n]
    std::string PsalterMark(int week) const;         // "<br>" T[108] " " digit
    void SetDay(int index, const std::string& celebration, int rank, int colour, int season);
    int Weekday(int index) const { return m_days[index].nWeekday; }
    bool InYear(int index) const { return index >= 0 && index < m_nDaysInYear; }

    const CLanguageState& m_language;
    CALENDAROPTIONS m_options;

    int m_nYear = 0;
    int m_nDaysInYear = 365;
    int m_nEaster = 0;
    int m_nChristmas = 0;
    int m_nFirstSunday = 0;
    int m_bCorpusChristiThursday = 0;
    int m_bEpiphanyJan6 = 0;
    int m_bAscensionSunday = 0;
    std::array<DAYRECORD, kTableSize> m_days;
    int m_nBaptism = 0;
    int m_nAshWednesday = 0;
    int m_nPentecost = 0;
    int m_nAdventStart = 0;
    int m_nWeekAtLent = 0;
    int m_nComputedYear = -1;
    int m_bVietnameseOrder = 1;

    std::vector<std::string> m_titles;
    std::vector<std::string> m_sundayLectionary;
    std::vector<std::string> m_weekdayLectionary;
    std::vector<unsigned> m_deferredDays;
    std::vector<std::string> m_deferredTexts;
    std::vector<std::string> m_lineBuffer;   // lines of the file being read, reused
};

} // namespace talvoren

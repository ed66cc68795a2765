#pragma once
// The liturgical year engine: holds the language data and the table of one
// civil (Gregorian) year at a time (index 0 = 1 January).
//
// A request for a year (ComputeYear) reads the settings, makes sure the
// language data is current (the loader reads the folder again only when a
// file changed) and computes the year's table (ComputeYearTable); a request
// for the year already held returns at once.

#include "engine/CalendarSettings.h"
#include "engine/DayRecord.h"
#include "engine/LanguageData.h"
#include "engine/LanguageDataLoader.h"
#include "engine/LanguageState.h"
#include "engine/YearTable.h"

#include <memory>
#include <string>

namespace talvoren
{
class CLiturgicalYear
{
public:
    static constexpr int kTableSize = YEARTABLE::kTableSize;
    static constexpr int kFirstYear = YEARTABLE::kFirstYear;
    static constexpr int kLastYear = YEARTABLE::kLastYear;

    // Over a loader of its own that follows `language`, which must outlive
    // the engine; the folder is read at once.
    explicit CLiturgicalYear(const CLanguageState& language);
    // Over a loader shared with other engines; `loader` must outlive the engine.
    explicit CLiturgicalYear(CLanguageDataLoader& loader);
    CLiturgicalYear(const CLiturgicalYear&) = delete;
    CLiturgicalYear& operator=(const CLiturgicalYear&) = delete;
    ~CLiturgicalYear();

    // Makes the table describe `year`. Returns at once when the year is held
    // and `force` is false. Returns false when the year is outside
    // kFirstYear..kLastYear (the table and the held year are then unchanged)
    // or when a lectionary file is missing (the table then holds only dates,
    // weekdays, Sunday ranks and green, and the year counts as held).
    bool ComputeYear(int year, bool force = false);

    // The next ComputeYear recomputes whatever year it is given.
    void Invalidate() { m_nComputedYear = 0; }

    // Reads the language folder again (titles, word order and every other
    // file); the held year is forgotten. A missing titles file keeps the old
    // titles.
    void LoadTitles();

    // Settings to use instead of the settings store.
    void SetOptions(const CALENDAROPTIONS& options) { m_options = options; }

    // The held table, and the language data it reads its titles from.
    const YEARTABLE& Table() const { return m_table; }
    const CTitleList& Titles() const { return m_data->Titles(); }

    // Day record `index` of the held year (0 = 1 January); an index outside
    // the table gives an empty record.
    const DAYRECORD& GetDay(int index) const { return m_table.Day(index); }
    int GetComputedYear() const { return m_nComputedYear; }
    int GetDaysInYear() const { return m_table.nDaysInYear; }

    // Index of (month, day) in the held year.
    int GetDayIndex(int month, int day) const;
    // The days of `month` in the held year; an empty range for a month
    // outside 1..12.
    MONTHRANGE GetMonthRange(int month) const { return m_table.MonthRange(month); }

    const std::string& GetWeekdayName(int index) const;   // the weekday name of record `index`
    const std::string& GetMonthName(int index) const;     // the month name of record `index`
    const std::string& GetWeekdayNameOf(int weekday) const { return Titles().WeekdayName(weekday); }
    const std::string& GetMonthNameOf(int month) const { return Titles().MonthName(month); }
    const std::string& GetTitle(int n) const { return Titles().Title(n); }   // "" beyond the list

    // Appends a line to the readings of (month, day) of the held year, after
    // a "<br>" when the readings are not empty.
    void AppendLine(const std::string& text, int month, int day) { m_table.AppendLine(text, month, day); }

    static bool IsLeapYear(int year);
    // 0-based day of the year; 0 for a month outside 1..12 or a day outside
    // 1..31. The day is not checked against the month: 30 February is 1 or
    // 2 March.
    static int DayOfYear(int year, int month, int day);
    // Gregorian Easter Sunday (Oudin's method).
    static void ComputeEaster(int year, int* month, int* day);

private:
    std::unique_ptr<CLanguageDataLoader> m_pOwnLoader;
    CLanguageDataLoader& m_loader;
    std::shared_ptr<const CLanguageData> m_data;
    CALENDAROPTIONS m_options;
    YEARTABLE m_table;
    int m_nComputedYear = -1;
};

} // namespace talvoren

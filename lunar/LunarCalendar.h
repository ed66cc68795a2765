#pragma once
// The Vietnamese lunar date of a civil (Gregorian) date, and the sexagenary
// name of the lunar year.
//
// A small value object: create it on the stack, convert any number of dates
// with it. Dates of the lunar years 1800..2199 are read from the year table
// (CLunarYearTable); other dates of the civil years 1583..9999 are computed
// from the sky (CLunarAstronomy), a whole lunar year at a time, and the
// converter keeps that year as a table word, so that further dates of the
// same year cost a table walk. Converters share no mutable state, so several
// may be used on several threads at once.

#include <cstdint>
#include <string>

namespace talvoren
{
class CLunarCalendar
{
public:
    static constexpr int kFirstYear = 1583;   // civil years accepted by SetSolarDate
    static constexpr int kLastYear = 9999;

    CLunarCalendar() = default;

    // Converts civil date (year, month, day) and keeps the result.
    // Given a Gregorian date of the years kFirstYear..kLastYear; returns false
    // for any other input (a month outside 1..12, a day outside the month)
    // and keeps the previous result. Method: the year-table walk inside the
    // table, the astronomical computation outside it.
    bool SetSolarDate(int year, int month, int day);

    // The kept lunar date: day 1..30, month 1..12 (a leap month carries the
    // number of the month before it), year; 0 before the first conversion.
    int GetLunarDay() const { return m_nLunarDay; }
    int GetLunarMonth() const { return m_nLunarMonth; }
    int GetLunarYear() const { return m_nLunarYear; }
    bool IsLeapMonth() const { return m_bLeapMonth; }

    // The civil date of the last conversion.
    int GetSolarYear() const { return m_nSolarYear; }
    int GetSolarMonth() const { return m_nSolarMonth; }
    int GetSolarDay() const { return m_nSolarDay; }

    // "Stem Branch" of the kept lunar year as HTML character references,
    // e.g. "Nh&#226;m Ng&#7885;" for 2002; "" before the first conversion.
    std::string GetYearName() const;

    // Names of stem 0..9 and branch 0..11 ("" outside); lunar 1900 is stem 6,
    // branch 0.
    static const char* GetStemName(int index);
    static const char* GetBranchName(int index);

private:
    // The table walk for day number `n` from the table's epoch; false when n
    // lies outside the table.
    bool ConvertFromTable(int n);
    // Sets the lunar date of day `rest` (0-based) of lunar year `year`
    // described by table word `word`.
    void WalkYear(std::uint32_t word, int year, int rest);

    int m_nSolarYear = 0;
    int m_nSolarMonth = 0;
    int m_nSolarDay = 0;
    int m_nLunarYear = 0;
    int m_nLunarMonth = 0;
    int m_nLunarDay = 0;
    bool m_bLeapMonth = false;
    // The lunar year computed last outside the table: its number, table word
    // and days [first, next first) as Julian day numbers (none at first).
    int m_nHeldYear = 0;
    std::uint32_t m_nHeldWord = 0;
    int m_nHeldFirstDay = 0;
    int m_nHeldNextFirstDay = 0;
};

} // namespace talvoren

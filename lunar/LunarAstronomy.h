#pragma once
// The Vietnamese lunar calendar computed from the sky: new moons and the
// sun's longitude after Jean Meeus's formulas, taken at local midnight, as the
// calendar is published for Vietnam (Ho Ngoc Duc).
//
// Rules: a month begins on the local day of a new moon; month 11 is the month
// that contains the winter solstice; when 13 months lie between two month-11
// starts, the first of them that contains no major solar term (the sun's
// longitude crossing a multiple of 30 degrees) is the leap month and carries
// the number of the month before it. Time zone: UTC+7 for the lunar years from
// 1968 on, UTC+8 for the earlier ones; lunar 1967 ends the day before the
// UTC+7 new year of 1968.
//
// Days are Julian day numbers (JDN, the day that begins at local midnight).

#include "base/CivilDate.h"

#include <cstdint>

namespace talvoren
{
// One month of a lunar year.
struct LUNARMONTH
{
    int nFirstDay = 0;    // JDN of day 1
    int nDays = 0;        // 29 or 30
    int nNumber = 0;      // 1..12; a leap month carries the number of the month before it
    bool bLeap = false;
};

// One lunar year: its months in calendar order.
struct LUNARYEAR
{
    int nYear = 0;
    int nFirstDay = 0;          // JDN of day 1 of month 1
    int nNextFirstDay = 0;      // JDN of day 1 of month 1 of the next lunar year
    int nMonths = 0;            // 12 or 13
    LUNARMONTH arrMonths[13];
};

// A lunar date.
struct LUNARDATE
{
    int nYear = 0;
    int nMonth = 0;    // 1..12
    int nDay = 0;      // 1..30
    bool bLeap = false;
};

class CLunarAstronomy
{
public:
    // Julian day number of a civil date of the (proleptic) Gregorian calendar;
    // the date is not checked.
    static constexpr int JulianDay(int year, int month, int day) { return JulianDayNumber(year, month, day); }

    // The civil date of Julian day number `jdn` (inverse of JulianDay).
    static void CivilDate(int jdn, int* year, int* month, int* day);

    // Time zone (hours east of Greenwich) whose midnight begins the days of
    // lunar year `lunarYear`: 8 before 1968, 7 from 1968 on.
    static double TimeZoneOf(int lunarYear) { return lunarYear >= 1968 ? 7.0 : 8.0; }

    // Moment of new moon number k (k = 0 about 1 January 1900; negative before)
    // as a Julian date in universal time. Meeus's series for the true new moon
    // with his polynomial for the difference between dynamical and universal
    // time.
    static double NewMoon(int k);

    // JDN of the local day (UTC + timeZone hours) that holds new moon k.
    static int NewMoonDay(int k, double timeZone);

    // The sun's apparent longitude in degrees [0, 360) at Julian date `jd`.
    static double SunLongitude(double jd);

    // Which 30-degree sector (0..11) the sun is in at the local midnight that
    // begins day `jdn`; a major solar term lies between two days whose
    // sectors differ. The winter solstice begins sector 9.
    static int SunSector(int jdn, double timeZone);

    // Number k of the new moon that begins month 11 of the lunar calendar
    // whose winter solstice falls in December of civil year `year`.
    static int Month11(int year, double timeZone);

    // Fills `result` with lunar year `lunarYear` (its months and its bounds).
    // Returns false, leaving `result` undefined, when the year cannot be
    // described (outside 1500..10100, or a month outside 29..30 days).
    static bool ComputeYear(int lunarYear, LUNARYEAR& result);

    // The lunar date of day `jdn`. Returns false for a day outside the civil
    // years 1500..10000.
    static bool Convert(int jdn, LUNARDATE& result);

    // The lunar year that holds day `jdn` (Convert's first half, for callers
    // that keep it to convert further days of the same year). Returns false
    // for a day outside the civil years 1500..10000.
    static bool YearOfDay(int jdn, LUNARYEAR& year);

    // The 32-bit table word of a lunar year: leap-month number in bits 0..3
    // (0 = none), the lengths of the regular months 1..12 in bits 15..4
    // (1 = 30 days), the leap month's length in bit 16.
    static std::uint32_t YearWord(const LUNARYEAR& year);

private:
    // The months between two month-11 starts: month 11 of civil year
    // `year` - 1 up to (not including) month 11 of `year`.
    struct SUI
    {
        int nFirstMoon = 0;   // new moon number of that month 11
        int nMonths = 0;      // 12 or 13
        int nLeap = 0;        // offset from month 11 of the leap month; 0 = none
        double dTimeZone = 7.0;
    };
    static SUI ComputeSui(int year, double timeZone);
    // Offset from month 11 of the first month of the lunar year inside `sui`.
    static int NewYearOffset(const SUI& sui) { return sui.nLeap == 1 || sui.nLeap == 2 ? 3 : 2; }
    // Number and leap flag of the month at `offset` from month 11.
    static void MonthAt(const SUI& sui, int offset, int* number, bool* leap);
    static int FirstDayOf(const SUI& sui) { return NewMoonDay(sui.nFirstMoon + NewYearOffset(sui), sui.dTimeZone); }
    static bool BuildYear(int lunarYear, const SUI& current, const SUI& next, int nextFirstDay, LUNARYEAR& result);
};

} // namespace talvoren

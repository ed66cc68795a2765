#include "lunar/LunarAstronomy.h"

#include <cmath>

namespace talvoren
{
namespace
{
constexpr double kRadian = 3.14159265358979323846 / 180.0;
constexpr double kSynodicMonth = 29.530588853;
constexpr double kNewMoonZero = 2415021.076998695;   // mean new moon 0 (1 January 1900), JD

// sin of an angle in degrees, reduced first so that large angles keep their
// precision.
double SinDeg(double degrees)
{
    return std::sin(std::fmod(degrees, 360.0) * kRadian);
}

int FloorToInt(double value)
{
    return static_cast<int>(std::floor(value));
}

// Civil years for which the computation is offered; the formulas hold far
// beyond, but the calendar's own history does not.
constexpr int kLowestYear = 1500;
constexpr int kHighestYear = 10100;
} // namespace

void CLunarAstronomy::CivilDate(int jdn, int* year, int* month, int* day)
{
    const CIVILDATE date = CivilFromJulianDay(jdn);
    *year = date.nYear;
    *month = date.nMonth;
    *day = date.nDay;
}

double CLunarAstronomy::NewMoon(int k)
{
    // Meeus, Astronomical Formulae for Calculators: T in Julian centuries
    // from 1900 January 0.5.
    const double T = k / 1236.85;
    const double T2 = T * T;
    const double T3 = T2 * T;
    const double mean = 2415020.75933 + 29.53058868 * k + 0.0001178 * T2 - 0.000000155 * T3 +
                        0.00033 * SinDeg(166.56 + 132.87 * T - 0.009173 * T2);
    const double M = 359.2242 + 29.10535608 * k - 0.0000333 * T2 - 0.00000347 * T3;    // sun's mean anomaly
    const double Mp = 306.0253 + 385.81691806 * k + 0.0107306 * T2 + 0.00001236 * T3;  // moon's mean anomaly
    const double F = 21.2964 + 390.67050646 * k - 0.0016528 * T2 - 0.00000239 * T3;    // moon's argument of latitude
    const double correction = (0.1734 - 0.000393 * T) * SinDeg(M) + 0.0021 * SinDeg(2 * M) -
                              0.4068 * SinDeg(Mp) + 0.0161 * SinDeg(2 * Mp) - 0.0004 * SinDeg(3 * Mp) +
                              0.0104 * SinDeg(2 * F) - 0.0051 * SinDeg(M + Mp) - 0.0074 * SinDeg(M - Mp) +
                              0.0004 * SinDeg(2 * F + M) - 0.0004 * SinDeg(2 * F - M) -
                              0.0006 * SinDeg(2 * F + Mp) + 0.0010 * SinDeg(2 * F - Mp) +
                              0.0005 * SinDeg(2 * Mp + M);
    // Dynamical minus universal time, in days.
    const double deltaT = T < -11 ? 0.001 + 0.000839 * T + 0.0002261 * T2 - 0.00000845 * T3 - 0.000000081 * T * T3
                                  : -0.000278 + 0.000265 * T + 0.000262 * T2;
    return mean + correction - deltaT;
}

int CLunarAstronomy::NewMoonDay(int k, double timeZone)
{
    return FloorToInt(NewMoon(k) + 0.5 + timeZone / 24.0);
}

double CLunarAstronomy::SunLongitude(double jd)
{
    // Meeus, Astronomical Algorithms: T in Julian centuries from J2000.0.
    const double T = (jd - 2451545.0) / 36525.0;
    const double T2 = T * T;
    const double M = 357.52910 + 35999.05030 * T - 0.0001559 * T2 - 0.00000048 * T * T2;   // mean anomaly
    const double L0 = 280.46645 + 36000.76983 * T + 0.0003032 * T2;                        // mean longitude
    const double centre = (1.914600 - 0.004817 * T - 0.000014 * T2) * SinDeg(M) +
                          (0.019993 - 0.000101 * T) * SinDeg(2 * M) + 0.000290 * SinDeg(3 * M);
    const double longitude = std::fmod(L0 + centre, 360.0);
    return longitude < 0 ? longitude + 360.0 : longitude;
}

int CLunarAstronomy::SunSector(int jdn, double timeZone)
{
    const int sector = FloorToInt(SunLongitude(jdn - 0.5 - timeZone / 24.0) / 30.0);
    return sector > 11 ? 11 : sector;
}

int CLunarAstronomy::Month11(int year, double timeZone)
{
    // The month that holds 31 December; if the solstice came before it
    // began, month 11 is the one before.
    const int lastDay = JulianDay(year, 12, 31);
    int k = FloorToInt((lastDay - kNewMoonZero) / kSynodicMonth);
    while (NewMoonDay(k, timeZone) > lastDay)
        --k;
    while (NewMoonDay(k + 1, timeZone) <= lastDay)
        ++k;
    if (SunSector(NewMoonDay(k, timeZone), timeZone) >= 9)
        --k;
    return k;
}

CLunarAstronomy::SUI CLunarAstronomy::ComputeSui(int year, double timeZone)
{
    SUI sui;
    sui.dTimeZone = timeZone;
    sui.nFirstMoon = Month11(year - 1, timeZone);
    sui.nMonths = Month11(year, timeZone) - sui.nFirstMoon;
    if (sui.nMonths == 13) {
        // The first month after month 11 in which the sun stays in one sector.
        int sector = SunSector(NewMoonDay(sui.nFirstMoon + 1, timeZone), timeZone);
        for (int offset = 1; offset <= 12; ++offset) {
            const int next = SunSector(NewMoonDay(sui.nFirstMoon + offset + 1, timeZone), timeZone);
            if (next == sector) {
                sui.nLeap = offset;
                break;
            }
            sector = next;
        }
    }
    return sui;
}

void CLunarAstronomy::MonthAt(const SUI& sui, int offset, int* number, bool* leap)
{
    int n = 11 + offset;
    *leap = false;
    if (sui.nLeap != 0 && offset >= sui.nLeap) {
        n = 10 + offset;
        *leap = offset == sui.nLeap;
    }
    *number = n > 12 ? n - 12 : n;
}

bool CLunarAstronomy::BuildYear(int lunarYear, const SUI& current, const SUI& next, int nextFirstDay,
                                LUNARYEAR& result)
{
    if ((current.nMonths != 12 && current.nMonths != 13) || (next.nMonths != 12 && next.nMonths != 13) ||
        (current.nMonths == 13 && current.nLeap == 0) || (next.nMonths == 13 && next.nLeap == 0))
        return false;
    result = LUNARYEAR();
    result.nYear = lunarYear;
    result.nFirstDay = FirstDayOf(current);
    result.nNextFirstDay = nextFirstDay;

    // Months 1.. of the current sui, then the months 11 and 12 (and a leap
    // month among them) that open the next one.
    struct PLACE { const SUI* pSui; int nOffset; };
    PLACE places[14];
    int count = 0;
    for (int offset = NewYearOffset(current); offset < current.nMonths; ++offset)
        places[count++] = {&current, offset};
    for (int offset = 0; offset < NewYearOffset(next); ++offset)
        places[count++] = {&next, offset};
    if (count != 12 && count != 13)
        return false;

    for (int i = 0; i < count; ++i) {
        LUNARMONTH& month = result.arrMonths[i];
        const SUI& sui = *places[i].pSui;
        month.nFirstDay = NewMoonDay(sui.nFirstMoon + places[i].nOffset, sui.dTimeZone);
        MonthAt(sui, places[i].nOffset, &month.nNumber, &month.bLeap);
        if (i > 0)
            result.arrMonths[i - 1].nDays = month.nFirstDay - result.arrMonths[i - 1].nFirstDay;
    }
    result.arrMonths[count - 1].nDays = nextFirstDay - result.arrMonths[count - 1].nFirstDay;
    result.nMonths = count;
    for (int i = 0; i < count; ++i)
        if (result.arrMonths[i].nDays != 29 && result.arrMonths[i].nDays != 30)
            return false;
    return true;
}

bool CLunarAstronomy::ComputeYear(int lunarYear, LUNARYEAR& result)
{
    if (lunarYear < kLowestYear || lunarYear > kHighestYear)
        return false;
    const double timeZone = TimeZoneOf(lunarYear);
    const double nextTimeZone = TimeZoneOf(lunarYear + 1);
    const SUI current = ComputeSui(lunarYear, timeZone);
    const SUI next = ComputeSui(lunarYear + 1, timeZone);
    const int nextFirstDay = nextTimeZone == timeZone ? FirstDayOf(next)
                                                      : FirstDayOf(ComputeSui(lunarYear + 1, nextTimeZone));
    return BuildYear(lunarYear, current, next, nextFirstDay, result);
}

bool CLunarAstronomy::YearOfDay(int jdn, LUNARYEAR& year)
{
    int civilYear = 0, civilMonth = 0, civilDay = 0;
    CivilDate(jdn, &civilYear, &civilMonth, &civilDay);
    if (civilYear < kLowestYear || civilYear > kHighestYear - 100)
        return false;

    // The lunar year is the civil year once its new year has come, else the
    // year before.
    const double timeZone = TimeZoneOf(civilYear);
    const SUI current = ComputeSui(civilYear, timeZone);
    const int newYear = FirstDayOf(current);
    bool built = false;
    if (jdn >= newYear) {
        const SUI next = ComputeSui(civilYear + 1, timeZone);
        const double nextZone = TimeZoneOf(civilYear + 1);
        const int nextNewYear = nextZone == timeZone ? FirstDayOf(next) : FirstDayOf(ComputeSui(civilYear + 1, nextZone));
        built = BuildYear(civilYear, current, next, nextNewYear, year);
    } else {
        const double earlierZone = TimeZoneOf(civilYear - 1);
        const SUI earlier = ComputeSui(civilYear - 1, earlierZone);
        built = earlierZone == timeZone
                    ? BuildYear(civilYear - 1, earlier, current, newYear, year)
                    : BuildYear(civilYear - 1, earlier, ComputeSui(civilYear, earlierZone), newYear, year);
    }
    return built && jdn >= year.nFirstDay && jdn < year.nNextFirstDay;
}

bool CLunarAstronomy::Convert(int jdn, LUNARDATE& result)
{
    LUNARYEAR year;
    if (!YearOfDay(jdn, year))
        return false;
    int i = year.nMonths - 1;
    while (i > 0 && year.arrMonths[i].nFirstDay > jdn)
        --i;
    result.nYear = year.nYear;
    result.nMonth = year.arrMonths[i].nNumber;
    result.bLeap = year.arrMonths[i].bLeap;
    result.nDay = jdn - year.arrMonths[i].nFirstDay + 1;
    return true;
}

std::uint32_t CLunarAstronomy::YearWord(const LUNARYEAR& year)
{
    std::uint32_t word = 0;
    for (int i = 0; i < year.nMonths; ++i) {
        const LUNARMONTH& month = year.arrMonths[i];
        if (month.bLeap) {
            word |= static_cast<std::uint32_t>(month.nNumber);
            if (month.nDays == 30)
                word |= 1u << 16;
        } else if (month.nDays == 30) {
            word |= 1u << (16 - month.nNumber);
        }
    }
    return word;
}

} // namespace talvoren

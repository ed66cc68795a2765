// The temporal cycle: Easter and the seasons, laid over the freshly
// initialised table in the order that ComputeYear calls them. Later steps
// overwrite what earlier ones wrote; Ordinary Time fills only what the other
// seasons left unclaimed.

#include "base/Utf16.h"
#include "engine/LiturgicalYear.h"

namespace talvoren
{
namespace
{
int PsalterWeek(int week)
{
    return ((week - 1) % 4) + 1;
}

// The weekdays from 17 to 24 December read the readings of their date, not
// of their place in the week: 17 December position 17, 18 December position
// 24, 19 to 24 December positions 18 to 23. Other Advent weekdays read
// `byWeek` (6 (week - 1) + weekday - 1).
int AdventWeekdayPosition(const DAYRECORD& day, int byWeek)
{
    if (day.nMonth != 12 || day.nDay < 17 || day.nDay > 24)
        return byWeek;
    if (day.nDay == 17)
        return 17;
    return day.nDay == 18 ? 24 : day.nDay - 1;
}
} // namespace

void CLiturgicalYear::ComputeEaster(int year, int* month, int* day)
{
    // Oudin's method for the Gregorian calendar; all divisions truncate.
    const int g = year % 19;
    const int e = year / 100;
    const int h = (e - e / 4 - (e - (e - 17) / 25) / 3 + 19 * g + 15) % 30;
    const int i = h - (h / 28) * (1 - (h / 28) * (29 / (h + 1)) * ((21 - g) / 11));
    const int j = (year + year / 4 + i + 2 - e + e / 4) % 7;
    const int l = i - j;
    *month = 3 + (l + 40) / 44;
    *day = l + 28 - 31 * (*month / 4);
}

std::string CLiturgicalYear::MakeTitle(int season, int week, int weekday) const
{
    const std::string ordinal = TruncateUtf16(GetTitle(51 + week), 1023);
    const std::string& seasonName = GetTitle(47 + season);
    if (weekday == 0) {
        if (m_bVietnameseOrder == 1)
            return GetTitle(86) + " " + ordinal + " " + seasonName;
        return ordinal + " " + GetTitle(86) + " " + seasonName;
    }
    std::string weekWord = GetTitle(93);
    if (weekWord.find('*') != std::string::npos) {
        std::string filled;
        for (char ch : weekWord) {
            if (ch == '*')
                filled += ordinal;
            else
                filled += ch;
        }
        return GetTitle(86 + weekday) + " " + filled + " " + seasonName;
    }
    return GetTitle(86 + weekday) + " " + weekWord + " " + ordinal + " " + seasonName;
}

std::string CLiturgicalYear::MakeSundayReadings(int season, int week, int weekday) const
{
    if (weekday != 0)
        return std::string();
    switch (season) {
    case kSeasonOrdinary:
        return SundayEntry(week + 38) + PsalterMark(PsalterWeek(week));
    case kSeasonAdvent:
        return SundayEntry(week - 1) + PsalterMark(PsalterWeek(week));
    case kSeasonChristmas:
        // Week 2: the Second Sunday after Christmas, position 7 (position 1 is
        // the Second Sunday of Advent).
        return SundayEntry(week + 5);
    case kSeasonEaster:
        return SundayEntry(week + 23) + PsalterMark(PsalterWeek(week));
    default:
        return std::string();
    }
}

void CLiturgicalYear::SetChristmasSeasonJanuary()
{
    const int s = m_nFirstSunday;
    int baptism = 0;
    if (m_bEpiphanyJan6) {
        for (int d = 1; d <= 4; ++d) {   // 2 to 5 January
            if (Weekday(d) == 0) {
                m_days[d].strCelebration = MakeTitle(kSeasonChristmas, 2, 0);
                m_days[d].strReadings = MakeSundayReadings(kSeasonChristmas, 2, 0);
            } else {
                m_days[d].strCelebration = GetTitle(Weekday(d) + 1);
            }
            m_days[d].nColour = kColourWhite;
            m_days[d].nSeason = kSeasonChristmas;
        }
        SetDay(5, GetTitle(0), kRankSolemnity, kColourWhite, kSeasonChristmas);
        m_days[5].strReadings = SundayEntry(9);
        baptism = 12 - ((12 - s) % 7);   // the Sunday from 7 to 13 January
        SetDay(baptism, GetTitle(1), kRankFeastOfLord, kColourWhite, kSeasonChristmas);
        m_days[baptism].strReadings = SundayEntry(10);
        for (int d = 6; d < baptism; ++d)
            SetDay(d, GetTitle(Weekday(d) + 7), m_days[d].nRank, kColourWhite, kSeasonChristmas);
    } else {
        const int epiphany = s != 0 ? s : 7;   // the Sunday from 2 to 8 January
        const int q = (7 - s) % 7;
        // Epiphany on 7 or 8 January moves the Baptism to the Monday.
        baptism = (q == 0 || q == 1) ? epiphany + 1 : epiphany + 7;
        for (int d = 1; d <= baptism; ++d) {
            DAYRECORD& day = m_days[d];
            day.nColour = kColourWhite;
            day.nSeason = kSeasonChristmas;
            if (d < epiphany) {
                day.strCelebration = GetTitle(Weekday(d) + 1);
            } else if (d == epiphany) {
                day.strCelebration = GetTitle(0);
                day.nRank = kRankSolemnity;
                day.strReadings = SundayEntry(9);
            } else if (d < baptism) {
                day.strCelebration = GetTitle(Weekday(d) + 7);
            } else {
                day.strCelebration = GetTitle(1);
                day.nRank = kRankFeastOfLord;
                day.strReadings = SundayEntry(10);
            }
        }
    }
    m_nBaptism = baptism;
}

void CLiturgicalYear::SetLent()
{
    const int ashWednesday = m_nEaster - 46;
    static const int kAshRanks[4] = {kRankAshWednesday, 0, 0, 0};
    for (int k = 0; k < 4; ++k) {
        SetDay(ashWednesday + k, GetTitle(14 + k), kAshRanks[k], kColourViolet, kSeasonLent);
        m_days[ashWednesday + k].strReadings = WeekdayEntry(47 + k);
    }
    m_days[ashWednesday].nSeason = kSeasonPrivileged;

    int week = 1;
    int weekday = 0;
    int weekdayPosition = 51;
    for (int d = ashWednesday + 4; d <= m_nEaster - 8; ++d) {
        DAYRECORD& day = m_days[d];
        day.strCelebration = MakeTitle(kSeasonLent, week, weekday);
        day.nColour = d == ashWednesday + 25 ? kColourRose : kColourViolet;   // fourth Sunday
        day.nSeason = kSeasonLent;
        if (weekday == 0)
            day.strReadings = SundayEntry(week + 11) + PsalterMark(PsalterWeek(week));
        else
            day.strReadings = WeekdayEntry(weekdayPosition++);
        weekday = (weekday + 1) % 7;
        if (weekday == 0)
            ++week;
    }

    static const int kHolyWeekRanks[7] = {kRankSunday, kRankHolyWeek, kRankHolyWeek, kRankHolyWeek,
                                          kRankTriduum, kRankTriduum, kRankTriduum};
    static const int kHolyWeekColours[7] = {kColourRed, kColourViolet, kColourViolet, kColourViolet,
                                            kColourWhite, kColourRed, kColourWhite};
    for (int k = 0; k < 7; ++k) {
        const int d = m_nEaster - 7 + k;
        SetDay(d, GetTitle(18 + k), kHolyWeekRanks[k], kHolyWeekColours[k], kSeasonPrivileged);
        m_days[d].strReadings = k == 0 ? SundayEntry(17) + PsalterMark(2) : SundayEntry(17 + k);
    }
    m_nAshWednesday = ashWednesday;
}

void CLiturgicalYear::SetEasterSeason()
{
    const int p = m_nEaster;
    for (int k = 0; k <= 7; ++k) {
        SetDay(p + k, GetTitle(25 + k), kRankSolemnity, kColourWhite, kSeasonPrivileged);
        if (k == 0)
            m_days[p].strReadings = SundayEntry(24);
        else if (k == 7)
            m_days[p + 7].strReadings = SundayEntry(25);
        else
            m_days[p + k].strReadings = WeekdayEntry(86 + k);
    }
    SetDay(p + 49, GetTitle(34), kRankSolemnity, kColourRed, kSeasonEaster);
    m_days[p + 49].strReadings = SundayEntry(32);

    int week = 2;
    int weekday = 1;
    for (int d = p + 8; d <= p + 48; ++d) {
        DAYRECORD& day = m_days[d];
        day.strCelebration = MakeTitle(kSeasonEaster, week, weekday);
        // Tuesday to Saturday of the seventh week read positions 333..337;
        // 129..133 belong to the first week of Ordinary Time.
        const int position = d - p >= 44 ? d - p + 289 : d - p + 85;
        if (weekday == 0)
            day.strReadings = MakeSundayReadings(kSeasonEaster, week, 0);
        else if (weekday == 1 && (week == 2 || week == 7))
            day.strReadings = WeekdayEntry(position) + PsalterMark(week % 4);
        else
            day.strReadings = WeekdayEntry(position);
        day.nColour = kColourWhite;
        day.nSeason = kSeasonEaster;
        weekday = (weekday + 1) % 7;
        if (weekday == 0)
            ++week;
    }

    const int ascension = m_bAscensionSunday ? p + 42 : p + 39;
    SetDay(ascension, GetTitle(33), kRankSolemnity, kColourWhite, kSeasonEaster);
    m_days[ascension].strReadings = SundayEntry(31);

    SetDay(p + 56, GetTitle(35), kRankSolemnity, kColourWhite, kSeasonOrdinary);
    m_days[p + 56].strReadings = SundayEntry(73);

    const int corpusChristi = m_bCorpusChristiThursday ? p + 60 : p + 63;
    SetDay(corpusChristi, GetTitle(36), kRankSolemnity, kColourWhite, kSeasonOrdinary);
    m_days[corpusChristi].strReadings = SundayEntry(74);
    m_deferredDays.push_back(static_cast<unsigned>(corpusChristi));
    m_deferredTexts.push_back(SundayEntry(74));

    SetDay(p + 68, GetTitle(37), kRankSolemnity, kColourWhite, kSeasonOrdinary);
    m_days[p + 68].strReadings = SundayEntry(75);
    m_deferredDays.push_back(static_cast<unsigned>(p + 68));
    m_deferredTexts.push_back(SundayEntry(75));

    SetDay(p + 69, GetTitle(38), kRankMemorial, kColourWhite, kSeasonOrdinary);
    m_nPentecost = p + 49;
}

void CLiturgicalYear::SetAdvent()
{
    static const int kDaysBeforeChristmas[7] = {28, 22, 23, 24, 25, 26, 27};
    const int first = m_nChristmas - kDaysBeforeChristmas[Weekday(m_nChristmas)];
    int week = 1;
    int weekday = 0;
    int weekdayPosition = 0;
    for (int d = first; d < m_nChristmas; ++d) {
        DAYRECORD& day = m_days[d];
        day.strCelebration = MakeTitle(kSeasonAdvent, week, weekday);
        day.nColour = d == first + 14 ? kColourRose : kColourViolet;   // third Sunday
        day.nSeason = kSeasonAdvent;
        if (day.nWeekday != 0)
            day.strReadings = WeekdayEntry(AdventWeekdayPosition(day, weekdayPosition++));
        else
            day.strReadings = MakeSundayReadings(kSeasonAdvent, week, 0);
        weekday = (weekday + 1) % 7;
        if (weekday == 0)
            ++week;
    }
    m_nAdventStart = first;
}

void CLiturgicalYear::SetChristmasSeasonDecember()
{
    for (int d = m_nChristmas + 1; d < m_nDaysInYear; ++d) {
        DAYRECORD& day = m_days[d];
        if (Weekday(d) == 0) {
            day.strCelebration = GetTitle(39);
            day.nRank = kRankFeastOfLord;
            day.strReadings = SundayEntry(6);
        } else {
            day.strCelebration = GetTitle(40 + (d - m_nChristmas - 1));
        }
        day.nColour = kColourWhite;
        day.nSeason = kSeasonChristmas;
    }
    if (Weekday(m_nChristmas) == 0) {   // no Sunday within the octave: Holy Family on 30 December
        const int d = m_nChristmas + 5;
        SetDay(d, GetTitle(39), kRankFeastOfLord, kColourWhite, kSeasonChristmas);
        m_days[d].strReadings = SundayEntry(6);
    }
}

void CLiturgicalYear::SetOrdinaryTimeBeforeLent()
{
    int week = 1;
    int weekday = Weekday(m_nBaptism) + 1;   // 1 or 2: the Baptism is a Sunday or a Monday
    int weekdayPosition = 129;
    for (int d = m_nBaptism + 1; d < m_nAshWednesday; ++d) {
        DAYRECORD& day = m_days[d];
        if (day.nRank == kRankWeekday || (weekday == 0 && day.nRank < kRankFeastOfLord)) {
            day.strCelebration = MakeTitle(kSeasonOrdinary, week, weekday);
            day.strReadings = MakeSundayReadings(kSeasonOrdinary, week, weekday);
            day.nSeason = kSeasonOrdinary;
            day.nColour = kColourGreen;
        }
        if (day.nWeekday != 0)
            day.strReadings = WeekdayEntry(weekdayPosition++);
        weekday = (weekday + 1) % 7;
        if (weekday == 0)
            ++week;
    }
    m_nWeekAtLent = week;
}

void CLiturgicalYear::SetOrdinaryTimeAfterPentecost()
{
    const int christTheKing = m_nAdventStart - 7;
    SetDay(christTheKing, GetTitle(46), kRankSolemnity, kColourWhite, kSeasonOrdinary);
    m_days[christTheKing].strReadings = SundayEntry(72);

    int week = 34;
    int weekday = 6;
    int weekdayPosition = 332;
    for (int d = m_nAdventStart - 1; d > m_nPentecost; --d) {
        DAYRECORD& day = m_days[d];
        if (day.nRank == kRankWeekday || (weekday == 0 && day.nRank < kRankFeastOfLord)) {
            day.strCelebration = MakeTitle(kSeasonOrdinary, week, weekday);
            day.strReadings = MakeSundayReadings(kSeasonOrdinary, week, weekday);
            day.nSeason = kSeasonOrdinary;
            day.nColour = kColourGreen;
        }
        if (--weekday == -1) {
            weekday = 6;
            --week;
        }
        if (day.nWeekday != 0) {
            day.strReadings = WeekdayEntry(weekdayPosition);
            if (week == 34 && day.nWeekday == 1)   // Monday of the thirty-fourth week
                day.strReadings += " " + PsalterMark(2);
            --weekdayPosition;
        }
    }
}

} // namespace talvoren

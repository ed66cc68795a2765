#include "engine/TemporalCycle.h"

#include "engine/LectionaryPositions.h"
#include "engine/TitlePositions.h"

#include <array>

namespace talvoren
{
namespace
{
constexpr int kDaysInWeek = 7;

// Days from Easter Sunday (negative: before it).
constexpr int kAshWednesday = -46;
constexpr int kFirstSundayOfLent = kAshWednesday + 4;
constexpr int kFourthSundayOfLent = kAshWednesday + 25;
constexpr int kPalmSunday = -7;
constexpr int kSecondSundayOfEaster = 7;
constexpr int kSecondWeekOfEaster = 8;         // its Monday
constexpr int kAscensionThursday = 39;
constexpr int kAscensionSunday = 42;
constexpr int kSeventhWeekTuesday = 44;
constexpr int kPentecost = 49;
constexpr int kTrinity = 56;
constexpr int kCorpusChristiThursday = 60;
constexpr int kCorpusChristiSunday = 63;
constexpr int kSacredHeart = 68;
constexpr int kImmaculateHeart = 69;

// Day indexes of early January.
constexpr int kJanuary2 = 1;
constexpr int kJanuary5 = 4;
constexpr int kJanuary6 = 5;
constexpr int kJanuary7 = 6;
constexpr int kJanuary13 = 12;

constexpr int kChristTheKingBeforeAdvent = 7;
constexpr int kThirdSundayOfAdvent = 14;
constexpr int kLastOrdinaryWeek = 34;
constexpr int kHolyFamilyWhenChristmasIsSunday = 5;   // 30 December

int Weekday(const YEARTABLE& table, int index)
{
    return table.days[index].nWeekday;
}

void SetDay(YEARTABLE& table, int index, const std::string& celebration, int rank, int colour, int season)
{
    DAYRECORD& day = table.days[index];
    day.strCelebration = celebration;
    day.nRank = rank;
    day.nColour = colour;
    day.nSeason = season;
}

// The weekdays from 17 to 24 December read the readings of their date, not
// of their place in the week. Other Advent weekdays read `byWeek`.
int AdventWeekdayPosition(const DAYRECORD& day, int byWeek)
{
    constexpr int kDecember = 12;
    if (day.nMonth != kDecember || day.nDay < 17 || day.nDay > 24)
        return byWeek;
    if (day.nDay == 17)
        return kWeekdayDecember17;
    return day.nDay == 18 ? kWeekdayDecember18 : kWeekdayDecember19 + day.nDay - 19;
}

// Epiphany kept on a Sunday: the Sunday from 2 to 8 January.
int EpiphanySunday(const SEASONANCHORS& anchors)
{
    return anchors.nFirstSunday != 0 ? anchors.nFirstSunday : kDaysInWeek;
}
} // namespace

CIVILDATE EasterSunday(int year)
{
    const int g = year % 19;
    const int e = year / 100;
    const int h = (e - e / 4 - (e - (e - 17) / 25) / 3 + 19 * g + 15) % 30;
    const int i = h - (h / 28) * (1 - (h / 28) * (29 / (h + 1)) * ((21 - g) / 11));
    const int j = (year + year / 4 + i + 2 - e + e / 4) % 7;
    const int l = i - j;
    CIVILDATE easter;
    easter.nYear = year;
    easter.nMonth = 3 + (l + 40) / 44;
    easter.nDay = l + 28 - 31 * (easter.nMonth / 4);
    return easter;
}

SEASONANCHORS ComputeSeasonAnchors(int year, const CALENDARSETTINGS& settings)
{
    SEASONANCHORS anchors;
    const CIVILDATE easter = EasterSunday(year);
    anchors.nEaster = DayOfYear(year, easter.nMonth, easter.nDay);
    anchors.nChristmas = DayOfYear(year, 12, 25);
    anchors.nFirstSunday = anchors.nEaster % kDaysInWeek;
    anchors.nAshWednesday = anchors.nEaster + kAshWednesday;
    anchors.nAshWednesdayKept = anchors.nAshWednesday;
    anchors.nAscension = anchors.nEaster + (settings.bAscensionSunday ? kAscensionSunday : kAscensionThursday);
    anchors.nPentecost = anchors.nEaster + kPentecost;

    // Advent starts on the fourth Sunday before Christmas.
    constexpr std::array<int, kDaysInWeek> kAdventBeforeChristmas = {28, 22, 23, 24, 25, 26, 27};
    anchors.nAdventStart = anchors.nChristmas - kAdventBeforeChristmas[WeekdayOf(year, 12, 25)];

    const int s = anchors.nFirstSunday;
    if (settings.bEpiphanyJan6) {
        anchors.nBaptism = kJanuary13 - ((kJanuary13 - s) % kDaysInWeek);   // the Sunday from 7 to 13 January
    } else {
        // Epiphany on 7 or 8 January moves the Baptism to the Monday.
        const int epiphany = EpiphanySunday(anchors);
        const bool late = epiphany >= kJanuary7;
        anchors.nBaptism = late ? epiphany + 1 : epiphany + kDaysInWeek;
    }
    return anchors;
}

int CorpusChristiDay(const SEASONANCHORS& anchors, const CALENDARSETTINGS& settings)
{
    return anchors.nEaster + (settings.bCorpusChristiThursday ? kCorpusChristiThursday : kCorpusChristiSunday);
}

int SacredHeartDay(const SEASONANCHORS& anchors)
{
    return anchors.nEaster + kSacredHeart;
}

int OrdinaryWeekAfterPentecost(const SEASONANCHORS& anchors, int day)
{
    return kLastOrdinaryWeek - (anchors.nAdventStart - 1 - day) / kDaysInWeek;
}

void SetChristmasSeasonJanuary(YEARTABLE& table, const CYearTexts& texts, const SEASONANCHORS& anchors,
                               const CALENDARSETTINGS& settings)
{
    const int baptism = anchors.nBaptism;
    table.days[0].nSeason = kSeasonChristmas;   // 1 January, the octave day of Christmas
    if (settings.bEpiphanyJan6) {
        for (int d = kJanuary2; d <= kJanuary5; ++d) {
            DAYRECORD& day = table.days[d];
            if (day.nWeekday == 0) {
                day.strCelebration = texts.Titles().Compose(kSeasonChristmas, 2, 0);
                day.strReadings = texts.SundayReadings(kSeasonChristmas, 2, 0);
            } else {
                day.strCelebration = texts.Title(kTitleBeforeEpiphany + day.nWeekday);
            }
            day.nColour = kColourWhite;
            day.nSeason = kSeasonChristmas;
        }
        SetDay(table, kJanuary6, texts.Title(kTitleEpiphany), kRankSolemnity, kColourWhite, kSeasonChristmas);
        table.days[kJanuary6].strReadings = texts.SundayEntry(kSundayEpiphany);
        SetDay(table, baptism, texts.Title(kTitleBaptism), kRankFeastOfLord, kColourWhite, kSeasonChristmas);
        table.days[baptism].strReadings = texts.SundayEntry(kSundayBaptism);
        for (int d = kJanuary7; d < baptism; ++d)
            SetDay(table, d, texts.Title(kTitleAfterEpiphany + Weekday(table, d)), table.days[d].nRank, kColourWhite,
                   kSeasonChristmas);
        return;
    }
    const int epiphany = EpiphanySunday(anchors);
    for (int d = kJanuary2; d <= baptism; ++d) {
        DAYRECORD& day = table.days[d];
        day.nColour = kColourWhite;
        day.nSeason = kSeasonChristmas;
        if (d < epiphany) {
            day.strCelebration = texts.Title(kTitleBeforeEpiphany + day.nWeekday);
        } else if (d == epiphany) {
            day.strCelebration = texts.Title(kTitleEpiphany);
            day.nRank = kRankSolemnity;
            day.strReadings = texts.SundayEntry(kSundayEpiphany);
        } else if (d < baptism) {
            // The lectionary's sets "for 7 January or the Monday after
            // Epiphany" and the days after it, read by weekday.
            day.strCelebration = texts.Title(kTitleAfterEpiphany + day.nWeekday);
            day.strReadings = texts.WeekdayEntry(kWeekdayJanuary7 + day.nWeekday - 1);
        } else {
            day.strCelebration = texts.Title(kTitleBaptism);
            day.nRank = kRankFeastOfLord;
            day.strReadings = texts.SundayEntry(kSundayBaptism);
        }
    }
}

void SetLent(YEARTABLE& table, const CYearTexts& texts, const SEASONANCHORS& anchors)
{
    const int ash = anchors.nAshWednesday;
    constexpr int kAshDays = 4;   // Ash Wednesday to the Saturday after it
    for (int k = 0; k < kAshDays; ++k) {
        SetDay(table, ash + k, texts.Title(kTitleAshWednesday + k), k == 0 ? kRankAshWednesday : kRankWeekday,
               kColourViolet, kSeasonLent);
        table.days[ash + k].strReadings = texts.WeekdayEntry(kWeekdayAshWednesday + k);
    }
    table.days[ash].nSeason = kSeasonPrivileged;

    const int easter = anchors.nEaster;
    int week = 1;
    int weekday = 0;
    int weekdayPosition = kWeekdayFirstLent;
    for (int d = easter + kFirstSundayOfLent; d < easter + kPalmSunday; ++d) {
        DAYRECORD& day = table.days[d];
        day.strCelebration = texts.Titles().Compose(kSeasonLent, week, weekday);
        day.nColour = d == easter + kFourthSundayOfLent ? kColourRose : kColourViolet;
        day.nSeason = kSeasonLent;
        if (weekday == 0)
            day.strReadings = texts.SundayEntry(kSundayFirstLent + week - 1) + texts.Titles().PsalterMark(PsalterWeek(week));
        else
            day.strReadings = texts.WeekdayEntry(weekdayPosition++);
        weekday = (weekday + 1) % kDaysInWeek;
        if (weekday == 0)
            ++week;
    }

    // Palm Sunday to Holy Saturday.
    constexpr std::array<int, kDaysInWeek> kHolyWeekRanks = {kRankSunday,   kRankHolyWeek, kRankHolyWeek, kRankHolyWeek,
                                                             kRankTriduum,  kRankTriduum,  kRankTriduum};
    constexpr std::array<int, kDaysInWeek> kHolyWeekColours = {kColourRed,   kColourViolet, kColourViolet, kColourViolet,
                                                               kColourWhite, kColourRed,    kColourWhite};
    constexpr int kPalmSundayPsalterWeek = 2;
    for (int k = 0; k < kDaysInWeek; ++k) {
        const int d = easter + kPalmSunday + k;
        SetDay(table, d, texts.Title(kTitlePalmSunday + k), kHolyWeekRanks[k], kHolyWeekColours[k], kSeasonPrivileged);
        table.days[d].strReadings = k == 0 ? texts.SundayEntry(kSundayPalmSunday) + texts.Titles().PsalterMark(kPalmSundayPsalterWeek)
                                           : texts.SundayEntry(kSundayPalmSunday + k);
    }
}

void SetEasterSeason(YEARTABLE& table, const CYearTexts& texts, const SEASONANCHORS& anchors,
                     const CALENDARSETTINGS& settings)
{
    const int p = anchors.nEaster;
    // Easter Sunday, its octave and the Second Sunday of Easter.
    for (int k = 0; k <= kSecondSundayOfEaster; ++k) {
        SetDay(table, p + k, texts.Title(kTitleEaster + k), kRankSolemnity, kColourWhite, kSeasonPrivileged);
        table.days[p + k].bNoRankLabel = k > 0;   // the ordos print no rank in the octave
        if (k == 0)
            table.days[p].strReadings = texts.SundayEntry(kSundayEaster);
        else if (k == kSecondSundayOfEaster)
            table.days[p + k].strReadings = texts.SundayEntry(kSundayEaster + 1);
        else
            table.days[p + k].strReadings = texts.WeekdayEntry(kWeekdayEasterOctave + k);
    }
    SetDay(table, p + kPentecost, texts.Title(kTitlePentecost), kRankSolemnity, kColourRed, kSeasonEaster);
    table.days[p + kPentecost].strReadings = texts.SundayEntry(kSundayPentecost);

    int week = 2;
    int weekday = 1;
    for (int d = p + kSecondWeekOfEaster; d < p + kPentecost; ++d) {
        DAYRECORD& day = table.days[d];
        day.strCelebration = texts.Titles().Compose(kSeasonEaster, week, weekday);
        // Tuesday to Saturday of the seventh week read positions of their
        // own; those that would follow belong to Ordinary Time.
        const int position = d - p >= kSeventhWeekTuesday
                                 ? kWeekdayEasterSeventhTuesday + d - p - kSeventhWeekTuesday
                                 : kWeekdayEasterSeasonOffset + d - p;
        if (weekday == 0)
            day.strReadings = texts.SundayReadings(kSeasonEaster, week, 0);
        else if (weekday == 1 && (week == 2 || week == 7))
            day.strReadings = texts.WeekdayEntry(position) + texts.Titles().PsalterMark(PsalterWeek(week));
        else
            day.strReadings = texts.WeekdayEntry(position);
        day.nColour = kColourWhite;
        day.nSeason = kSeasonEaster;
        weekday = (weekday + 1) % kDaysInWeek;
        if (weekday == 0)
            ++week;
    }

    SetDay(table, anchors.nAscension, texts.Title(kTitleAscension), kRankSolemnity, kColourWhite, kSeasonEaster);
    table.days[anchors.nAscension].strReadings = texts.SundayEntry(kSundayAscension);

    SetDay(table, p + kTrinity, texts.Title(kTitleTrinity), kRankSolemnity, kColourWhite, kSeasonOrdinary);
    table.days[p + kTrinity].strReadings = texts.SundayEntry(kSundayTrinity);

    const int corpusChristi = CorpusChristiDay(anchors, settings);
    SetDay(table, corpusChristi, texts.Title(kTitleCorpusChristi), kRankSolemnity, kColourWhite, kSeasonOrdinary);
    table.days[corpusChristi].strReadings = texts.SundayEntry(kSundayCorpusChristi);

    const int sacredHeart = SacredHeartDay(anchors);
    SetDay(table, sacredHeart, texts.Title(kTitleSacredHeart), kRankSolemnity, kColourWhite, kSeasonOrdinary);
    table.days[sacredHeart].strReadings = texts.SundayEntry(kSundaySacredHeart);

    SetDay(table, p + kImmaculateHeart, texts.Title(kTitleImmaculateHeart), kRankMemorial, kColourWhite,
           kSeasonOrdinary);
}

void SetAdvent(YEARTABLE& table, const CYearTexts& texts, const SEASONANCHORS& anchors)
{
    const int first = anchors.nAdventStart;
    int week = 1;
    int weekday = 0;
    int weekdayPosition = kWeekdayFirstAdvent;
    for (int d = first; d < anchors.nChristmas; ++d) {
        DAYRECORD& day = table.days[d];
        day.strCelebration = texts.Titles().Compose(kSeasonAdvent, week, weekday);
        day.nColour = d == first + kThirdSundayOfAdvent ? kColourRose : kColourViolet;
        day.nSeason = kSeasonAdvent;
        if (day.nWeekday != 0)
            day.strReadings = texts.WeekdayEntry(AdventWeekdayPosition(day, weekdayPosition++));
        else
            day.strReadings = texts.SundayReadings(kSeasonAdvent, week, 0);
        weekday = (weekday + 1) % kDaysInWeek;
        if (weekday == 0)
            ++week;
    }
}

void SetChristmasSeasonDecember(YEARTABLE& table, const CYearTexts& texts, const SEASONANCHORS& anchors)
{
    const int christmas = anchors.nChristmas;
    table.days[christmas].nSeason = kSeasonChristmas;
    for (int d = christmas + 1; d < table.nDaysInYear; ++d) {
        DAYRECORD& day = table.days[d];
        if (day.nWeekday == 0) {
            day.strCelebration = texts.Title(kTitleHolyFamily);
            day.nRank = kRankFeastOfLord;
            day.strReadings = texts.SundayEntry(kSundayHolyFamily);
        } else {
            day.strCelebration = texts.Title(kTitleDecember26 + (d - christmas - 1));
        }
        day.nColour = kColourWhite;
        day.nSeason = kSeasonChristmas;
    }
    if (Weekday(table, christmas) == 0) {   // no Sunday within the octave
        const int d = christmas + kHolyFamilyWhenChristmasIsSunday;
        SetDay(table, d, texts.Title(kTitleHolyFamily), kRankFeastOfLord, kColourWhite, kSeasonChristmas);
        table.days[d].strReadings = texts.SundayEntry(kSundayHolyFamily);
    }
}

int SetOrdinaryTimeBeforeLent(YEARTABLE& table, const CYearTexts& texts, const SEASONANCHORS& anchors)
{
    int week = 1;
    int weekday = Weekday(table, anchors.nBaptism) + 1;   // 1 or 2: the Baptism is a Sunday or a Monday
    int weekdayPosition = kWeekdayFirstOrdinary;
    for (int d = anchors.nBaptism + 1; d < anchors.nAshWednesday; ++d) {
        DAYRECORD& day = table.days[d];
        if (day.nRank == kRankWeekday || (weekday == 0 && day.nRank < kRankFeastOfLord)) {
            day.strCelebration = texts.Titles().Compose(kSeasonOrdinary, week, weekday);
            day.strReadings = texts.SundayReadings(kSeasonOrdinary, week, weekday);
            day.nSeason = kSeasonOrdinary;
            day.nColour = kColourGreen;
        }
        if (day.nWeekday != 0)
            day.strReadings = texts.WeekdayEntry(weekdayPosition++);
        weekday = (weekday + 1) % kDaysInWeek;
        if (weekday == 0)
            ++week;
    }
    return week;
}

void SetOrdinaryTimeAfterPentecost(YEARTABLE& table, const CYearTexts& texts, const SEASONANCHORS& anchors)
{
    const int christTheKing = anchors.nAdventStart - kChristTheKingBeforeAdvent;
    SetDay(table, christTheKing, texts.Title(kTitleChristTheKing), kRankSolemnity, kColourWhite, kSeasonOrdinary);
    table.days[christTheKing].strReadings = texts.SundayEntry(kSundayChristTheKing);

    // Counted backwards from the Saturday before Advent.
    constexpr int kPsalterWeekOfLastMonday = 2;
    int week = kLastOrdinaryWeek;
    int weekday = kDaysInWeek - 1;
    int weekdayPosition = kWeekdayLastOrdinary;
    for (int d = anchors.nAdventStart - 1; d > anchors.nPentecost; --d) {
        DAYRECORD& day = table.days[d];
        if (day.nRank == kRankWeekday || (weekday == 0 && day.nRank < kRankFeastOfLord)) {
            day.strCelebration = texts.Titles().Compose(kSeasonOrdinary, week, weekday);
            day.strReadings = texts.SundayReadings(kSeasonOrdinary, week, weekday);
            day.nSeason = kSeasonOrdinary;
            day.nColour = kColourGreen;
        }
        if (--weekday == -1) {
            weekday = kDaysInWeek - 1;
            --week;
        }
        if (day.nWeekday != 0) {
            day.strReadings = texts.WeekdayEntry(weekdayPosition);
            if (week == kLastOrdinaryWeek && day.nWeekday == 1)   // Monday of the thirty-fourth week
                day.strReadings += " " + texts.Titles().PsalterMark(kPsalterWeekOfLastMonday);
            --weekdayPosition;
        }
    }
}

void SetMaryMotherOfTheChurch(YEARTABLE& table, const CYearTexts& texts, const SEASONANCHORS& anchors)
{
    constexpr int kFirstYear = 2018;   // decree of the Congregation for Divine Worship, 11 February 2018
    const std::string& title = texts.Title(kTitleMaryMotherOfTheChurch);
    if (table.nYear < kFirstYear || title.empty())
        return;
    const int monday = anchors.nPentecost + 1;
    SetDay(table, monday, title, kRankMemorial, kColourWhite, kSeasonOrdinary);
    const std::string& readings = texts.WeekdayEntry(kWeekdayMaryMotherOfTheChurch);
    if (!readings.empty())
        table.days[monday].strReadings = readings;
}

} // namespace talvoren

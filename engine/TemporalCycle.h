#pragma once
// The temporal cycle: Easter, the season anchors and the seasons, laid over
// a freshly made table in the order that ComputeYearTable calls them. Later
// steps overwrite what earlier ones wrote; Ordinary Time fills only what
// the other seasons left unclaimed.

#include "base/CivilDate.h"
#include "engine/CalendarSettings.h"
#include "engine/YearTable.h"
#include "engine/YearTexts.h"

namespace talvoren
{
// Gregorian Easter Sunday of `year` (Oudin's method; all divisions
// truncate). Valid for every year the engine accepts.
CIVILDATE EasterSunday(int year);

// The anchors of `year` that follow from the date arithmetic alone (all but
// nWeekAtLent, which Ordinary Time before Lent counts).
SEASONANCHORS ComputeSeasonAnchors(int year, const CALENDARSETTINGS& settings);

// Corpus Christi: the Thursday or the Sunday after Trinity Sunday.
int CorpusChristiDay(const SEASONANCHORS& anchors, const CALENDARSETTINGS& settings);
// The Sacred Heart: the Friday after the second Sunday after Pentecost.
int SacredHeartDay(const SEASONANCHORS& anchors);
// The week of Ordinary Time (1..34) of day `day` after Pentecost, counted back
// from the Saturday before Advent (week 34), as SetOrdinaryTimeAfterPentecost
// counts it.
int OrdinaryWeekAfterPentecost(const SEASONANCHORS& anchors, int day);

// The steps, each for the days it claims.
void SetChristmasSeasonJanuary(YEARTABLE& table, const CYearTexts& texts, const SEASONANCHORS& anchors,
                               const CALENDARSETTINGS& settings);
void SetLent(YEARTABLE& table, const CYearTexts& texts, const SEASONANCHORS& anchors);
void SetEasterSeason(YEARTABLE& table, const CYearTexts& texts, const SEASONANCHORS& anchors,
                     const CALENDARSETTINGS& settings);
void SetAdvent(YEARTABLE& table, const CYearTexts& texts, const SEASONANCHORS& anchors);
void SetChristmasSeasonDecember(YEARTABLE& table, const CYearTexts& texts, const SEASONANCHORS& anchors);
// Returns the week of Ordinary Time that Ash Wednesday interrupts.
int SetOrdinaryTimeBeforeLent(YEARTABLE& table, const CYearTexts& texts, const SEASONANCHORS& anchors);
void SetOrdinaryTimeAfterPentecost(YEARTABLE& table, const CYearTexts& texts, const SEASONANCHORS& anchors);
// From 2018 on, the Monday after Pentecost is the memorial of Mary, Mother of
// the Church (white, its proper readings); a titles list without its entry
// leaves the Monday as it was. Runs after Ordinary Time, which would write
// over its readings, and before the feasts, of which only a feast prevails.
void SetMaryMotherOfTheChurch(YEARTABLE& table, const CYearTexts& texts, const SEASONANCHORS& anchors);

} // namespace talvoren

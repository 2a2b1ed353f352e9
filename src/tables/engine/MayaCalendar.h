// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tzolkara {

// Where a day stands in the whole Maya calendar: Long Count, the 260-day
// count, the 365-day Haab', the nine Lords of the Night and the trecena.
// Plain integer arithmetic on the Julian day number; no Qt, so the
// command-line tool can use it as it is.
namespace MayaCalendar {

// The Goodman-Martinez-Thompson correlation: Julian day 584283 is
// 13.0.0.0.0 4 Ajaw 8 Kumk'u, so that 21 December 2012 is 13.0.0.0.0 again.
// The two neighbours that part of the literature prefers can be chosen.
constexpr int kDefaultCorrelation = 584283;
bool isSupportedCorrelation(long correlation);

// Dates the calendar accepts, proleptic Gregorian.
constexpr int kFirstYear = 1;
constexpr int kLastYear = 3999;
// month is 1..12.
bool isCalendarDate(int year, int month, int day);

// The same range as Julian day numbers: 0001-01-01 and 3999-12-31.
long firstJulianDay();
long lastJulianDay();
bool isInRange(long julianDay);

// Julian day number of a proleptic Gregorian date (astronomical years:
// 0 is 1 BCE), and back.
long julianDayOf(int year, int month, int day);
struct GregorianDate
{
    int year;
    int month; // 1..12
    int day;
};
GregorianDate gregorianDateOf(long julianDay);

// The Julian calendar, proleptic, in which historians write most dates
// before 15 October 1582. Its dates are accepted when their day lies in the
// range above (so Julian 0001-01-01 and 0001-01-02, which fall in the
// Gregorian year 0, are not).
bool isJulianCalendarDate(int year, int month, int day);
long julianDayOfJulianDate(int year, int month, int day);
GregorianDate julianCalendarDateOf(long julianDay);

struct LongCount
{
    int baktun;
    int katun; // 0..19
    int tun;   // 0..19
    int uinal; // 0..17
    int kin;   // 0..19
};

struct Day
{
    long julianDay;
    long daysSinceCreation; // 0 on 13.0.0.0.0 4 Ajaw 8 Kumk'u
    LongCount longCount;
    int number;         // 1..13
    int sign;           // 1..20, Imix 1 .. Ajaw 20
    int haabDay;        // 0..19, or 0..4 in Wayeb'
    int haabMonth;      // 1..19, Pop 1 .. Wayeb' 19
    int lordOfTheNight; // 1..9 (G1..G9)
    int trecenaSign;    // 1..20: the sign that opened the current run of 13 days
    // 1..260: the place in the 260-day count with 1 Imix as day 1, as most
    // calendar tools count. Not the readings' KinNumber, whose day 1 is
    // 8 Chuwen.
    int tzolkinDay;
};

Day dayOf(long julianDay, long correlation = kDefaultCorrelation);

// "9.12.11.5.18": five places of digits joined by dots, katun, tun and kin
// 0..19, uinal 0..17, baktun of up to two digits (whether the day lies in
// the range is julianDayOfLongCount()'s question); nothing else, no blanks.
std::optional<LongCount> parseLongCount(std::string_view text);
// The day a Long Count names, or nothing when it falls outside the range.
std::optional<long> julianDayOfLongCount(const LongCount &count,
                                         long correlation = kDefaultCorrelation);

// A day to look for: a Tzolk'in day (number and sign), a Haab' day (day and
// month) or both, a Calendar Round.
struct DaySpec
{
    int number = 0;    // 1..13, or 0 when no Tzolk'in day is asked for
    int sign = 0;      // 1..20, with number
    int haabDay = -1;  // 0..19 (0..4 in Wayeb'), or -1 when no Haab' day is asked for
    int haabMonth = 0; // 1..19, with haabDay
};

// The names the day signs are written in: Yucatec (Imix .. Ajaw), as most
// epigraphy writes them, or K'iche' (Imox .. Ajpu), as the highland day
// keepers count. The Haab' months keep their Yucatec names in both.
enum class DayNames { Yucatec, Kiche };

// "4 Ajaw", "8 Kumk'u" or "4 Ajaw 8 Kumk'u", words apart by blanks, the sign
// as signOfName() reads it and the month in the spelling of haabMonthName(),
// any case, with the apostrophe written ', U+2019 or U+02BC or left out.
// Nothing for any other text (14 Ajaw, 20 Pop). Whether the day can occur is
// canOccur()'s question.
std::optional<DaySpec> parseDaySpec(std::string_view text, DayNames names = DayNames::Yucatec);
// False for a Haab' day past the end of its month (5 Wayeb') and for a
// Calendar Round whose two days never meet (4 Ajaw 9 Kumk'u: the sign fixes
// the Haab' day modulo 5). Also false for a spec that asks for nothing.
bool canOccur(const DaySpec &spec);
// The days of a Haab' month (0..19) on which a day sign (1..20) can fall:
// every fifth, the same four in every month.
std::array<int, 4> haabDaysOfSign(int sign);
// The nearest day strictly after (before) `julianDay` that is `spec`, by
// arithmetic rather than a walk over the days; nothing when it cannot occur.
// The range is not applied.
std::optional<long> nextDay(const DaySpec &spec, long julianDay,
                            long correlation = kDefaultCorrelation);
std::optional<long> previousDay(const DaySpec &spec, long julianDay,
                                long correlation = kDefaultCorrelation);

// The 0 Pop that opened the Haab' year holding `julianDay`. Its Tzolk'in day
// is the year's bearer, always Ik', Manik', Eb or Kaban (Iq', Kej, E, No'j):
// a Haab' year of 365 days moves the sign on by 5.
Day yearBearerOf(long julianDay, long correlation = kDefaultCorrelation);

// The largest period a Long Count closes: a tun when its last two places are
// 0, a katun the last three, a baktun the last four.
enum class PeriodEnding { None, Tun, Katun, Baktun };
PeriodEnding periodEndingOf(const LongCount &count);

// The days the calendar marks. A katun ending is a tun ending too, a baktun
// ending both.
enum class Observance {
    EightBatz,    // 8 B'atz' (8 Chuwen), the feast of the K'iche' day keepers
    Wayeb,        // one of the five days of Wayeb' that close the Haab'
    NewYear,      // 0 Pop, on the year's bearer
    TrecenaStart, // number 1, the first of thirteen days
    TunEnding,
    KatunEnding,
    BaktunEnding,
};
bool isObservance(Observance observance, long julianDay, long correlation = kDefaultCorrelation);
// What the day is, in the order of Observance, with only its largest period
// ending.
std::vector<Observance> observancesOf(long julianDay, long correlation = kDefaultCorrelation);
// The nearest day strictly after (before) `julianDay` that is `observance`,
// by arithmetic as nextDay(). The range is not applied.
long nextObservance(Observance observance, long julianDay, long correlation = kDefaultCorrelation);
long previousObservance(Observance observance, long julianDay,
                        long correlation = kDefaultCorrelation);

// Names in the modern spelling of the Guatemalan Academy of Mayan Languages,
// the signs' in either set.
const char *signName(int sign, DayNames names = DayNames::Yucatec); // 1..20
const char *haabMonthName(int month);                               // 1..19

// The sign (1..20) a word names, or 0. Every way of writing the signs is
// read: the Yucatec and K'iche' names, the colonial spelling (Chicchan,
// Cauac, Ahau) and both words of the readings' labels (KIEJ, MANIK), in any
// case, with or without apostrophes (', U+2019, U+02BC) and the accents of
// Latin-1's vowels (Ajpú). A word that names two signs (Kan is K'an, the
// fourth, in Yucatec and the fifth in K'iche') names the one of `names`,
// unless its apostrophes tell them apart (K'an).
int signOfName(std::string_view word, DayNames names = DayNames::Yucatec);

std::string longCountText(const LongCount &count);                           // "13.0.0.0.0"
std::string tzolkinText(const Day &day, DayNames names = DayNames::Yucatec); // "4 Ajaw"
std::string haabText(const Day &day);                                        // "3 K'ank'in"
// "4 Ajaw 3 K'ank'in"
std::string calendarRoundText(const Day &day, DayNames names = DayNames::Yucatec);
// As parseDaySpec() reads it.
std::string daySpecText(const DaySpec &spec, DayNames names = DayNames::Yucatec);
std::string lordOfTheNightText(const Day &day);                              // "G9"
std::string trecenaText(const Day &day, DayNames names = DayNames::Yucatec); // "1 Kaban"

} // namespace MayaCalendar
} // namespace tzolkara

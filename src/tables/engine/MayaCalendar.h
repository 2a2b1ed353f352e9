// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

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

struct LongCount
{
    int baktun;
    int katun; // 0..19
    int tun;   // 0..17
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
};

Day dayOf(long julianDay, long correlation = kDefaultCorrelation);

// Names in the modern spelling of the Guatemalan Academy of Mayan Languages,
// as most current epigraphy writes them.
const char *signName(int sign);       // 1..20
const char *haabMonthName(int month); // 1..19

std::string longCountText(const LongCount &count); // "13.0.0.0.0"
std::string calendarRoundText(const Day &day);     // "4 Ajaw 3 K'ank'in"
std::string lordOfTheNightText(const Day &day);    // "G9"
std::string trecenaText(const Day &day);           // "1 Kaban"

} // namespace MayaCalendar
} // namespace tzolkara

// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MayaCalendar.h"

#include "BirthDate.h"

#include <array>

namespace tzolkara::MayaCalendar {

namespace {

// Floor division and remainder, so that days before the creation count
// backwards the way the calendar does.
long floorDiv(long a, long b)
{
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)) ? 1 : 0);
}

long floorMod(long a, long b)
{
    return a - b * floorDiv(a, b);
}

constexpr std::array<const char *, 20> kSignNames = {
    "Imix",   "Ik'", "Ak'bal", "K'an", "Chikchan", "Kimi", "Manik'", "Lamat",   "Muluk", "Ok",
    "Chuwen", "Eb",  "Ben",    "Ix",   "Men",      "Kib",  "Kaban",  "Etz'nab", "Kawak", "Ajaw",
};

constexpr std::array<const char *, 19> kHaabMonthNames = {
    "Pop",  "Wo'", "Sip", "Sotz'",    "Sek",   "Xul", "Yaxk'in", "Mol",    "Ch'en",  "Yax",
    "Sak'", "Keh", "Mak", "K'ank'in", "Muwan", "Pax", "K'ayab",  "Kumk'u", "Wayeb'",
};

// Where the creation day stands in each cycle: 4 Ajaw, 8 Kumk'u (day 348
// of the Haab'), and the ninth Lord of the Night.
constexpr long kCreationNumberOffset = 3; // number 4 is 1 + 3
constexpr long kCreationSignOffset = 19;  // Ajaw, the 20th sign
constexpr long kCreationHaabOffset = 17 * 20 + 8;
constexpr long kCreationLordOffset = 8; // G9

} // namespace

bool isCalendarDate(int year, int month, int day)
{
    return year >= kFirstYear && year <= kLastYear && isValidDate(year, month - 1, day);
}

bool isSupportedCorrelation(long correlation)
{
    return correlation == 584283 || correlation == 584285 || correlation == 584286;
}

long julianDayOf(int year, int month, int day)
{
    // The usual integer form: count March-based years from 4801 BCE.
    const long a = (14 - month) / 12;
    const long y = static_cast<long>(year) + 4800 - a;
    const long m = month + 12 * a - 3;
    return day + (153 * m + 2) / 5 + 365 * y + floorDiv(y, 4) - floorDiv(y, 100) +
           floorDiv(y, 400) - 32045;
}

GregorianDate gregorianDateOf(long julianDay)
{
    const long a = julianDay + 32044;
    const long b = floorDiv(4 * a + 3, 146097);
    const long c = a - floorDiv(146097 * b, 4);
    const long d = floorDiv(4 * c + 3, 1461);
    const long e = c - floorDiv(1461 * d, 4);
    const long m = floorDiv(5 * e + 2, 153);
    GregorianDate date{};
    date.day = static_cast<int>(e - floorDiv(153 * m + 2, 5) + 1);
    date.month = static_cast<int>(m + 3 - 12 * floorDiv(m, 10));
    date.year = static_cast<int>(100 * b + d - 4800 + floorDiv(m, 10));
    return date;
}

Day dayOf(long julianDay, long correlation)
{
    Day day{};
    day.julianDay = julianDay;
    const long count = julianDay - correlation;
    day.daysSinceCreation = count;

    long rest = count;
    day.longCount.baktun = static_cast<int>(floorDiv(rest, 144000));
    rest = floorMod(rest, 144000);
    day.longCount.katun = static_cast<int>(rest / 7200);
    rest %= 7200;
    day.longCount.tun = static_cast<int>(rest / 360);
    rest %= 360;
    day.longCount.uinal = static_cast<int>(rest / 20);
    day.longCount.kin = static_cast<int>(rest % 20);

    day.number = static_cast<int>(floorMod(count + kCreationNumberOffset, 13) + 1);
    const long signIndex = floorMod(count + kCreationSignOffset, 20);
    day.sign = static_cast<int>(signIndex + 1);
    const long haab = floorMod(count + kCreationHaabOffset, 365);
    day.haabMonth = static_cast<int>(haab / 20 + 1);
    day.haabDay = static_cast<int>(haab % 20);
    day.lordOfTheNight = static_cast<int>(floorMod(count + kCreationLordOffset, 9) + 1);
    day.trecenaSign = static_cast<int>(floorMod(signIndex - (day.number - 1), 20) + 1);
    return day;
}

const char *signName(int sign)
{
    return sign >= 1 && sign <= 20 ? kSignNames[sign - 1] : "";
}

const char *haabMonthName(int month)
{
    return month >= 1 && month <= 19 ? kHaabMonthNames[month - 1] : "";
}

std::string longCountText(const LongCount &count)
{
    return std::to_string(count.baktun) + '.' + std::to_string(count.katun) + '.' +
           std::to_string(count.tun) + '.' + std::to_string(count.uinal) + '.' +
           std::to_string(count.kin);
}

std::string calendarRoundText(const Day &day)
{
    return std::to_string(day.number) + ' ' + signName(day.sign) + ' ' +
           std::to_string(day.haabDay) + ' ' + haabMonthName(day.haabMonth);
}

std::string lordOfTheNightText(const Day &day)
{
    return 'G' + std::to_string(day.lordOfTheNight);
}

std::string trecenaText(const Day &day)
{
    return std::string("1 ") + signName(day.trecenaSign);
}

} // namespace tzolkara::MayaCalendar

// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tables/engine/MayaCalendar.h"

#include "tables/engine/BirthDate.h"

#include <array>
#include <cctype>

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

// The date `dayOfYear` (0..365) days into a year that begins on 1 March,
// `marchYear` years after that of 4801 BCE: the last step back from a
// Julian day number, the same in both calendars.
GregorianDate dateInMarchYear(long marchYear, long dayOfYear)
{
    const long m = floorDiv(5 * dayOfYear + 2, 153);
    GregorianDate date{};
    date.day = static_cast<int>(dayOfYear - floorDiv(153 * m + 2, 5) + 1);
    date.month = static_cast<int>(m + 3 - 12 * floorDiv(m, 10));
    date.year = static_cast<int>(marchYear - 4800 + floorDiv(m, 10));
    return date;
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
// 4 Ajaw is day 160 of the 260-day count that 1 Imix opens.
constexpr long kCreationTzolkinOffset = 159;

constexpr long kTzolkinDays = 260;
constexpr long kHaabDays = 365;
constexpr long kCalendarRoundDays = 18980; // 52 Haab', 73 Tzolk'in

// The place (0..259) in the count that 1 Imix opens of a number and a sign:
// 40 is 1 modulo 13 and 0 modulo 20, 221 is 0 modulo 13 and 1 modulo 20.
long tzolkinPlace(int number, int sign)
{
    return floorMod(40L * (number - 1) + 221L * (sign - 1), kTzolkinDays);
}

long haabPlace(int haabDay, int haabMonth)
{
    return (haabMonth - 1) * 20L + haabDay;
}

bool asksTzolkin(const DaySpec &spec)
{
    return spec.number != 0;
}

bool asksHaab(const DaySpec &spec)
{
    return spec.haabDay >= 0;
}

// The days since the creation that are `spec` form one residue class. For a
// whole Calendar Round the two congruences modulo 260 and 365 (which share
// the factor 5) meet in one modulo 18980 when they agree modulo 5.
struct Residue
{
    long modulus;
    long remainder;
};

std::optional<Residue> residueOf(const DaySpec &spec)
{
    if (!canOccur(spec))
        return std::nullopt;
    const long tzolkin =
        floorMod(tzolkinPlace(spec.number, spec.sign) - kCreationTzolkinOffset, kTzolkinDays);
    const long haab =
        floorMod(haabPlace(spec.haabDay, spec.haabMonth) - kCreationHaabOffset, kHaabDays);
    if (!asksHaab(spec))
        return Residue{kTzolkinDays, tzolkin};
    if (!asksTzolkin(spec))
        return Residue{kHaabDays, haab};
    // The days t + 260k, k = 0..72, hold one of each Haab' place that agrees
    // with t modulo 5; k steps Haab' places by 260 = -105 (365).
    // 260k = haab - t (mod 365), divided by 5: 52k = (haab - t)/5 (mod 73),
    // and 52 * 66 = 1 (mod 73).
    const long k = floorMod(floorDiv(haab - tzolkin, 5) * 66, 73);
    return Residue{kCalendarRoundDays, tzolkin + kTzolkinDays * k};
}

std::string folded(std::string_view word)
{
    std::string out;
    for (std::size_t i = 0; i < word.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(word[i]);
        if (c == '\'')
            continue;
        // U+2019, the typographer's apostrophe, in UTF-8.
        if (c == 0xe2 && word.substr(i, 3) == "\xe2\x80\x99") {
            i += 2;
            continue;
        }
        out += static_cast<char>(std::tolower(c));
    }
    return out;
}

// The 1-based place of `word` in `names`, compared as folded(), or 0.
template <std::size_t N>
int placeOfName(std::string_view word, const std::array<const char *, N> &names)
{
    const std::string wanted = folded(word);
    for (std::size_t i = 0; i < N; ++i) {
        if (!wanted.empty() && folded(names[i]) == wanted)
            return static_cast<int>(i + 1);
    }
    return 0;
}

// A number of one or two digits, or -1.
int smallNumber(std::string_view word)
{
    if (word.empty() || word.size() > 2)
        return -1;
    int value = 0;
    for (const char c : word) {
        if (c < '0' || c > '9')
            return -1;
        value = value * 10 + (c - '0');
    }
    return value;
}

} // namespace

bool isCalendarDate(int year, int month, int day)
{
    return year >= kFirstYear && year <= kLastYear && isValidDate(year, month - 1, day);
}

long firstJulianDay()
{
    return julianDayOf(kFirstYear, 1, 1);
}

long lastJulianDay()
{
    return julianDayOf(kLastYear, 12, 31);
}

bool isInRange(long julianDay)
{
    return julianDay >= firstJulianDay() && julianDay <= lastJulianDay();
}

bool isJulianCalendarDate(int year, int month, int day)
{
    if (year < kFirstYear - 1 || year > kLastYear + 1 || month < 1 || month > 12 || day < 1)
        return false;
    constexpr int kDays[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (day > kDays[month - 1] || (month == 2 && day == 29 && year % 4 != 0))
        return false;
    return isInRange(julianDayOfJulianDate(year, month, day));
}

long julianDayOfJulianDate(int year, int month, int day)
{
    const long a = (14 - month) / 12;
    const long y = static_cast<long>(year) + 4800 - a;
    const long m = month + 12 * a - 3;
    return day + (153 * m + 2) / 5 + 365 * y + floorDiv(y, 4) - 32083;
}

GregorianDate julianCalendarDateOf(long julianDay)
{
    const long c = julianDay + 32082;
    const long d = floorDiv(4 * c + 3, 1461);
    return dateInMarchYear(d, c - floorDiv(1461 * d, 4));
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
    return dateInMarchYear(100 * b + d, c - floorDiv(1461 * d, 4));
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
    day.tzolkinDay = static_cast<int>(tzolkinPlace(day.number, day.sign) + 1);
    return day;
}

std::optional<LongCount> parseLongCount(std::string_view text)
{
    // Any baktun of up to two digits is read, so that one outside the range
    // is refused for its place in time, not for its shape.
    constexpr int kLimits[] = {99, 19, 19, 17, 19};
    int places[5] = {};
    std::size_t at = 0;
    for (int i = 0; i < 5; ++i) {
        if (i > 0) {
            if (at >= text.size() || text[at] != '.')
                return std::nullopt;
            ++at;
        }
        const std::size_t start = at;
        while (at < text.size() && text[at] >= '0' && text[at] <= '9' && at - start < 3)
            ++at;
        const int value = smallNumber(text.substr(start, at - start));
        if (value < 0 || value > kLimits[i])
            return std::nullopt;
        places[i] = value;
    }
    if (at != text.size())
        return std::nullopt;
    return LongCount{places[0], places[1], places[2], places[3], places[4]};
}

std::optional<long> julianDayOfLongCount(const LongCount &count, long correlation)
{
    const long julianDay = count.baktun * 144000L + count.katun * 7200L + count.tun * 360L +
                           count.uinal * 20L + count.kin + correlation;
    if (!isInRange(julianDay))
        return std::nullopt;
    return julianDay;
}

std::optional<DaySpec> parseDaySpec(std::string_view text)
{
    std::string_view words[5];
    std::size_t count = 0;
    std::size_t at = 0;
    const auto isBlank = [](char c) { return c == ' ' || c == '\t'; };
    while (at < text.size()) {
        while (at < text.size() && isBlank(text[at]))
            ++at;
        const std::size_t start = at;
        while (at < text.size() && !isBlank(text[at]))
            ++at;
        if (at > start) {
            if (count == std::size(words))
                return std::nullopt;
            words[count++] = text.substr(start, at - start);
        }
    }
    DaySpec spec;
    std::size_t next = 0;
    // A Tzolk'in day, then a Haab' day; either may be missing, not both.
    if (next + 2 <= count) {
        const int number = smallNumber(words[next]);
        const int sign = placeOfName(words[next + 1], kSignNames);
        if (sign != 0) {
            if (number < 1 || number > 13)
                return std::nullopt;
            spec.number = number;
            spec.sign = sign;
            next += 2;
        }
    }
    if (next + 2 <= count) {
        const int day = smallNumber(words[next]);
        const int month = placeOfName(words[next + 1], kHaabMonthNames);
        if (month == 0 || day < 0 || day > 19)
            return std::nullopt;
        spec.haabDay = day;
        spec.haabMonth = month;
        next += 2;
    }
    if (next != count || next == 0)
        return std::nullopt;
    return spec;
}

bool canOccur(const DaySpec &spec)
{
    const bool tzolkin = asksTzolkin(spec);
    const bool haab = asksHaab(spec);
    if (!tzolkin && !haab)
        return false;
    if (tzolkin && (spec.number < 1 || spec.number > 13 || spec.sign < 1 || spec.sign > 20))
        return false;
    if (haab) {
        const int monthLength = spec.haabMonth == 19 ? 5 : 20;
        if (spec.haabMonth < 1 || spec.haabMonth > 19 || spec.haabDay >= monthLength)
            return false;
    }
    if (tzolkin && haab) {
        // Both counts move one place a day, and 5 divides 260 and 365: a
        // day's places agree modulo 5 up to the creation's offsets.
        const long tzolkinCount = tzolkinPlace(spec.number, spec.sign) - kCreationTzolkinOffset;
        const long haabCount = haabPlace(spec.haabDay, spec.haabMonth) - kCreationHaabOffset;
        return floorMod(tzolkinCount - haabCount, 5) == 0;
    }
    return true;
}

std::array<int, 4> haabDaysOfSign(int sign)
{
    std::array<int, 4> days{};
    std::size_t found = 0;
    for (int haabDay = 0; haabDay < 20 && found < days.size(); ++haabDay) {
        if (canOccur({1, sign, haabDay, 1}))
            days[found++] = haabDay;
    }
    return days;
}

std::optional<long> nextDay(const DaySpec &spec, long julianDay, long correlation)
{
    const std::optional<Residue> days = residueOf(spec);
    const long first = julianDay - correlation + 1;
    if (!days)
        return std::nullopt;
    return first + floorMod(days->remainder - first, days->modulus) + correlation;
}

std::optional<long> previousDay(const DaySpec &spec, long julianDay, long correlation)
{
    const std::optional<Residue> days = residueOf(spec);
    const long last = julianDay - correlation - 1;
    if (!days)
        return std::nullopt;
    return last - floorMod(last - days->remainder, days->modulus) + correlation;
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

std::string tzolkinText(const Day &day)
{
    return std::to_string(day.number) + ' ' + signName(day.sign);
}

std::string haabText(const Day &day)
{
    return std::to_string(day.haabDay) + ' ' + haabMonthName(day.haabMonth);
}

std::string calendarRoundText(const Day &day)
{
    return tzolkinText(day) + ' ' + haabText(day);
}

std::string daySpecText(const DaySpec &spec)
{
    std::string text;
    if (spec.number != 0)
        text = std::to_string(spec.number) + ' ' + signName(spec.sign);
    if (spec.haabDay >= 0) {
        if (!text.empty())
            text += ' ';
        text += std::to_string(spec.haabDay) + ' ' + haabMonthName(spec.haabMonth);
    }
    return text;
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

// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tables/engine/MayaCalendar.h"

#include "tables/engine/BirthDate.h"
#include "tables/engine/DayNameTables.h"
#include "tables/engine/SignNames.h"

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

// The bytes after which an apostrophe of each form ends, in UTF-8: ', and
// U+2019 (the typographer's) and U+02BC (the modifier letter, as Mayan
// orthographies write the glottal stop).
std::size_t apostropheLength(std::string_view text)
{
    if (!text.empty() && text[0] == '\'')
        return 1;
    if (text.substr(0, 3) == "\xe2\x80\x99")
        return 3;
    if (text.substr(0, 2) == "\xca\xbc")
        return 2;
    return 0;
}

// The vowel without its accent of a Latin-1 letter U+00C0..U+00FF, given as
// the second byte of its UTF-8 form, or 0: grave, acute, circumflex and
// diaeresis, the accents Spanish and the older grammars put on the names.
char unaccented(unsigned char second)
{
    // U+00C0..U+00DF: capitals; U+00E0..U+00FF the same letters in small.
    constexpr const char *kVowels = "aaa-a---eeeeiiii--ooo-o--uuuu---";
    if (second < 0x80 || second > 0xbf)
        return 0;
    const char vowel = kVowels[(second - 0x80) % 32];
    return vowel == '-' ? 0 : vowel;
}

// A word as names are compared: ASCII and accented vowels in lower case
// without their accents, and the apostrophe, of whatever form, written ' or
// dropped. Other bytes stay, so that a word holding them matches no name.
std::string folded(std::string_view word, bool keepApostrophes = false)
{
    std::string out;
    for (std::size_t i = 0; i < word.size();) {
        if (const std::size_t length = apostropheLength(word.substr(i))) {
            if (keepApostrophes)
                out += '\'';
            i += length;
            continue;
        }
        const unsigned char c = static_cast<unsigned char>(word[i]);
        if (c == 0xc3 && i + 1 < word.size()) {
            if (const char vowel = unaccented(static_cast<unsigned char>(word[i + 1]))) {
                out += vowel;
                i += 2;
                continue;
            }
        }
        out += static_cast<char>(c < 0x80 ? std::tolower(c) : c);
        ++i;
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

// A way of writing a sign, and the names it belongs with: the Yucatec names,
// their colonial spelling and the labels' words in brackets, or the K'iche'
// names and the labels' first words.
struct SignWord
{
    std::string withApostrophes; // folded, apostrophes kept
    std::string bare;            // folded, apostrophes dropped
    int sign;
    DayNames names;
};

const std::vector<SignWord> &signWords()
{
    static const std::vector<SignWord> words = [] {
        std::vector<SignWord> all;
        const auto add = [&all](std::string_view word, int sign, DayNames names) {
            all.push_back({folded(word, true), folded(word), sign, names});
        };
        for (int sign = 1; sign <= kSignCount; ++sign) {
            add(kYucatecSignNames[sign - 1], sign, DayNames::Yucatec);
            add(kColonialSignNames[sign - 1], sign, DayNames::Yucatec);
            add(kKicheSignNames[sign - 1], sign, DayNames::Kiche);
            // "KIEJ - (MANIK)": the K'iche' word, then the Yucatec one.
            const std::string_view label = kSignNames[positionOfDaySign(sign)].Label;
            const std::size_t dash = label.find(" - (");
            add(label.substr(0, dash), sign, DayNames::Kiche);
            add(label.substr(dash + 4, label.size() - dash - 5), sign, DayNames::Yucatec);
        }
        return all;
    }();
    return words;
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

std::optional<DaySpec> parseDaySpec(std::string_view text, DayNames names)
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
        const int sign = signOfName(words[next + 1], names);
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

Day yearBearerOf(long julianDay, long correlation)
{
    const long haab = floorMod(julianDay - correlation + kCreationHaabOffset, kHaabDays);
    return dayOf(julianDay - haab, correlation);
}

PeriodEnding periodEndingOf(const LongCount &count)
{
    if (count.kin != 0 || count.uinal != 0)
        return PeriodEnding::None;
    if (count.tun != 0)
        return PeriodEnding::Tun;
    return count.katun != 0 ? PeriodEnding::Katun : PeriodEnding::Baktun;
}

namespace {

// The days since the creation that are an observance: a run of `length`
// days that begins at `start` and comes back every `modulus` days.
struct Run
{
    long modulus;
    long start;
    long length;
};

Run runOf(Observance observance)
{
    const auto residue = [](const DaySpec &spec) { return residueOf(spec)->remainder; };
    switch (observance) {
    case Observance::EightBatz:
        return {kTzolkinDays, residue({8, 11, -1, 0}), 1};
    case Observance::Wayeb:
        return {kHaabDays, residue({0, 0, 0, 19}), 5};
    case Observance::NewYear:
        return {kHaabDays, residue({0, 0, 0, 1}), 1};
    case Observance::TrecenaStart:
        // The creation is a 4: number 1 comes 10 days after it.
        return {13, floorMod(-kCreationNumberOffset, 13), 1};
    case Observance::TunEnding:
        return {360, 0, 1};
    case Observance::KatunEnding:
        return {7200, 0, 1};
    case Observance::BaktunEnding:
        return {144000, 0, 1};
    }
    return {1, 0, 0};
}

} // namespace

bool isObservance(Observance observance, long julianDay, long correlation)
{
    const Run run = runOf(observance);
    return floorMod(julianDay - correlation - run.start, run.modulus) < run.length;
}

std::vector<Observance> observancesOf(long julianDay, long correlation)
{
    std::vector<Observance> found;
    for (const Observance observance : {Observance::EightBatz, Observance::Wayeb,
                                        Observance::NewYear, Observance::TrecenaStart}) {
        if (isObservance(observance, julianDay, correlation))
            found.push_back(observance);
    }
    switch (periodEndingOf(dayOf(julianDay, correlation).longCount)) {
    case PeriodEnding::None:
        break;
    case PeriodEnding::Tun:
        found.push_back(Observance::TunEnding);
        break;
    case PeriodEnding::Katun:
        found.push_back(Observance::KatunEnding);
        break;
    case PeriodEnding::Baktun:
        found.push_back(Observance::BaktunEnding);
        break;
    }
    return found;
}

long nextObservance(Observance observance, long julianDay, long correlation)
{
    const Run run = runOf(observance);
    const long first = julianDay - correlation + 1;
    const long into = floorMod(first - run.start, run.modulus);
    return (into < run.length ? first : first + run.modulus - into) + correlation;
}

long previousObservance(Observance observance, long julianDay, long correlation)
{
    const Run run = runOf(observance);
    const long last = julianDay - correlation - 1;
    const long into = floorMod(last - run.start, run.modulus);
    return (into < run.length ? last : last - (into - run.length + 1)) + correlation;
}

const char *signName(int sign, DayNames names)
{
    if (sign < 1 || sign > kSignCount)
        return "";
    return (names == DayNames::Kiche ? kKicheSignNames : kYucatecSignNames)[sign - 1];
}

int signOfName(std::string_view word, DayNames names)
{
    // Written with its apostrophes, a word may name one sign only (K'an);
    // without them, that of `names` first (Kan).
    const std::string withApostrophes = folded(word, true);
    const std::string bare = folded(word);
    if (bare.empty())
        return 0;
    int only = 0;
    bool several = false;
    for (const SignWord &known : signWords()) {
        if (known.withApostrophes == withApostrophes) {
            several = several || (only != 0 && only != known.sign);
            only = known.sign;
        }
    }
    if (only != 0 && !several)
        return only;
    int other = 0;
    for (const SignWord &known : signWords()) {
        if (known.bare != bare)
            continue;
        if (known.names == names)
            return known.sign;
        if (other == 0)
            other = known.sign;
    }
    return other;
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

std::string tzolkinText(const Day &day, DayNames names)
{
    return std::to_string(day.number) + ' ' + signName(day.sign, names);
}

std::string haabText(const Day &day)
{
    return std::to_string(day.haabDay) + ' ' + haabMonthName(day.haabMonth);
}

std::string calendarRoundText(const Day &day, DayNames names)
{
    return tzolkinText(day, names) + ' ' + haabText(day);
}

std::string daySpecText(const DaySpec &spec, DayNames names)
{
    std::string text;
    if (spec.number != 0)
        text = std::to_string(spec.number) + ' ' + signName(spec.sign, names);
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

std::string trecenaText(const Day &day, DayNames names)
{
    return std::string("1 ") + signName(day.trecenaSign, names);
}

} // namespace tzolkara::MayaCalendar

// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What tzolkara-kin reads: a date line (Gregorian or Julian), a Long Count,
// a day to look for, the --correlation and --count values, and the quoting of
// a refused input. A date it accepts is exactly the text it was read from and
// goes through the engine as the tool sends it; a Long Count or a day read is
// written back as the same; a quoted input is short, valid UTF-8 and free of
// control, bidirectional and invisible characters.

#include "FuzzCheck.h"
#include "tables/engine/BirthDate.h"
#include "tables/engine/KinTables.h"
#include "tables/engine/MayaCalendar.h"
#include "tables/tools/KinInput.h"

#include <QList>
#include <QString>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

using namespace tzolkara;

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v';
}

void checkTrimmed(const std::string &text)
{
    const std::string trimmed = KinInput::trimmed(text);
    FUZZ_REQUIRE(text.find(trimmed) != std::string::npos);
    if (!trimmed.empty())
        FUZZ_REQUIRE(!isBlank(trimmed.front()) && !isBlank(trimmed.back()));
}

void checkCalendarDay(const MayaCalendar::Day &day)
{
    FUZZ_REQUIRE(day.number >= 1 && day.number <= 13);
    FUZZ_REQUIRE(day.sign >= 1 && day.sign <= 20);
    FUZZ_REQUIRE(day.haabMonth >= 1 && day.haabMonth <= 19);
    FUZZ_REQUIRE(day.haabDay >= 0 && day.haabDay <= (day.haabMonth == 19 ? 4 : 19));
    FUZZ_REQUIRE(day.lordOfTheNight >= 1 && day.lordOfTheNight <= 9);
    FUZZ_REQUIRE(day.trecenaSign >= 1 && day.trecenaSign <= 20);
    FUZZ_REQUIRE(MayaCalendar::haabMonthName(day.haabMonth) != nullptr);
}

void checkDate(const std::string &text, bool wholeCalendar)
{
    KinInput::Date date{};
    if (!KinInput::parseDate(text, wholeCalendar, date))
        return;
    char written[32];
    std::snprintf(written, sizeof written, "%04d-%02d-%02d", date.year, date.month + 1, date.day);
    FUZZ_REQUIRE(text == written);
    FUZZ_REQUIRE(isValidDate(date.year, date.month, date.day));
    if (wholeCalendar) {
        FUZZ_REQUIRE(date.year >= MayaCalendar::kFirstYear && date.year <= MayaCalendar::kLastYear);
        const long julianDay = MayaCalendar::julianDayOf(date.year, date.month + 1, date.day);
        for (const long correlation : {584283L, 584285L, 584286L})
            checkCalendarDay(MayaCalendar::dayOf(julianDay, correlation));
        return;
    }
    FUZZ_REQUIRE(date.year >= kFirstBirthYear && date.year <= kLastTableYear);
    const int kin = kinNumberOf(date.year, date.month, date.day);
    FUZZ_REQUIRE(kin >= 1 && kin <= kKinCount);
    const KinEntry entry = kinEntry(kin);
    FUZZ_REQUIRE(entry.signPosition >= 0 && entry.signPosition < 20);
    FUZZ_REQUIRE(entry.dayNumber >= 1 && entry.dayNumber <= 13);
}

void checkJulianDate(const std::string &text)
{
    KinInput::Date date{};
    if (!KinInput::parseJulianDate(text, date))
        return;
    const long julianDay = MayaCalendar::julianDayOfJulianDate(date.year, date.month + 1, date.day);
    FUZZ_REQUIRE(MayaCalendar::isInRange(julianDay));
    const MayaCalendar::GregorianDate back = MayaCalendar::julianCalendarDateOf(julianDay);
    char written[32];
    std::snprintf(written, sizeof written, "%04d-%02d-%02d", back.year, back.month, back.day);
    FUZZ_REQUIRE(text == written);
}

void checkLongCount(const std::string &text)
{
    const std::optional<MayaCalendar::LongCount> count = MayaCalendar::parseLongCount(text);
    if (!count)
        return;
    const std::string written = MayaCalendar::longCountText(*count);
    FUZZ_REQUIRE(MayaCalendar::longCountText(*MayaCalendar::parseLongCount(written)) == written);
    for (const long correlation : {584283L, 584285L, 584286L}) {
        if (const std::optional<long> day =
                MayaCalendar::julianDayOfLongCount(*count, correlation)) {
            FUZZ_REQUIRE(MayaCalendar::isInRange(*day));
            FUZZ_REQUIRE(MayaCalendar::longCountText(
                             MayaCalendar::dayOf(*day, correlation).longCount) == written);
        }
    }
}

bool isDaySpec(const MayaCalendar::Day &day, const MayaCalendar::DaySpec &spec)
{
    return (spec.number == 0 || (day.number == spec.number && day.sign == spec.sign)) &&
           (spec.haabDay < 0 || (day.haabDay == spec.haabDay && day.haabMonth == spec.haabMonth));
}

void checkDaySpec(const std::string &text)
{
    const std::optional<MayaCalendar::DaySpec> spec = MayaCalendar::parseDaySpec(text);
    if (!spec)
        return;
    const std::string written = MayaCalendar::daySpecText(*spec);
    FUZZ_REQUIRE(MayaCalendar::daySpecText(*MayaCalendar::parseDaySpec(written)) == written);
    const long from = MayaCalendar::julianDayOf(2026, 12, 7);
    const std::optional<long> next = MayaCalendar::nextDay(*spec, from);
    const std::optional<long> previous = MayaCalendar::previousDay(*spec, from);
    FUZZ_REQUIRE(next.has_value() == MayaCalendar::canOccur(*spec));
    FUZZ_REQUIRE(previous.has_value() == MayaCalendar::canOccur(*spec));
    if (next) {
        // A Calendar Round comes round in 18980 days.
        FUZZ_REQUIRE(*next > from && *next <= from + 18980);
        FUZZ_REQUIRE(*previous < from && *previous >= from - 18980);
        FUZZ_REQUIRE(isDaySpec(MayaCalendar::dayOf(*next), *spec));
        FUZZ_REQUIRE(isDaySpec(MayaCalendar::dayOf(*previous), *spec));
    }
}

void checkDayCount(const std::string &text)
{
    const std::optional<int> count = KinInput::parseDayCount(text.c_str());
    if (!count)
        return;
    FUZZ_REQUIRE(*count >= 1 && *count <= KinInput::kMaxDayCount);
    // As an argument, the value ends at its first NUL; leading zeros are let be.
    const std::string value = text.c_str();
    FUZZ_REQUIRE(value.find_first_not_of("0123456789") == std::string::npos);
    FUZZ_REQUIRE(std::strtol(value.c_str(), nullptr, 10) == *count);
}

bool printableAsciiWithoutBackslash(const std::string &text)
{
    for (const char c : text) {
        if (c < 0x20 || c > 0x7e || c == '\\')
            return false;
    }
    return true;
}

void checkQuoted(const std::string &text)
{
    const std::string quoted = KinInput::quoted(text);
    FUZZ_REQUIRE(quoted.size() >= 2 && quoted.front() == '\'' && quoted.back() == '\'');
    // Each shown character is at most four bytes, as UTF-8 or as an escape.
    FUZZ_REQUIRE(quoted.size() <= 2 + 40 * 4 + 3);
    const QByteArray bytes = QByteArray::fromStdString(quoted);
    const QString shown = QString::fromUtf8(bytes);
    FUZZ_REQUIRE(shown.toUtf8() == bytes); // valid UTF-8
    for (const char32_t c : shown.toUcs4()) {
        FUZZ_REQUIRE(c >= 0x20 && (c < 0x7f || c > 0x9f));
        FUZZ_REQUIRE(QChar::category(c) != QChar::Other_Format && c != 0x2028 && c != 0x2029);
    }
    if (text.size() <= 40 && printableAsciiWithoutBackslash(text))
        FUZZ_REQUIRE(quoted == "'" + text + "'");
}

void checkCorrelation(const std::string &text)
{
    // As an argument, the value ends at its first NUL.
    const std::optional<long> correlation = KinInput::parseCorrelation(text.c_str());
    if (!correlation)
        return;
    FUZZ_REQUIRE(MayaCalendar::isSupportedCorrelation(*correlation));
    FUZZ_REQUIRE(std::string(text.c_str()) == std::to_string(*correlation));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char *>(data), size);
    checkTrimmed(text);
    const std::string line = KinInput::trimmed(text);
    checkDate(line, false);
    checkDate(line, true);
    checkJulianDate(line);
    checkLongCount(line);
    checkDaySpec(text);
    checkDayCount(text);
    checkQuoted(text);
    checkCorrelation(text);
    return 0;
}

// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>

namespace tzolkara::KinInput {

// What tzolkara-kin reads: its date lines and its --correlation value, and
// how an error message quotes them. Plain functions, so the fuzz targets
// read input exactly as the tool does.

struct Date
{
    int year;
    int month; // 0..11
    int day;
};

// The line without the blanks around it (spaces, tabs, CR, LF, FF, VT).
std::string trimmed(const std::string &text);

// Accepts exactly YYYY-MM-DD naming a real day of the range in force: the
// birth dates the kin tables hold, 1900-01-01 to 2099-12-31, or with
// `wholeCalendar` 0001-01-01 to 3999-12-31.
bool parseDate(const std::string &text, bool wholeCalendar, Date &date);
// The same for a date of the Julian calendar in that whole range, which
// there runs from 0001-01-03 to 3999-12-03.
bool parseJulianDate(const std::string &text, Date &date);

// Whether a line is meant as a Long Count rather than a date: it has dots
// and no dashes. Whether it is one is MayaCalendar::parseLongCount()'s
// question.
bool looksLikeLongCount(const std::string &text);

// The input as an error message shows it: quoted, at most 40 characters
// (then "..."), every control character, stray byte, bidirectional control
// and invisible character escaped byte by byte, so nothing reaches the
// terminal that controls it, reorders the line or hides in it.
std::string quoted(const std::string &text);

// The correlation named by `text`, or nothing when it is not one of the three.
std::optional<long> parseCorrelation(const char *text);

// How many days --next and --previous print: 1 to kMaxDayCount, in digits.
constexpr int kMaxDayCount = 10000;
std::optional<int> parseDayCount(const char *text);

} // namespace tzolkara::KinInput

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

// The input as an error message shows it: quoted, at most 40 characters
// (then "..."), every control character, stray byte, bidirectional control
// and invisible character escaped byte by byte, so nothing reaches the
// terminal that controls it, reorders the line or hides in it.
std::string quoted(const std::string &text);

// The correlation named by `text`, or nothing when it is not one of the three.
std::optional<long> parseCorrelation(const char *text);

} // namespace tzolkara::KinInput

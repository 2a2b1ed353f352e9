// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace tzolkara {

// The one place for the program's calendar rules: the Gregorian calendar,
// and the birth dates the kin tables hold, 1 January 1900 to 31 December 2099.
// (The entry screens list the years up to the current one; see
// readings/BirthYears.h.)

constexpr int kFirstBirthYear = 1900;
// The year codes count a leap day in every fourth year; 2100 is the first
// year where that and the Gregorian calendar part, so the tables stop before.
constexpr int kLastTableYear = 2099;

constexpr bool isLeapYear(int year)
{
    // 1900 is not a leap year, 2000 is.
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

// At namespace scope, so that a call reads the table rather than building it
// on the stack first.
inline constexpr int kMonthLengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

// Days of month `month0` (January 0) in `year`; 0 for a month outside 0..11.
constexpr int daysInMonth(int year, int month0)
{
    if (month0 < 0 || month0 > 11)
        return 0;
    return month0 == 1 && isLeapYear(year) ? 29 : kMonthLengths[month0];
}

// A real day of the proleptic Gregorian calendar, in any year from 1 on.
constexpr bool isValidDate(int year, int month0, int day)
{
    return year >= 1 && day >= 1 && day <= daysInMonth(year, month0);
}

// A real day of the years the kin tables hold. 29 February 1900 is none:
// 1900 was no leap year.
constexpr bool isValidBirthDate(int year, int month0, int day)
{
    return year >= kFirstBirthYear && year <= kLastTableYear && isValidDate(year, month0, day);
}

} // namespace tzolkara

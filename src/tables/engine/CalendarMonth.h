// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace tzolkara {

// The calendar the screen shows and reads dates in: the Gregorian, or the
// Julian in which historians write most dates before 15 October 1582. Days
// are Julian day numbers; these say how each calendar names and groups them.
enum class CalendarSystem { Gregorian, Julian };

struct CalendarDate
{
    int year = 1;
    int month = 1; // 1..12
    int day = 1;
};

namespace CalendarMonth {

CalendarDate dateOf(long julianDay, CalendarSystem system);
long julianDayOf(const CalendarDate &date, CalendarSystem system);
// A real date of the calendar whose day lies in the range the Maya calendar
// holds.
bool isDateInRange(const CalendarDate &date, CalendarSystem system);
int daysInMonth(int year, int month, CalendarSystem system);
// 1 Monday .. 7 Sunday.
int weekdayOf(long julianDay);

// The same day of the month `months` months on (back, when negative), or
// the month's last day when it is shorter; held to the range's ends.
long addMonths(long julianDay, int months, CalendarSystem system);
// The range's end nearest to `julianDay`, or the day itself.
long clampToRange(long julianDay);

} // namespace CalendarMonth
} // namespace tzolkara

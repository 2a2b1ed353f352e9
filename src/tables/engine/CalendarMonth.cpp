// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tables/engine/CalendarMonth.h"

#include "tables/engine/MayaCalendar.h"

#include <algorithm>

namespace tzolkara::CalendarMonth {

CalendarDate dateOf(long julianDay, CalendarSystem system)
{
    const MayaCalendar::GregorianDate date = system == CalendarSystem::Julian
                                                 ? MayaCalendar::julianCalendarDateOf(julianDay)
                                                 : MayaCalendar::gregorianDateOf(julianDay);
    return {date.year, date.month, date.day};
}

long julianDayOf(const CalendarDate &date, CalendarSystem system)
{
    return system == CalendarSystem::Julian
               ? MayaCalendar::julianDayOfJulianDate(date.year, date.month, date.day)
               : MayaCalendar::julianDayOf(date.year, date.month, date.day);
}

bool isDateInRange(const CalendarDate &date, CalendarSystem system)
{
    return system == CalendarSystem::Julian
               ? MayaCalendar::isJulianCalendarDate(date.year, date.month, date.day)
               : MayaCalendar::isCalendarDate(date.year, date.month, date.day);
}

int daysInMonth(int year, int month, CalendarSystem system)
{
    const CalendarDate next =
        month == 12 ? CalendarDate{year + 1, 1, 1} : CalendarDate{year, month + 1, 1};
    return int(julianDayOf(next, system) - julianDayOf({year, month, 1}, system));
}

int weekdayOf(long julianDay)
{
    // Julian day 0 was a Monday.
    const long weekday = julianDay % 7;
    return int(weekday < 0 ? weekday + 7 : weekday) + 1;
}

long clampToRange(long julianDay)
{
    return std::clamp(julianDay, MayaCalendar::firstJulianDay(), MayaCalendar::lastJulianDay());
}

long addMonths(long julianDay, int months, CalendarSystem system)
{
    const CalendarDate date = dateOf(julianDay, system);
    const int monthIndex = date.year * 12 + (date.month - 1) + months;
    CalendarDate moved{monthIndex / 12, monthIndex % 12 + 1, 1};
    moved.day = std::min(date.day, daysInMonth(moved.year, moved.month, system));
    return clampToRange(julianDayOf(moved, system));
}

} // namespace tzolkara::CalendarMonth

// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/i18n/ShownDates.h"

#include "tables/engine/MonthNames.h"

#include <QCoreApplication>

#include <array>

namespace tzolkara {

namespace {

constexpr std::array<const char *, 7> kWeekdays = {
    QT_TRANSLATE_NOOP("Weekdays", "Monday"),    QT_TRANSLATE_NOOP("Weekdays", "Tuesday"),
    QT_TRANSLATE_NOOP("Weekdays", "Wednesday"), QT_TRANSLATE_NOOP("Weekdays", "Thursday"),
    QT_TRANSLATE_NOOP("Weekdays", "Friday"),    QT_TRANSLATE_NOOP("Weekdays", "Saturday"),
    QT_TRANSLATE_NOOP("Weekdays", "Sunday"),
};

constexpr std::array<const char *, 7> kShortWeekdays = {
    QT_TRANSLATE_NOOP("Weekdays", "Mon"), QT_TRANSLATE_NOOP("Weekdays", "Tue"),
    QT_TRANSLATE_NOOP("Weekdays", "Wed"), QT_TRANSLATE_NOOP("Weekdays", "Thu"),
    QT_TRANSLATE_NOOP("Weekdays", "Fri"), QT_TRANSLATE_NOOP("Weekdays", "Sat"),
    QT_TRANSLATE_NOOP("Weekdays", "Sun"),
};

QString monthInDate(int month0)
{
    return month0 >= 0 && month0 < 12 ? QCoreApplication::translate("Months", kMonthNames[month0])
                                      : QString();
}

} // namespace

QString listedMonthName(int month0)
{
    QString name = monthInDate(month0);
    if (!name.isEmpty())
        name[0] = name[0].toUpper();
    return name;
}

QString monthFirstDate(int year, int month0, int day)
{
    return QCoreApplication::translate("Dates", "%1 %2, %3", "month, day, year")
        .arg(monthInDate(month0))
        .arg(day)
        .arg(year);
}

QString dayFirstDate(int year, int month0, int day)
{
    return QCoreApplication::translate("Dates", "%2 %1 %3", "month, day, year")
        .arg(monthInDate(month0))
        .arg(day)
        .arg(year);
}

QString monthAndYear(int year, int month0)
{
    return QCoreApplication::translate("Dates", "%1 %2", "month, year")
        .arg(listedMonthName(month0))
        .arg(year);
}

QString weekdayName(int weekday)
{
    return weekday >= 1 && weekday <= 7
               ? QCoreApplication::translate("Weekdays", kWeekdays[weekday - 1])
               : QString();
}

QString shortWeekdayName(int weekday)
{
    return weekday >= 1 && weekday <= 7
               ? QCoreApplication::translate("Weekdays", kShortWeekdays[weekday - 1])
               : QString();
}

QString weekdayDate(int year, int month0, int day, int weekday)
{
    return QCoreApplication::translate("Dates", "%4 %2 %1 %3", "month, day, year, weekday")
        .arg(monthInDate(month0))
        .arg(day)
        .arg(year)
        .arg(weekdayName(weekday));
}

} // namespace tzolkara

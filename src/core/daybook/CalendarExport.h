// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/daybook/IcsCalendar.h"
#include "tables/engine/MayaCalendar.h"

#include <QList>
#include <QString>

#include <optional>

namespace tzolkara {

class DayBook;

// A day the calendar screen marks for reasons of its own (a feast, the end
// of a period), to go into the calendar file with the book's days.
struct MarkedDay
{
    long day = 0;
    QString summary;
    QString description;
    // What sort of mark: "feast", "period-ending"... It names the event in
    // every file (with the day), so one kind has one mark a day.
    QString kind;
};

// The day book and the calendar as a file for desktop calendars: each
// person's Maya birthdays, each day's note, the marked days and, when
// asked, every day's Tzolk'in and Haab' names; one all-day event each.
namespace CalendarExport {

// Ten years of days at most.
constexpr long kMaxDays = 3653;

struct Options
{
    long firstDay = 0;
    long lastDay = 0; // included
    bool withMayaDays = false;
    long correlation = MayaCalendar::kDefaultCorrelation;
    QList<MarkedDay> markedDays; // those outside the days are left out
};

// The events in order of days. `book` may be null: the calendar alone. On
// failure (days outside the calendar or too many, or a book that cannot be
// read) nothing, and `error` says why.
std::optional<QList<IcsCalendar::Event>> events(DayBook *book, const Options &options,
                                                QString *error);

// Writes the file whole or not at all, stamped with `now` on the desktop's
// clock.
bool write(const QString &path, DayBook *book, const Options &options, const QDateTime &now,
           QString *error);

} // namespace CalendarExport
} // namespace tzolkara

// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

// An iCalendar file (RFC 5545) of all-day events, as desktop calendars
// import them.
namespace tzolkara::IcsCalendar {

struct Event
{
    long day = 0; // Julian day number
    // The same for the same event in every file, so that importing a later
    // file changes the event instead of adding it twice.
    QString uid;
    QString summary;
    QString description; // none when empty
};

// A TEXT value: backslash, semicolon and comma escaped, every line break
// written \n, other control characters left out.
QByteArray escapedText(const QString &text);

// One content line in UTF-8, folded so that no line passes 75 octets (a
// fold never splits a character), ending in CR LF.
QByteArray contentLine(const QByteArray &line);

// "20121221": a day as DATE values write it, in the Gregorian calendar.
QByteArray dateValue(long julianDay);

// The whole file; `stamp` is every event's DTSTAMP.
QByteArray calendar(const QList<Event> &events, const QDateTime &stamp);

} // namespace tzolkara::IcsCalendar

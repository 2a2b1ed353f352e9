// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/daybook/DayBookEntries.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

// A backup of the day book: one UTF-8 JSON object, documented in the
// README's "The day book".
//
//   {
//     "format": "tzolkara-daybook",   always this
//     "version": 1,                   of this layout; a later one is refused
//     "written": "2026-03-01T09:30:00Z",
//     "notes": [ {"day": 2461101, "date": "2026-03-01", "text": "..."} ],
//     "people": [ {"id": 3, "name": "Ana", "birthDay": 2447907,
//                  "calendar": "gregorian", "birthDate": "1990-01-15"} ]
//   }
//
// Days are Julian day numbers; "date" and "birthDate" (the latter in the
// person's calendar) are there for people reading the file and are not read
// back. Other keys are ignored.
namespace tzolkara::DayBookBackup {

inline constexpr char kFormatName[] = "tzolkara-daybook";
constexpr int kVersion = 1;
// More than a book of ten thousand long notes needs; a larger file is not
// read.
constexpr qint64 kMaxBytes = 64 * 1024 * 1024;

struct Contents
{
    QList<Note> notes;
    QList<Person> people;
};

QByteArray encode(const Contents &contents, const QDateTime &written);

// Everything in the backup, or nothing and `reason` in the user's words
// ("it is not complete"): a backup is restored whole or not at all, so any
// fault refuses it all.
std::optional<Contents> decode(const QByteArray &bytes, QString *reason);

} // namespace tzolkara::DayBookBackup

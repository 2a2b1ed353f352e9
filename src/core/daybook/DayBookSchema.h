// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QSqlError>
#include <QtGlobal>

class QSqlDatabase;

// The tables of the day book, and how a book of an earlier version is
// brought up to this one. The version is PRAGMA user_version.
namespace tzolkara::DayBookSchema {

// PRAGMA application_id of every day book ("TzDb"), set before anything
// else is written to a new one: a SQLite file without it is some other
// program's, and is left alone.
constexpr qint32 kApplicationId = 0x547A4462;

// 1: the notes and the people.
// 2: a folded copy of each note for "find in notes"; the people indexed by
//    name and by their day in the 260-day count, for the month's marks.
constexpr int kLatestVersion = 2;

// Brings a book of version `from` (0: a new, empty one) to kLatestVersion,
// one transaction per version, each ending with the new user_version: a
// book is always at one version or the next, never between.
QSqlError migrate(QSqlDatabase &db, int from);

// Whether the tables hold the columns this version reads; a book of the
// right version without them has been tampered with or damaged.
bool hasExpectedTables(QSqlDatabase &db);

} // namespace tzolkara::DayBookSchema

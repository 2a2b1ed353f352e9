// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QSqlError>
#include <QString>

#include <functional>

class QSqlDatabase;
class QSqlQuery;

// The few ways the day book talks to SQLite.
namespace tzolkara::SqlSteps {

// One statement without results; its error, of type NoError when it ran.
QSqlError run(QSqlDatabase &db, const QString &statement);

// Runs a prepared query; its error likewise.
QSqlError run(QSqlQuery &query);

// `work` in a transaction of its own: all of it reaches the file, or none.
// The write lock is taken at the start (BEGIN IMMEDIATE), so that another
// program's write is waited for there, within the busy timeout, instead of
// failing halfway.
QSqlError inTransaction(QSqlDatabase &db, const std::function<QSqlError()> &work);

// The first column of a one-row query such as a PRAGMA: its text, or the
// error.
QString firstValue(QSqlDatabase &db, const QString &statement, QSqlError *error);

} // namespace tzolkara::SqlSteps

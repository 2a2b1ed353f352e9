// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/daybook/DayBookSchema.h"

#include "core/daybook/SearchText.h"
#include "core/daybook/SqlSteps.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVariant>

#include <iterator>

namespace tzolkara::DayBookSchema {

namespace {

QSqlError runAll(QSqlDatabase &db, std::initializer_list<const char *> statements)
{
    for (const char *statement : statements) {
        const QSqlError error = SqlSteps::run(db, QString::fromLatin1(statement));
        if (error.isValid())
            return error;
    }
    return QSqlError();
}

QSqlError createVersion1(QSqlDatabase &db)
{
    // The people's ids are never given twice (AUTOINCREMENT): calendar
    // files name their events by them.
    return runAll(db, {
                          "CREATE TABLE notes ("
                          " day INTEGER PRIMARY KEY,"
                          " text TEXT NOT NULL)",
                          "CREATE TABLE people ("
                          " id INTEGER PRIMARY KEY AUTOINCREMENT,"
                          " name TEXT NOT NULL,"
                          " birth_day INTEGER NOT NULL,"
                          " calendar TEXT NOT NULL CHECK (calendar IN ('gregorian', 'julian')))",
                      });
}

QSqlError upgradeToVersion2(QSqlDatabase &db)
{
    QSqlError error = runAll(db, {
                                     "ALTER TABLE notes ADD COLUMN folded TEXT NOT NULL DEFAULT ''",
                                     "CREATE INDEX people_by_name ON people (name)",
                                     // The expression the month's marks ask for.
                                     "CREATE INDEX people_by_cycle ON people (birth_day % 260)",
                                 });
    if (error.isValid())
        return error;
    QSqlQuery notes(db);
    notes.setForwardOnly(true);
    if (!notes.exec(QStringLiteral("SELECT day, text FROM notes")))
        return notes.lastError();
    QSqlQuery fold(db);
    fold.prepare(QStringLiteral("UPDATE notes SET folded = ? WHERE day = ?"));
    while (notes.next()) {
        fold.addBindValue(foldedForSearch(notes.value(1).toString()));
        fold.addBindValue(notes.value(0));
        if (!fold.exec())
            return fold.lastError();
    }
    return notes.lastError();
}

} // namespace

QSqlError migrate(QSqlDatabase &db, int from)
{
    using Step = QSqlError (*)(QSqlDatabase &);
    static constexpr Step kSteps[] = {createVersion1, upgradeToVersion2};
    static_assert(std::size(kSteps) == kLatestVersion);
    for (int version = from; version < kLatestVersion; ++version) {
        const QSqlError error = SqlSteps::inTransaction(db, [&] {
            const QSqlError stepError = kSteps[version](db);
            if (stepError.isValid())
                return stepError;
            return SqlSteps::run(db, QStringLiteral("PRAGMA user_version = %1").arg(version + 1));
        });
        if (error.isValid())
            return error;
    }
    return QSqlError();
}

bool hasExpectedTables(QSqlDatabase &db)
{
    return !SqlSteps::run(db, QStringLiteral("SELECT day, text, folded FROM notes WHERE 0"))
                .isValid() &&
           !SqlSteps::run(db, QStringLiteral("SELECT id, name, birth_day, calendar FROM people "
                                             "WHERE 0"))
                .isValid();
}

} // namespace tzolkara::DayBookSchema

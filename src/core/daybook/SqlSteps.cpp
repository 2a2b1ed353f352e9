// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/daybook/SqlSteps.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVariant>

namespace tzolkara::SqlSteps {

QSqlError run(QSqlDatabase &db, const QString &statement)
{
    QSqlQuery query(db);
    if (!query.exec(statement))
        return query.lastError();
    return QSqlError();
}

QSqlError run(QSqlQuery &query)
{
    if (!query.exec())
        return query.lastError();
    return QSqlError();
}

QSqlError inTransaction(QSqlDatabase &db, const std::function<QSqlError()> &work)
{
    QSqlError error = run(db, QStringLiteral("BEGIN IMMEDIATE"));
    if (error.isValid())
        return error;
    error = work();
    if (!error.isValid())
        error = run(db, QStringLiteral("COMMIT"));
    if (error.isValid())
        run(db, QStringLiteral("ROLLBACK"));
    return error;
}

QString firstValue(QSqlDatabase &db, const QString &statement, QSqlError *error)
{
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.exec(statement) || !query.next()) {
        *error = query.lastError();
        return QString();
    }
    *error = QSqlError();
    return query.value(0).toString();
}

} // namespace tzolkara::SqlSteps

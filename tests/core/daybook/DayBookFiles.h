// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the day book's tests do to its files from outside the program: a
// SQLite connection of their own, as another program has, and the bytes of
// a file as they are on the disk.

#include "core/common/RegularFile.h"

#include <QByteArray>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariant>

namespace tzolkara::testing {

class OtherConnection final
{
public:
    explicit OtherConnection(const QString &path, const QString &name = QStringLiteral("other"))
        : m_db(QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name))
    {
        m_db.setDatabaseName(path);
        m_db.open();
    }
    ~OtherConnection()
    {
        const QString name = m_db.connectionName();
        m_db = QSqlDatabase();
        QSqlDatabase::removeDatabase(name);
    }
    OtherConnection(const OtherConnection &) = delete;
    OtherConnection &operator=(const OtherConnection &) = delete;

    bool isOpen() const { return m_db.isOpen(); }
    bool run(const QString &statement) { return QSqlQuery(m_db).exec(statement); }
    // The first column of the first row, as text.
    QString value(const QString &statement)
    {
        QSqlQuery query(m_db);
        return query.exec(statement) && query.next() ? query.value(0).toString() : QString();
    }

private:
    QSqlDatabase m_db;
};

inline QByteArray bytesOf(const QString &path)
{
    QFile file;
    return openRegularFile(file, path) ? file.readAll() : QByteArray();
}

inline bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

} // namespace tzolkara::testing

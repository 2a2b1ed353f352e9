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
#include <QSqlError>
#include <QSqlQuery>
#include <QString>
#include <QVariant>

namespace tzolkara::testing {

class OtherConnection final
{
public:
    explicit OtherConnection(const QString &path, const QString &name = QStringLiteral("other"))
        : m_name(name)
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
        db.setDatabaseName(path);
        m_open = db.open();
    }
    ~OtherConnection()
    {
        QSqlDatabase::database(m_name, false).close();
        QSqlDatabase::removeDatabase(m_name);
    }
    OtherConnection(const OtherConnection &) = delete;
    OtherConnection &operator=(const OtherConnection &) = delete;

    bool isOpen() const { return m_open; }

    // Runs one statement; false, with the reason in lastError(), when it fails.
    bool run(const QString &statement)
    {
        QSqlQuery query(QSqlDatabase::database(m_name, false));
        m_error = query.exec(statement) ? QString() : query.lastError().text();
        return m_error.isEmpty();
    }
    // The first column of the first row, as text.
    QString value(const QString &statement)
    {
        QSqlQuery query(QSqlDatabase::database(m_name, false));
        if (!query.exec(statement) || !query.next()) {
            m_error = query.lastError().text();
            return QString();
        }
        return query.value(0).toString();
    }
    QString lastError() const { return m_error; }

private:
    QString m_name;
    bool m_open = false;
    QString m_error;
};

// Nothing for a folder or a pipe, which are never read.
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

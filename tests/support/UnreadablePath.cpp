// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/UnreadablePath.h"

#include <QDir>
#include <QFile>

#include <sys/stat.h>
#include <unistd.h>

QString makeUnreadablePath(const QString &path, const QString &kind)
{
    if (kind == QLatin1String("named pipe"))
        return mkfifo(QFile::encodeName(path).constData(), 0600) == 0
                   ? QString()
                   : QStringLiteral("mkfifo failed");
    if (kind == QLatin1String("folder"))
        return QDir().mkdir(path) ? QString() : QStringLiteral("mkdir failed");
    if (geteuid() == 0)
        return QStringLiteral("Running as root, which reads a file even without permissions.");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write("1\n2\n3\n4\n") != 8)
        return QStringLiteral("cannot write the file");
    file.close();
    return file.setPermissions({}) ? QString() : QStringLiteral("chmod failed");
}

// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/Processes.h"

#include <QDir>
#include <QFile>

#include <fcntl.h>
#include <unistd.h>

bool IsolatedHome::reset() const
{
    for (const char *folder : {"runtime", "config", "cache", "data", "state"})
        QDir(filePath(QLatin1String(folder))).removeRecursively();
    return QDir().mkpath(runtimePath()) &&
           QFile::setPermissions(runtimePath(),
                                 QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

QProcessEnvironment IsolatedHome::environment(const QString &platform) const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
    env.insert(QStringLiteral("HOME"), path());
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), configPath());
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimePath());
    env.insert(QStringLiteral("XDG_CACHE_HOME"), filePath(QStringLiteral("cache")));
    env.insert(QStringLiteral("XDG_DATA_HOME"), filePath(QStringLiteral("data")));
    env.insert(QStringLiteral("XDG_STATE_HOME"), filePath(QStringLiteral("state")));
    return env;
}

qint64 lockHolder(const QString &path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return 0;
    struct flock probe = {};
    probe.l_type = F_WRLCK;
    probe.l_whence = SEEK_SET;
    const bool answered = ::fcntl(fd, F_GETLK, &probe) == 0;
    ::close(fd);
    return answered && probe.l_type != F_UNLCK ? probe.l_pid : 0;
}

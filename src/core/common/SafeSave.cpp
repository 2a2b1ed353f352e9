// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SafeSave.h"

#include <QCoreApplication>
#include <QSaveFile>

#include <cerrno>
#include <cstring>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace tzolkara {

namespace {

// Bytes the disk has not taken yet can still fail to arrive (quotas,
// network drives). Devices and read-only mounts cannot sync: no failure.
bool syncToDisk(QFileDevice &file)
{
#ifdef Q_OS_UNIX
    return ::fsync(file.handle()) == 0 || errno == EINVAL || errno == EROFS;
#else
    Q_UNUSED(file);
    return true;
#endif
}

// Qt names most failures itself; where it has nothing to say, its text is
// "Unknown error", and the system's reason says more.
QString reasonOf(const QFileDevice &file, int systemError)
{
    const QString qtReason = file.error() == QFileDevice::NoError ? QString() : file.errorString();
    if (!qtReason.isEmpty() && qtReason != QLatin1String("Unknown error"))
        return qtReason;
    if (systemError != 0)
        return QString::fromLocal8Bit(std::strerror(systemError));
    return QCoreApplication::translate("SafeSave", "The file could not be written.");
}

} // namespace

bool saveWholeFile(const QString &path, const QByteArray &bytes, QString *error)
{
    QSaveFile file(path);
    // QSaveFile::commit() puts the new file in place even when its buffered
    // bytes never reached the disk (a full disk), so each step is checked
    // before it, and the system's reason taken at the failing step.
    const bool written = file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() &&
                         file.flush() && syncToDisk(file);
    const int systemError = errno;
    if (written && file.commit())
        return true;
    // Uncommitted, the new file goes away with `file`.
    if (error)
        *error = reasonOf(file, written ? errno : systemError);
    return false;
}

} // namespace tzolkara

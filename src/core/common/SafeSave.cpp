// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/common/SafeSave.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tzolkara {

namespace {

QString reasonOf(int systemError)
{
    if (systemError != 0)
        return QString::fromLocal8Bit(std::strerror(systemError));
    return QCoreApplication::translate("SafeSave", "The file could not be written.");
}

// ".reading.man.tzolkara-AbCdEf.tmp": hidden beside the file it becomes,
// and plainly a leftover of this program should a save be killed.
QString temporaryName(const QString &fileName)
{
    static constexpr char kLetters[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    QString tag;
    for (int i = 0; i < 6; ++i)
        tag += QLatin1Char(kLetters[QRandomGenerator::system()->bounded(62)]);
    return QLatin1Char('.') + fileName + QStringLiteral(".tzolkara-") + tag +
           QStringLiteral(".tmp");
}

// What an earlier save of the same file left when it was killed: only our
// own regular files of exactly that name's shape.
void removeLeftovers(const QDir &folder, const QString &fileName)
{
    const QRegularExpression leftover(QStringLiteral("^\\.%1\\.tzolkara-[A-Za-z0-9]{6}\\.tmp$")
                                          .arg(QRegularExpression::escape(fileName)));
    const QStringList names =
        folder.entryList({QLatin1Char('.') + fileName + QStringLiteral(".tzolkara-*.tmp")},
                         QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &name : names) {
        const QByteArray path = QFile::encodeName(folder.filePath(name));
        struct stat info = {};
        if (leftover.match(name).hasMatch() && ::lstat(path.constData(), &info) == 0 &&
            S_ISREG(info.st_mode) && info.st_uid == ::geteuid())
            ::unlink(path.constData());
    }
}

bool writeAll(int fd, const QByteArray &bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        done += written;
    }
    return true;
}

// Bytes the disk has not taken yet can still fail to arrive (quotas,
// network drives). Devices and read-only mounts cannot sync: no failure.
bool syncToDisk(int fd)
{
    return ::fsync(fd) == 0 || errno == EINVAL || errno == EROFS;
}

} // namespace

bool saveWholeFile(const QString &path, const QByteArray &bytes, QString *error)
{
    // Saved over a link, the file it leads to gets the new content and the
    // link stays, as with any editor.
    const QFileInfo given(path);
    const QString target =
        given.isSymLink() && given.exists() ? given.canonicalFilePath() : given.absoluteFilePath();
    const QFileInfo info(target);
    const QDir folder = info.dir();
    removeLeftovers(folder, info.fileName());

    // The new file keeps the old one's permissions; a new one gets the
    // usual ones, as the user's umask has them.
    struct stat old = {};
    const bool replacing = ::stat(QFile::encodeName(target).constData(), &old) == 0;
    const mode_t mode = replacing ? (old.st_mode & 07777) : 0666;
    // A device or a pipe is never replaced by a file, not even by root.
    if (replacing && !S_ISREG(old.st_mode)) {
        if (error)
            *error =
                S_ISDIR(old.st_mode)
                    ? reasonOf(EISDIR)
                    : QCoreApplication::translate("SafeSave", "Only a file can be saved over.");
        return false;
    }

    const QByteArray temporary = QFile::encodeName(folder.filePath(temporaryName(info.fileName())));
    // Written without a name where the file system allows: a save killed
    // before its end leaves nothing. The name comes just before the rename.
    bool named = false;
    int fd = ::open(QFile::encodeName(folder.path()).constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC,
                    mode);
    if (fd < 0) {
        named = true;
        fd = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
    }
    if (fd < 0) {
        if (error)
            *error = reasonOf(errno);
        return false;
    }
    bool done = writeAll(fd, bytes) && (!replacing || ::fchmod(fd, mode) == 0) && syncToDisk(fd);
    int systemError = done ? 0 : errno;
    if (done && !named) {
        const QByteArray self = "/proc/self/fd/" + QByteArray::number(fd);
        named = ::linkat(AT_FDCWD, self.constData(), AT_FDCWD, temporary.constData(),
                         AT_SYMLINK_FOLLOW) == 0;
        done = named;
        systemError = done ? 0 : errno;
    }
    if (::close(fd) != 0 && done) {
        done = false;
        systemError = errno;
    }
    if (done && ::rename(temporary.constData(), QFile::encodeName(target).constData()) != 0) {
        done = false;
        systemError = errno;
    }
    if (!done) {
        if (named)
            ::unlink(temporary.constData());
        if (error)
            *error = reasonOf(systemError);
        return false;
    }
    // The rename itself reaches the disk with the folder.
    const int folderFd =
        ::open(QFile::encodeName(folder.path()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folderFd >= 0) {
        ::fsync(folderFd);
        ::close(folderFd);
    }
    return true;
}

} // namespace tzolkara

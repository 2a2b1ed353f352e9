#include "SingleInstance.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QSysInfo>

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tzolkara {

namespace {

enum class Attempt { Acquired, HeldByOther, Unusable, Replaced };

bool sameFile(const struct stat &a, const struct stat &b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

Attempt lockAt(const QByteArray &path, int *lockedFd)
{
    // Never follow a link and never wait on a pipe put in the file's place.
    const int fd =
        ::open(path.constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
    if (fd < 0)
        return Attempt::Unusable;
    struct stat opened = {};
    if (::fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode) || opened.st_uid != ::geteuid()) {
        ::close(fd);
        return Attempt::Unusable;
    }
    struct flock whole = {}; // l_start = l_len = 0: the whole file
    whole.l_type = F_WRLCK;
    whole.l_whence = SEEK_SET;
    if (::fcntl(fd, F_SETLK, &whole) != 0) {
        const int error = errno;
        ::close(fd);
        return error == EAGAIN || error == EACCES ? Attempt::HeldByOther : Attempt::Unusable;
    }
    // An instance that ends removes its file; one starting at that moment
    // may have locked the removed file. Only the file the path names counts.
    struct stat named = {};
    if (::lstat(path.constData(), &named) != 0 || !sameFile(named, opened)) {
        ::close(fd);
        return Attempt::Replaced;
    }
    *lockedFd = fd;
    return Attempt::Acquired;
}

// Who holds the lock, for people and for older versions of the program,
// which judged a lock by these lines: pid, program, host.
void describeHolder(int fd)
{
    const QByteArray text =
        QByteArray::number(QCoreApplication::applicationPid()) + '\n' +
        QFile::encodeName(QFileInfo(QCoreApplication::applicationFilePath()).fileName()) + '\n' +
        QSysInfo::machineHostName().toUtf8() + '\n';
    // A full folder leaves the file short or empty; the lock holds all the same.
    [[maybe_unused]] const bool described =
        ::ftruncate(fd, 0) == 0 && ::pwrite(fd, text.constData(), text.size(), 0) == text.size();
}

} // namespace

SingleInstance::SingleInstance() : m_path(QFile::encodeName(lockFilePath())) {}

SingleInstance::~SingleInstance()
{
    if (m_fd < 0)
        return;
    // Removed while still locked, and only if it is still ours.
    struct stat opened = {};
    struct stat named = {};
    if (::fstat(m_fd, &opened) == 0 && ::lstat(m_path.constData(), &named) == 0 &&
        sameFile(opened, named))
        ::unlink(m_path.constData());
    ::close(m_fd);
}

QString SingleInstance::lockFilePath()
{
    // The runtime folder is private to the user (Qt creates one when the
    // desktop provides none); a shared temporary folder needs the user's
    // number in the name.
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (!folder.isEmpty())
        return folder + QStringLiteral("/tzolkara.lock");
    return QDir::tempPath() + QStringLiteral("/tzolkara-%1.lock").arg(::geteuid());
}

bool SingleInstance::tryAcquire()
{
    if (m_fd >= 0)
        return true;
    for (int attempt = 0; attempt < 8; ++attempt) {
        switch (lockAt(m_path, &m_fd)) {
        case Attempt::Acquired:
            describeHolder(m_fd);
            return true;
        case Attempt::HeldByOther:
            return false;
        case Attempt::Unusable:
            return true;
        case Attempt::Replaced:
            break;
        }
    }
    // The file keeps changing under us: not worth refusing a start for.
    return true;
}

} // namespace tzolkara

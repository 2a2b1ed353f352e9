// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/SingleInstance.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <QSysInfo>
#include <QTimer>

#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <cstring>

#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace tzolkara {

namespace {

// How long a refused start waits for the running instance to answer.
constexpr int kAnswerPatienceMs = 1000;
// Requests are taken a batch at a time, with a pause after a full one, and
// the window comes to the front at most twice a second: a program that
// connects without end costs the running instance next to nothing.
constexpr int kRequestsPerWake = 32;
constexpr int kPauseAfterFullBatchMs = 50;
constexpr int kActivationIntervalMs = 500;

constexpr char kLockName[] = "/tzolkara.lock";
constexpr char kSocketName[] = "/tzolkara.socket";

enum class Attempt { Acquired, HeldByOther, Unusable, Replaced };

bool sameFile(const struct stat &a, const struct stat &b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// A folder of this user's that nobody else may enter.
bool isPrivate(const struct stat &info)
{
    return S_ISDIR(info.st_mode) && info.st_uid == ::geteuid() && (info.st_mode & 077) == 0;
}

QByteArray runtimeFolder()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    struct stat info = {};
    if (folder.isEmpty() || ::stat(QFile::encodeName(folder).constData(), &info) != 0 ||
        !isPrivate(info))
        return {};
    return QFile::encodeName(folder);
}

// The cache folder's tzolkara/, made private when it is not (never through a
// link, and only when it is the user's own); empty when it cannot be.
QByteArray fallbackFolderMade()
{
    const QByteArray folder = QFile::encodeName(SingleInstance::fallbackFolder());
    QDir().mkpath(QFileInfo(SingleInstance::fallbackFolder()).path());
    ::mkdir(folder.constData(), 0700);
    struct stat info = {};
    if (::lstat(folder.constData(), &info) != 0 || !S_ISDIR(info.st_mode) ||
        info.st_uid != ::geteuid())
        return {};
    if ((info.st_mode & 077) != 0 &&
        (::chmod(folder.constData(), 0700) != 0 || ::lstat(folder.constData(), &info) != 0))
        return {};
    return isPrivate(info) ? folder : QByteArray();
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

Attempt lockIn(const QByteArray &folder, int *lockedFd)
{
    Attempt attempt = Attempt::Replaced;
    // The file may change under us; not worth refusing a start for.
    for (int i = 0; i < 8 && attempt == Attempt::Replaced; ++i)
        attempt = lockAt(folder + kLockName, lockedFd);
    return attempt == Attempt::Replaced ? Attempt::Unusable : attempt;
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

// False when the path is too long for a socket's address: in a home folder
// of a very long name, the lock then guards alone.
bool socketAddress(const QByteArray &folder, sockaddr_un *address, socklen_t *length)
{
    const QByteArray path = folder + kSocketName;
    *address = {};
    address->sun_family = AF_UNIX;
    if (std::size_t(path.size()) >= sizeof(address->sun_path))
        return false;
    std::memcpy(address->sun_path, path.constData(), std::size_t(path.size()));
    *length = socklen_t(offsetof(sockaddr_un, sun_path) + std::size_t(path.size()) + 1);
    return true;
}

int channelSocket()
{
    return ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
}

bool peerIsOurUser(int fd)
{
    ucred peer = {};
    socklen_t size = sizeof peer;
    return ::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 && peer.uid == ::geteuid();
}

enum class Wait { ForStart, No };

// Asks the instance listening in `folder` to come to the front and waits,
// boundedly, until it has done so. True when one answered. An instance that
// holds the lock may not listen yet (it is starting) or may be busy (its
// queue is full): with Wait::ForStart it is asked again.
bool askToFront(const QByteArray &folder, Wait wait)
{
    sockaddr_un address;
    socklen_t length = 0;
    if (folder.isEmpty() || !socketAddress(folder, &address, &length))
        return false;
    const QDeadlineTimer deadline(kAnswerPatienceMs);
    for (;;) {
        const int fd = channelSocket();
        if (fd < 0)
            return false;
        if (::connect(fd, reinterpret_cast<const sockaddr *>(&address), length) == 0) {
            const bool ours = peerIsOurUser(fd);
            if (ours) {
                // Its answer, or its end: either way it has seen the request.
                pollfd answer = {fd, POLLIN, 0};
                ::poll(&answer, 1, int(std::max<qint64>(deadline.remainingTime(), 0)));
            }
            ::close(fd);
            return ours;
        }
        const int error = errno;
        ::close(fd);
        const bool notYet = error == ECONNREFUSED || error == EAGAIN || error == ENOENT;
        if (wait == Wait::No || !notYet || deadline.hasExpired())
            return false;
        ::usleep(20 * 1000);
    }
}

} // namespace

SingleInstance::SingleInstance() = default;

SingleInstance::~SingleInstance()
{
    if (m_listener >= 0) {
        ::close(m_listener);
        // Ours while the lock is held: nobody else binds there meanwhile.
        if (m_fd >= 0)
            ::unlink((m_folder + kSocketName).constData());
    }
    if (m_fd < 0)
        return;
    // Removed while still locked, and only if it is still ours.
    const QByteArray lock = m_folder + kLockName;
    struct stat opened = {};
    struct stat named = {};
    if (::fstat(m_fd, &opened) == 0 && ::lstat(lock.constData(), &named) == 0 &&
        sameFile(opened, named))
        ::unlink(lock.constData());
    ::close(m_fd);
}

QString SingleInstance::lockFilePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation) +
           QLatin1String(kLockName);
}

QString SingleInstance::fallbackFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) +
           QStringLiteral("/tzolkara");
}

bool SingleInstance::tryAcquire()
{
    if (m_fd >= 0 || m_listener >= 0)
        return true;
    const QByteArray runtime = runtimeFolder();
    const Attempt inRuntime = runtime.isEmpty() ? Attempt::Unusable : lockIn(runtime, &m_fd);
    if (inRuntime == Attempt::HeldByOther) {
        askToFront(runtime, Wait::ForStart);
        return false;
    }
    QByteArray fallback;
    if (inRuntime == Attempt::Acquired) {
        m_folder = runtime;
        fallback = QFile::encodeName(fallbackFolder());
    } else {
        fallback = fallbackFolderMade();
        const Attempt inFallback = fallback.isEmpty() ? Attempt::Unusable : lockIn(fallback, &m_fd);
        if (inFallback == Attempt::HeldByOther) {
            askToFront(fallback, Wait::ForStart);
            return false;
        }
        if (inFallback == Attempt::Acquired)
            m_folder = fallback;
    }
    // An instance guarding in the other folder (its lock file was taken from
    // under it, or the runtime folder could not be used when it started)
    // still refuses us.
    for (const QByteArray &other : {runtime, fallback}) {
        if (other != m_folder && askToFront(other, Wait::No)) {
            if (m_fd >= 0)
                ::close(m_fd);
            m_fd = -1;
            return false;
        }
    }
    if (m_fd >= 0) {
        describeHolder(m_fd);
        listen();
    }
    return true;
}

// Without a socket the lock still guards; only bringing this instance to the
// front is lost.
void SingleInstance::listen()
{
    sockaddr_un address;
    socklen_t length = 0;
    if (!socketAddress(m_folder, &address, &length))
        return;
    const int fd = channelSocket();
    if (fd < 0)
        return;
    // Left by a run that crashed: the lock we hold says nobody listens there.
    ::unlink(address.sun_path);
    if (::bind(fd, reinterpret_cast<const sockaddr *>(&address), length) != 0 ||
        ::listen(fd, SOMAXCONN) != 0) {
        ::close(fd);
        return;
    }
    m_listener = fd;
    // Answered from the event loop, never waiting on a peer.
    m_notifier = new QSocketNotifier(fd, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &SingleInstance::answerRequests);
}

void SingleInstance::answerRequests()
{
    QList<int> askers;
    int taken = 0;
    for (; taken < kRequestsPerWake; ++taken) {
        const int peer = ::accept4(m_listener, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
        if (peer >= 0) {
            if (peerIsOurUser(peer))
                askers.append(peer);
            else
                ::close(peer);
            continue;
        }
        if (errno == EINTR || errno == ECONNABORTED)
            continue;
        // Out of descriptors, say: a request that cannot be taken would wake
        // the event loop for ever. Tried again after the pause.
        if (errno != EAGAIN && errno != EWOULDBLOCK)
            taken = kRequestsPerWake;
        break;
    }
    if (taken >= kRequestsPerWake) {
        m_notifier->setEnabled(false);
        QTimer::singleShot(kPauseAfterFullBatchMs, m_notifier,
                           [notifier = m_notifier] { notifier->setEnabled(true); });
    }
    if (askers.isEmpty())
        return;
    // In front first, then the answer: the refused start shows its message
    // after this, on top.
    if (!m_sinceActivation.isValid() || m_sinceActivation.elapsed() >= kActivationIntervalMs) {
        m_sinceActivation.start();
        emit activationRequested();
    }
    for (const int peer : std::as_const(askers)) {
        ::send(peer, "!", 1, MSG_NOSIGNAL | MSG_DONTWAIT);
        ::close(peer);
    }
}

} // namespace tzolkara

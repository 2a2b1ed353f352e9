// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SingleInstance.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <QSysInfo>

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

// The runtime folder is part of the name, as it is of the lock file's path:
// a session given a folder of its own is a world of its own.
QByteArray channelNameFor(const QByteArray &lockPath)
{
    const QByteArray folder = lockPath.left(lockPath.lastIndexOf('/'));
    return "tzolkara-" + QByteArray::number(::geteuid()) + '-' +
           QCryptographicHash::hash(folder, QCryptographicHash::Sha1).toHex().left(16);
}

sockaddr_un channelAddress(const QByteArray &name, socklen_t *length)
{
    sockaddr_un address = {};
    address.sun_family = AF_UNIX;
    // sun_path[0] stays NUL: a name in the abstract namespace, not a file.
    const std::size_t size = std::min(std::size_t(name.size()), sizeof(address.sun_path) - 1);
    std::memcpy(address.sun_path + 1, name.constData(), size);
    *length = socklen_t(offsetof(sockaddr_un, sun_path) + 1 + size);
    return address;
}

int channelSocket()
{
    return ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
}

// Any user can take any abstract name: only a socket of our own user speaks
// for an instance of ours.
bool peerIsOurUser(int fd)
{
    ucred peer = {};
    socklen_t size = sizeof peer;
    return ::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 &&
           peer.uid == ::geteuid();
}

enum class Peer { OurInstance, Stranger, Nobody };

// Asks the instance on the channel to come to the front and waits, boundedly,
// until it has done so. An instance that holds the file lock may not listen
// yet (it is starting) or may be busy (its queue is full): asked again.
Peer askToFront(const QByteArray &channel)
{
    const QDeadlineTimer deadline(kAnswerPatienceMs);
    for (;;) {
        const int fd = channelSocket();
        if (fd < 0)
            return Peer::Nobody;
        socklen_t length = 0;
        const sockaddr_un address = channelAddress(channel, &length);
        if (::connect(fd, reinterpret_cast<const sockaddr *>(&address), length) == 0) {
            if (!peerIsOurUser(fd)) {
                ::close(fd);
                return Peer::Stranger;
            }
            // Its answer, or its end: either way it has seen the request.
            pollfd answer = {fd, POLLIN, 0};
            ::poll(&answer, 1, int(std::max<qint64>(deadline.remainingTime(), 0)));
            ::close(fd);
            return Peer::OurInstance;
        }
        const int error = errno;
        ::close(fd);
        if ((error != ECONNREFUSED && error != EAGAIN) || deadline.hasExpired())
            return Peer::Nobody;
        ::usleep(20 * 1000);
    }
}

} // namespace

SingleInstance::SingleInstance()
    : m_path(QFile::encodeName(lockFilePath())), m_channel(channelNameFor(m_path))
{
}

SingleInstance::~SingleInstance()
{
    if (m_listener >= 0)
        ::close(m_listener);
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
    if (m_fd >= 0 || m_listener >= 0)
        return true;
    Attempt file = Attempt::Replaced;
    // The file may change under us; not worth refusing a start for.
    for (int attempt = 0; attempt < 8 && file == Attempt::Replaced; ++attempt)
        file = lockAt(m_path, &m_fd);
    if (file == Attempt::HeldByOther) {
        askToFront(m_channel);
        return false;
    }
    if (!listen() && askToFront(m_channel) == Peer::OurInstance) {
        // An instance that could not use the file runs already.
        ::close(m_fd);
        m_fd = -1;
        return false;
    }
    if (m_fd >= 0)
        describeHolder(m_fd);
    return true;
}

// False only when the channel's name is taken: by a running instance, or by
// a stranger, whom we neither trust nor obey. Without sockets at all the
// file lock alone guards.
bool SingleInstance::listen()
{
    const int fd = channelSocket();
    if (fd < 0)
        return true;
    socklen_t length = 0;
    const sockaddr_un address = channelAddress(m_channel, &length);
    if (::bind(fd, reinterpret_cast<const sockaddr *>(&address), length) != 0) {
        const int error = errno;
        ::close(fd);
        return error != EADDRINUSE;
    }
    if (::listen(fd, SOMAXCONN) != 0) {
        ::close(fd);
        return true;
    }
    m_listener = fd;
    // Answered from the event loop, never waiting on a peer.
    m_notifier = new QSocketNotifier(fd, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &SingleInstance::answerRequests);
    return true;
}

void SingleInstance::answerRequests()
{
    QList<int> askers;
    for (;;) {
        const int peer = ::accept4(m_listener, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
        if (peer >= 0) {
            if (peerIsOurUser(peer))
                askers.append(peer);
            else
                ::close(peer);
            continue;
        }
        // Out of descriptors: a request that cannot be taken would wake the
        // event loop for ever.
        if (errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR && errno != ECONNABORTED)
            m_notifier->setEnabled(false);
        if (errno != EINTR && errno != ECONNABORTED)
            break;
    }
    if (askers.isEmpty())
        return;
    // In front first, then the answer: the refused start shows its message
    // after this, on top.
    emit activationRequested();
    for (const int peer : std::as_const(askers)) {
        ::send(peer, "!", 1, MSG_NOSIGNAL | MSG_DONTWAIT);
        ::close(peer);
    }
}

} // namespace tzolkara

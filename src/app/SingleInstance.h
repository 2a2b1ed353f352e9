// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QString>

class QSocketNotifier;

namespace tzolkara {

// One running program per user, guarded in a folder only the user may enter:
// the runtime folder the desktop gives (0700), or, where that cannot be used
// (a read-only folder, a folder of another owner), tzolkara/ in the user's
// cache folder, made 0700. Nothing rests on a name another user could take.
//
// In that folder the running instance holds a lock on tzolkara.lock. The lock
// is the kernel's (a POSIX record lock), not the file's contents, so it ends
// with the process however that process ends: a file left by a crash, an
// empty or garbled file, a full folder never stand in the way. A lock file
// that cannot be used (a folder, pipe or link in its place, a file the user
// cannot open) sends the guard to the cache folder.
//
// Beside the lock the instance listens on tzolkara.socket: a refused start
// asks it there to come to the front. A start also asks in the other folder,
// so an instance whose lock file was taken from under it still refuses a
// second one.
class SingleInstance final : public QObject
{
    Q_OBJECT

public:
    SingleInstance();
    ~SingleInstance() override;
    Q_DISABLE_COPY_MOVE(SingleInstance)

    // False while another instance of this user runs; that instance has then
    // been asked to come to the front (waiting at most about a second for it).
    bool tryAcquire();

    // The lock in the runtime folder, and the folder used when that one
    // cannot be.
    static QString lockFilePath();
    static QString fallbackFolder();

signals:
    // Another start was refused: the user wants this instance in front.
    void activationRequested();

private:
    void listen();
    void answerRequests();

    QByteArray m_folder; // where the lock is held and the socket listens
    int m_fd = -1;
    int m_listener = -1;
    QSocketNotifier *m_notifier = nullptr;
    QElapsedTimer m_sinceActivation;
};

} // namespace tzolkara

// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

class QSocketNotifier;

namespace tzolkara {

// One running program per user. Two guards, either of which refuses a start:
//
// - a lock held on a file in the user's runtime folder. The lock is the
//   kernel's (a POSIX record lock), not the file's contents, so it ends with
//   the process that holds it, however that process ends: a file left by a
//   crashed run, an empty or garbled file, a full folder never stand in the
//   way. Only a running instance does.
// - a socket in Linux's abstract namespace, named after the user and the
//   runtime folder. It has no file that could be damaged and the kernel frees
//   it with the process, so it still guards when the lock file cannot be used
//   (a folder, pipe or link in its place, a file the user cannot open, a
//   read-only folder). It is also how a refused start asks the running
//   instance to come to the front.
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

    static QString lockFilePath();

signals:
    // Another start was refused: the user wants this instance in front.
    void activationRequested();

private:
    bool listen();
    void answerRequests();

    QByteArray m_path;
    QByteArray m_channel; // the socket's name, without the abstract namespace's NUL
    int m_fd = -1;
    int m_listener = -1;
    QSocketNotifier *m_notifier = nullptr;
};

} // namespace tzolkara

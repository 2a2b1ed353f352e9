#pragma once

#include <QByteArray>
#include <QString>

namespace tzolkara {

// One running program per user: a lock held on a file in the user's runtime
// folder. The lock is the kernel's (a POSIX record lock), not the file's
// contents, so it ends with the process that holds it, however that process
// ends: a file left by a crashed run, an empty or garbled file, a full folder
// never stand in the way. Only a running instance does.
class SingleInstance final
{
public:
    SingleInstance();
    ~SingleInstance();
    Q_DISABLE_COPY_MOVE(SingleInstance)

    // False only while another instance holds the lock. Where no lock can be
    // held at all (a folder or a pipe in the file's place, a file system
    // without locks) the program runs unguarded rather than not at all.
    bool tryAcquire();

    static QString lockFilePath();

private:
    QByteArray m_path;
    int m_fd = -1;
};

} // namespace tzolkara

#pragma once

#include <QLockFile>
#include <QString>

namespace tzolkara {

// One running program per user: a lock file in the user's runtime folder.
// A lock left by a crashed run names a process that no longer exists and is
// taken over.
class SingleInstance final
{
public:
    SingleInstance();
    Q_DISABLE_COPY_MOVE(SingleInstance)

    // True when this is the only running instance; the lock is held until
    // this object is destroyed.
    bool tryAcquire();

    static QString lockFilePath();

private:
    QLockFile m_lock;
};

} // namespace tzolkara

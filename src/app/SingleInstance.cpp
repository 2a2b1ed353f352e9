#include "SingleInstance.h"

#include <QDir>
#include <QStandardPaths>

namespace tzolkara {

SingleInstance::SingleInstance() : m_lock(lockFilePath())
{
    // Never judge a lock by its age: a program may run for weeks. A lock is
    // stale only when the process that holds it is gone.
    m_lock.setStaleLockTime(0);
}

QString SingleInstance::lockFilePath()
{
    // The runtime folder is private to the user (Qt creates one when the
    // desktop provides none).
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return folder + QStringLiteral("/tzolkara.lock");
}

bool SingleInstance::tryAcquire()
{
    if (m_lock.tryLock(0))
        return true;
    // tryLock already removes a lock whose process is gone; anything else
    // (a live holder, or a folder we cannot write) means another instance
    // or no way to tell. Only a live holder counts as "already running".
    if (m_lock.error() == QLockFile::LockFailedError)
        return false;
    return true;
}

} // namespace tzolkara

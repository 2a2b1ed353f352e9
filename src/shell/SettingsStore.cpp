#include "SettingsStore.h"

#include "common/ShiftCodec.h"
#include "common/Windows1252.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>
#include <QStandardPaths>

#include <cerrno>

#include <sys/stat.h>

namespace tzolkara {

namespace {

QString decoded(const QString &text)
{
    return fromWindows1252(ShiftDecode(toWindows1252(text)));
}

enum class FileState { Missing, Usable, Unusable };

// Looked at before QSettings opens anything: it would read a pipe until
// someone writes to it, and a file of any size whole.
FileState settingsFileState(const QString &path)
{
    struct stat info = {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return errno == ENOENT ? FileState::Missing : FileState::Unusable;
    if (!S_ISREG(info.st_mode) || info.st_size > SettingsStore::kMaxFileSize)
        return FileState::Unusable;
    return FileState::Usable;
}

// QSettings guards every write with "<file>.lock" and waits for ever on one
// it cannot take or remove, such as a folder or a pipe of that name. A lock
// file that names no process (empty or damaged, as a crash while taking it
// leaves) it waits out until it is 30 s old. A lock left by a process that
// has ended is taken at once. Anything else is not waited for: the write is
// left for a later start.
bool writeLockUsable(const QString &path)
{
    struct stat info = {};
    const QString lockPath = path + QStringLiteral(".lock");
    if (::lstat(QFile::encodeName(lockPath).constData(), &info) != 0)
        return errno == ENOENT;
    if (!S_ISREG(info.st_mode))
        return false;
    QLockFile probe(lockPath);
    if (!probe.tryLock(0))
        return false;
    probe.unlock();
    return true;
}

} // namespace

SettingsStore::SettingsStore() : SettingsStore(defaultApplicationName()) {}

SettingsStore::SettingsStore(const QString &application)
    // Where QSettings keeps an application's native settings on this desktop.
    : m_fileName(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                 QLatin1Char('/') + application + QLatin1Char('/') + application +
                 QStringLiteral(".conf"))
{
}

QString SettingsStore::defaultApplicationName()
{
    const QString path = QCoreApplication::applicationFilePath();
    const QString base = QFileInfo(path).completeBaseName();
    return base.isEmpty() ? QStringLiteral("tzolkara") : base;
}

QString SettingsStore::encoded(const QString &text)
{
    return fromWindows1252(ShiftEncode(toWindows1252(text)));
}

std::optional<QString> SettingsStore::read(const QString &section, const QString &key) const
{
    if (settingsFileState(m_fileName) != FileState::Usable)
        return QString();
    const QSettings settings(m_fileName, QSettings::IniFormat);
    const QString name = section + QLatin1Char('/') + encoded(key);
    if (!settings.contains(name))
        return QString();
    const QVariant stored = settings.value(name);
    if (stored.typeId() != QMetaType::QString)
        return std::nullopt;
    return decoded(stored.toString());
}

bool SettingsStore::write(const QString &section, const QString &key, const QString &value)
{
    if (settingsFileState(m_fileName) == FileState::Unusable || !writeLockUsable(m_fileName))
        return false;
    QSettings settings(m_fileName, QSettings::IniFormat);
    settings.setValue(section + QLatin1Char('/') + encoded(key), encoded(value));
    settings.sync();
    return settings.status() == QSettings::NoError;
}

} // namespace tzolkara

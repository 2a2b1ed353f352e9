// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SettingsStore.h"

#include "common/ShiftCodec.h"
#include "common/Windows1252.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryFile>

#include <cerrno>
#include <cstdio>

#include <sys/stat.h>

namespace tzolkara {

namespace {

QString decoded(const QString &text)
{
    return fromWindows1252(ShiftDecode(toWindows1252(text)));
}

enum class FileState { Missing, Regular, TooLarge, NotAFile };

// Looked at before QSettings opens anything: it would read a pipe until
// someone writes to it, and a file of any size whole.
FileState settingsFileState(const QString &path)
{
    struct stat info = {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return errno == ENOENT ? FileState::Missing : FileState::NotAFile;
    if (!S_ISREG(info.st_mode))
        return FileState::NotAFile;
    return info.st_size > SettingsStore::kMaxFileSize ? FileState::TooLarge : FileState::Regular;
}

// A file QSettings read without fault and that holds entries of `section`
// alone, as the program writes them. Anything else (random bytes read as a
// thousand odd keys, say) QSettings would write back whole, and larger.
bool holdsOnlySection(QSettings &settings, const QString &section)
{
    if (settings.status() != QSettings::NoError || !settings.childKeys().isEmpty())
        return false;
    const QStringList groups = settings.childGroups();
    if (groups.isEmpty())
        return true;
    if (groups != QStringList{section})
        return false;
    settings.beginGroup(section);
    const bool flat = settings.childGroups().isEmpty();
    settings.endGroup();
    return flat;
}

// Puts a file holding only this one entry in the place of `path`, whole or
// not at all: written beside it, then renamed over it. A link to a file is
// followed, as QSettings follows it.
bool replaceWithEntry(const QString &path, const QString &name, const QString &value)
{
    const QFileInfo info(path);
    const QString target = info.exists() ? info.canonicalFilePath() : info.absoluteFilePath();
    const QString folder = QFileInfo(target).path();
    if (!QDir().mkpath(folder))
        return false;
    QTemporaryFile fresh(folder + QStringLiteral("/.XXXXXX.new"));
    if (!fresh.open())
        return false;
    fresh.close();
    {
        QSettings settings(fresh.fileName(), QSettings::IniFormat);
        settings.setValue(name, value);
        settings.sync();
        if (settings.status() != QSettings::NoError)
            return false;
    }
    return ::rename(QFile::encodeName(fresh.fileName()).constData(),
                    QFile::encodeName(target).constData()) == 0;
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
    if (settingsFileState(m_fileName) != FileState::Regular)
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
    const FileState state = settingsFileState(m_fileName);
    if (state == FileState::NotAFile || !writeLockUsable(m_fileName))
        return false;
    const QString name = section + QLatin1Char('/') + encoded(key);
    if (state == FileState::Regular) {
        QSettings settings(m_fileName, QSettings::IniFormat);
        if (holdsOnlySection(settings, section)) {
            settings.setValue(name, encoded(value));
            settings.sync();
            return settings.status() == QSettings::NoError;
        }
    }
    // Missing, too large, unreadable or not the program's: a good file in
    // its place. The entries of a file the program cannot read are lost
    // to it already.
    QLockFile guard(m_fileName + QStringLiteral(".lock"));
    return guard.tryLock(0) && replaceWithEntry(m_fileName, name, encoded(value));
}

} // namespace tzolkara

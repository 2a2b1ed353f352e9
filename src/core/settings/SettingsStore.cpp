// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/settings/SettingsStore.h"

#include "core/common/ShiftCodec.h"
#include "core/common/Windows1252.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QMap>
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

// The entries of `section` a file holds, when they are all texts, as the
// program writes them; nothing for anything else.
std::optional<QMap<QString, QString>> ownEntries(const QString &path, const QString &section)
{
    QSettings settings(path, QSettings::IniFormat);
    if (!holdsOnlySection(settings, section))
        return std::nullopt;
    QMap<QString, QString> entries;
    settings.beginGroup(section);
    for (const QString &key : settings.childKeys()) {
        const QVariant value = settings.value(key);
        if (value.typeId() != QMetaType::QString)
            return std::nullopt;
        entries.insert(key, value.toString());
    }
    return entries;
}

bool writeEntries(const QString &path, const QString &section,
                  const QMap<QString, QString> &entries)
{
    QSettings settings(path, QSettings::IniFormat);
    settings.clear();
    settings.beginGroup(section);
    for (auto entry = entries.cbegin(); entry != entries.cend(); ++entry)
        settings.setValue(entry.key(), entry.value());
    settings.endGroup();
    settings.sync();
    return settings.status() == QSettings::NoError;
}

// Puts `entries` in the place of `target`, whole or not at all: written
// beside it, then renamed over it. Never larger than the store's limit: when
// they would not fit, only the entry being written stays.
bool replaceWith(const QString &target, const QString &section, QMap<QString, QString> entries,
                 const QString &name)
{
    const QString folder = QFileInfo(target).path();
    QTemporaryFile fresh(folder + QStringLiteral("/.tzolkara-XXXXXX.tmp"));
    if (!fresh.open())
        return false;
    fresh.close();
    if (!writeEntries(fresh.fileName(), section, entries))
        return false;
    if (QFileInfo(fresh.fileName()).size() > SettingsStore::kMaxFileSize) {
        const QString value = entries.value(name);
        if (!writeEntries(fresh.fileName(), section, {{name, value}}))
            return false;
    }
    if (::rename(QFile::encodeName(fresh.fileName()).constData(),
                 QFile::encodeName(target).constData()) != 0)
        return false;
    fresh.setAutoRemove(false);
    return true;
}

bool isLink(const QString &path)
{
    struct stat info = {};
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0 && S_ISLNK(info.st_mode);
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
    // On a new account neither this folder nor ~/.config exists yet, and the
    // write lock lives in it.
    if (!QDir().mkpath(QFileInfo(m_fileName).path()))
        return false;
    const FileState state = settingsFileState(m_fileName);
    if (state == FileState::NotAFile || !writeLockUsable(m_fileName))
        return false;
    QLockFile guard(m_fileName + QStringLiteral(".lock"));
    if (!guard.tryLock(0))
        return false;

    // Missing, too large, unreadable or not the program's, the file is
    // replaced by a good one: the entries of a file the program cannot read
    // are lost to it already.
    std::optional<QMap<QString, QString>> entries;
    if (state == FileState::Regular)
        entries = ownEntries(m_fileName, section);
    QString target = m_fileName;
    if (isLink(m_fileName)) {
        // Followed only to a file of the program's own settings: a link to
        // anything else (someone's notes, a file yet to be) is never changed.
        if (!entries || entries->isEmpty())
            return false;
        target = QFileInfo(m_fileName).canonicalFilePath();
    }
    const QString name = encoded(key);
    QMap<QString, QString> written = entries.value_or(QMap<QString, QString>());
    written.insert(name, encoded(value));
    return replaceWith(target, section, written, name);
}

} // namespace tzolkara

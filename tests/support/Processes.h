// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QTemporaryDir>

// A private home for the programs a test starts: their settings go to
// config/, their instance lock to runtime/ (or cache/ when that cannot be
// used), never to the test's own home.
class IsolatedHome final
{
public:
    bool isValid() const { return m_dir.isValid(); }
    QString path() const { return m_dir.path(); }
    QString filePath(const QString &name) const { return m_dir.filePath(name); }
    QString configPath() const { return filePath(QStringLiteral("config")); }
    QString runtimePath() const { return filePath(QStringLiteral("runtime")); }
    QString lockPath() const { return filePath(QStringLiteral("runtime/tzolkara.lock")); }

    // No settings, and an empty runtime folder only its owner may enter, as
    // the desktop gives one. False when a folder cannot be made.
    bool reset() const;

    // This environment with HOME and the XDG folders pointed here, on the
    // Qt platform `platform`.
    QProcessEnvironment environment(const QString &platform = QStringLiteral("offscreen")) const;

private:
    QTemporaryDir m_dir;
};

// The process holding the lock on `path`, or 0 when none does. Asking does
// not take the lock, so it never disturbs a program that is starting.
qint64 lockHolder(const QString &path);

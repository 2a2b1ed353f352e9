// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Linked into every test program: before main() makes the application
// object, the process gets a home of its own, with empty XDG folders and a
// private runtime folder, removed again at its end. Tests running side by
// side, in any order, from any account (a new one has no ~/.config yet)
// never meet in a settings file, a lock or a socket. The programs a test
// starts inherit the same home.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace {

class PrivateHome final
{
public:
    PrivateHome()
    {
        if (!m_dir.isValid()) {
            std::fprintf(stderr, "no private home for the test: %s\n",
                         qPrintable(m_dir.errorString()));
            std::exit(1);
        }
        set("HOME", QString());
        set("XDG_CONFIG_HOME", QStringLiteral("config"));
        set("XDG_DATA_HOME", QStringLiteral("data"));
        set("XDG_CACHE_HOME", QStringLiteral("cache"));
        set("XDG_STATE_HOME", QStringLiteral("state"));
        set("XDG_RUNTIME_DIR", QStringLiteral("runtime"));
        // Only its owner may enter a runtime folder, as the desktop gives one.
        QDir().mkpath(m_dir.filePath(QStringLiteral("runtime")));
        QFile::setPermissions(m_dir.filePath(QStringLiteral("runtime")),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

private:
    // Folders other than the runtime one are left for the code under test
    // to make, as on a new account.
    void set(const char *variable, const QString &folder)
    {
        const QString path = folder.isEmpty() ? m_dir.path() : m_dir.filePath(folder);
        qputenv(variable, QFile::encodeName(path));
    }

    QTemporaryDir m_dir{QDir::tempPath() + QStringLiteral("/tzolkara-test-XXXXXX")};
};

const PrivateHome kPrivateHome;

} // namespace

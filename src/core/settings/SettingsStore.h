// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <optional>

namespace tzolkara {

// The per-user store of the program's text settings: an INI file in the
// user's settings folder (~/.config/<application>/<application>.conf). Keys
// and values are kept shift-encoded (Windows-1252 bytes raised by 47), so the
// store never shows them in plain text.
//
// A file that is not a regular file (a pipe would block start-up) reads as
// absent and is never written over. Every write puts a whole new file in
// place, never larger than kMaxFileSize: a regular file the program cannot
// read, too large or holding what it never writes is replaced by one holding
// the entry written. A link is followed to read, and to write only when it
// leads to a file of the program's own settings; a link to anything else is
// never written through.
class SettingsStore final
{
public:
    // The application name is the executable's base name ("tzolkara").
    SettingsStore();
    explicit SettingsStore(const QString &application);

    static QString defaultApplicationName();
    static constexpr qint64 kMaxFileSize = 64 * 1024;

    // Decoded value of `key` in `section`; empty when absent. No value at all
    // when the entry holds something other than one text, which the program
    // never writes: a hand edit with a comma, say, reads as a list.
    std::optional<QString> read(const QString &section, const QString &key) const;
    // Creates or replaces the entry; false when the store could not be written.
    bool write(const QString &section, const QString &key, const QString &value);

    QString fileName() const { return m_fileName; }
    static QString encoded(const QString &text);

private:
    QString m_fileName;
};

} // namespace tzolkara

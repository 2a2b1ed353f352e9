#pragma once

#include <QString>

namespace tzolkara {

// The per-user store of the program's text settings, in the platform's native
// settings store. Keys and values are kept shift-encoded (Windows-1252 bytes
// raised by 47), so the store never shows them in plain text.
class SettingsStore final
{
public:
    // The application name is the executable's base name ("tzolkara").
    SettingsStore();
    explicit SettingsStore(QString application);

    static QString defaultApplicationName();

    // Decoded value of `key` in `section`; empty when absent.
    QString read(const QString &section, const QString &key) const;
    // Creates or replaces the entry; false when the store could not be written.
    bool write(const QString &section, const QString &key, const QString &value);

    QString fileName() const;
    static QString encoded(const QString &text);

private:
    QString m_application;
};

} // namespace tzolkara

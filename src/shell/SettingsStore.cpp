#include "SettingsStore.h"

#include "common/ShiftCodec.h"
#include "common/Windows1252.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSettings>

namespace tzolkara {

namespace {

QString decoded(const QString &text)
{
    return fromWindows1252(ShiftDecode(toWindows1252(text)));
}

} // namespace

SettingsStore::SettingsStore() : SettingsStore(defaultApplicationName()) {}

SettingsStore::SettingsStore(QString application) : m_application(std::move(application)) {}

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

QString SettingsStore::read(const QString &section, const QString &key) const
{
    const QSettings settings(QSettings::NativeFormat, QSettings::UserScope, m_application,
                             m_application);
    const QString stored = settings.value(section + QLatin1Char('/') + encoded(key)).toString();
    return decoded(stored);
}

bool SettingsStore::write(const QString &section, const QString &key, const QString &value)
{
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, m_application, m_application);
    settings.setValue(section + QLatin1Char('/') + encoded(key), encoded(value));
    settings.sync();
    return settings.status() == QSettings::NoError;
}

QString SettingsStore::fileName() const
{
    const QSettings settings(QSettings::NativeFormat, QSettings::UserScope, m_application,
                             m_application);
    return settings.fileName();
}

} // namespace tzolkara

// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/settings/DayNamesChoice.h"

#include "core/settings/SettingsStore.h"
#include "core/settings/UpdateReminder.h"

namespace tzolkara {

DayNamesChoice::DayNamesChoice(SettingsStore &store, QObject *parent)
    : QObject(parent), m_store(store)
{
}

QString DayNamesChoice::storedText(MayaCalendar::DayNames names)
{
    return names == MayaCalendar::DayNames::Kiche ? QStringLiteral("kiche")
                                                  : QStringLiteral("yucatec");
}

MayaCalendar::DayNames DayNamesChoice::names() const
{
    if (!m_names) {
        const std::optional<QString> stored = m_store.read(kSettingsSection, kDayNamesKey);
        m_names = stored == storedText(MayaCalendar::DayNames::Kiche)
                      ? MayaCalendar::DayNames::Kiche
                      : MayaCalendar::DayNames::Yucatec;
    }
    return *m_names;
}

bool DayNamesChoice::setNames(MayaCalendar::DayNames names)
{
    if (names == this->names())
        return true;
    m_names = names;
    emit changed(names);
    return m_store.write(kSettingsSection, kDayNamesKey, storedText(names));
}

} // namespace tzolkara

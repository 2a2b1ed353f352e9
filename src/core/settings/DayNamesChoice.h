// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "tables/engine/MayaCalendar.h"

#include <QObject>

#include <optional>

namespace tzolkara {

class SettingsStore;

// The names the day signs are shown in, Yucatec or K'iche', as the user
// chose them in the calendar: one choice for every screen that names a
// Tzolk'in day, kept in the settings file beside the update reminder's date.
// A screen reads it when it shows a day and follows `changed`.
class DayNamesChoice final : public QObject
{
    Q_OBJECT

public:
    explicit DayNamesChoice(SettingsStore &store, QObject *parent = nullptr);

    // Read from the settings file when first asked; Yucatec when nothing
    // (or anything the program never writes) is stored there.
    MayaCalendar::DayNames names() const;
    // Takes effect at once, and is written only when it changes. False when the settings file could
    // not keep it: the choice then holds until the program ends, and the file stays as it was.
    bool setNames(MayaCalendar::DayNames names);

    // The words stored, the same as tzolkara-kin's --names takes.
    static QString storedText(MayaCalendar::DayNames names);

signals:
    void changed(MayaCalendar::DayNames names);

private:
    SettingsStore &m_store;
    mutable std::optional<MayaCalendar::DayNames> m_names;
};

inline const QString kDayNamesKey = QStringLiteral("DayNames");

} // namespace tzolkara

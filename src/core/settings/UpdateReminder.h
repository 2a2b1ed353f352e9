// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDate>
#include <QString>

namespace tzolkara {

// What the start-up reminder does, decided from the stored date of the last
// question and today.
enum class ReminderAction {
    RecordFirstRun, // nothing stored yet: store today, ask nothing
    Ask,            // the stored date lies more than 14 days away, either way
    Nothing,        // within 14 days, or the stored text is not a date
};

ReminderAction decideUpdateReminder(const QString &storedDate, const QDate &today);

// Dates are stored as ISO 8601 (yyyy-MM-dd), which reads back whatever the
// user's locale.
QString reminderDateText(const QDate &date);

inline const QString kSettingsSection = QStringLiteral("Settings");
inline const QString kLastReminderDateKey = QStringLiteral("Duration");

} // namespace tzolkara

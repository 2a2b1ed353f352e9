// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/settings/UpdateReminder.h"

namespace tzolkara {

namespace {

// The date of exactly "yyyy-MM-dd" (ASCII digits), or an invalid date. Read
// by hand: a regular expression would load its library at every start.
QDate parseIsoDate(QStringView text)
{
    if (text.size() != 10 || text[4] != u'-' || text[7] != u'-')
        return {};
    int fields[3] = {};
    const int starts[3] = {0, 5, 8};
    const int lengths[3] = {4, 2, 2};
    for (int f = 0; f < 3; ++f) {
        for (int i = starts[f]; i < starts[f] + lengths[f]; ++i) {
            const char16_t c = text[i].unicode();
            if (c < u'0' || c > u'9')
                return {};
            fields[f] = fields[f] * 10 + (c - u'0');
        }
    }
    return QDate(fields[0], fields[1], fields[2]); // invalid for 2023-02-30
}

} // namespace

ReminderAction decideUpdateReminder(const QString &storedDate, const QDate &today)
{
    if (storedDate.isEmpty())
        return ReminderAction::RecordFirstRun;
    const QDate stored = parseIsoDate(storedDate);
    if (!stored.isValid())
        return ReminderAction::Nothing;
    const qint64 difference = today.daysTo(stored);
    return difference < -14 || difference > 14 ? ReminderAction::Ask : ReminderAction::Nothing;
}

QString reminderDateText(const QDate &date)
{
    return date.toString(Qt::ISODate);
}

} // namespace tzolkara

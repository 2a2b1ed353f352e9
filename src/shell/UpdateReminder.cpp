#include "UpdateReminder.h"

#include <QRegularExpression>

namespace tzolkara {

ReminderAction decideUpdateReminder(const QString &storedDate, const QDate &today)
{
    if (storedDate.isEmpty())
        return ReminderAction::RecordFirstRun;
    static const QRegularExpression isoDate(QStringLiteral("^\\d{4}-\\d{2}-\\d{2}$"));
    if (!isoDate.match(storedDate).hasMatch())
        return ReminderAction::Nothing;
    const QDate stored = QDate::fromString(storedDate, Qt::ISODate);
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

// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/daybook/CalendarExport.h"

#include "core/common/SafeSave.h"
#include "core/daybook/DayBook.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QHash>

#include <algorithm>

namespace tzolkara::CalendarExport {

namespace {

// Events of the same day come in this order.
enum class Order { MayaDay, Marked, Birthday, Note };

struct Entry
{
    Order order;
    IcsCalendar::Event event;
};

QString uid(const QString &kind, long day, const QString &detail = QString())
{
    QString text = kind + QLatin1Char('-') + QString::fromLatin1(IcsCalendar::dateValue(day));
    if (!detail.isEmpty())
        text += QLatin1Char('-') + detail;
    return text + QStringLiteral("@daybook.tzolkara");
}

// A caller's kind as a part of a UID: lower-case letters, digits and dashes.
QString kindPart(const QString &kind)
{
    QString part;
    for (const QChar c : kind.toLower()) {
        if ((c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9'))
            part += c;
        else if (!part.endsWith(u'-'))
            part += u'-';
    }
    return part.isEmpty() ? QStringLiteral("day") : part;
}

QString fromStd(const std::string &text)
{
    return QString::fromStdString(text);
}

} // namespace

std::optional<QList<IcsCalendar::Event>> events(DayBook *book, const Options &options,
                                                QString *error)
{
    const long first = options.firstDay;
    const long last = options.lastDay;
    if (!MayaCalendar::isInRange(first) || !MayaCalendar::isInRange(last) || first > last) {
        *error =
            QCoreApplication::translate("DayBook", "The days to export lie outside the calendar.");
        return std::nullopt;
    }
    if (last - first + 1 > kMaxDays) {
        *error = QCoreApplication::translate("DayBook", "At most ten years are exported at once.");
        return std::nullopt;
    }

    QList<Entry> entries;
    if (options.withMayaDays) {
        for (long day = first; day <= last; ++day) {
            const MayaCalendar::Day maya = MayaCalendar::dayOf(day, options.correlation);
            entries.append({Order::MayaDay,
                            {day, uid(QStringLiteral("maya-day"), day),
                             fromStd(MayaCalendar::calendarRoundText(maya)),
                             QCoreApplication::translate("DayBook", "Long Count %1")
                                 .arg(fromStd(MayaCalendar::longCountText(maya.longCount)))}});
        }
    }
    QHash<QString, int> marksOfKindAndDay;
    for (const MarkedDay &mark : options.markedDays) {
        if (mark.day < first || mark.day > last)
            continue;
        QString kind = QStringLiteral("marked-") + kindPart(mark.kind);
        // Two marks of one kind on one day still differ, by their order.
        const int seen = marksOfKindAndDay[kind + QString::number(mark.day)]++;
        entries.append(
            {Order::Marked,
             {mark.day, uid(kind, mark.day, seen ? QString::number(seen + 1) : QString()),
              mark.summary, mark.description}});
    }
    if (book) {
        const std::optional<QList<Person>> people = book->people();
        const std::optional<QList<Note>> notes = people ? book->notes(first, last) : std::nullopt;
        if (!notes) {
            *error = book->errorString();
            return std::nullopt;
        }
        for (const Person &person : *people) {
            const QString tzolkin = fromStd(
                MayaCalendar::tzolkinText(MayaBirthdays::dayOfBirth(person, options.correlation)));
            for (const long day : MayaBirthdays::between(person.birthDay, first, last))
                entries.append(
                    {Order::Birthday,
                     {day,
                      uid(QStringLiteral("maya-birthday"), day,
                          QStringLiteral("person-%1").arg(person.id)),
                      QCoreApplication::translate("DayBook", "%1's Maya birthday").arg(person.name),
                      QCoreApplication::translate("DayBook", "Tzolk'in day %1").arg(tzolkin)}});
        }
        for (const Note &note : *notes)
            entries.append({Order::Note,
                            {note.day, uid(QStringLiteral("note"), note.day),
                             QCoreApplication::translate("DayBook", "Note"), note.text}});
    }
    std::stable_sort(entries.begin(), entries.end(), [](const Entry &a, const Entry &b) {
        return a.event.day != b.event.day ? a.event.day < b.event.day : a.order < b.order;
    });
    QList<IcsCalendar::Event> events;
    events.reserve(entries.size());
    for (const Entry &entry : std::as_const(entries))
        events.append(entry.event);
    return events;
}

bool write(const QString &path, DayBook *book, const Options &options, const QDateTime &now,
           QString *error)
{
    const std::optional<QList<IcsCalendar::Event>> all = events(book, options, error);
    if (!all)
        return false;
    QString reason;
    if (!saveWholeFile(path, IcsCalendar::calendar(*all, now.toUTC()), &reason)) {
        *error =
            QCoreApplication::translate("DayBook", "The calendar file %1 could not be written: %2.")
                .arg(QDir::toNativeSeparators(path), reason);
        return false;
    }
    return true;
}

} // namespace tzolkara::CalendarExport

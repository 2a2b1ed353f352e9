// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/daybook/DayBookBackup.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

namespace tzolkara::DayBookBackup {

namespace {

QString isoDate(const CalendarDate &date)
{
    return QStringLiteral("%1-%2-%3")
        .arg(date.year, 4, 10, QLatin1Char('0'))
        .arg(date.month, 2, 10, QLatin1Char('0'))
        .arg(date.day, 2, 10, QLatin1Char('0'));
}

QString calendarName(CalendarSystem calendar)
{
    return calendar == CalendarSystem::Julian ? QStringLiteral("julian")
                                              : QStringLiteral("gregorian");
}

// A whole number that JSON carried exactly.
std::optional<qint64> wholeNumber(const QJsonValue &value)
{
    if (!value.isDouble())
        return std::nullopt;
    const double number = value.toDouble();
    constexpr double kExact = 9007199254740992.0; // 2^53
    if (number < -kExact || number > kExact || number != double(qint64(number)))
        return std::nullopt;
    return qint64(number);
}

QString badNote(qsizetype index)
{
    return QCoreApplication::translate("DayBook", "note %1 in it is not valid").arg(index + 1);
}

QString badPerson(qsizetype index)
{
    return QCoreApplication::translate("DayBook", "person %1 in it is not valid").arg(index + 1);
}

} // namespace

QByteArray encode(const Contents &contents, const QDateTime &written)
{
    QJsonArray notes;
    for (const Note &note : contents.notes)
        notes.append(QJsonObject{
            {QStringLiteral("day"), qint64(note.day)},
            {QStringLiteral("date"),
             isoDate(CalendarMonth::dateOf(note.day, CalendarSystem::Gregorian))},
            {QStringLiteral("text"), note.text},
        });
    QJsonArray people;
    for (const Person &person : contents.people)
        people.append(QJsonObject{
            {QStringLiteral("id"), person.id},
            {QStringLiteral("name"), person.name},
            {QStringLiteral("birthDay"), qint64(person.birthDay)},
            {QStringLiteral("calendar"), calendarName(person.calendar)},
            {QStringLiteral("birthDate"),
             isoDate(CalendarMonth::dateOf(person.birthDay, person.calendar))},
        });
    const QJsonObject backup{
        {QStringLiteral("format"), QLatin1String(kFormatName)},
        {QStringLiteral("version"), kVersion},
        {QStringLiteral("written"), written.toUTC().toString(Qt::ISODate)},
        {QStringLiteral("notes"), notes},
        {QStringLiteral("people"), people},
    };
    return QJsonDocument(backup).toJson(QJsonDocument::Indented);
}

std::optional<Contents> decode(const QByteArray &bytes, QString *reason)
{
    const auto refuse = [reason](const QString &why) {
        *reason = why;
        return std::nullopt;
    };
    QJsonParseError parseError{};
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &parseError);
    if (parseError.error != QJsonParseError::NoError)
        return refuse(QCoreApplication::translate("DayBook", "it is damaged or incomplete"));
    const QJsonObject backup = document.object();
    if (!document.isObject() ||
        backup.value(QStringLiteral("format")).toString() != QLatin1String(kFormatName))
        return refuse(QCoreApplication::translate("DayBook", "it is not a backup of the day book"));
    const std::optional<qint64> version = wholeNumber(backup.value(QStringLiteral("version")));
    if (!version || *version < 1)
        return refuse(QCoreApplication::translate("DayBook", "it has no valid version"));
    if (*version > kVersion)
        return refuse(QCoreApplication::translate("DayBook",
                                                  "it was written by a newer version of Tzolkara"));
    const QJsonValue notes = backup.value(QStringLiteral("notes"));
    const QJsonValue people = backup.value(QStringLiteral("people"));
    if (!notes.isArray() || !people.isArray())
        return refuse(
            QCoreApplication::translate("DayBook", "its list of notes or of people is missing"));

    Contents contents;
    QSet<long> days;
    const QJsonArray noteList = notes.toArray();
    for (qsizetype i = 0; i < noteList.size(); ++i) {
        const QJsonObject entry = noteList.at(i).toObject();
        const std::optional<qint64> day = wholeNumber(entry.value(QStringLiteral("day")));
        const QJsonValue text = entry.value(QStringLiteral("text"));
        if (!day || !text.isString() || text.toString().trimmed().isEmpty())
            return refuse(badNote(i));
        const Note note{long(*day), text.toString()};
        if (!DayBookEntries::noteProblem(note.day, note.text).isEmpty() || days.contains(note.day))
            return refuse(badNote(i));
        days.insert(note.day);
        contents.notes.append(note);
    }
    QSet<qint64> ids;
    const QJsonArray personList = people.toArray();
    for (qsizetype i = 0; i < personList.size(); ++i) {
        const QJsonObject entry = personList.at(i).toObject();
        const std::optional<qint64> id = wholeNumber(entry.value(QStringLiteral("id")));
        const std::optional<qint64> birthDay = wholeNumber(entry.value(QStringLiteral("birthDay")));
        const QJsonValue name = entry.value(QStringLiteral("name"));
        const QString calendar = entry.value(QStringLiteral("calendar")).toString();
        if (!id || *id < 1 || ids.contains(*id) || !birthDay || !name.isString() ||
            (calendar != QLatin1String("gregorian") && calendar != QLatin1String("julian")))
            return refuse(badPerson(i));
        const Person person{*id, name.toString(), long(*birthDay),
                            calendar == QLatin1String("julian") ? CalendarSystem::Julian
                                                                : CalendarSystem::Gregorian};
        if (!DayBookEntries::personProblem(person).isEmpty())
            return refuse(badPerson(i));
        ids.insert(*id);
        contents.people.append(person);
    }
    return contents;
}

} // namespace tzolkara::DayBookBackup

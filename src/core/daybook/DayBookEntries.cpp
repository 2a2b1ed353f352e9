// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/daybook/DayBookEntries.h"

#include "core/readings/ReadingFile.h"

#include <QCoreApplication>

#include <algorithm>

namespace tzolkara {

namespace {

bool holdsControlCharacters(const QString &text)
{
    return std::any_of(text.cbegin(), text.cend(),
                       [](QChar c) { return c.category() == QChar::Other_Control; });
}

// Half of a character: SQLite and JSON would each store something else.
bool holdsBrokenCharacters(const QString &text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i;
        else if (text.at(i).isSurrogate())
            return true;
    }
    return false;
}

} // namespace

namespace DayBookEntries {

QString noteProblem(long day, const QString &text)
{
    if (!MayaCalendar::isInRange(day))
        return QCoreApplication::translate("DayBook", "The day lies outside the calendar.");
    if (text.size() > kMaxNoteLength)
        return QCoreApplication::translate("DayBook", "A note holds at most %1 characters.")
            .arg(kMaxNoteLength);
    if (holdsBrokenCharacters(text))
        return QCoreApplication::translate("DayBook", "The note holds a broken character.");
    return QString();
}

QString personProblem(const Person &person)
{
    if (person.name.trimmed().isEmpty())
        return QCoreApplication::translate("DayBook", "A person needs a name.");
    if (person.name.size() > ReadingFile::kMaxNameLength)
        return QCoreApplication::translate("DayBook", "A name holds at most %1 characters.")
            .arg(ReadingFile::kMaxNameLength);
    // Names are shown on one line everywhere.
    if (holdsControlCharacters(person.name) || holdsBrokenCharacters(person.name))
        return QCoreApplication::translate("DayBook", "A name is one line of plain text.");
    const CalendarDate date = CalendarMonth::dateOf(person.birthDay, person.calendar);
    if (!MayaCalendar::isInRange(person.birthDay) ||
        !CalendarMonth::isDateInRange(date, person.calendar))
        return QCoreApplication::translate(
            "DayBook", "A date of birth lies between 1 January 1 and 31 December 3999.");
    return QString();
}

} // namespace DayBookEntries

namespace MayaBirthdays {

MayaCalendar::Day dayOfBirth(const Person &person, long correlation)
{
    return MayaCalendar::dayOf(person.birthDay, correlation);
}

std::optional<long> nextOnOrAfter(long birthDay, long day)
{
    const long from = std::max(day, birthDay + 1);
    const long next = from + ((birthDay - from) % kCycle + kCycle) % kCycle;
    if (next > MayaCalendar::lastJulianDay())
        return std::nullopt;
    return next;
}

QList<long> between(long birthDay, long first, long last)
{
    QList<long> days;
    for (auto day = nextOnOrAfter(birthDay, first); day && *day <= last;
         day = nextOnOrAfter(birthDay, *day + 1))
        days.append(*day);
    return days;
}

} // namespace MayaBirthdays
} // namespace tzolkara

// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "tables/engine/CalendarMonth.h"
#include "tables/engine/MayaCalendar.h"

#include <QList>
#include <QString>

#include <optional>

namespace tzolkara {

// What the day book holds. Days are Julian day numbers, as everywhere in
// the program.

// One day's note, several lines of text; a day has one note at most.
struct Note
{
    long day = 0;
    QString text;
};

struct Person
{
    qint64 id = 0; // given by the day book when the person is added
    QString name;
    long birthDay = 0;
    // The calendar the date of birth was typed in: the screen shows it as
    // it was typed.
    CalendarSystem calendar = CalendarSystem::Gregorian;
};

// A day on which someone has a Maya birthday.
struct MayaBirthday
{
    long day = 0;
    qint64 personId = 0;
    QString name;
};

namespace DayBookEntries {

// Long enough for pages of notes on one day; it bounds the size of the
// book, its backups and its calendar files.
constexpr int kMaxNoteLength = 20000;

// Why the day book refuses a note or a person, in words for the user; empty
// when it takes them. A name is refused rather than cut when too long.
QString noteProblem(long day, const QString &text);
QString personProblem(const Person &person);

} // namespace DayBookEntries

// A Maya birthday comes back with the Tzolk'in day of birth, every 260 days
// after the day of birth (which is not one itself). Arithmetic on the days,
// whatever the correlation: only the names of the days depend on it.
namespace MayaBirthdays {

constexpr long kCycle = 260;

// The Tzolk'in day of birth is dayOf(birthDay).number and .sign.
MayaCalendar::Day dayOfBirth(const Person &person,
                             long correlation = MayaCalendar::kDefaultCorrelation);
// The first Maya birthday on `day` or after it; nothing past the end of
// the calendar's range.
std::optional<long> nextOnOrAfter(long birthDay, long day);
// Every Maya birthday from `first` to `last`, both included.
QList<long> between(long birthDay, long first, long last);

} // namespace MayaBirthdays
} // namespace tzolkara

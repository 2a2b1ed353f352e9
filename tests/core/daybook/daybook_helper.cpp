// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

// daybook_helper loop BOOK FIRST: writes the steps of DayBookLoop.h to the
// day book BOOK from step FIRST on, until it is killed, printing each step
// ("note I", "person I ID") once it is committed; tst_daybookkilled kills it.
//
// daybook_helper probe BOOK DAY: opens BOOK, reads the note of DAY and
// writes one, printing what happened one "key value" a line; the faults
// test runs it without root's powers.

#include "DayBookLoop.h"

#include "core/daybook/DayBook.h"

#include <QCoreApplication>
#include <QString>

#include <cstdio>
#include <cstring>

using namespace tzolkara;

namespace {

void say(const QString &key, const QString &value)
{
    QString line = value;
    line.replace(QLatin1Char('\n'), QLatin1String("\\n"));
    std::printf("%s %s\n", qPrintable(key), line.toUtf8().constData());
    std::fflush(stdout);
}

int loop(DayBook &book, long first)
{
    if (!book.open()) {
        std::fprintf(stderr, "daybook_helper: %s\n", qPrintable(book.errorString()));
        return 1;
    }
    say(QStringLiteral("ready"), QString());
    for (long i = first;; ++i) {
        if (testing::loopAddsPerson(i)) {
            const std::optional<qint64> id = book.addPerson(
                testing::loopName(i), testing::loopBirthDay(i), CalendarSystem::Gregorian);
            if (!id)
                break;
            say(QStringLiteral("person"), QStringLiteral("%1 %2").arg(i).arg(*id));
        } else {
            if (!book.setNote(testing::loopDay(i), testing::loopText(i)))
                break;
            say(QStringLiteral("note"), QString::number(i));
        }
    }
    std::fprintf(stderr, "daybook_helper: %s\n", qPrintable(book.errorString()));
    return 1;
}

int probe(DayBook &book, long day)
{
    const bool opened = book.open();
    say(QStringLiteral("open"), QString::number(opened));
    say(QStringLiteral("readonly"), QString::number(book.isReadOnly()));
    say(QStringLiteral("problem"), QString::number(int(book.problem())));
    say(QStringLiteral("error"), book.errorString());
    const std::optional<QString> note = book.note(day);
    say(QStringLiteral("read"), QString::number(note.has_value()));
    say(QStringLiteral("note"), note.value_or(QString()));
    const bool written = book.setNote(day, QStringLiteral("Written by the probe"));
    say(QStringLiteral("write"), QString::number(written));
    say(QStringLiteral("writeproblem"), QString::number(int(book.problem())));
    say(QStringLiteral("writeerror"), book.errorString());
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    if (argc != 4)
        return 2;
    DayBook book(QString::fromLocal8Bit(argv[2]));
    const long number = std::strtol(argv[3], nullptr, 10);
    if (std::strcmp(argv[1], "loop") == 0)
        return loop(book, number);
    if (std::strcmp(argv[1], "probe") == 0)
        return probe(book, number);
    return 2;
}

// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A program killed while it writes to the day book loses at most the step
// it was in: every note and person committed before the kill is there,
// whole, and the file passes SQLite's integrity check.

#include "DayBookFiles.h"
#include "DayBookLoop.h"

#include "core/daybook/DayBook.h"

#include <QElapsedTimer>
#include <QHash>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <thread>

using namespace tzolkara;
using namespace tzolkara::testing;

namespace {

// What the book holds, by day and by id.
struct Contents
{
    QHash<long, QString> notes;
    QHash<qint64, QString> people;
};

std::optional<Contents> contentsOf(DayBook &book)
{
    const auto notes = book.notes(MayaCalendar::firstJulianDay(), MayaCalendar::lastJulianDay());
    const auto people = book.people();
    if (!notes || !people)
        return std::nullopt;
    Contents contents;
    for (const Note &note : *notes)
        contents.notes.insert(note.day, note.text);
    for (const Person &person : *people)
        contents.people.insert(person.id, person.name);
    return contents;
}

} // namespace

class TestDayBookKilled : public QObject
{
    Q_OBJECT

private slots:
    void killedAtRandomMoments_loseNothingCommitted();
};

void TestDayBookKilled::killedAtRandomMoments_loseNothingCommitted()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("daybook.sqlite"));

    // Kills land anywhere within a couple of dozen steps, however fast the
    // disk syncs: the helper's own pace, on a book of its own.
    QElapsedTimer timer;
    qint64 stepUs = 0;
    {
        QProcess pace;
        pace.start(QStringLiteral(DAYBOOK_HELPER_PATH),
                   {QStringLiteral("loop"), dir.filePath(QStringLiteral("pace.sqlite")),
                    QStringLiteral("1")});
        QVERIFY(pace.waitForReadyRead(30000));
        timer.start();
        QTest::qWait(500);
        ::kill(pid_t(pace.processId()), SIGKILL);
        const qint64 elapsedUs = timer.nsecsElapsed() / 1000;
        QVERIFY(pace.waitForFinished(30000));
        stepUs = elapsedUs / std::max<qsizetype>(1, pace.readAllStandardOutput().count('\n') - 1);
    }
    const qint64 window = std::max<qint64>(2000, stepUs * 20);

    QRandomGenerator random(20121221);
    constexpr int kRounds = 300;
    Contents expected;
    long next = 1;
    int unprinted = 0;
    long printed = 0;
    timer.restart();
    for (int round = 0; round < kRounds; ++round) {
        QProcess loop;
        loop.start(QStringLiteral(DAYBOOK_HELPER_PATH),
                   {QStringLiteral("loop"), path, QString::number(next)});
        QVERIFY(loop.waitForReadyRead(30000));
        std::this_thread::sleep_for(std::chrono::microseconds(random.bounded(window)));
        ::kill(pid_t(loop.processId()), SIGKILL);
        QVERIFY(loop.waitForFinished(30000));
        QCOMPARE(loop.exitStatus(), QProcess::CrashExit);

        // What the helper saw committed; a line cut by the kill is not.
        QList<QByteArray> lines = loop.readAllStandardOutput().split('\n');
        lines.removeLast();
        long last = next - 1;
        for (const QByteArray &line : std::as_const(lines)) {
            const QList<QByteArray> words = line.split(' ');
            if (words.first() == "note") {
                last = words.at(1).toLong();
                if (loopText(last).isEmpty())
                    expected.notes.remove(loopDay(last));
                else
                    expected.notes.insert(loopDay(last), loopText(last));
            } else if (words.first() == "person") {
                last = words.at(1).toLong();
                expected.people.insert(words.at(2).toLongLong(), loopName(last));
            }
        }
        printed += last - next + 1;
        // The step the kill fell in may have committed without saying so.
        const long pending = last + 1;

        {
            OtherConnection check(path);
            QCOMPARE(check.value(QStringLiteral("PRAGMA integrity_check")), QStringLiteral("ok"));
        }
        DayBook book(path);
        QVERIFY2(book.open(), qPrintable(book.errorString()));
        const std::optional<Contents> stored = contentsOf(book);
        QVERIFY(stored);
        bool pendingStored = false;
        QList<long> days = expected.notes.keys() + stored->notes.keys();
        for (const long day : std::as_const(days)) {
            const QString text = stored->notes.value(day);
            if (text == expected.notes.value(day))
                continue;
            QVERIFY2(!loopAddsPerson(pending) && day == loopDay(pending) &&
                         text == loopText(pending),
                     qPrintable(QStringLiteral("round %1, day %2").arg(round).arg(day)));
            pendingStored = true;
        }
        for (auto person = stored->people.cbegin(); person != stored->people.cend(); ++person) {
            if (expected.people.contains(person.key())) {
                QCOMPARE(person.value(), expected.people.value(person.key()));
            } else {
                QVERIFY(loopAddsPerson(pending) && person.value() == loopName(pending));
                pendingStored = true;
            }
        }
        for (auto person = expected.people.cbegin(); person != expected.people.cend(); ++person)
            QVERIFY2(stored->people.contains(person.key()), qPrintable(person.value()));
        unprinted += pendingStored;
        expected = *stored;
        next = pending + 1;
    }
    qInfo("%d kills in %lld ms (a step takes %lld us here): %ld steps said committed, %d more "
          "committed unsaid; %lld notes and %lld people at the end",
          kRounds, timer.elapsed(), stepUs, printed, unprinted, qlonglong(expected.notes.size()),
          qlonglong(expected.people.size()));
    QVERIFY(printed > kRounds);
}

QTEST_GUILESS_MAIN(TestDayBookKilled)
#include "tst_daybookkilled.moc"

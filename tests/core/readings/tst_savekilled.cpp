// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A save killed at any moment leaves the old reading file or the new one,
// never a broken one.

#include "SaveLoopReadings.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <thread>

using namespace tzolkara;

class TestSaveKilled : public QObject
{
    Q_OBJECT

private slots:
    void killedAtRandomMoments_leaveOldOrNewFile();
};

void TestSaveKilled::killedAtRandomMoments_leaveOldOrNewFile()
{
    const auto readings = saveLoopReadings();
    const QByteArray old = ReadingFile::encode(readings[0]);
    const QByteArray saved = ReadingFile::encode(readings[1]);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("reading.man"));
    QVERIFY(ReadingFile::write(path, readings[0]));

    // Kills land anywhere within a few saves, however fast the disk syncs.
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < 10; ++i)
        QVERIFY(ReadingFile::write(path, readings[i % 2]));
    const qint64 window = std::max<qint64>(2000, timer.nsecsElapsed() / 1000 / 10 * 4);

    QRandomGenerator random(20121221);
    int oldSeen = 0;
    int newSeen = 0;
    for (int round = 0; round < 200; ++round) {
        QProcess saver;
        saver.start(QStringLiteral(SAVE_LOOP_PATH), {path});
        QVERIFY(saver.waitForReadyRead(30000));
        std::this_thread::sleep_for(std::chrono::microseconds(random.bounded(window)));
        ::kill(pid_t(saver.processId()), SIGKILL);
        QVERIFY(saver.waitForFinished(30000));
        QCOMPARE(saver.exitStatus(), QProcess::CrashExit);

        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY2(bytes == old || bytes == saved,
                 qPrintable(QStringLiteral("round %1: %2")
                                .arg(round)
                                .arg(QString::fromLatin1(bytes.toPercentEncoding()))));
        const std::optional<ReadingFile::Inputs> read = ReadingFile::decode(bytes);
        QVERIFY(read);
        QCOMPARE(read->userName, readings[bytes == old ? 0 : 1].userName);
        ++(bytes == old ? oldSeen : newSeen);
    }
    // A kill between the two last steps of a save (name the finished file,
    // rename it over the old one) leaves that whole copy beside it, hidden
    // and named as the program's; never a part of one. The next save of the
    // file takes them away.
    const QStringList copies = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
    const QRegularExpression leftover(QStringLiteral("^\\.reading\\.man\\.tzolkara-\\w{6}\\.tmp$"));
    for (const QString &name : copies) {
        if (name == QLatin1String("reading.man"))
            continue;
        QVERIFY2(leftover.match(name).hasMatch(), qPrintable(name));
        QFile file(dir.filePath(name));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY2(bytes == old || bytes == saved, qPrintable(name));
    }
    qInfo("old file %d times, new file %d times; files: %s", oldSeen, newSeen,
          qPrintable(copies.join(u' ')));
    // One such copy for certain, and a file of the user's that only looks
    // alike: the copy goes, the user's file stays.
    for (const char *name :
         {".reading.man.tzolkara-AbCdEf.tmp", ".reading.man.tzolkara-mine.tmp"}) {
        QFile file(dir.filePath(QLatin1String(name)));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(saved) == saved.size());
    }
    QVERIFY(ReadingFile::write(path, readings[0]));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
             (QStringList{QStringLiteral(".reading.man.tzolkara-mine.tmp"),
                          QStringLiteral("reading.man")}));
    // Both outcomes, or the kills never fell between two saves.
    QVERIFY(oldSeen > 0 && newSeen > 0);
}

QTEST_GUILESS_MAIN(TestSaveKilled)
#include "tst_savekilled.moc"

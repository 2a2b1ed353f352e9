// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/common/ShiftCodec.h"
#include "core/engine/ReadingState.h"
#include "core/readings/ReadingFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

#include <sys/resource.h>
#include <sys/stat.h>

using namespace tzolkara;

namespace {

ReadingFile::Inputs inputs(const QString &name, const char *year = "2012",
                           const char *month = "December", const char *day = "21")
{
    return {name, QString::fromLatin1(year), QString::fromLatin1(month), QString::fromLatin1(day)};
}

QByteArray line(const QByteArray &plain)
{
    return ShiftEncode(plain) + "\r\n";
}

} // namespace

class TestReadingFile : public QObject
{
    Q_OBJECT

private slots:
    void fileBytes_pinned_data();
    void fileBytes_pinned();
    void inputsOf_writesNumbersWithoutLeadingZeros();
    void roundTrip_byteForByte_data();
    void roundTrip_byteForByte();
    void nameTheFourLinesCannotHold_getsFifthLine_data();
    void nameTheFourLinesCannotHold_getsFifthLine();
    void fifthLineNotMatchingFirst_isIgnored();
    void fourLineFileFromElsewhere_readsAsBefore();
    void shortEmptyAndLongFiles();
    void lineAndNameLimits_data();
    void lineAndNameLimits();
    void randomBytes_neverFail();
    void write_replacesOnlyWhenComplete();
    void write_failingDisk_keepsOldFileAndSaysWhy();
    void write_nameOverLimit_isRefusedNotCut();
    void write_overAPipeOrALink_data();
    void write_overAPipeOrALink();
};

void TestReadingFile::fileBytes_pinned_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("four lines") << QStringLiteral("Ana")
                                << QByteArray("p\x9d\x90\r\n"
                                              "a_`a\r\n"
                                              "s\x94\x92\x94\x9c\x91\x94\xa1\r\n"
                                              "a`\r\n");
    // é and ü shift past 255 and drop out of line 1; line 5 is
    // "Jos%C3%A9%20M%C3%BCller" shifted.
    QTest::newRow("fifth line") << QStringLiteral("José Müller")
                                << QByteArray("y\x9e\xa2O|\x9b\x9b\x94\xa1\r\n"
                                              "a_`a\r\n"
                                              "s\x94\x92\x94\x9c\x91\x94\xa1\r\n"
                                              "a`\r\n"
                                              "y\x9e\xa2TrbTphTa_|TrbTqr\x9b\x9b\x94\xa1\r\n");
}

void TestReadingFile::fileBytes_pinned()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("reading.man"));
    QVERIFY(ReadingFile::write(path, inputs(name)));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), bytes);
    QCOMPARE(ReadingFile::decode(bytes)->userName, name);
}

void TestReadingFile::inputsOf_writesNumbersWithoutLeadingZeros()
{
    ReadingState state;
    state.UserName = QStringLiteral("Ana");
    state.BirthYear = 1900;
    state.BirthMonth = QStringLiteral("March");
    state.BirthDay = 1;
    const ReadingFile::Inputs in = ReadingFile::inputsOf(state);
    QCOMPARE(in.birthYear, QStringLiteral("1900"));
    QCOMPARE(in.birthMonth, QStringLiteral("March"));
    QCOMPARE(in.birthDay, QStringLiteral("1"));
}

void TestReadingFile::roundTrip_byteForByte_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("plain") << QStringLiteral("Ana");
    QTest::newRow("inner blanks") << QStringLiteral("Mary Ann  Lee");
    QTest::newRow("punctuation") << QStringLiteral("O'Brien-Smith, Jr.");
    QTest::newRow("accented") << QStringLiteral("José Müller");
    QTest::newRow("outside the code page") << QStringLiteral("Łucja");
    QTest::newRow("cyrillic and cjk") << QStringLiteral("Анна 李");
    QTest::newRow("leading U+FEFF") << QStringLiteral("\uFEFFAna");
    const int longest = ReadingFile::kMaxNameLength;
    QTest::newRow("longest name, ascii") << QString(longest, QLatin1Char('a'));
    QTest::newRow("longest name, e acute") << QString(longest, QChar(0xE9));
    QTest::newRow("longest name, cjk") << QString(longest, QChar(0x674E));
}

void TestReadingFile::roundTrip_byteForByte()
{
    QFETCH(QString, name);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("reading.man"));
    QVERIFY(ReadingFile::write(path, inputs(name)));
    ReadingFile::Inputs back;
    QVERIFY(ReadingFile::read(path, back));
    QCOMPARE(back.userName, name);
    QCOMPARE(back.birthYear, QStringLiteral("2012"));
    QCOMPARE(back.birthMonth, QStringLiteral("December"));
    QCOMPARE(back.birthDay, QStringLiteral("21"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), ReadingFile::encode(back));
}

void TestReadingFile::nameTheFourLinesCannotHold_getsFifthLine_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("firstLinePlain");
    QTest::newRow("e acute and u umlaut")
        << QStringLiteral("José Müller") << QByteArray("Jos Mller");
    QTest::newRow("L stroke") << QStringLiteral("Łucja") << QByteArray("?ucja");
}

void TestReadingFile::nameTheFourLinesCannotHold_getsFifthLine()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, firstLinePlain);
    const QByteArray bytes = ReadingFile::encode(inputs(name));
    const QList<QByteArray> lines = bytes.split('\n');
    QCOMPARE(lines.size(), 6); // five lines and the end after the last CR LF
    // The first four lines are exactly what a four-line reader expects.
    QCOMPARE(bytes.left(bytes.indexOf(lines[4])),
             line(firstLinePlain) + line("2012") + line("December") + line("21"));
    QCOMPARE(ShiftDecode(lines[4].chopped(1)), name.toUtf8().toPercentEncoding());
    QCOMPARE(ReadingFile::decode(bytes)->userName, name);
}

void TestReadingFile::fifthLineNotMatchingFirst_isIgnored()
{
    const QByteArray four = line("Jos") + line("2012") + line("December") + line("21");
    const QByteArray otherName = ShiftEncode(QStringLiteral("Zoé").toUtf8().toPercentEncoding());
    QCOMPARE(ReadingFile::decode(four + otherName + "\r\n")->userName, QStringLiteral("Jos"));
    const QByteArray badUtf8 = ShiftEncode(QByteArray("%FF%FE"));
    QCOMPARE(ReadingFile::decode(four + badUtf8 + "\r\n")->userName, QStringLiteral("Jos"));
}

void TestReadingFile::fourLineFileFromElsewhere_readsAsBefore()
{
    // Written by another program: plain LF line ends and a sixth line.
    const QByteArray bytes = ShiftEncode("Ana") + "\n" + ShiftEncode("1948") + "\n" +
                             ShiftEncode("November") + "\n" + ShiftEncode("16") + "\n" +
                             "extra\r\nmore\r\n";
    const ReadingFile::Inputs in = ReadingFile::decode(bytes).value();
    QCOMPARE(in.userName, QStringLiteral("Ana"));
    QCOMPARE(in.birthYear, QStringLiteral("1948"));
    QCOMPARE(in.birthMonth, QStringLiteral("November"));
    QCOMPARE(in.birthDay, QStringLiteral("16"));

    const QByteArray withExtra = ReadingFile::encode(inputs(QStringLiteral("Ana"))) + "x\r\ny\r\n";
    QCOMPARE(ReadingFile::decode(withExtra)->userName, QStringLiteral("Ana"));
    QCOMPARE(ReadingFile::decode(withExtra)->birthDay, QStringLiteral("21"));
}

void TestReadingFile::shortEmptyAndLongFiles()
{
    const ReadingFile::Inputs empty = ReadingFile::decode(QByteArray()).value();
    QVERIFY(empty.userName.isEmpty() && empty.birthYear.isEmpty() && empty.birthMonth.isEmpty() &&
            empty.birthDay.isEmpty());
    const ReadingFile::Inputs two = ReadingFile::decode(line("Ana") + ShiftEncode("1999")).value();
    QCOMPARE(two.userName, QStringLiteral("Ana"));
    QCOMPARE(two.birthYear, QStringLiteral("1999"));
    QVERIFY(two.birthMonth.isEmpty());

    QTemporaryDir dir;
    ReadingFile::Inputs in;
    QVERIFY(!ReadingFile::read(dir.filePath(QStringLiteral("missing.man")), in));
}

void TestReadingFile::lineAndNameLimits_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("name"); // null: the file is refused
    const QByteArray date = line("2012") + line("December") + line("21");
    const QByteArray longest(ReadingFile::kMaxLineBytes, 'a');
    const QString ana = QStringLiteral("Ana");
    QTest::newRow("longest line") << line("Ana") + ShiftEncode(longest) + "\r\n" << ana;
    QTest::newRow("one byte longer") << line("Ana") + ShiftEncode(longest + 'a') + "\r\n"
                                     << QString();
    QTest::newRow("longest line, last, without line break")
        << line("Ana") + line("2012") + line("December") + ShiftEncode(longest) << ana;
    QTest::newRow("one byte longer, last, without line break")
        << line("Ana") + line("2012") + line("December") + ShiftEncode(longest + 'a') << QString();
    QTest::newRow("a megabyte, no line break") << QByteArray(1024 * 1024, 'p') << QString();
    QTest::newRow("longest name") << line(QByteArray(ReadingFile::kMaxNameLength, 'a')) + date
                                  << QString(ReadingFile::kMaxNameLength, QLatin1Char('a'));
    QTest::newRow("name one longer")
        << line(QByteArray(ReadingFile::kMaxNameLength + 1, 'a')) + date << QString();
    // A fifth line that long is no full name of this program's.
    QTest::newRow("too long fifth line is ignored")
        << line("Ana") + date + ShiftEncode(longest + longest) + "\r\n"
        << ana;
}

void TestReadingFile::lineAndNameLimits()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, name);
    const std::optional<ReadingFile::Inputs> in = ReadingFile::decode(bytes);
    QCOMPARE(in.has_value(), !name.isNull());
    if (in)
        QCOMPARE(in->userName, name);
}

void TestReadingFile::randomBytes_neverFail()
{
    QRandomGenerator random(20121221);
    for (int round = 0; round < 200; ++round) {
        QByteArray bytes(int(random.bounded(20000)), Qt::Uninitialized);
        for (char &c : bytes)
            c = char(random.bounded(256));
        const std::optional<ReadingFile::Inputs> in = ReadingFile::decode(bytes);
        if (!in)
            continue;
        QVERIFY(in->userName.size() <= ReadingFile::kMaxNameLength);
        for (const QString *field : {&in->birthYear, &in->birthMonth, &in->birthDay})
            QVERIFY(field->size() <= ReadingFile::kMaxLineBytes);
    }
}

void TestReadingFile::write_replacesOnlyWhenComplete()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("reading.man"));
    QVERIFY(ReadingFile::write(path, inputs(QStringLiteral("First"))));
    QVERIFY(ReadingFile::write(path, inputs(QStringLiteral("Ana"), "1900", "March", "1")));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), line("Ana") + line("1900") + line("March") + line("1"));
    file.close();

    // A folder that cannot exist (its parent is a file): the save fails,
    // says why, and leaves nothing behind.
    const QString blocked = dir.filePath(QStringLiteral("reading.man/inside.man"));
    QString error;
    QVERIFY(!ReadingFile::write(blocked, inputs(QStringLiteral("Ana")), &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), line("Ana") + line("1900") + line("March") + line("1"));
}

void TestReadingFile::write_failingDisk_keepsOldFileAndSaysWhy()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("reading.man"));
    const QByteArray old = line("First") + line("1999") + line("May") + line("5");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(old) == old.size());
    file.close();

    // A file size limit of nothing: every write fails as on a full disk,
    // for any user. Only the save runs under it.
    rlimit saved{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit none = saved;
    none.rlim_cur = 0;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &none), 0);
    QString error;
    const bool written = ReadingFile::write(path, inputs(QStringLiteral("Ana")), &error);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    QVERIFY(!written);
    QCOMPARE(error, QStringLiteral("File too large"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), old);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
             QStringList{QStringLiteral("reading.man")});
}

void TestReadingFile::write_overAPipeOrALink_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("a named pipe stays a pipe") << "pipe";
    QTest::newRow("a link keeps leading to the saved file") << "link";
}

void TestReadingFile::write_overAPipeOrALink()
{
    QFETCH(QString, kind);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("reading.man"));
    const QString target = dir.filePath(QStringLiteral("kept/elsewhere.man"));
    if (kind == QLatin1String("pipe")) {
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    } else {
        QVERIFY(QDir().mkpath(QFileInfo(target).path()));
        QVERIFY(ReadingFile::write(target, inputs(QStringLiteral("First"))));
        QVERIFY(QFile::link(target, path));
    }
    QString error;
    const bool written = ReadingFile::write(path, inputs(QStringLiteral("Ana")), &error);
    if (kind == QLatin1String("pipe")) {
        QVERIFY(!written);
        QCOMPARE(error, QStringLiteral("Only a file can be saved over."));
        QVERIFY(!QFileInfo(path).isSymLink() && !QFileInfo(path).isFile());
    } else {
        QVERIFY(written);
        QVERIFY(QFileInfo(path).isSymLink());
        QFile file(target);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().startsWith(line("Ana")));
    }
}

void TestReadingFile::write_nameOverLimit_isRefusedNotCut()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("reading.man"));
    QString error;
    QVERIFY(!ReadingFile::write(
        path, inputs(QString(ReadingFile::kMaxNameLength + 1, QLatin1Char('a'))), &error));
    QCOMPARE(error, QStringLiteral("The name is longer than 255 characters."));
    QVERIFY(!QFile::exists(path));
}

QTEST_GUILESS_MAIN(TestReadingFile)
#include "tst_readingfile.moc"

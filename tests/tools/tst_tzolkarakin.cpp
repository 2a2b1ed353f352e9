// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/common/Version.h"
#include "tables/engine/MayaCalendar.h"

#include <QDate>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTest>

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <unistd.h>

class TestTzolkaraKin : public QObject
{
    Q_OBJECT

private slots:
    void goodDates_printOneLineEach();
    void json_printsOneObjectPerLine();
    void badLineAmongGoodOnes_isReportedAndTheRestPrinted();
    void outOfRangeAndImpossibleDates_areRefused_data();
    void outOfRangeAndImpossibleDates_areRefused();
    void output_isByteForByteTheReference_data();
    void output_isByteForByteTheReference();
    void badInput_isQuotedSafely_data();
    void badInput_isQuotedSafely();
    void overlongLine_isRefusedAndTheNextLineRead();
    void options_unknownRefusedBeforeAnyOutput_dashReadsStandardInput_data();
    void options_unknownRefusedBeforeAnyOutput_dashReadsStandardInput();
    void terminalInput_getsTheUsageLineFirst();
    void fullOutputDevice_exitsOneWithTheReason_data();
    void fullOutputDevice_exitsOneWithTheReason();
    void calendar_appendsItsColumnsAndTakesTheWholeRange();
    void calendar_readingColumnsEqualTheKinTablesOverEveryBirthDate();
    void correlation_shiftsTheCountOrIsRefused_data();
    void correlation_shiftsTheCountOrIsRefused();
    void tzolkinDay_countsFromOneImix_data();
    void tzolkinDay_countsFromOneImix();
    void yearBearer_isWrittenInTheNamesChosen_data();
    void yearBearer_isWrittenInTheNamesChosen();
    void julian_readsAndPrintsTheSameDayInTheJulianCalendar_data();
    void julian_readsAndPrintsTheSameDayInTheJulianCalendar();
    void longCount_printsTheDayItNames_data();
    void longCount_printsTheDayItNames();
    void nextAndPrevious_printTheDaysTheEngineFinds_data();
    void nextAndPrevious_printTheDaysTheEngineFinds();
    void calendarRefusals_exitTwoWithOneLine_data();
    void calendarRefusals_exitTwoWithOneLine();
    void version_isTheProjectVersion();

private:
    struct Run
    {
        int exitCode;
        QStringList out;
        QStringList err;
        QByteArray errBytes;
    };
    static Run run(const QStringList &args, const QByteArray &input = {},
                   const QString &outputFile = {});
};

TestTzolkaraKin::Run TestTzolkaraKin::run(const QStringList &args, const QByteArray &input,
                                          const QString &outputFile)
{
    QProcess process;
    if (!outputFile.isEmpty())
        process.setStandardOutputFile(outputFile);
    process.start(QStringLiteral(TZOLKARA_KIN_PATH), args);
    process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(30000))
        qFatal("tzolkara-kin did not finish");
    auto lines = [](const QByteArray &bytes) {
        return QString::fromUtf8(bytes).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    };
    const QByteArray err = process.readAllStandardError();
    return {process.exitCode(), lines(process.readAllStandardOutput()), lines(err), err};
}

void TestTzolkaraKin::goodDates_printOneLineEach()
{
    const Run r = run(
        {QStringLiteral("1900-01-01"), QStringLiteral("2012-12-21"), QStringLiteral("2016-12-31")});
    QCOMPARE(r.exitCode, 0);
    QVERIFY(r.err.isEmpty());
    QCOMPARE(r.out, QStringList({
                        QStringLiteral("1900-01-01\t88\t4\t18\tTIJASH - (ETZNAB)\tFlint"),
                        QStringLiteral("2012-12-21\t10\t4\t20\tAJPU - (AHUA)\tSun"),
                        QStringLiteral("2016-12-31\t181\t6\t11\tBATZ - (CHUEN)\tMonkey"),
                    }));
}

void TestTzolkaraKin::json_printsOneObjectPerLine()
{
    const Run r = run({QStringLiteral("--json"), QStringLiteral("1948-11-16")});
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(r.out.size(), 1);
    QJsonParseError error{};
    const QJsonObject object = QJsonDocument::fromJson(r.out.at(0).toUtf8(), &error).object();
    QCOMPARE(error.error, QJsonParseError::NoError);
    QCOMPARE(object.value(QStringLiteral("date")).toString(), QStringLiteral("1948-11-16"));
    QCOMPARE(object.value(QStringLiteral("KinNumber")).toInt(), 259);
    QCOMPARE(object.value(QStringLiteral("DayNumber")).toInt(), 6);
    QCOMPARE(object.value(QStringLiteral("DaySign")).toInt(), 9);
    QCOMPARE(object.value(QStringLiteral("DaySignLabel")).toString(),
             QStringLiteral("TOJ - (MULUK)"));
    QCOMPARE(object.value(QStringLiteral("EnglishName")).toString(), QStringLiteral("Offering"));
}

void TestTzolkaraKin::badLineAmongGoodOnes_isReportedAndTheRestPrinted()
{
    const Run r = run({}, "1911-11-12\r\nnot a date\n\n  2000-02-29  \n");
    QCOMPARE(r.exitCode, 2);
    QCOMPARE(r.out.size(), 2);
    QVERIFY(r.out.at(0).startsWith(QStringLiteral("1911-11-12\t260\t7\t10\t")));
    QVERIFY(r.out.at(1).startsWith(QStringLiteral("2000-02-29\t11\t5\t1\t")));
    QCOMPARE(r.err.size(), 1);
    QVERIFY(r.err.at(0).contains(QStringLiteral("'not a date'")));
    QVERIFY(r.err.at(0).contains(QStringLiteral("1900-01-01 to 2099-12-31")));
}

void TestTzolkaraKin::outOfRangeAndImpossibleDates_areRefused_data()
{
    QTest::addColumn<QString>("input");
    QTest::newRow("before range") << "1899-12-31";
    QTest::newRow("after range") << "2100-01-01";
    QTest::newRow("29 Feb 1900") << "1900-02-29";
    QTest::newRow("29 Feb 1901") << "1901-02-29";
    QTest::newRow("31 April") << "1950-04-31";
    QTest::newRow("month 13") << "1950-13-01";
    QTest::newRow("day 0") << "1950-01-00";
    QTest::newRow("no leading zeros") << "1950-1-1";
    QTest::newRow("slashes") << "1950/01/01";
    QTest::newRow("trailing text") << "1950-01-01x";
}

void TestTzolkaraKin::outOfRangeAndImpossibleDates_areRefused()
{
    QFETCH(QString, input);
    const Run r = run({input, QStringLiteral("2000-02-29")});
    QCOMPARE(r.exitCode, 2);
    QCOMPARE(r.out.size(), 1);
    QCOMPARE(r.err.size(), 1);
    QVERIFY(r.err.at(0).contains(input));
}

namespace {

// The arguments of a command line written as one text, each after a '|':
// "--next|4 Ajaw" is two.
QStringList args(const char *joined)
{
    return QString::fromUtf8(joined).split(QLatin1Char('|'));
}

// One ISO date a line, from `first` to `last`, `step` days apart.
QByteArray dates(QDate first, QDate last, int step)
{
    QByteArray input;
    for (QDate d = first; d <= last; d = d.addDays(step))
        input += d.toString(Qt::ISODate).toLatin1() + '\n';
    return input;
}

QByteArray referenceFile(const QString &name)
{
    QFile file(QStringLiteral(TZOLKARA_KIN_REFERENCE_DIR "/") + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

// The files in kin-reference were written by the tool as it was before its
// output path was rewritten; every mode must still print them exactly. Those
// of --calendar have since gained the last column, YearBearer, and nothing
// else.
void TestTzolkaraKin::output_isByteForByteTheReference_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QString>("reference");
    QTest::addColumn<int>("exitCode");
    const QDate first(1900, 1, 1);
    const QDate last(2016, 12, 31);
    QTest::newRow("every birth date")
        << QStringList() << dates(first, last, 1) << "birth-dates.tsv" << 0;
    // 101 days apart: every KinNumber comes round.
    QTest::newRow("json") << QStringList{QStringLiteral("--json")} << dates(first, last, 101)
                          << "birth-dates.jsonl" << 0;
    QTest::newRow("correlation 584285") << QStringList{QStringLiteral("--correlation=584285")}
                                        << dates(first, last, 101) << "birth-dates-584285.tsv" << 0;
    QTest::newRow("calendar, years 1 to 3999")
        << QStringList{QStringLiteral("--calendar")}
        << dates(QDate(1, 1, 1), QDate(3999, 12, 31), 397) << "calendar.tsv" << 0;
    QTest::newRow("calendar json, correlation 584286")
        << QStringList{QStringLiteral("--calendar"), QStringLiteral("--json"),
                       QStringLiteral("--correlation"), QStringLiteral("584286")}
        << dates(QDate(1, 1, 1), QDate(3999, 12, 31), 3001) << "calendar-584286.jsonl" << 0;
    QTest::newRow("refused lines")
        << QStringList()
        << QByteArray("1911-11-12\r\nnot a date\n\n  2000-02-29  \n\x1b[31mxx\n2016-12-31\n"
                      "1899-12-31\n")
        << "refused.tsv" << 2;
    QTest::newRow("calendar json, refused lines")
        << QStringList{QStringLiteral("--calendar"), QStringLiteral("--json")}
        << QByteArray("0001-01-01\n4000-01-01\n3999-12-31\n") << "calendar-refused.jsonl" << 2;
}

void TestTzolkaraKin::output_isByteForByteTheReference()
{
    QFETCH(QStringList, args);
    QFETCH(QByteArray, input);
    QFETCH(QString, reference);
    QFETCH(int, exitCode);
    QProcess process;
    process.start(QStringLiteral(TZOLKARA_KIN_PATH), args);
    process.write(input);
    process.closeWriteChannel();
    QVERIFY(process.waitForFinished(30000));
    QCOMPARE(process.exitCode(), exitCode);
    const QByteArray expected = referenceFile(reference);
    QVERIFY(!expected.isEmpty());
    // Compared as a whole; on a difference, the first line that differs.
    const QByteArray out = process.readAllStandardOutput();
    if (out != expected) {
        const QList<QByteArray> got = out.split('\n');
        const QList<QByteArray> want = expected.split('\n');
        for (qsizetype i = 0; i < std::max(got.size(), want.size()); ++i)
            QCOMPARE(got.value(i), want.value(i));
    }
    QCOMPARE(process.readAllStandardError(),
             referenceFile(reference.section(QLatin1Char('.'), 0, 0) + QStringLiteral(".err")));
}

void TestTzolkaraKin::badInput_isQuotedSafely_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QString>("quoted");
    QTest::newRow("escape sequence, cut after 40 characters")
        << QByteArray("\x1b[31m") + QByteArray(195, 'x')
        << QStringLiteral("'\\x1b[31m") + QString(35, QLatin1Char('x')) + QStringLiteral("...'");
    QTest::newRow("NUL after a good date")
        << QByteArray("2000-01-01\0", 11) << QStringLiteral("'2000-01-01\\0'");
    QTest::newRow("C1 control in UTF-8, stray byte, letters kept")
        << QByteArray("\xc2\x9b"
                      "2J\xff\tJosé")
        << QStringLiteral("'\\xc2\\x9b2J\\xff\\tJosé'");
    QTest::newRow("right-to-left override") << QByteArray("2000-\xe2\x80\xae"
                                                          "10-01")
                                            << QStringLiteral("'2000-\\xe2\\x80\\xae10-01'");
    QTest::newRow("zero-width space and joiner, byte order mark")
        << QByteArray("a\xe2\x80\x8b\xe2\x80\x8d\xef\xbb\xbf")
        << QStringLiteral("'a\\xe2\\x80\\x8b\\xe2\\x80\\x8d\\xef\\xbb\\xbf'");
}

void TestTzolkaraKin::badInput_isQuotedSafely()
{
    QFETCH(QByteArray, line);
    QFETCH(QString, quoted);
    const Run r = run({}, line + "\n2000-02-29\n");
    QCOMPARE(r.exitCode, 2);
    QCOMPARE(r.out.size(), 1);
    QCOMPARE(r.err, QStringList(QStringLiteral("tzolkara-kin: ") + quoted +
                                QStringLiteral(" is not a date from 1900-01-01 to 2099-12-31 "
                                               "(YYYY-MM-DD)")));
    for (char c : r.errBytes.chopped(1))
        QVERIFY2(uchar(c) >= 0x20 && c != 0x7f, "a control character reached standard error");
}

void TestTzolkaraKin::overlongLine_isRefusedAndTheNextLineRead()
{
    // 64 MiB of NULs without a line feed, as from /dev/zero, then a good date.
    const Run r = run({}, QByteArray(64 << 20, '\0') + "\n2000-02-29\n");
    QCOMPARE(r.exitCode, 2);
    QCOMPARE(r.out.size(), 1);
    QVERIFY(r.out.at(0).startsWith(QStringLiteral("2000-02-29\t11\t")));
    QCOMPARE(r.err,
             QStringList(QStringLiteral("tzolkara-kin: '") + QStringLiteral("\\0").repeated(40) +
                         QStringLiteral("...' is a line longer than 4096 bytes, not a date")));
    // The longest line taken is only refused for not being a date.
    const Run longest = run({}, QByteArray(4096, 'x'));
    QVERIFY(longest.err.at(0).contains(QStringLiteral("is not a date")));
}

void TestTzolkaraKin::options_unknownRefusedBeforeAnyOutput_dashReadsStandardInput_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QStringList>("dates"); // of the lines printed
    const QString first = QStringLiteral("1999-12-31");
    const QString last = QStringLiteral("2001-01-01");
    QTest::newRow("-v") << QStringList{first, QStringLiteral("-v")} << 2 << QStringList();
    QTest::newRow("--v") << QStringList{first, QStringLiteral("--v")} << 2 << QStringList();
    QTest::newRow("- between dates") << QStringList{first, QStringLiteral("-"), last} << 0
                                     << QStringList{first, QStringLiteral("2000-01-01"), last};
    QTest::newRow("-- ends the options")
        << QStringList{QStringLiteral("--"), first, QStringLiteral("-"), last} << 0
        << QStringList{first, QStringLiteral("2000-01-01"), last};
}

void TestTzolkaraKin::options_unknownRefusedBeforeAnyOutput_dashReadsStandardInput()
{
    QFETCH(QStringList, args);
    QFETCH(int, exitCode);
    QFETCH(QStringList, dates);
    const Run r = run(args, "2000-01-01\n");
    QCOMPARE(r.exitCode, exitCode);
    QStringList printed;
    for (const QString &line : r.out)
        printed << line.section(QLatin1Char('\t'), 0, 0);
    QCOMPARE(printed, dates);
    if (exitCode != 0) {
        // One line and where to look, as GNU tools say it; not the whole usage.
        QCOMPARE(r.err.size(), 2);
        QVERIFY(r.err.at(0).startsWith(QStringLiteral("tzolkara-kin: unknown option '-")));
        QCOMPARE(r.err.at(1), QStringLiteral("Try 'tzolkara-kin --help'."));
    }
}

void TestTzolkaraKin::terminalInput_getsTheUsageLineFirst()
{
    const int terminal = posix_openpt(O_RDWR | O_NOCTTY);
    QVERIFY(terminal >= 0 && grantpt(terminal) == 0 && unlockpt(terminal) == 0);
    QProcess process;
    process.setStandardInputFile(QString::fromLocal8Bit(ptsname(terminal)));
    process.start(QStringLiteral(TZOLKARA_KIN_PATH));
    QVERIFY(process.waitForStarted());
    // Nothing typed yet: the program says what it waits for.
    QByteArray err;
    QTRY_VERIFY((err += process.readAllStandardError()).contains("Ctrl-D"));
    QVERIFY2(err.startsWith("Usage: tzolkara-kin "), err.constData());
    QCOMPARE(process.state(), QProcess::Running);
    // A date, then Ctrl-D (the terminal's end of input).
    QCOMPARE(::write(terminal, "2012-12-21\n\x04", 12), 12);
    QVERIFY(process.waitForFinished(10000));
    QCOMPARE(process.exitCode(), 0);
    QVERIFY(process.readAllStandardOutput().startsWith("2012-12-21\t10\t4\t20\t"));
    ::close(terminal);
}

void TestTzolkaraKin::fullOutputDevice_exitsOneWithTheReason_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QByteArray>("input");
    QTest::newRow("dates as arguments")
        << QStringList{QStringLiteral("2000-01-01")} << QByteArray();
    QTest::newRow("dates on standard input") << QStringList() << QByteArray("2000-01-01\n");
    QTest::newRow("help") << QStringList{QStringLiteral("--help")} << QByteArray();
    QTest::newRow("version") << QStringList{QStringLiteral("--version")} << QByteArray();
    QTest::newRow("days found by --next")
        << args("--calendar|--next|4 Ajaw|--count|9") << QByteArray();
}

void TestTzolkaraKin::fullOutputDevice_exitsOneWithTheReason()
{
    QFETCH(QStringList, args);
    QFETCH(QByteArray, input);
    if (!QFile::exists(QStringLiteral("/dev/full")))
        QSKIP("This system has no /dev/full.");
    const Run r = run(args, input, QStringLiteral("/dev/full"));
    QCOMPARE(r.exitCode, 1);
    QCOMPARE(r.err, QStringList(QStringLiteral(
                        "tzolkara-kin: cannot write the output: No space left on device")));
}

void TestTzolkaraKin::calendar_appendsItsColumnsAndTakesTheWholeRange()
{
    Run r =
        run({QStringLiteral("--calendar"), QStringLiteral("--json"), QStringLiteral("2012-12-21")});
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(r.out, QStringList{QStringLiteral(
                        "{\"date\":\"2012-12-21\",\"KinNumber\":10,\"DayNumber\":4,\"DaySign\":20,"
                        "\"DaySignLabel\":\"AJPU - (AHUA)\",\"EnglishName\":\"Sun\","
                        "\"LongCount\":\"13.0.0.0.0\",\"HaabDay\":3,\"HaabMonth\":14,"
                        "\"HaabMonthName\":\"K'ank'in\",\"LordOfTheNight\":9,\"TrecenaSign\":17,"
                        "\"JulianDay\":2456283,\"TzolkinDay\":160,\"YearBearer\":\"1 Kaban\"}")});
    r = run({QStringLiteral("--calendar"), QStringLiteral("0001-01-01"),
             QStringLiteral("3999-12-31"), QStringLiteral("4000-01-01")});
    QCOMPARE(r.exitCode, 2);
    QCOMPARE(r.out.size(), 2);
    // 11 Ak'bal 11 Mol: 0 Pop was 151 days before, on 3 Eb.
    QVERIFY(r.out[0].endsWith(QStringLiteral("\t1721426\t63\t3 Eb")));
    QCOMPARE(r.out[1].split(QLatin1Char('\t')).size(), 15);
    QVERIFY(r.err.at(0).contains(QStringLiteral("0001-01-01 to 3999-12-31")));
}

void TestTzolkaraKin::calendar_readingColumnsEqualTheKinTablesOverEveryBirthDate()
{
    QByteArray input;
    for (QDate d(1900, 1, 1); d <= QDate(2099, 12, 31); d = d.addDays(1))
        input += d.toString(Qt::ISODate).toLatin1() + '\n';
    const Run tables = run({}, input);
    const Run calendar = run({QStringLiteral("--calendar")}, input);
    QCOMPARE(tables.err, QStringList());
    QCOMPARE(calendar.out.size(), tables.out.size());
    for (qsizetype i = 0; i < tables.out.size(); ++i) {
        if (!calendar.out[i].startsWith(tables.out[i] + QLatin1Char('\t')))
            QFAIL(qPrintable(calendar.out[i]));
    }
}

void TestTzolkaraKin::correlation_shiftsTheCountOrIsRefused_data()
{
    QTest::addColumn<QString>("correlation");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("line");
    // Two days later in the count: 2 Etz'nab instead of 4 Ajaw.
    QTest::newRow("584285") << "584285" << 0 << "2012-12-21\t8\t2\t18\tTIJASH - (ETZNAB)\tFlint";
    QTest::newRow("584286") << "584286" << 0 << "2012-12-21\t7\t1\t17\tNOJ - (CABAN)\tEarth";
    QTest::newRow("584284") << "584284" << 2 << "";
    QTest::newRow("not a number") << "GMT" << 2 << "";
}

void TestTzolkaraKin::correlation_shiftsTheCountOrIsRefused()
{
    QFETCH(QString, correlation);
    QFETCH(int, exitCode);
    QFETCH(QString, line);
    const Run r = run({QStringLiteral("--correlation"), correlation, QStringLiteral("2012-12-21")});
    QCOMPARE(r.exitCode, exitCode);
    QCOMPARE(r.out.value(0), line);
    if (exitCode != 0)
        QVERIFY(r.err.at(0).contains(QStringLiteral("584283, 584285 or 584286")));
}

void TestTzolkaraKin::tzolkinDay_countsFromOneImix_data()
{
    QTest::addColumn<QString>("date");
    QTest::addColumn<int>("tzolkinDay");
    QTest::newRow("7 Kawak") << "2026-12-07" << 59;
    QTest::newRow("4 Ajaw") << "2012-12-21" << 160;
    QTest::newRow("13 Ajaw") << "2013-03-31" << 260;
    QTest::newRow("1 Imix") << "2013-04-01" << 1;
}

void TestTzolkaraKin::tzolkinDay_countsFromOneImix()
{
    QFETCH(QString, date);
    QFETCH(int, tzolkinDay);
    const Run r = run({QStringLiteral("--calendar"), date});
    QCOMPARE(r.out.value(0).section(QLatin1Char('\t'), 13, 13).toInt(), tzolkinDay);
}

void TestTzolkaraKin::yearBearer_isWrittenInTheNamesChosen_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("bearer");
    // 0 Pop fell on 30 March 2026, 2 Manik'; the year before began 365 days
    // earlier, 1 and 5 signs back: 1 Ik'. 2012-12-21, 4 Ajaw 3 K'ank'in, is
    // 263 days into the year of 1 Kaban.
    QTest::newRow("Yucatec by default") << args("--calendar|2026-12-07") << "2 Manik'";
    QTest::newRow("K'iche'") << args("--calendar|--names|kiche|2026-12-07") << "2 Kej";
    QTest::newRow("K'iche', written so, JSON")
        << args("--calendar|--json|--names=K'iche'|2026-03-30") << "2 Kej";
    QTest::newRow("the day before 0 Pop")
        << args("--calendar|--names=yucatec|2026-03-29") << "1 Ik'";
    QTest::newRow("the day before 0 Pop, in K'iche'")
        << args("--calendar|--names|KICHE|2026-03-29") << "1 Iq'";
    QTest::newRow("13.0.0.0.0") << args("--calendar|--names|kiche|--long-count|13.0.0.0.0")
                                << "1 No'j";
    // Two days later in the count, 0 Pop comes two days later.
    QTest::newRow("correlation 584285")
        << args("--calendar|--correlation=584285|2026-03-31") << "1 Ik'";
}

void TestTzolkaraKin::yearBearer_isWrittenInTheNamesChosen()
{
    QFETCH(QStringList, args);
    QFETCH(QString, bearer);
    const Run r = run(args);
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(r.out.size(), 1);
    const QJsonObject object = QJsonDocument::fromJson(r.out[0].toUtf8()).object();
    QCOMPARE(object.isEmpty() ? r.out[0].section(QLatin1Char('\t'), 14)
                              : object.value(QStringLiteral("YearBearer")).toString(),
             bearer);
}

void TestTzolkaraKin::julian_readsAndPrintsTheSameDayInTheJulianCalendar_data()
{
    QTest::addColumn<QString>("julian");
    QTest::addColumn<QString>("gregorian");
    QTest::newRow("Pakal's death") << "0683-08-26" << QStringLiteral("0683-08-29");
    QTest::newRow("the last Julian day") << "1582-10-04" << QStringLiteral("1582-10-14");
    QTest::newRow("first of the range") << "0001-01-03" << QStringLiteral("0001-01-01");
    QTest::newRow("last of the range") << "3999-12-03" << QStringLiteral("3999-12-31");
}

void TestTzolkaraKin::julian_readsAndPrintsTheSameDayInTheJulianCalendar()
{
    QFETCH(QString, julian);
    QFETCH(QString, gregorian);
    const Run r = run({QStringLiteral("--calendar"), QStringLiteral("--julian"), julian});
    const Run reference = run({QStringLiteral("--calendar"), gregorian});
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(r.out.size(), 1);
    QCOMPARE(r.out[0].section(QLatin1Char('\t'), 0, 0), julian);
    QCOMPARE(r.out[0].section(QLatin1Char('\t'), 1),
             reference.out.value(0).section(QLatin1Char('\t'), 1));
}

void TestTzolkaraKin::longCount_printsTheDayItNames_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QByteArray>("input");
    // Each line as "date LongCount DayNumber DaySign HaabDay HaabMonthName".
    QTest::addColumn<QStringList>("lines");
    // Palenque: K'inich Janaab Pakal died on 9.12.11.5.18 6 Etz'nab 11 Yax.
    const QString pakal = QStringLiteral("0683-08-29 9.12.11.5.18 6 18 11 Yax");
    const QString end = QStringLiteral("2012-12-21 13.0.0.0.0 4 20 3 K'ank'in");
    QTest::newRow("--long-count, which implies --calendar")
        << args("--long-count|9.12.11.5.18") << QByteArray() << QStringList{pakal};
    QTest::newRow("--long-count=, Julian")
        << args("--calendar|--julian|--long-count=9.12.11.5.18") << QByteArray()
        << QStringList{QStringLiteral("0683-08-26 9.12.11.5.18 6 18 11 Yax")};
    QTest::newRow("correlation 584285")
        << args("--calendar|--correlation=584285|--long-count=9.12.11.5.18") << QByteArray()
        << QStringList{QStringLiteral("0683-08-31 9.12.11.5.18 6 18 11 Yax")};
    QTest::newRow("in order among the dates and lines")
        << args("--calendar|2012-12-21|--long-count|9.12.11.5.18|-")
        << QByteArray("2012-12-21\n 13.0.0.0.0 \n") << QStringList{end, pakal, end, end};
}

void TestTzolkaraKin::longCount_printsTheDayItNames()
{
    QFETCH(QStringList, args);
    QFETCH(QByteArray, input);
    QFETCH(QStringList, lines);
    const Run r = run(args, input);
    QCOMPARE(r.err, QStringList());
    QCOMPARE(r.exitCode, 0);
    QStringList read;
    for (const QString &line : r.out) {
        const QStringList columns = line.split(QLatin1Char('\t'));
        read << QStringList{columns[0], columns[6], columns[2], columns[3], columns[7], columns[9]}
                    .join(QLatin1Char(' '));
    }
    QCOMPARE(read, lines);
}

void TestTzolkaraKin::nextAndPrevious_printTheDaysTheEngineFinds_data()
{
    QTest::addColumn<QStringList>("args");
    // What the engine is asked for the same days.
    QTest::addColumn<QString>("spec");
    QTest::addColumn<QString>("from");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("first"); // the date of the first line
    QTest::newRow("next Calendar Round")
        << args("--calendar|--next|4 Ajaw 8 Kumk'u|--from|2026-12-07") << "4 Ajaw 8 Kumk'u"
        << "2026-12-07" << 1 << "2032-03-11";
    QTest::newRow("previous Tzolk'in days, from one of them")
        << args("--calendar|--previous|7 kawak|--from=2026-12-07|--count=5") << "7 Kawak"
        << "2026-12-07" << 5 << "2026-03-22";
    QTest::newRow("next Haab' days, JSON")
        << args("--calendar|--json|--next=0 Pop|--from|2000-01-01|--count|3") << "0 Pop"
        << "2000-01-01" << 3 << "2000-04-05";
    QTest::newRow("previous, Julian")
        << args("--calendar|--julian|--previous|6 Etznab 11 Yax|--from|0700-01-01|--count|2")
        << "6 Etz'nab 11 Yax"
        << "0700-01-01" << 2 << "0683-08-26";
    // 2026-12-07 is 7 Kawak: 8 Chuwen comes 92 days later, 4 K'an 205 and
    // 4 Chikchan 166.
    QTest::newRow("K'iche' sign, K'iche' names")
        << args("--calendar|--names|kiche|--next|8 B'atz'|--from|2026-12-07") << "8 Chuwen"
        << "2026-12-07" << 1 << "2027-03-09";
    QTest::newRow("--next alone, which implies --calendar; the label's word")
        << args("--next|4 AJPU|--from|2026-12-07") << "4 Ajaw"
        << "2026-12-07" << 1 << "2027-03-18";
    QTest::newRow("Kan, K'an in Yucatec")
        << args("--calendar|--next|4 Kan|--from|2026-12-07") << "4 K'an"
        << "2026-12-07" << 1 << "2027-06-30";
    QTest::newRow("KAN, Kan in K'iche'")
        << args("--calendar|--names=kiche|--next|4 KAN|--from|2026-12-07") << "4 Chikchan"
        << "2026-12-07" << 1 << "2027-05-22";
    QTest::newRow("K'an, told by its apostrophe")
        << args("--calendar|--names=kiche|--next|4 K\u2019an|--from|2026-12-07") << "4 K'an"
        << "2026-12-07" << 1 << "2027-06-30";
    QTest::newRow("colonial, accents, typographer's apostrophe")
        << args("--calendar|--next|4 Áhau 8 Kumk\u2019u|--from|2026-12-07") << "4 Ajaw 8 Kumk'u"
        << "2026-12-07" << 1 << "2032-03-11";
    QTest::newRow("label word, K'iche' names, Julian")
        << args("--calendar|--names|kiche|--julian|--previous|6 TIJASH 11 Yax|--from|0700-01-01")
        << "6 Etz'nab 11 Yax"
        << "0700-01-01" << 1 << "0683-08-26";
}

void TestTzolkaraKin::nextAndPrevious_printTheDaysTheEngineFinds()
{
    using namespace tzolkara::MayaCalendar;
    QFETCH(QStringList, args);
    QFETCH(QString, spec);
    QFETCH(QString, from);
    QFETCH(int, count);
    QFETCH(QString, first);
    const bool julian = args.contains(QStringLiteral("--julian"));
    const bool next = !args.filter(QStringLiteral("--next")).isEmpty();
    const QDate start = QDate::fromString(from, Qt::ISODate);
    long day = julian ? julianDayOfJulianDate(start.year(), start.month(), start.day())
                      : julianDayOf(start.year(), start.month(), start.day());
    const DaySpec wanted = *parseDaySpec(spec.toStdString());
    QStringList expected;
    for (int i = 0; i < count; ++i) {
        day = *(next ? nextDay(wanted, day) : previousDay(wanted, day));
        expected << QString::number(day);
    }

    const Run r = run(args);
    QCOMPARE(r.exitCode, 0);
    QStringList found;
    for (const QString &line : r.out) {
        const QJsonObject object = QJsonDocument::fromJson(line.toUtf8()).object();
        found << (object.isEmpty()
                      ? line.section(QLatin1Char('\t'), 12, 12)
                      : QString::number(object.value(QStringLiteral("JulianDay")).toInteger()));
    }
    QCOMPARE(found, expected);
    QVERIFY(r.out.value(0).contains(first));
}

void TestTzolkaraKin::calendarRefusals_exitTwoWithOneLine_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("printed"); // lines printed before the refusal
    QTest::addColumn<QString>("error");
    QTest::newRow("impossible Calendar Round")
        << args("--calendar|--next|4 Ajaw 9 Kumk'u") << 0
        << "'4 Ajaw 9 Kumk'u' never occurs: Ajaw falls on the Haab' days 3, 8, 13 and 18 only";
    QTest::newRow("5 Wayeb'") << args("--calendar|--next|5 Wayeb'") << 0
                              << "'5 Wayeb'' never occurs: Wayeb' has the days 0 to 4";
    QTest::newRow("bad day")
        << args("--calendar|--next|14 Ajaw") << 0
        << "'14 Ajaw' is not a day such as 4 Ajaw, 8 Kumk'u or 4 Ajaw 8 Kumk'u";
    QTest::newRow("--count 0") << args("--calendar|--next|4 Ajaw|--count|0") << 0
                               << "--count '0' is not a number from 1 to 10000";
    QTest::newRow("--from not a date")
        << args("--calendar|--next|4 Ajaw|--from|2026-02-30") << 0
        << "--from '2026-02-30' is not a date from 0001-01-01 to 3999-12-31 (YYYY-MM-DD)";
    QTest::newRow("past the range")
        << args("--calendar|--previous|4 Ajaw 8 Kumk'u|--from|0050-01-01|--count|3") << 1
        << "no more days '4 Ajaw 8 Kumk'u' before 0050-01-01 within 0001-01-01 to 3999-12-31: "
           "1 of 3 printed";
    QTest::newRow("Long Count after 3999")
        << args("--calendar|--long-count|19.0.0.0.0|2012-12-21") << 1
        << "'19.0.0.0.0' is a Long Count outside 0001-01-01 to 3999-12-31";
    QTest::newRow("baktun 20") << args("--long-count|20.0.0.0.0") << 0
                               << "'20.0.0.0.0' is a Long Count outside 0001-01-01 to 3999-12-31";
    QTest::newRow("--count twice")
        << args("--calendar|--next|4 Ajaw|--count|5|--count=7") << 0 << "--count is given twice";
    QTest::newRow("--from twice")
        << args("--calendar|--next|4 Ajaw|--from|2000-01-01|--from|2001-01-01") << 0
        << "--from is given twice";
    QTest::newRow("--names twice") << args("--calendar|--names|kiche|--names=kiche|2000-01-01") << 0
                                   << "--names is given twice";
    QTest::newRow("--names of no set") << args("--calendar|--names|maya|2000-01-01") << 0
                                       << "--names 'maya' is not yucatec or kiche";
    QTest::newRow("--names without a set")
        << args("--calendar|--names") << 0 << "--names '' is not yucatec or kiche";
    QTest::newRow("--names without --calendar")
        << args("--names|kiche|2000-01-01") << 0 << "--names needs --calendar";
    QTest::newRow("impossible Calendar Round, K'iche' names")
        << args("--calendar|--names|kiche|--next|4 Ajpu 9 Kumk'u") << 0
        << "'4 Ajpu 9 Kumk'u' never occurs: Ajpu falls on the Haab' days 3, 8, 13 and 18 only";
    QTest::newRow("bad day, K'iche' names")
        << args("--calendar|--names|kiche|--next|14 Ajpu") << 0
        << "'14 Ajpu' is not a day such as 4 Ajpu, 8 Kumk'u or 4 Ajpu 8 Kumk'u";
    QTest::newRow("--correlation twice")
        << args("--correlation|584283|--correlation|584285|2000-01-01") << 0
        << "--correlation is given twice";
    QTest::newRow("an option after --") << args("--|--json") << 0
                                        << "'--json' is not a date from 1900-01-01 to "
                                           "2099-12-31 (YYYY-MM-DD)";
    QTest::newRow("no Long Count")
        << args("--calendar|9.12.11.18.0") << 0
        << "'9.12.11.18.0' is not a Long Count such as 9.12.11.5.18 (katun, tun and kin 0..19, "
           "uinal 0..17)";
    QTest::newRow("Julian date of the Gregorian year 0")
        << args("--calendar|--julian|0001-01-02") << 0
        << "'0001-01-02' is not a Julian calendar date from 0001-01-03 to 3999-12-03 "
           "(YYYY-MM-DD)";
    QTest::newRow("--julian without --calendar")
        << args("--julian|2000-01-01") << 0 << "--julian needs --calendar";
    QTest::newRow("--count without --next")
        << args("--calendar|--count=2") << 0 << "--count needs --next or --previous";
    QTest::newRow("--next among dates")
        << args("--calendar|2000-01-01|--next|4 Ajaw") << 0
        << "--next prints the days it finds: give it no dates or Long Counts";
}

void TestTzolkaraKin::calendarRefusals_exitTwoWithOneLine()
{
    QFETCH(QStringList, args);
    QFETCH(int, printed);
    QFETCH(QString, error);
    const Run r = run(args);
    QCOMPARE(r.exitCode, 2);
    QCOMPARE(r.out.size(), printed);
    QCOMPARE(r.err, QStringList(QStringLiteral("tzolkara-kin: ") + error));
}

void TestTzolkaraKin::version_isTheProjectVersion()
{
    const Run r = run({QStringLiteral("--version")});
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(r.out, QStringList(QStringLiteral("tzolkara-kin " TZOLKARA_VERSION)));
}

QTEST_GUILESS_MAIN(TestTzolkaraKin)
#include "tst_tzolkarakin.moc"

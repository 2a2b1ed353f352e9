// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The day book's files for elsewhere: its backups, written and restored
// whole or not at all, and the iCalendar files desktop calendars import,
// read back by an iCalendar parser of its own.

#include "DayBookFiles.h"

#include "core/daybook/CalendarExport.h"
#include "core/daybook/DayBook.h"
#include "core/daybook/DayBookBackup.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace tzolkara;
using testing::bytesOf;
using testing::writeBytes;

namespace {

// The desktop clock's time the files are written at.
const QDateTime kNow(QDate(2026, 12, 7), QTime(9, 30), Qt::UTC);

long dayOf(int year, int month, int day)
{
    return MayaCalendar::julianDayOf(year, month, day);
}

// Prints the events of the calendar file argv[1] as JSON.
constexpr char kReadCalendar[] = R"(
import json, sys, icalendar
calendar = icalendar.Calendar.from_ical(open(sys.argv[1], 'rb').read())
events = [{'uid': str(e['UID']), 'start': e.decoded('DTSTART').isoformat(),
           'end': e.decoded('DTEND').isoformat(), 'summary': str(e['SUMMARY']),
           'description': str(e.get('DESCRIPTION', ''))} for e in calendar.walk('VEVENT')]
print(json.dumps({'version': str(calendar['VERSION']), 'events': events}))
)";

// A Python that has the icalendar package (Debian's python3-icalendar), or
// none.
QString pythonWithIcalendar()
{
    QStringList candidates{QStringLiteral("/usr/bin/python3")};
    const QString onPath = QStandardPaths::findExecutable(QStringLiteral("python3"));
    if (!onPath.isEmpty())
        candidates.append(onPath);
    for (const QString &python : std::as_const(candidates)) {
        QProcess probe;
        probe.start(python, {QStringLiteral("-c"), QStringLiteral("import icalendar")});
        if (probe.waitForFinished(30000) && probe.exitStatus() == QProcess::NormalExit &&
            probe.exitCode() == 0)
            return python;
    }
    return QString();
}

QString isoDate(long day)
{
    const MayaCalendar::GregorianDate date = MayaCalendar::gregorianDateOf(day);
    return QDate(date.year, date.month, date.day).toString(Qt::ISODate);
}

} // namespace

class TestDayBookFiles : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void backup_restoredWhole();
    void restore_refusesWhatIsNotAWholeBackup_data();
    void restore_refusesWhatIsNotAWholeBackup();
    void icsText_escaped_data();
    void icsText_escaped();
    void icsLine_foldedBetweenCharacters_data();
    void icsLine_foldedBetweenCharacters();
    void ics_readByAnotherParser_sameUidsNextTime();
    void ics_refusesDaysOutsideOrTooMany_data();
    void ics_refusesDaysOutsideOrTooMany();

private:
    QString path(const char *name) const { return m_dir->filePath(QLatin1String(name)); }
    // A book of a few notes and people, for every test here.
    void fill(DayBook &book);
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestDayBookFiles::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestDayBookFiles::fill(DayBook &book)
{
    QVERIFY(book.setNote(dayOf(2026, 3, 1),
                         QStringLiteral("Ceremonia en Chichicastenango,\ncon copal; \"ofrenda\"\\ "
                                        "y velas. 🕯️ ") +
                             QStringLiteral("Línea larga de ñandúes y jaguares. ").repeated(6)));
    QVERIFY(book.setNote(dayOf(2026, 7, 25), QStringLiteral("Día del fuego\r\nNueva línea")));
    QVERIFY(book.setNote(MayaCalendar::firstJulianDay(), QStringLiteral("The first day")));
    QVERIFY(book.setNote(MayaCalendar::lastJulianDay(), QStringLiteral("The last day")));
    QVERIFY(book.addPerson(QStringLiteral("Ana"), dayOf(1990, 1, 15), CalendarSystem::Gregorian));
    QVERIFY(book.addPerson(QStringLiteral("Ruiz, Beto; \"el Nene\" \\ K’iche’"),
                           MayaCalendar::julianDayOfJulianDate(1502, 6, 30),
                           CalendarSystem::Julian));
}

void TestDayBookFiles::backup_restoredWhole()
{
    DayBook original(path("daybook.sqlite"));
    fill(original);
    QVERIFY(original.removePerson(
        *original.addPerson(QStringLiteral("Gone"), dayOf(2000, 1, 1), CalendarSystem::Gregorian)));
    QVERIFY(
        original.addPerson(QStringLiteral("Carla"), dayOf(2001, 2, 3), CalendarSystem::Gregorian));
    const QString backup = path("backup.json");
    QVERIFY2(original.backUp(backup, kNow), qPrintable(original.errorString()));

    const QJsonObject written = QJsonDocument::fromJson(bytesOf(backup)).object();
    QCOMPARE(written.value(QStringLiteral("format")).toString(),
             QStringLiteral("tzolkara-daybook"));
    QCOMPARE(written.value(QStringLiteral("version")).toInt(), 1);
    QCOMPARE(written.value(QStringLiteral("notes")).toArray().size(), 4);
    QCOMPARE(
        written.value(QStringLiteral("people")).toArray().at(2).toObject(),
        (QJsonObject{
            {QStringLiteral("id"), 2},
            {QStringLiteral("name"), QStringLiteral("Ruiz, Beto; \"el Nene\" \\ K’iche’")},
            {QStringLiteral("birthDay"), qint64(MayaCalendar::julianDayOfJulianDate(1502, 6, 30))},
            {QStringLiteral("calendar"), QStringLiteral("julian")},
            {QStringLiteral("birthDate"), QStringLiteral("1502-06-30")}}));

    DayBook restored(path("other.sqlite"));
    QVERIFY(restored.setNote(dayOf(2026, 3, 2), QStringLiteral("Replaced by the backup")));
    QVERIFY(restored.addPerson(QStringLiteral("Replaced"), dayOf(1999, 9, 9),
                               CalendarSystem::Gregorian));
    QVERIFY2(restored.restore(backup), qPrintable(restored.errorString()));

    const long first = MayaCalendar::firstJulianDay();
    const long last = MayaCalendar::lastJulianDay();
    const QList<Note> notes = *original.notes(first, last);
    const QList<Note> restoredNotes = *restored.notes(first, last);
    QCOMPARE(restoredNotes.size(), notes.size());
    for (qsizetype i = 0; i < notes.size(); ++i) {
        QCOMPARE(restoredNotes.at(i).day, notes.at(i).day);
        QCOMPARE(restoredNotes.at(i).text, notes.at(i).text);
    }
    const QList<Person> people = *original.people();
    const QList<Person> restoredPeople = *restored.people();
    QCOMPARE(restoredPeople.size(), 3);
    for (qsizetype i = 0; i < people.size(); ++i) {
        QCOMPARE(restoredPeople.at(i).id, people.at(i).id);
        QCOMPARE(restoredPeople.at(i).name, people.at(i).name);
        QCOMPARE(restoredPeople.at(i).birthDay, people.at(i).birthDay);
        QCOMPARE(restoredPeople.at(i).calendar, people.at(i).calendar);
    }
    // Found in notes as before.
    QCOMPARE(restored.findInNotes(QStringLiteral("NANDU")), QList<long>{dayOf(2026, 3, 1)});
}

void TestDayBookFiles::restore_refusesWhatIsNotAWholeBackup_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("kind");
    const auto backup = [](const char *notes, const char *people, int version = 1) {
        return QByteArray(R"({"format": "tzolkara-daybook", "version": )") +
               QByteArray::number(version) + R"(, "notes": )" + notes + R"(, "people": )" + people +
               "}";
    };
    const char *ana = R"([{"id": 1, "name": "Ana", "birthDay": 2447907, "calendar": "gregorian"}])";
    const char *note = R"([{"day": 2461101, "text": "Hola"}])";
    QByteArray random(3000, Qt::Uninitialized);
    for (qsizetype i = 0; i < random.size(); ++i)
        random[i] = char((i * 7919 + 13) % 251);
    QTest::newRow("random bytes") << random << QString();
    const QByteArray whole = backup(note, ana);
    QTest::newRow("cut short") << whole.left(whole.size() - 20) << QString();
    QTest::newRow("another program's JSON")
        << QByteArray(R"({"format": "contacts", "version": 1, "notes": [], "people": []})")
        << QString();
    QTest::newRow("a JSON list") << QByteArray("[1, 2, 3]") << QString();
    QTest::newRow("a newer version") << backup(note, ana, 2) << QString();
    QTest::newRow("no version") << QByteArray(whole).replace("\"version\": 1,", "") << QString();
    QTest::newRow("a note outside the calendar")
        << backup(R"([{"day": 12, "text": "Hola"}])", ana) << QString();
    QTest::newRow("a day that is no whole number")
        << backup(R"([{"day": 2461101.5, "text": "Hola"}])", ana) << QString();
    QTest::newRow("two notes for one day")
        << backup(R"([{"day": 2461101, "text": "a"}, {"day": 2461101, "text": "b"}])", ana)
        << QString();
    QTest::newRow("a name too long")
        << backup(note, QByteArray(R"([{"id": 1, "name": ")" + QByteArray(256, 'n') +
                                   R"(", "birthDay": 2447907, "calendar": "gregorian"}])")
                            .constData())
        << QString();
    QTest::newRow("a person without a calendar")
        << backup(note, R"([{"id": 1, "name": "Ana", "birthDay": 2447907}])") << QString();
    QTest::newRow("two people of one id")
        << backup(note, R"([{"id": 1, "name": "Ana", "birthDay": 2447907, "calendar": "julian"},
                           {"id": 1, "name": "Bea", "birthDay": 2447907, "calendar": "julian"}])")
        << QString();
    QTest::newRow("no such file") << QByteArray() << QStringLiteral("missing");
    QTest::newRow("a folder") << QByteArray() << QStringLiteral("folder");
    QTest::newRow("larger than any backup") << QByteArray() << QStringLiteral("large");
}

void TestDayBookFiles::restore_refusesWhatIsNotAWholeBackup()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, kind);
    const QString file = path("backup.json");
    if (kind == QLatin1String("folder")) {
        QVERIFY(QDir().mkdir(file));
    } else if (kind == QLatin1String("large")) {
        QFile large(file);
        QVERIFY(large.open(QIODevice::WriteOnly) && large.resize(DayBookBackup::kMaxBytes + 1));
    } else if (kind.isEmpty()) {
        QVERIFY(writeBytes(file, bytes));
    }
    DayBook book(path("daybook.sqlite"));
    fill(book);
    const long first = MayaCalendar::firstJulianDay();
    const long last = MayaCalendar::lastJulianDay();
    const QList<Note> notes = *book.notes(first, last);
    const QList<Person> people = *book.people();

    QVERIFY(!book.restore(file));
    qInfo("%s", qPrintable(book.errorString()));
    QVERIFY2(book.errorString().contains(file), qPrintable(book.errorString()));
    QVERIFY(book.problem() == DayBook::Problem::Refused ||
            book.problem() == DayBook::Problem::Unreadable);
    QVERIFY(book.isOpen());
    const QList<Note> after = *book.notes(first, last);
    QCOMPARE(after.size(), notes.size());
    for (qsizetype i = 0; i < notes.size(); ++i)
        QCOMPARE(after.at(i).text, notes.at(i).text);
    QCOMPARE(book.people()->size(), people.size());
}

void TestDayBookFiles::icsText_escaped_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("escaped");
    QTest::newRow("plain") << QStringLiteral("Día")
                           << QByteArray("D\xc3\xad"
                                         "a");
    QTest::newRow("comma and semicolon") << QStringLiteral("a, b; c") << QByteArray("a\\, b\\; c");
    QTest::newRow("backslash") << QStringLiteral("a\\n") << QByteArray("a\\\\n");
    QTest::newRow("line feed") << QStringLiteral("a\nb") << QByteArray("a\\nb");
    QTest::newRow("CR LF is one break") << QStringLiteral("a\r\nb") << QByteArray("a\\nb");
    QTest::newRow("CR alone") << QStringLiteral("a\rb") << QByteArray("a\\nb");
    QTest::newRow("colon and quote stay") << QStringLiteral("a:\"b\"") << QByteArray("a:\"b\"");
    QTest::newRow("control characters left out")
        << QStringLiteral("a\x01\x7f\tb") << QByteArray("a\tb");
}

void TestDayBookFiles::icsText_escaped()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, escaped);
    QCOMPARE(IcsCalendar::escapedText(text), escaped);
}

void TestDayBookFiles::icsLine_foldedBetweenCharacters_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("lines");
    QTest::newRow("75 octets: one line") << QString(75, u'a') << 1;
    QTest::newRow("76 octets: two") << QString(76, u'a') << 2;
    QTest::newRow("two-octet letters across the fold")
        << (QStringLiteral("a") + QString(80, u'ñ')) << 3;
    QTest::newRow("four-octet characters across the fold")
        << (QStringLiteral("ab") + QStringLiteral("🌽").repeated(40)) << 3;
    QTest::newRow("a long note") << QStringLiteral("Jaguar ").repeated(100) << 10;
}

void TestDayBookFiles::icsLine_foldedBetweenCharacters()
{
    QFETCH(QString, line);
    QFETCH(int, lines);
    const QByteArray folded = IcsCalendar::contentLine(line.toUtf8());
    QVERIFY(folded.endsWith("\r\n"));
    const QList<QByteArray> physical = folded.chopped(2).split('\n');
    QCOMPARE(physical.size(), lines);
    QByteArray unfolded;
    for (qsizetype i = 0; i < physical.size(); ++i) {
        QByteArray piece = physical.at(i);
        if (i + 1 < physical.size()) {
            QVERIFY(piece.endsWith('\r'));
            piece.chop(1);
        }
        QVERIFY2(piece.size() <= 75, piece.constData());
        QStringDecoder utf8(QStringDecoder::Utf8);
        const QString decoded = utf8(piece);
        QVERIFY2(!utf8.hasError(), piece.constData());
        if (i > 0) {
            QVERIFY(piece.startsWith(' '));
            piece.remove(0, 1);
        }
        unfolded += piece;
    }
    QCOMPARE(QString::fromUtf8(unfolded), line);
}

void TestDayBookFiles::ics_readByAnotherParser_sameUidsNextTime()
{
    const QString python = pythonWithIcalendar();
    if (python.isEmpty())
        QSKIP("Python's icalendar package is missing (Debian: python3-icalendar, which "
              "scripts/install-deps installs)");
    DayBook book(path("daybook.sqlite"));
    fill(book);
    CalendarExport::Options options;
    options.firstDay = dayOf(2026, 1, 1);
    options.lastDay = dayOf(2027, 12, 31);
    options.withMayaDays = true;
    options.markedDays = {
        {dayOf(2026, 3, 20), QStringLiteral("Equinoccio"), QStringLiteral("Marzo, 20"),
         QStringLiteral("Feast")},
        {dayOf(2026, 3, 20), QStringLiteral("Otra fiesta"), QString(), QStringLiteral("Feast")},
        {dayOf(2030, 1, 1), QStringLiteral("Outside"), QString(), QStringLiteral("feast")},
    };
    const auto exported = [&](const char *name) {
        const QString file = path(name);
        QString error;
        if (!CalendarExport::write(file, &book, options, kNow, &error))
            qWarning("%s", qPrintable(error));
        QProcess reader;
        reader.start(python, {QStringLiteral("-c"), QLatin1String(kReadCalendar), file});
        reader.waitForFinished(60000);
        if (reader.exitCode() != 0)
            qWarning("%s", reader.readAllStandardError().constData());
        return QJsonDocument::fromJson(reader.readAllStandardOutput()).object();
    };
    const QJsonObject calendar = exported("first.ics");
    QCOMPARE(calendar.value(QStringLiteral("version")).toString(), QStringLiteral("2.0"));
    const QJsonArray events = calendar.value(QStringLiteral("events")).toArray();

    QMap<QString, QJsonObject> byUid;
    QMap<QString, QStringList> startsBySummary;
    for (const QJsonValue &value : events) {
        const QJsonObject event = value.toObject();
        const QString uid = event.value(QStringLiteral("uid")).toString();
        QVERIFY2(!byUid.contains(uid), qPrintable(uid));
        byUid.insert(uid, event);
        const QDate start =
            QDate::fromString(event.value(QStringLiteral("start")).toString(), Qt::ISODate);
        QCOMPARE(QDate::fromString(event.value(QStringLiteral("end")).toString(), Qt::ISODate),
                 start.addDays(1));
        startsBySummary[event.value(QStringLiteral("summary")).toString()].append(
            start.toString(Qt::ISODate));
    }
    // Every day's names.
    const long day = dayOf(2026, 3, 1);
    const MayaCalendar::Day maya = MayaCalendar::dayOf(day);
    const QJsonObject named = byUid.value(QStringLiteral("maya-day-20260301@daybook.tzolkara"));
    QCOMPARE(named.value(QStringLiteral("summary")).toString(),
             QString::fromStdString(MayaCalendar::calendarRoundText(maya)));
    QCOMPARE(named.value(QStringLiteral("start")).toString(), QStringLiteral("2026-03-01"));
    // The Maya birthdays, 260 days apart.
    const QList<Person> people = *book.people();
    for (const Person &person : people) {
        QStringList expected;
        for (const long birthday :
             MayaBirthdays::between(person.birthDay, options.firstDay, options.lastDay))
            expected.append(isoDate(birthday));
        QCOMPARE(expected.size(), 3);
        QCOMPARE(startsBySummary.value(person.name + QStringLiteral("'s Maya birthday")), expected);
        const QString uid = QStringLiteral("maya-birthday-%1-person-%2@daybook.tzolkara")
                                .arg(expected.first().remove(u'-'))
                                .arg(person.id);
        QCOMPARE(byUid.value(uid).value(QStringLiteral("description")).toString(),
                 QStringLiteral("Tzolk'in day ") + QString::fromStdString(MayaCalendar::tzolkinText(
                                                       MayaCalendar::dayOf(person.birthDay))));
    }
    // The notes, as written.
    QCOMPARE(byUid.value(QStringLiteral("note-20260301@daybook.tzolkara"))
                 .value(QStringLiteral("description"))
                 .toString(),
             *book.note(day));
    QCOMPARE(byUid.value(QStringLiteral("note-20260725@daybook.tzolkara"))
                 .value(QStringLiteral("description"))
                 .toString(),
             QStringLiteral("Día del fuego\nNueva línea"));
    QCOMPARE(byUid.value(QStringLiteral("note-20260725@daybook.tzolkara"))
                 .value(QStringLiteral("summary"))
                 .toString(),
             QStringLiteral("Note"));
    // The screen's own marks, two of a kind on one day apart.
    QCOMPARE(startsBySummary.value(QStringLiteral("Equinoccio")),
             QStringList{QStringLiteral("2026-03-20")});
    QCOMPARE(byUid.value(QStringLiteral("marked-feast-20260320@daybook.tzolkara"))
                 .value(QStringLiteral("description"))
                 .toString(),
             QStringLiteral("Marzo, 20"));
    QVERIFY(byUid.contains(QStringLiteral("marked-feast-20260320-2@daybook.tzolkara")));
    QVERIFY(!startsBySummary.contains(QStringLiteral("Outside")));
    QCOMPARE(events.size(), 730 + 2 + 3 + 3 + 2);

    // A later export after the note changed: the same events, the same UIDs.
    QVERIFY(book.setNote(day, QStringLiteral("Changed")));
    const QJsonArray again = exported("second.ics").value(QStringLiteral("events")).toArray();
    QCOMPARE(again.size(), events.size());
    for (const QJsonValue &value : again) {
        const QJsonObject event = value.toObject();
        const QString uid = event.value(QStringLiteral("uid")).toString();
        QVERIFY2(byUid.contains(uid), qPrintable(uid));
        QCOMPARE(event.value(QStringLiteral("start")),
                 byUid.value(uid).value(QStringLiteral("start")));
    }
    QCOMPARE(byUid.size(), again.size());

    // Lines end in CR LF, as the format has them.
    const QByteArray bytes = bytesOf(path("first.ics"));
    QVERIFY(bytes.endsWith("END:VCALENDAR\r\n"));
    QCOMPARE(bytes.count('\n'), bytes.count("\r\n"));
}

void TestDayBookFiles::ics_refusesDaysOutsideOrTooMany_data()
{
    QTest::addColumn<long>("first");
    QTest::addColumn<long>("last");
    QTest::newRow("eleven years") << dayOf(2026, 1, 1) << dayOf(2036, 12, 31);
    QTest::newRow("the last before the first") << dayOf(2026, 1, 2) << dayOf(2026, 1, 1);
    QTest::newRow("past the calendar") << dayOf(3999, 12, 1) << dayOf(3999, 12, 31) + 1;
}

void TestDayBookFiles::ics_refusesDaysOutsideOrTooMany()
{
    QFETCH(long, first);
    QFETCH(long, last);
    const QString file = path("calendar.ics");
    QVERIFY(writeBytes(file, "before"));
    CalendarExport::Options options;
    options.firstDay = first;
    options.lastDay = last;
    QString error;
    QVERIFY(!CalendarExport::write(file, nullptr, options, kNow, &error));
    QVERIFY(!error.isEmpty());
    QCOMPARE(bytesOf(file), QByteArray("before"));
    // Ten years, the longest, are taken.
    options.lastDay = first + CalendarExport::kMaxDays - 1;
    options.firstDay =
        std::min(first, MayaCalendar::lastJulianDay() - CalendarExport::kMaxDays + 1);
    options.lastDay = options.firstDay + CalendarExport::kMaxDays - 1;
    QVERIFY2(CalendarExport::write(file, nullptr, options, kNow, &error), qPrintable(error));
}

QTEST_GUILESS_MAIN(TestDayBookFiles)
#include "tst_daybookfiles.moc"

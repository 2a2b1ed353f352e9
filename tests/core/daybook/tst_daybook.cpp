// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The day book's notes and people on a real SQLite file, its file as the
// program makes it, and the first version's books brought up to date.

#include "DayBookFiles.h"

#include "core/daybook/DayBook.h"
#include "core/daybook/DayBookBackup.h"
#include "core/daybook/DayBookSchema.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#include <sys/stat.h>

using namespace tzolkara;
using testing::OtherConnection;

Q_DECLARE_METATYPE(CalendarSystem)

namespace {

long dayOf(int year, int month, int day)
{
    return MayaCalendar::julianDayOf(year, month, day);
}

int modeOf(const QString &path)
{
    struct stat status = {};
    return ::stat(QFile::encodeName(path).constData(), &status) == 0 ? int(status.st_mode & 0777)
                                                                     : -1;
}

} // namespace

class TestDayBook : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void file_madeOnlyWhenFirstUsed_privateAndMarked();
    void connections_ownAndRemovedWithTheBook();
    void notes_storedChangedAndRemoved();
    void notes_refused_data();
    void notes_refused();
    void findInNotes_data();
    void findInNotes();
    void people_storedChangedAndRemoved();
    void people_refused_data();
    void people_refused();
    void nextMayaBirthday_data();
    void nextMayaBirthday();
    void mayaBirthdays_sameAsEveryDayWalked_data();
    void mayaBirthdays_sameAsEveryDayWalked();
    void firstVersion_broughtUpToDate();
    void scale_monthMarksAndFind();

private:
    QString bookPath() const { return m_dir->filePath(QStringLiteral("daybook.sqlite")); }
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestDayBook::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestDayBook::file_madeOnlyWhenFirstUsed_privateAndMarked()
{
    const QString path = DayBook::defaultPath();
    QCOMPARE(path,
             qEnvironmentVariable("XDG_DATA_HOME") + QStringLiteral("/tzolkara/daybook.sqlite"));
    const QString folder = QFileInfo(path).path();
    {
        DayBook book;
        QVERIFY(!QFileInfo::exists(folder));
        QVERIFY(book.setNote(dayOf(2026, 3, 1), QStringLiteral("Primer día")));
        QCOMPARE(modeOf(folder), 0700);
        QCOMPARE(modeOf(path), 0600);
        QCOMPARE(modeOf(path + QStringLiteral("-wal")), 0600);
    }
    OtherConnection other(path);
    QVERIFY(other.isOpen());
    QCOMPARE(other.value(QStringLiteral("PRAGMA application_id")).toInt(),
             DayBookSchema::kApplicationId);
    QCOMPARE(other.value(QStringLiteral("PRAGMA user_version")).toInt(),
             DayBookSchema::kLatestVersion);
    QCOMPARE(other.value(QStringLiteral("PRAGMA journal_mode")), QStringLiteral("wal"));
    QCOMPARE(other.value(QStringLiteral("SELECT text FROM notes")), QStringLiteral("Primer día"));
}

void TestDayBook::connections_ownAndRemovedWithTheBook()
{
    {
        DayBook first(bookPath());
        DayBook second(m_dir->filePath(QStringLiteral("other.sqlite")));
        QVERIFY(first.open() && second.open());
        QCOMPARE(QSqlDatabase::connectionNames().size(), 2);
    }
    QVERIFY(QSqlDatabase::connectionNames().isEmpty());
}

void TestDayBook::notes_storedChangedAndRemoved()
{
    const long day = dayOf(2012, 12, 21);
    const QString text = QStringLiteral("13.0.0.0.0\n4 Ajaw 8 Kumk'u\n\n  Fin del baktun. 🌽");
    {
        DayBook book(bookPath());
        QVERIFY(book.setNote(day, text));
        QVERIFY(book.setNote(day + 3, QStringLiteral("Three days on")));
        QVERIFY(book.setNote(day - 40, QStringLiteral("Long before")));
    }
    DayBook book(bookPath());
    QCOMPARE(book.note(day), text);
    QCOMPARE(book.note(day + 1), QString());
    QCOMPARE(book.notedDays(day, day + 31), (QList<long>{day, day + 3}));
    QVERIFY(book.setNote(day, QStringLiteral("Changed")));
    QCOMPARE(book.note(day), QStringLiteral("Changed"));
    QVERIFY(book.setNote(day, QString()));
    QVERIFY(book.setNote(day + 3, QStringLiteral(" \n\t ")));
    QCOMPARE(book.note(day), QString());
    QCOMPARE(book.notedDays(day - 100, day + 100), QList<long>{day - 40});
    QCOMPARE(book.problem(), DayBook::Problem::None);
}

void TestDayBook::notes_refused_data()
{
    QTest::addColumn<long>("day");
    QTest::addColumn<QString>("text");
    const long day = dayOf(2026, 5, 1);
    QTest::newRow("before the calendar")
        << MayaCalendar::firstJulianDay() - 1 << QStringLiteral("x");
    QTest::newRow("after the calendar") << MayaCalendar::lastJulianDay() + 1 << QStringLiteral("x");
    QTest::newRow("one character too long")
        << day << QString(DayBookEntries::kMaxNoteLength + 1, QLatin1Char('a'));
    QTest::newRow("half a character") << day << (QStringLiteral("a") + QChar(0xD83C));
}

void TestDayBook::notes_refused()
{
    QFETCH(long, day);
    QFETCH(QString, text);
    DayBook book(bookPath());
    QVERIFY(book.setNote(dayOf(2026, 5, 1), QStringLiteral("Kept")));
    QVERIFY(!book.setNote(day, text));
    QCOMPARE(book.problem(), DayBook::Problem::Refused);
    QVERIFY(!book.errorString().isEmpty());
    QCOMPARE(book.note(dayOf(2026, 5, 1)), QStringLiteral("Kept"));
    QVERIFY(book.setNote(dayOf(2026, 5, 1), QString(DayBookEntries::kMaxNoteLength, u'é')));
}

void TestDayBook::findInNotes_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("word");
    QTest::addColumn<bool>("found");
    QTest::newRow("accents ignored")
        << QStringLiteral("Viaje a Mérida") << QStringLiteral("merida") << true;
    QTest::newRow("accents typed")
        << QStringLiteral("Viaje a Merida") << QStringLiteral("MÉRIDA") << true;
    QTest::newRow("any case") << QStringLiteral("MAÍZ NUEVO") << QStringLiteral("maiz") << true;
    QTest::newRow("decomposed in the note")
        << QStringLiteral("Jose\u0301 vino") << QStringLiteral("josé") << true;
    QTest::newRow("ligature") << QStringLiteral("La ﬁesta") << QStringLiteral("fiesta") << true;
    QTest::newRow("either apostrophe")
        << QStringLiteral("Kʼicheʼ y K’iche’") << QStringLiteral("k'iche'") << true;
    QTest::newRow("part of a word")
        << QStringLiteral("Lluvias de mayo") << QStringLiteral("lluvia") << true;
    QTest::newRow("on a later line")
        << QStringLiteral("Uno\nDos\nTres") << QStringLiteral("tres") << true;
    QTest::newRow("greek final sigma")
        << QStringLiteral("ΛΌΓΟΣ") << QStringLiteral("λόγος") << true;
    QTest::newRow("not there") << QStringLiteral("Viaje a Mérida") << QStringLiteral("merido")
                               << false;
    QTest::newRow("blank word") << QStringLiteral("Viaje") << QStringLiteral("  ") << false;
}

void TestDayBook::findInNotes()
{
    QFETCH(QString, text);
    QFETCH(QString, word);
    QFETCH(bool, found);
    DayBook book(bookPath());
    const long day = dayOf(2026, 2, 2);
    QVERIFY(book.setNote(day, text));
    QVERIFY(book.setNote(day + 1, QStringLiteral("Nada que ver")));
    QCOMPARE(book.findInNotes(word), found ? QList<long>{day} : QList<long>());
}

void TestDayBook::people_storedChangedAndRemoved()
{
    const long ana = dayOf(1990, 1, 15);
    const long bernal = MayaCalendar::julianDayOfJulianDate(1492, 3, 4);
    qint64 anaId = 0;
    qint64 bernalId = 0;
    qint64 carlaId = 0;
    {
        DayBook book(bookPath());
        anaId = book.addPerson(QStringLiteral("Ana"), ana, CalendarSystem::Gregorian).value_or(0);
        bernalId =
            book.addPerson(QStringLiteral("Bernal"), bernal, CalendarSystem::Julian).value_or(0);
        carlaId =
            book.addPerson(QString(255, u'C'), ana + 1, CalendarSystem::Gregorian).value_or(0);
        QVERIFY(anaId > 0 && bernalId > anaId && carlaId > bernalId);
    }
    DayBook book(bookPath());
    const std::optional<QList<Person>> people = book.people();
    QVERIFY(people);
    QCOMPARE(people->size(), 3);
    QCOMPARE(people->at(0).name, QStringLiteral("Ana"));
    QCOMPARE(people->at(0).birthDay, ana);
    QCOMPARE(people->at(1).id, bernalId);
    QCOMPARE(people->at(1).calendar, CalendarSystem::Julian);
    QCOMPARE(people->at(2).name.size(), 255);

    QVERIFY(book.changePerson({anaId, QStringLiteral("Zoila"), ana - 1, CalendarSystem::Julian}));
    QCOMPARE(book.people()->last().name, QStringLiteral("Zoila"));
    QCOMPARE(book.people()->last().birthDay, ana - 1);
    QCOMPARE(book.people()->last().calendar, CalendarSystem::Julian);

    // The last id is never given again: calendar files name events by it.
    QVERIFY(book.removePerson(carlaId));
    QVERIFY(book.addPerson(QStringLiteral("Dora"), ana, CalendarSystem::Gregorian) > carlaId);
    QVERIFY(!book.removePerson(carlaId));
    QCOMPARE(book.problem(), DayBook::Problem::Refused);
    QVERIFY(!book.changePerson({carlaId, QStringLiteral("Nadie"), ana, CalendarSystem::Gregorian}));
    QCOMPARE(book.people()->size(), 3);
}

void TestDayBook::people_refused_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<long>("birthDay");
    QTest::addColumn<CalendarSystem>("calendar");
    const long day = dayOf(1980, 7, 7);
    QTest::newRow("no name") << QString() << day << CalendarSystem::Gregorian;
    QTest::newRow("blanks") << QStringLiteral("   ") << day << CalendarSystem::Gregorian;
    QTest::newRow("256 characters") << QString(256, u'n') << day << CalendarSystem::Gregorian;
    QTest::newRow("two lines") << QStringLiteral("Ana\nMaría") << day << CalendarSystem::Gregorian;
    QTest::newRow("before 1 January 1")
        << QStringLiteral("Ana") << dayOf(1, 1, 1) - 1 << CalendarSystem::Gregorian;
    QTest::newRow("Julian 1 January 1, in Gregorian year 0")
        << QStringLiteral("Ana") << MayaCalendar::julianDayOfJulianDate(1, 1, 1)
        << CalendarSystem::Julian;
    QTest::newRow("after 31 December 3999")
        << QStringLiteral("Ana") << dayOf(3999, 12, 31) + 1 << CalendarSystem::Gregorian;
}

void TestDayBook::people_refused()
{
    QFETCH(QString, name);
    QFETCH(long, birthDay);
    QFETCH(CalendarSystem, calendar);
    DayBook book(bookPath());
    const std::optional<qint64> kept =
        book.addPerson(QStringLiteral("Kept"), dayOf(1970, 1, 1), CalendarSystem::Gregorian);
    QVERIFY(kept);
    QVERIFY(!book.addPerson(name, birthDay, calendar));
    QCOMPARE(book.problem(), DayBook::Problem::Refused);
    QVERIFY(!book.changePerson({*kept, name, birthDay, calendar}));
    QCOMPARE(book.problem(), DayBook::Problem::Refused);
    QCOMPARE(book.people()->size(), 1);
    QCOMPARE(book.people()->first().name, QStringLiteral("Kept"));
}

void TestDayBook::nextMayaBirthday_data()
{
    QTest::addColumn<long>("birthDay");
    QTest::addColumn<long>("from");
    QTest::addColumn<long>("expected"); // 0: none
    const long birth = dayOf(1990, 1, 15);
    QTest::newRow("before birth: the first") << birth << birth - 1000 << birth + 260;
    QTest::newRow("the day of birth is none") << birth << birth << birth + 260;
    QTest::newRow("on a birthday") << birth << birth + 520 << birth + 520;
    QTest::newRow("the day after one") << birth << birth + 521 << birth + 780;
    QTest::newRow("years on") << birth << dayOf(2026, 3, 1) << birth + 260 * 51;
    const long last = MayaCalendar::lastJulianDay();
    QTest::newRow("the calendar's last day") << last - 260 << last - 5 << last;
    QTest::newRow("past the calendar") << last - 270 << last - 5 << 0L;
}

void TestDayBook::nextMayaBirthday()
{
    QFETCH(long, birthDay);
    QFETCH(long, from);
    QFETCH(long, expected);
    const std::optional<long> next = MayaBirthdays::nextOnOrAfter(birthDay, from);
    QCOMPARE(next.value_or(0), expected);
    if (next) {
        const Person person{1, QStringLiteral("Ana"), birthDay, CalendarSystem::Gregorian};
        const MayaCalendar::Day born = MayaBirthdays::dayOfBirth(person);
        const MayaCalendar::Day then = MayaCalendar::dayOf(*next);
        QCOMPARE(then.number, born.number);
        QCOMPARE(then.sign, born.sign);
    }
}

void TestDayBook::mayaBirthdays_sameAsEveryDayWalked_data()
{
    QTest::addColumn<long>("first");
    QTest::addColumn<long>("last");
    QTest::newRow("a month") << dayOf(2026, 3, 1) << dayOf(2026, 3, 31);
    QTest::newRow("a month's grid, across the count's end")
        << dayOf(2026, 4, 27) << dayOf(2026, 6, 7);
    QTest::newRow("one day") << dayOf(2026, 1, 9) << dayOf(2026, 1, 9);
    QTest::newRow("a year") << dayOf(2026, 1, 1) << dayOf(2026, 12, 31);
    QTest::newRow("around the births") << dayOf(1989, 12, 1) << dayOf(1990, 4, 1);
}

void TestDayBook::mayaBirthdays_sameAsEveryDayWalked()
{
    QFETCH(long, first);
    QFETCH(long, last);
    DayBook book(bookPath());
    QList<Person> people;
    for (int i = 0; i < 40; ++i) {
        const Person person{0, QStringLiteral("P%1").arg(i, 2, 10, QLatin1Char('0')),
                            dayOf(1990, 1, 1) + i * 7, CalendarSystem::Gregorian};
        const std::optional<qint64> id =
            book.addPerson(person.name, person.birthDay, person.calendar);
        QVERIFY(id);
        people.append({*id, person.name, person.birthDay, person.calendar});
    }
    QList<MayaBirthday> walked;
    for (long day = first; day <= last; ++day) {
        const MayaCalendar::Day maya = MayaCalendar::dayOf(day);
        for (const Person &person : std::as_const(people)) {
            const MayaCalendar::Day born = MayaCalendar::dayOf(person.birthDay);
            if (day > person.birthDay && maya.number == born.number && maya.sign == born.sign)
                walked.append({day, person.id, person.name});
        }
    }
    const std::optional<QList<MayaBirthday>> found = book.mayaBirthdays(first, last);
    QVERIFY(found);
    QCOMPARE(found->size(), walked.size());
    for (qsizetype i = 0; i < walked.size(); ++i) {
        QCOMPARE(found->at(i).day, walked.at(i).day);
        QCOMPARE(found->at(i).personId, walked.at(i).personId);
        QCOMPARE(found->at(i).name, walked.at(i).name);
    }
}

void TestDayBook::firstVersion_broughtUpToDate()
{
    // A book as the first version wrote it.
    {
        OtherConnection first(bookPath());
        QVERIFY(first.run(
            QStringLiteral("PRAGMA application_id = %1").arg(DayBookSchema::kApplicationId)));
        for (const char *statement : {
                 "PRAGMA journal_mode = WAL",
                 "CREATE TABLE notes (day INTEGER PRIMARY KEY, text TEXT NOT NULL)",
                 "CREATE TABLE people (id INTEGER PRIMARY KEY AUTOINCREMENT, name TEXT NOT NULL,"
                 " birth_day INTEGER NOT NULL, calendar TEXT NOT NULL"
                 " CHECK (calendar IN ('gregorian', 'julian')))",
                 "INSERT INTO notes VALUES (2461101, 'Café en Cobán')",
                 "INSERT INTO notes VALUES (2461102, 'Nada')",
                 "INSERT INTO people VALUES (7, 'Ana', 2447907, 'julian')",
                 "PRAGMA user_version = 1",
             })
            QVERIFY2(first.run(QString::fromUtf8(statement)), statement);
    }
    {
        DayBook book(bookPath());
        QVERIFY2(book.open(), qPrintable(book.errorString()));
        QCOMPARE(book.findInNotes(QStringLiteral("COBAN")), QList<long>{2461101});
        QCOMPARE(book.note(2461102), QStringLiteral("Nada"));
        const std::optional<QList<Person>> people = book.people();
        QVERIFY(people && people->size() == 1);
        QCOMPARE(people->first().id, 7);
        QCOMPARE(people->first().calendar, CalendarSystem::Julian);
        QCOMPARE(book.mayaBirthdays(2447907 + 260, 2447907 + 260)->size(), 1);
    }
    OtherConnection after(bookPath());
    QCOMPARE(after.value(QStringLiteral("PRAGMA user_version")).toInt(), 2);
    QCOMPARE(after.value(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type = 'index' "
                                        "AND name IN ('people_by_name', 'people_by_cycle')")),
             QStringLiteral("2"));
    QCOMPARE(after.value(QStringLiteral("SELECT folded FROM notes WHERE day = 2461101")),
             QStringLiteral("cafe en coban"));
}

void TestDayBook::scale_monthMarksAndFind()
{
    // Ten thousand notes and a thousand people, put in at once by a restore.
    DayBookBackup::Contents contents;
    const long start = dayOf(1999, 1, 1);
    for (long i = 0; i < 10000; ++i)
        contents.notes.append(
            {start + i * 3, QStringLiteral("Nota %1: lluvia, maíz y el día %2 "
                                           "del calendario. %3")
                                .arg(i)
                                .arg(i % 260)
                                .arg(i % 97 == 0 ? QStringLiteral("Xibalbá") : QString())});
    for (qint64 i = 1; i <= 1000; ++i)
        contents.people.append({i, QStringLiteral("Persona %1").arg(i), dayOf(1940, 1, 1) + i * 23,
                                CalendarSystem::Gregorian});
    const QString backup = m_dir->filePath(QStringLiteral("big.json"));
    QVERIFY(testing::writeBytes(backup,
                                DayBookBackup::encode(contents, QDateTime::currentDateTimeUtc())));

    QElapsedTimer timer;
    timer.start();
    {
        DayBook book(bookPath());
        QVERIFY2(book.restore(backup), qPrintable(book.errorString()));
    }
    const qint64 restoreMs = timer.restart();
    DayBook book(bookPath());
    QVERIFY(book.open());
    const qint64 openNs = timer.nsecsElapsed();

    const long first = dayOf(2026, 4, 27);
    const long last = first + 41;
    constexpr int kRounds = 50;
    timer.restart();
    std::optional<QList<long>> noted;
    std::optional<QList<MayaBirthday>> birthdays;
    for (int i = 0; i < kRounds; ++i) {
        noted = book.notedDays(first, last);
        birthdays = book.mayaBirthdays(first, last);
    }
    const qint64 monthNs = timer.nsecsElapsed() / kRounds;
    timer.restart();
    std::optional<QList<long>> found;
    for (int i = 0; i < kRounds; ++i)
        found = book.findInNotes(QStringLiteral("xibalba"));
    const qint64 findNs = timer.nsecsElapsed() / kRounds;

    QVERIFY(noted && birthdays && found);
    QCOMPARE(noted->size(), 14);
    QCOMPARE(found->size(), 104);
    QCOMPARE(found->first(), start + 9991 * 3); // newest first
    QVERIFY(birthdays->size() > 1000 * 42 / 260 - 20);
    qInfo("10000 notes, 1000 people: restore %lld ms, open (with quick_check) %.1f ms, "
          "a month's marks %.2f ms, find in notes %.2f ms",
          restoreMs, openNs / 1e6, monthNs / 1e6, findNs / 1e6);
}

QTEST_GUILESS_MAIN(TestDayBook)
#include "tst_daybook.moc"

// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Every way the day book's file can fail the program, made real: each ends
// in a message naming the file and the reason, the calendar can go on
// without the book, and nothing stored is changed or lost.

#include "DayBookFiles.h"

#include "core/daybook/DayBook.h"
#include "core/daybook/DayBookSchema.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <memory>

#include <linux/capability.h>
#include <linux/securebits.h>
#include <sys/mount.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

using namespace tzolkara;
using testing::bytesOf;
using testing::OtherConnection;

Q_DECLARE_METATYPE(DayBook::Problem)

namespace {

// The desktop clock's time the files are written at.
const QDateTime kNow(QDate(2026, 12, 7), QTime(9, 30), Qt::UTC);

const long kDay = MayaCalendar::julianDayOf(2026, 3, 1);

// Writes 4 KiB pieces until the folder's disk holds no more.
void fillFolder(const QString &folder)
{
    QFile filler(folder + QStringLiteral("/filler"));
    QVERIFY(filler.open(QIODevice::WriteOnly));
    const QByteArray piece(4096, 'x');
    while (filler.write(piece) == piece.size() && filler.flush())
        ;
}

// A book of a few pages, closed.
void makeBook(const QString &path, int notes = 20)
{
    DayBook book(path);
    for (int i = 0; i < notes; ++i)
        QVERIFY2(book.setNote(kDay + i, QStringLiteral("Nota %1 ").arg(i).repeated(40)),
                 qPrintable(book.errorString()));
}

// A small tmpfs at `folder` for the test's length, or why there is none.
class Tmpfs final
{
public:
    explicit Tmpfs(const QString &folder) : m_path(QFile::encodeName(folder))
    {
        if (::geteuid() != 0) {
            m_why = QStringLiteral("mounting a tmpfs needs root");
            return;
        }
        QDir().mkpath(folder);
        if (::mount("tmpfs", m_path.constData(), "tmpfs", 0, "size=512k,mode=0700") != 0)
            m_why = QStringLiteral("cannot mount a tmpfs here: ") +
                    QString::fromLocal8Bit(std::strerror(errno));
    }
    ~Tmpfs()
    {
        if (m_why.isEmpty())
            ::umount2(m_path.constData(), MNT_DETACH);
    }
    Tmpfs(const Tmpfs &) = delete;
    Tmpfs &operator=(const Tmpfs &) = delete;

    QString whyNot() const { return m_why; }
    bool makeReadOnly()
    {
        return ::mount("tmpfs", m_path.constData(), "tmpfs", MS_REMOUNT | MS_RDONLY, nullptr) == 0;
    }

private:
    QByteArray m_path;
    QString m_why;
};

} // namespace

class TestDayBookFaults : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void unusableFile_namedKeptAndSetAside_data();
    void unusableFile_namedKeptAndSetAside();
    void lockedByAnotherWriter_waitsBrieflyThenSaysSo();
    void fullDisk_refusedAndNothingLost_data();
    void fullDisk_refusedAndNothingLost();
    void readOnlyDisk_readButNotChanged();
    void withoutPermission_data();
    void withoutPermission();

private:
    QString bookPath() const { return m_dir->filePath(QStringLiteral("daybook.sqlite")); }
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestDayBookFaults::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestDayBookFaults::unusableFile_namedKeptAndSetAside_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<DayBook::Problem>("problem");
    QTest::addColumn<bool>("setAside");
    QTest::newRow("random bytes") << "random" << DayBook::Problem::Damaged << true;
    QTest::newRow("half a day book") << "truncated" << DayBook::Problem::Damaged << true;
    QTest::newRow("a day book with a page overwritten")
        << "overwritten" << DayBook::Problem::Damaged << true;
    QTest::newRow("another program's database") << "foreign" << DayBook::Problem::Foreign << true;
    QTest::newRow("another program's marked database")
        << "foreign-marked" << DayBook::Problem::Foreign << true;
    QTest::newRow("a book of a newer version") << "newer" << DayBook::Problem::Newer << true;
    QTest::newRow("a folder in its place") << "folder" << DayBook::Problem::NotAFile << false;
    QTest::newRow("a named pipe in its place") << "pipe" << DayBook::Problem::NotAFile << false;
}

void TestDayBookFaults::unusableFile_namedKeptAndSetAside()
{
    QFETCH(QString, kind);
    QFETCH(DayBook::Problem, problem);
    QFETCH(bool, setAside);
    const QString path = bookPath();
    if (kind == QLatin1String("random")) {
        QByteArray bytes(8192, Qt::Uninitialized);
        QRandomGenerator random(1583);
        random.fillRange(reinterpret_cast<quint32 *>(bytes.data()), bytes.size() / 4);
        QVERIFY(testing::writeBytes(path, bytes));
    } else if (kind == QLatin1String("truncated") || kind == QLatin1String("overwritten")) {
        makeBook(path, 300);
        QByteArray bytes = bytesOf(path);
        QVERIFY(bytes.size() > 16 * 4096);
        if (kind == QLatin1String("truncated"))
            bytes.truncate(bytes.size() / 2);
        else
            bytes.replace(8 * 4096, 4096, QByteArray(4096, '\x5a'));
        QVERIFY(testing::writeBytes(path, bytes));
    } else if (kind.startsWith(QLatin1String("foreign")) || kind == QLatin1String("newer")) {
        OtherConnection other(path);
        if (kind == QLatin1String("foreign-marked"))
            QVERIFY(other.run(QStringLiteral("PRAGMA application_id = 1196379220")));
        if (kind == QLatin1String("newer"))
            QVERIFY(other.run(
                QStringLiteral("PRAGMA application_id = %1").arg(DayBookSchema::kApplicationId)));
        QVERIFY(other.run(
            QStringLiteral("PRAGMA user_version = %1").arg(DayBookSchema::kLatestVersion + 1)));
        QVERIFY(other.run(QStringLiteral("CREATE TABLE notes (day, text, folded, colour)")));
        QVERIFY(
            other.run(QStringLiteral("INSERT INTO notes VALUES (%1, 'theirs', '', 1)").arg(kDay)));
    } else if (kind == QLatin1String("folder")) {
        QVERIFY(QDir().mkpath(path + QStringLiteral("/inside")));
    } else {
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    }
    const QByteArray before = bytesOf(path);
    const QStringList filesBefore =
        QDir(m_dir->path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);

    DayBook book(path);
    QVERIFY(!book.open());
    QCOMPARE(book.problem(), problem);
    const QString message = book.errorString();
    QVERIFY2(message.contains(path), qPrintable(message));
    qInfo("%s", qPrintable(message));
    // Every call fails at once, with the same words, and the calendar goes
    // on without the book.
    QElapsedTimer timer;
    timer.start();
    QVERIFY(!book.note(kDay));
    QVERIFY(!book.notedDays(kDay, kDay + 41));
    QVERIFY(!book.mayaBirthdays(kDay, kDay + 41));
    QVERIFY(!book.findInNotes(QStringLiteral("theirs")));
    QVERIFY(!book.setNote(kDay, QStringLiteral("mine")));
    QVERIFY(!book.addPerson(QStringLiteral("Ana"), kDay, CalendarSystem::Gregorian));
    QVERIFY(!book.restore(path));
    QVERIFY(timer.elapsed() < 500);
    QCOMPARE(book.problem(), problem);
    QCOMPARE(book.errorString(), message);
    QVERIFY(!book.isOpen());
    QCOMPARE(bytesOf(path), before);
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             filesBefore);

    QCOMPARE(book.canStartAfresh(), setAside);
    if (!setAside) {
        QVERIFY(!book.startAfresh(kNow));
        QCOMPARE(book.problem(), DayBook::Problem::Refused);
        QVERIFY(QFileInfo(path).isDir() || QFileInfo(path).exists());
        return;
    }
    QString aside;
    QVERIFY2(book.startAfresh(kNow, &aside), qPrintable(book.errorString()));
    const QRegularExpression asideName(QRegularExpression::anchoredPattern(
        QRegularExpression::escape(path) +
        QStringLiteral("\\.(damaged|foreign|newer)-\\d{8}-\\d{6}")));
    QVERIFY2(asideName.match(aside).hasMatch(), qPrintable(aside));
    QCOMPARE(bytesOf(aside), before);
    QVERIFY(book.isOpen());
    QCOMPARE(book.notedDays(MayaCalendar::firstJulianDay(), MayaCalendar::lastJulianDay()),
             QList<long>());
    QVERIFY(book.setNote(kDay, QStringLiteral("A new book")));
    QCOMPARE(bytesOf(aside), before);
}

void TestDayBookFaults::lockedByAnotherWriter_waitsBrieflyThenSaysSo()
{
    DayBook book(bookPath());
    QVERIFY(book.setNote(kDay, QStringLiteral("Before")));
    OtherConnection other(bookPath());
    QVERIFY(other.run(QStringLiteral("BEGIN IMMEDIATE")));
    QVERIFY(other.run(
        QStringLiteral("INSERT INTO notes VALUES (%1, 'Theirs', 'theirs')").arg(kDay + 1)));

    QElapsedTimer timer;
    timer.start();
    QVERIFY(!book.setNote(kDay, QStringLiteral("During")));
    const qint64 waited = timer.elapsed();
    QCOMPARE(book.problem(), DayBook::Problem::Locked);
    QVERIFY2(book.errorString().contains(bookPath()), qPrintable(book.errorString()));
    qInfo("waited %lld ms: %s", waited, qPrintable(book.errorString()));
    QVERIFY(waited >= 500 && waited < 5000);
    // Reading never waits for a writer.
    QCOMPARE(book.note(kDay), QStringLiteral("Before"));
    QCOMPARE(book.note(kDay + 1), QString());

    QVERIFY(other.run(QStringLiteral("ROLLBACK")));
    QVERIFY(book.setNote(kDay, QStringLiteral("After")));
    QCOMPARE(book.note(kDay), QStringLiteral("After"));
}

void TestDayBookFaults::fullDisk_refusedAndNothingLost_data()
{
    QTest::addColumn<bool>("tmpfs");
    QTest::newRow("a full tmpfs") << true;
    QTest::newRow("a file size limit") << false;
}

void TestDayBookFaults::fullDisk_refusedAndNothingLost()
{
    QFETCH(bool, tmpfs);
    const QString folder = m_dir->filePath(QStringLiteral("disk"));
    QVERIFY(QDir().mkpath(folder));
    std::unique_ptr<Tmpfs> disk;
    if (tmpfs) {
        disk = std::make_unique<Tmpfs>(folder);
        if (!disk->whyNot().isEmpty())
            QSKIP(qPrintable(disk->whyNot()));
    }
    const QString path = folder + QStringLiteral("/daybook.sqlite");
    makeBook(path);
    DayBook book(path);
    QVERIFY(book.open());
    const std::optional<QList<Note>> stored = book.notes(kDay - 1000, kDay + 1000);
    QVERIFY(stored && stored->size() == 20);

    const QString large(DayBookEntries::kMaxNoteLength, u'ñ');
    bool saved = true;
    if (tmpfs) {
        fillFolder(folder);
        saved = book.setNote(kDay + 100, large);
        QVERIFY(QFile::remove(folder + QStringLiteral("/filler")));
    } else {
        // Writes past 64 KiB fail as on a full disk.
        rlimit old = {};
        QCOMPARE(::getrlimit(RLIMIT_FSIZE, &old), 0);
        const rlimit small = {64 * 1024, old.rlim_max};
        ::signal(SIGXFSZ, SIG_IGN);
        QCOMPARE(::setrlimit(RLIMIT_FSIZE, &small), 0);
        saved = book.setNote(kDay + 100, large);
        ::setrlimit(RLIMIT_FSIZE, &old);
        ::signal(SIGXFSZ, SIG_DFL);
    }
    QVERIFY(!saved);
    qInfo("%s", qPrintable(book.errorString()));
    QVERIFY2(book.errorString().contains(path), qPrintable(book.errorString()));
    if (tmpfs)
        QCOMPARE(book.problem(), DayBook::Problem::DiskFull);
    QVERIFY(book.isOpen());
    QCOMPARE(book.note(kDay + 100), QString());
    const std::optional<QList<Note>> after = book.notes(kDay - 1000, kDay + 1000);
    QVERIFY(after && after->size() == stored->size());
    for (qsizetype i = 0; i < stored->size(); ++i)
        QCOMPARE(after->at(i).text, stored->at(i).text);
    // With room again, the same book saves.
    QVERIFY2(book.setNote(kDay + 100, large), qPrintable(book.errorString()));
    OtherConnection other(path);
    QCOMPARE(other.value(QStringLiteral("PRAGMA integrity_check")), QStringLiteral("ok"));
}

void TestDayBookFaults::readOnlyDisk_readButNotChanged()
{
    const QString folder = m_dir->filePath(QStringLiteral("disk"));
    Tmpfs disk(folder);
    if (!disk.whyNot().isEmpty())
        QSKIP(qPrintable(disk.whyNot() +
                         QStringLiteral("; withoutPermission tests a read-only folder")));
    const QString path = folder + QStringLiteral("/daybook.sqlite");
    makeBook(path);
    QVERIFY(disk.makeReadOnly());
    const QByteArray before = bytesOf(path);

    DayBook book(path);
    QVERIFY2(book.open(), qPrintable(book.errorString()));
    QVERIFY(book.isReadOnly());
    QCOMPARE(book.note(kDay), QStringLiteral("Nota 0 ").repeated(40));
    QVERIFY(!book.setNote(kDay, QStringLiteral("Changed")));
    QCOMPARE(book.problem(), DayBook::Problem::ReadOnly);
    QVERIFY2(book.errorString().contains(path), qPrintable(book.errorString()));
    qInfo("%s", qPrintable(book.errorString()));
    QCOMPARE(bytesOf(path), before);
}

void TestDayBookFaults::withoutPermission_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("opens");
    QTest::addColumn<DayBook::Problem>("problem");
    QTest::newRow("an unreadable file") << "unreadable" << false << DayBook::Problem::Unreadable;
    QTest::newRow("a read-only file") << "read-only file" << true << DayBook::Problem::ReadOnly;
    QTest::newRow("a read-only folder") << "read-only folder" << true << DayBook::Problem::ReadOnly;
    QTest::newRow("a read-only folder without a book")
        << "read-only empty folder" << false << DayBook::Problem::ReadOnly;
}

// Run in a process of its own, without root's powers when the test has them.
void TestDayBookFaults::withoutPermission()
{
    QFETCH(QString, kind);
    QFETCH(bool, opens);
    QFETCH(DayBook::Problem, problem);
    const QString folder = m_dir->filePath(QStringLiteral("book"));
    const QString path = folder + QStringLiteral("/daybook.sqlite");
    QVERIFY(QDir().mkpath(folder));
    if (kind != QLatin1String("read-only empty folder"))
        makeBook(path);
    const QByteArray before = bytesOf(path);
    const QString locked = kind.endsWith(QLatin1String("folder")) ? folder : path;
    const QFile::Permissions old = QFile::permissions(locked);
    const auto restore = qScopeGuard([&] { QFile::setPermissions(locked, old); });
    QVERIFY(QFile::setPermissions(locked, kind == QLatin1String("unreadable")
                                              ? QFile::Permissions()
                                              : QFile::ReadOwner | QFile::ExeOwner));

    QProcess probe;
    probe.setChildProcessModifier([] {
        // No capabilities, nor again after exec: permissions bind root as
        // they bind a user.
        ::prctl(PR_SET_SECUREBITS, SECBIT_NOROOT | SECBIT_NOROOT_LOCKED);
        __user_cap_header_struct header = {_LINUX_CAPABILITY_VERSION_3, 0};
        __user_cap_data_struct none[2] = {};
        ::syscall(SYS_capset, &header, none);
    });
    probe.start(QStringLiteral(DAYBOOK_HELPER_PATH),
                {QStringLiteral("probe"), path, QString::number(kDay)});
    QVERIFY(probe.waitForFinished(30000));
    QCOMPARE(probe.exitCode(), 0);
    QMap<QString, QString> said;
    for (const QByteArray &line : probe.readAllStandardOutput().split('\n')) {
        const qsizetype blank = line.indexOf(' ');
        if (blank > 0)
            said.insert(QString::fromUtf8(line.left(blank)),
                        QString::fromUtf8(line.mid(blank + 1)));
    }
    qInfo("%s", qPrintable(opens ? said.value(QStringLiteral("writeerror"))
                                 : said.value(QStringLiteral("error"))));
    if (opens) {
        QCOMPARE(said.value(QStringLiteral("open")), QStringLiteral("1"));
        QCOMPARE(said.value(QStringLiteral("readonly")), QStringLiteral("1"));
        QCOMPARE(said.value(QStringLiteral("note")), QStringLiteral("Nota 0 ").repeated(40));
    } else {
        QCOMPARE(said.value(QStringLiteral("open")), QStringLiteral("0"));
        QCOMPARE(said.value(QStringLiteral("problem")).toInt(), int(problem));
        QVERIFY2(said.value(QStringLiteral("error")).contains(path),
                 qPrintable(said.value(QStringLiteral("error"))));
        QCOMPARE(said.value(QStringLiteral("read")), QStringLiteral("0"));
    }
    QCOMPARE(said.value(QStringLiteral("write")), QStringLiteral("0"));
    QCOMPARE(said.value(QStringLiteral("writeproblem")).toInt(), int(problem));
    QVERIFY(said.value(QStringLiteral("writeerror")).contains(path));
    QFile::setPermissions(locked, old);
    QCOMPARE(bytesOf(path), before);
}

QTEST_GUILESS_MAIN(TestDayBookFaults)
#include "tst_daybookfaults.moc"

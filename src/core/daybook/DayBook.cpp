// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/daybook/DayBook.h"

#include "core/common/RegularFile.h"
#include "core/common/SafeSave.h"
#include "core/daybook/DayBookBackup.h"
#include "core/daybook/DayBookSchema.h"
#include "core/daybook/SearchText.h"
#include "core/daybook/SqlSteps.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QUrl>
#include <QVariant>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <tuple>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tzolkara {

namespace {

// Long enough for another program's short write to end, short enough that
// the calendar never seems to hang.
constexpr int kBusyTimeoutMs = 1000;

// SQLite's primary result codes that the day book tells apart.
constexpr int kSqlitePerm = 3;
constexpr int kSqliteBusy = 5;
constexpr int kSqliteLocked = 6;
constexpr int kSqliteReadOnly = 8;
constexpr int kSqliteCorrupt = 11;
constexpr int kSqliteFull = 13;
constexpr int kSqliteNotADatabase = 26;

// Every SQLite database begins with these 16 bytes; its header is 100.
constexpr char kSqliteMagic[] = "SQLite format 3";
constexpr int kHeaderSize = 100;
constexpr int kApplicationIdOffset = 68;

QString systemReason(int systemError)
{
    return QString::fromLocal8Bit(std::strerror(systemError));
}

int primaryCode(const QSqlError &error)
{
    bool ok = false;
    const int code = error.nativeErrorCode().toInt(&ok);
    return ok ? code & 0xff : -1;
}

DayBook::Problem problemOfSystemError(int systemError)
{
    switch (systemError) {
    case ENOSPC:
    case EDQUOT:
        return DayBook::Problem::DiskFull;
    case EACCES:
    case EPERM:
    case EROFS:
        return DayBook::Problem::ReadOnly;
    default:
        return DayBook::Problem::Failed;
    }
}

// What the first bytes of an existing file say it is.
enum class Header { Empty, NotADatabase, Foreign, DayBook };

Header headerOf(int fd)
{
    char bytes[kHeaderSize] = {};
    ssize_t size = 0;
    while (size < kHeaderSize) {
        const ssize_t got = ::pread(fd, bytes + size, size_t(kHeaderSize - size), size);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            break;
        size += got;
    }
    if (size == 0)
        return Header::Empty;
    if (size < kHeaderSize || std::memcmp(bytes, kSqliteMagic, sizeof kSqliteMagic) != 0)
        return Header::NotADatabase;
    const auto *id = reinterpret_cast<const unsigned char *>(bytes + kApplicationIdOffset);
    const quint32 applicationId =
        quint32(id[0]) << 24 | quint32(id[1]) << 16 | quint32(id[2]) << 8 | quint32(id[3]);
    return applicationId == quint32(DayBookSchema::kApplicationId) ? Header::DayBook
                                                                   : Header::Foreign;
}

bool exists(const QString &path)
{
    struct stat status = {};
    return ::lstat(QFile::encodeName(path).constData(), &status) == 0;
}

// Never over a file of that name: set-aside books are never replaced.
bool renameToFreeName(const QString &from, const QString &to)
{
    const QByteArray source = QFile::encodeName(from);
    const QByteArray target = QFile::encodeName(to);
    if (::renameat2(AT_FDCWD, source.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE) ==
        0)
        return true;
    if (errno != EINVAL && errno != ENOSYS)
        return false;
    if (exists(to)) {
        errno = EEXIST;
        return false;
    }
    return ::rename(source.constData(), target.constData()) == 0;
}

void syncFolder(const QString &folder)
{
    const int fd =
        ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// SQLite's companions of a database file, named after it.
constexpr const char *kCompanions[] = {"-wal", "-shm", "-journal"};

QString calendarName(CalendarSystem calendar)
{
    return calendar == CalendarSystem::Julian ? QStringLiteral("julian")
                                              : QStringLiteral("gregorian");
}

CalendarSystem calendarOf(const QString &name)
{
    return name == QLatin1String("julian") ? CalendarSystem::Julian : CalendarSystem::Gregorian;
}

QSqlError execute(QSqlDatabase &db, const QString &statement, const QVariantList &values,
                  int *rowsAffected = nullptr, QVariant *insertedId = nullptr)
{
    QSqlQuery query(db);
    if (!query.prepare(statement))
        return query.lastError();
    for (const QVariant &value : values)
        query.addBindValue(value);
    if (!query.exec())
        return query.lastError();
    if (rowsAffected)
        *rowsAffected = query.numRowsAffected();
    if (insertedId)
        *insertedId = query.lastInsertId();
    return QSqlError();
}

} // namespace

QString DayBook::defaultPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/tzolkara/daybook.sqlite");
}

DayBook::DayBook(const QString &path)
    : m_path(QFileInfo(path).absoluteFilePath()),
      m_connectionName(QStringLiteral("tzolkara-daybook-%1").arg(quintptr(this), 0, 16))
{
}

DayBook::~DayBook()
{
    close();
}

QString DayBook::shownPath() const
{
    return QDir::toNativeSeparators(m_path);
}

bool DayBook::succeed()
{
    m_problem = Problem::None;
    m_error.clear();
    return true;
}

bool DayBook::fail(Problem problem, const QString &message)
{
    m_problem = problem;
    m_error = message;
    return false;
}

bool DayBook::refuse(const QString &reason)
{
    return fail(Problem::Refused, reason);
}

bool DayBook::failWith(const QSqlError &error, Action action)
{
    const QString reason = error.databaseText().isEmpty() ? error.text() : error.databaseText();
    switch (primaryCode(error)) {
    case kSqliteBusy:
    case kSqliteLocked:
        return fail(
            Problem::Locked,
            QCoreApplication::translate(
                "DayBook", "The day book %1 is in use by another program; try again in a moment.")
                .arg(shownPath()));
    case kSqliteCorrupt:
    case kSqliteNotADatabase:
        // Nothing more is written to it: closed until the user sets it aside.
        fail(Problem::Damaged,
             QCoreApplication::translate("DayBook", "The day book %1 is damaged: %2.")
                 .arg(shownPath(), reason));
        if (m_state == State::Open) {
            close();
            m_state = State::Closed;
            m_openProblem = m_problem;
            m_openError = m_error;
        }
        return false;
    case kSqliteFull:
        return fail(Problem::DiskFull,
                    QCoreApplication::translate(
                        "DayBook", "The day book %1 could not be saved: the disk is full.")
                        .arg(shownPath()));
    case kSqlitePerm:
    case kSqliteReadOnly:
        return fail(Problem::ReadOnly,
                    QCoreApplication::translate("DayBook", "The day book %1 cannot be changed: %2.")
                        .arg(shownPath(), reason));
    default:
        break;
    }
    switch (action) {
    case Action::Open:
        return fail(Problem::Failed,
                    QCoreApplication::translate("DayBook", "The day book %1 cannot be opened: %2.")
                        .arg(shownPath(), reason));
    case Action::Read:
        return fail(Problem::Failed,
                    QCoreApplication::translate("DayBook", "The day book %1 cannot be read: %2.")
                        .arg(shownPath(), reason));
    case Action::Save:
        break;
    }
    return fail(Problem::Failed,
                QCoreApplication::translate("DayBook", "The day book %1 could not be saved: %2.")
                    .arg(shownPath(), reason));
}

bool DayBook::open()
{
    if (m_state == State::Open)
        return succeed();
    m_state = State::Closed;
    m_readOnly = false;
    if (!openFile()) {
        close();
        m_openProblem = m_problem;
        m_openError = m_error;
        return false;
    }
    m_state = State::Open;
    m_openProblem = Problem::None;
    m_openError.clear();
    return succeed();
}

bool DayBook::openFile()
{
    const QString folder = QFileInfo(m_path).path();
    const QByteArray folderName = QFile::encodeName(folder);
    const QByteArray fileName = QFile::encodeName(m_path);
    const auto cannotMake = [this](int systemError) {
        return fail(problemOfSystemError(systemError),
                    QCoreApplication::translate("DayBook", "The day book %1 cannot be made: %2.")
                        .arg(shownPath(), systemReason(systemError)));
    };
    const auto cannotRead = [this](int systemError) {
        return fail(Problem::Unreadable,
                    QCoreApplication::translate("DayBook", "The day book %1 cannot be read: %2.")
                        .arg(shownPath(), systemReason(systemError)));
    };

    struct stat status = {};
    if (::stat(folderName.constData(), &status) != 0) {
        if (errno != ENOENT)
            return cannotRead(errno);
        // The folder the program makes is its user's alone: notes are private.
        QDir().mkpath(QFileInfo(folder).path());
        if (::mkdir(folderName.constData(), 0700) != 0 && errno != EEXIST)
            return cannotMake(errno);
    } else if (!S_ISDIR(status.st_mode)) {
        return cannotMake(ENOTDIR);
    }

    bool fresh = false;
    if (::stat(fileName.constData(), &status) != 0) {
        if (errno != ENOENT)
            return cannotRead(errno);
        fresh = true;
    } else if (S_ISDIR(status.st_mode)) {
        return fail(Problem::NotAFile,
                    QCoreApplication::translate("DayBook",
                                                "The day book %1 cannot be opened: it is a folder.")
                        .arg(shownPath()));
    } else if (!S_ISREG(status.st_mode)) {
        return fail(Problem::NotAFile,
                    QCoreApplication::translate(
                        "DayBook", "The day book %1 cannot be opened: it is not a file.")
                        .arg(shownPath()));
    } else {
        // Read by hand before SQLite sees the file: SQLite would take an
        // empty one for a new database and write to another program's.
        const int fd = ::open(fileName.constData(), O_RDONLY | O_CLOEXEC | O_NOCTTY);
        if (fd < 0)
            return cannotRead(errno);
        const Header header = headerOf(fd);
        ::close(fd);
        switch (header) {
        case Header::Empty:
            // Made by the program and killed before its first write. A log
            // beside it would hold pages of something else.
            if (QFileInfo(m_path + QStringLiteral("-wal")).size() > 0)
                return fail(
                    Problem::Damaged,
                    QCoreApplication::translate("DayBook", "The day book %1 is damaged: %2.")
                        .arg(shownPath(), QCoreApplication::translate(
                                              "DayBook", "it is empty but its log is not")));
            fresh = true;
            break;
        case Header::NotADatabase:
            return fail(Problem::Damaged,
                        QCoreApplication::translate("DayBook", "The day book %1 is damaged: %2.")
                            .arg(shownPath(),
                                 QCoreApplication::translate("DayBook", "it is not a database")));
        case Header::Foreign:
            return fail(Problem::Foreign,
                        QCoreApplication::translate(
                            "DayBook",
                            "The file %1 belongs to another program; it is not used as the day "
                            "book.")
                            .arg(shownPath()));
        case Header::DayBook:
            break;
        }
    }

    // Without write access the book is still read.
    const bool created = !exists(m_path);
    const QByteArray writeTarget = created ? folderName : fileName;
    if (::faccessat(AT_FDCWD, writeTarget.constData(), W_OK, AT_EACCESS) != 0 ||
        ::faccessat(AT_FDCWD, folderName.constData(), W_OK, AT_EACCESS) != 0) {
        if (fresh)
            return cannotMake(errno);
        m_readOnly = true;
        m_readOnlyReason = systemReason(errno);
    }
    if (created) {
        // Only its user may read the notes; SQLite gives its -wal and -shm
        // files the same permissions.
        const int fd =
            ::open(fileName.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0600);
        if (fd < 0)
            return cannotMake(errno);
        ::close(fd);
    }
    // A book that could not be begun leaves nothing behind.
    auto removeUnbegun = qScopeGuard([&] {
        if (created && QFileInfo(m_path).size() == 0) {
            m_db.close();
            for (const char *companion : kCompanions)
                ::unlink(QFile::encodeName(m_path + QLatin1String(companion)).constData());
            ::unlink(fileName.constData());
        }
    });

    m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connectionName);
    if (!m_db.isValid())
        return fail(Problem::Failed,
                    QCoreApplication::translate("DayBook", "The day book %1 cannot be opened: %2.")
                        .arg(shownPath(), QCoreApplication::translate(
                                              "DayBook", "Qt's SQLite driver is missing")));
    QString options = QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(kBusyTimeoutMs);
    if (m_readOnly && !exists(m_path + QStringLiteral("-wal"))) {
        // SQLite reads a book in write-ahead mode only beside its -shm file,
        // which it cannot make here; with no log to read, nothing can
        // change the file, and SQLite is told so.
        QUrl uri = QUrl::fromLocalFile(m_path);
        uri.setQuery(QStringLiteral("mode=ro&immutable=1"));
        m_db.setDatabaseName(uri.toString(QUrl::FullyEncoded));
        options += QStringLiteral(";QSQLITE_OPEN_URI;QSQLITE_OPEN_READONLY");
    } else {
        m_db.setDatabaseName(m_path);
        if (m_readOnly)
            options += QStringLiteral(";QSQLITE_OPEN_READONLY");
    }
    m_db.setConnectOptions(options);
    if (!m_db.open())
        return failWith(m_db.lastError(), Action::Open);
    // A file may come from anywhere: its schema runs no function of ours.
    SqlSteps::run(m_db, QStringLiteral("PRAGMA trusted_schema = OFF"));
    SqlSteps::run(m_db, QStringLiteral("PRAGMA foreign_keys = ON"));

    QSqlError error;
    const int version =
        SqlSteps::firstValue(m_db, QStringLiteral("PRAGMA user_version"), &error).toInt();
    if (error.isValid())
        return failWith(error, Action::Open);
    if (version > DayBookSchema::kLatestVersion)
        return fail(Problem::Newer,
                    QCoreApplication::translate("DayBook",
                                                "The day book %1 was written by a newer version of "
                                                "Tzolkara, which this version cannot read.")
                        .arg(shownPath()));
    if (version > 0) {
        const QString check =
            SqlSteps::firstValue(m_db, QStringLiteral("PRAGMA quick_check"), &error);
        if (error.isValid())
            return failWith(error, Action::Open);
        if (check != QLatin1String("ok"))
            return fail(Problem::Damaged,
                        QCoreApplication::translate("DayBook", "The day book %1 is damaged: %2.")
                            .arg(shownPath(), QCoreApplication::translate(
                                                  "DayBook", "it fails SQLite's integrity check")));
    }

    if (m_readOnly && version < DayBookSchema::kLatestVersion)
        return fail(Problem::ReadOnly,
                    QCoreApplication::translate("DayBook",
                                                "The day book %1 cannot be brought up to date: %2.")
                        .arg(shownPath(), m_readOnlyReason));
    if (!m_readOnly) {
        // In the file before anything else, and outside the write-ahead log:
        // from its first bytes on, the file says it is a day book.
        if (fresh) {
            error = SqlSteps::run(
                m_db,
                QStringLiteral("PRAGMA application_id = %1").arg(DayBookSchema::kApplicationId));
            if (error.isValid())
                return failWith(error, Action::Save);
        }
        // Commits are on the disk when they return, and a reader never
        // waits for a writer.
        SqlSteps::firstValue(m_db, QStringLiteral("PRAGMA journal_mode = WAL"), &error);
        if (!error.isValid())
            error = SqlSteps::run(m_db, QStringLiteral("PRAGMA synchronous = FULL"));
        if (!error.isValid())
            error = DayBookSchema::migrate(m_db, version);
        if (error.isValid())
            return failWith(error, version == 0 ? Action::Open : Action::Save);
    }
    if (!DayBookSchema::hasExpectedTables(m_db))
        return fail(
            Problem::Damaged,
            QCoreApplication::translate("DayBook", "The day book %1 is damaged: %2.")
                .arg(shownPath(), QCoreApplication::translate(
                                      "DayBook", "its tables are not those of a day book")));
    removeUnbegun.dismiss();
    return true;
}

void DayBook::close()
{
    if (m_db.isValid())
        m_db.close();
    m_db = QSqlDatabase();
    if (QSqlDatabase::contains(m_connectionName))
        QSqlDatabase::removeDatabase(m_connectionName);
}

bool DayBook::ready()
{
    switch (m_state) {
    case State::Open:
        return true;
    case State::NotOpenedYet:
        return open();
    case State::Closed:
        break;
    }
    return fail(m_openProblem, m_openError);
}

bool DayBook::canStartAfresh() const
{
    return m_state == State::Closed &&
           (m_openProblem == Problem::Damaged || m_openProblem == Problem::Foreign ||
            m_openProblem == Problem::Newer);
}

bool DayBook::startAfresh(const QDateTime &now, QString *setAsideAs)
{
    if (!canStartAfresh())
        return refuse(QCoreApplication::translate(
            "DayBook", "Only a damaged day book, another program's file or a newer "
                       "version's book is set aside."));
    const QString kind = m_openProblem == Problem::Foreign ? QStringLiteral("foreign")
                         : m_openProblem == Problem::Newer ? QStringLiteral("newer")
                                                           : QStringLiteral("damaged");
    const QString base = m_path + QLatin1Char('.') + kind + QLatin1Char('-') +
                         now.toString(QStringLiteral("yyyyMMdd-HHmmss"));
    const auto taken = [](const QString &name) {
        return exists(name) || std::any_of(std::begin(kCompanions), std::end(kCompanions),
                                           [&](const char *companion) {
                                               return exists(name + QLatin1String(companion));
                                           });
    };
    QString aside = base;
    for (int n = 2; taken(aside); ++n)
        aside = base + QLatin1Char('-') + QString::number(n);

    // The companions first: a log left beside the new book would be read
    // into it.
    QStringList moved;
    const auto undo = [&] {
        for (const QString &companion : std::as_const(moved))
            ::rename(QFile::encodeName(aside + companion).constData(),
                     QFile::encodeName(m_path + companion).constData());
    };
    for (const char *companion : kCompanions) {
        const QString suffix = QLatin1String(companion);
        if (!exists(m_path + suffix))
            continue;
        if (!renameToFreeName(m_path + suffix, aside + suffix)) {
            const int systemError = errno;
            undo();
            return fail(
                problemOfSystemError(systemError),
                QCoreApplication::translate("DayBook", "The day book %1 cannot be set aside: %2.")
                    .arg(shownPath(), systemReason(systemError)));
        }
        moved.append(suffix);
    }
    if (!renameToFreeName(m_path, aside)) {
        const int systemError = errno;
        undo();
        return fail(
            problemOfSystemError(systemError),
            QCoreApplication::translate("DayBook", "The day book %1 cannot be set aside: %2.")
                .arg(shownPath(), systemReason(systemError)));
    }
    syncFolder(QFileInfo(m_path).path());
    if (setAsideAs)
        *setAsideAs = aside;
    m_state = State::NotOpenedYet;
    return open();
}

bool DayBook::select(const QString &statement, const QVariantList &values,
                     const std::function<void(const QSqlQuery &)> &row)
{
    if (!ready())
        return false;
    QSqlError error;
    {
        QSqlQuery query(m_db);
        query.setForwardOnly(true);
        if (query.prepare(statement)) {
            for (const QVariant &value : values)
                query.addBindValue(value);
            if (query.exec()) {
                while (query.next())
                    row(query);
            }
        }
        error = query.lastError();
    }
    return error.isValid() ? failWith(error, Action::Read) : succeed();
}

bool DayBook::change(const std::function<QSqlError()> &work)
{
    if (!ready())
        return false;
    if (m_readOnly)
        return fail(Problem::ReadOnly,
                    QCoreApplication::translate("DayBook", "The day book %1 cannot be changed: %2.")
                        .arg(shownPath(), m_readOnlyReason));
    const QSqlError error = SqlSteps::inTransaction(m_db, work);
    return error.isValid() ? failWith(error, Action::Save) : succeed();
}

bool DayBook::setNote(long day, const QString &text)
{
    const QString problem = DayBookEntries::noteProblem(day, text);
    if (!problem.isEmpty())
        return refuse(problem);
    if (text.trimmed().isEmpty())
        return change([&] {
            return execute(m_db, QStringLiteral("DELETE FROM notes WHERE day = ?"),
                           {qlonglong(day)});
        });
    return change([&] {
        return execute(m_db,
                       QStringLiteral("INSERT INTO notes (day, text, folded) VALUES (?, ?, ?) "
                                      "ON CONFLICT (day) DO UPDATE SET text = excluded.text, "
                                      "folded = excluded.folded"),
                       {qlonglong(day), text, foldedForSearch(text)});
    });
}

std::optional<QString> DayBook::note(long day)
{
    QString text;
    if (!select(QStringLiteral("SELECT text FROM notes WHERE day = ?"), {qlonglong(day)},
                [&](const QSqlQuery &query) { text = query.value(0).toString(); }))
        return std::nullopt;
    return text;
}

std::optional<QList<long>> DayBook::notedDays(long first, long last)
{
    QList<long> days;
    if (!select(QStringLiteral("SELECT day FROM notes WHERE day BETWEEN ? AND ? ORDER BY day"),
                {qlonglong(first), qlonglong(last)},
                [&](const QSqlQuery &query) { days.append(long(query.value(0).toLongLong())); }))
        return std::nullopt;
    return days;
}

std::optional<QList<Note>> DayBook::notes(long first, long last)
{
    QList<Note> notes;
    if (!select(
            QStringLiteral("SELECT day, text FROM notes WHERE day BETWEEN ? AND ? ORDER BY day"),
            {qlonglong(first), qlonglong(last)}, [&](const QSqlQuery &query) {
                notes.append({long(query.value(0).toLongLong()), query.value(1).toString()});
            }))
        return std::nullopt;
    return notes;
}

std::optional<QList<long>> DayBook::findInNotes(const QString &word)
{
    const QString folded = foldedForSearch(word.trimmed());
    QList<long> days;
    if (folded.isEmpty())
        return ready() ? std::optional(days) : std::nullopt;
    if (!select(
            QStringLiteral("SELECT day FROM notes WHERE instr(folded, ?) > 0 ORDER BY day DESC"),
            {folded},
            [&](const QSqlQuery &query) { days.append(long(query.value(0).toLongLong())); }))
        return std::nullopt;
    return days;
}

std::optional<qint64> DayBook::addPerson(const QString &name, long birthDay,
                                         CalendarSystem calendar)
{
    const QString problem = DayBookEntries::personProblem({0, name, birthDay, calendar});
    if (!problem.isEmpty()) {
        refuse(problem);
        return std::nullopt;
    }
    QVariant id;
    if (!change([&] {
            return execute(
                m_db,
                QStringLiteral("INSERT INTO people (name, birth_day, calendar) VALUES (?, ?, ?)"),
                {name, qlonglong(birthDay), calendarName(calendar)}, nullptr, &id);
        }))
        return std::nullopt;
    return id.toLongLong();
}

bool DayBook::changePerson(const Person &person)
{
    const QString problem = DayBookEntries::personProblem(person);
    if (!problem.isEmpty())
        return refuse(problem);
    int changed = 0;
    if (!change([&] {
            return execute(
                m_db,
                QStringLiteral("UPDATE people SET name = ?, birth_day = ?, "
                               "calendar = ? WHERE id = ?"),
                {person.name, qlonglong(person.birthDay), calendarName(person.calendar), person.id},
                &changed);
        }))
        return false;
    return changed == 1 ||
           refuse(QCoreApplication::translate("DayBook", "That person is not in the day book."));
}

bool DayBook::removePerson(qint64 id)
{
    int removed = 0;
    if (!change([&] {
            return execute(m_db, QStringLiteral("DELETE FROM people WHERE id = ?"), {id}, &removed);
        }))
        return false;
    return removed == 1 ||
           refuse(QCoreApplication::translate("DayBook", "That person is not in the day book."));
}

std::optional<QList<Person>> DayBook::people()
{
    QList<Person> people;
    if (!select(
            QStringLiteral("SELECT id, name, birth_day, calendar FROM people ORDER BY name, id"),
            {}, [&](const QSqlQuery &query) {
                people.append({query.value(0).toLongLong(), query.value(1).toString(),
                               long(query.value(2).toLongLong()),
                               calendarOf(query.value(3).toString())});
            }))
        return std::nullopt;
    return people;
}

std::optional<QList<MayaBirthday>> DayBook::mayaBirthdays(long first, long last)
{
    // Only those born on a day of the count that the range holds: one
    // interval of the 260, or two when it passes the end of the count.
    QString statement =
        QStringLiteral("SELECT id, name, birth_day FROM people WHERE birth_day < ?");
    QVariantList values{qlonglong(last)};
    if (last - first + 1 < MayaBirthdays::kCycle) {
        const long from = first % MayaBirthdays::kCycle;
        const long to = last % MayaBirthdays::kCycle;
        statement += from <= to ? QStringLiteral(" AND birth_day % 260 BETWEEN ? AND ?")
                                : QStringLiteral(" AND (birth_day % 260 >= ? OR "
                                                 "birth_day % 260 <= ?)");
        values << qlonglong(from) << qlonglong(to);
    }
    QList<MayaBirthday> birthdays;
    if (!select(statement, values, [&](const QSqlQuery &query) {
            const qint64 id = query.value(0).toLongLong();
            const QString name = query.value(1).toString();
            for (const long day :
                 MayaBirthdays::between(long(query.value(2).toLongLong()), first, last))
                birthdays.append({day, id, name});
        }))
        return std::nullopt;
    std::sort(birthdays.begin(), birthdays.end(), [](const MayaBirthday &a, const MayaBirthday &b) {
        return std::tie(a.day, a.name, a.personId) < std::tie(b.day, b.name, b.personId);
    });
    return birthdays;
}

bool DayBook::backUp(const QString &file, const QDateTime &now)
{
    if (!ready())
        return false;
    // One snapshot of both lists, whatever another program writes meanwhile.
    SqlSteps::run(m_db, QStringLiteral("BEGIN"));
    const std::optional<QList<Note>> notes =
        this->notes(MayaCalendar::firstJulianDay(), MayaCalendar::lastJulianDay());
    const std::optional<QList<Person>> people = notes ? this->people() : std::nullopt;
    if (m_db.isOpen())
        SqlSteps::run(m_db, QStringLiteral("COMMIT"));
    if (!notes || !people)
        return false;
    const QByteArray bytes = DayBookBackup::encode({*notes, *people}, now.toUTC());
    const QString shownFile = QDir::toNativeSeparators(file);
    if (bytes.size() > DayBookBackup::kMaxBytes)
        return fail(
            Problem::Failed,
            QCoreApplication::translate("DayBook", "The backup %1 could not be written: %2.")
                .arg(shownFile,
                     QCoreApplication::translate("DayBook", "the day book is too large")));
    QString reason;
    if (!saveWholeFile(file, bytes, &reason))
        return fail(Problem::Failed, QCoreApplication::translate(
                                         "DayBook", "The backup %1 could not be written: %2.")
                                         .arg(shownFile, reason));
    return succeed();
}

bool DayBook::restore(const QString &file)
{
    if (!ready())
        return false;
    const QString shownFile = QDir::toNativeSeparators(file);
    const auto refuseBackup = [&](Problem problem, const QString &reason) {
        return fail(problem,
                    QCoreApplication::translate("DayBook", "The backup %1 cannot be restored: %2.")
                        .arg(shownFile, reason));
    };
    QFile in;
    errno = 0;
    if (!openRegularFile(in, file))
        return refuseBackup(Problem::Unreadable, errno != 0 ? systemReason(errno)
                                                            : QCoreApplication::translate(
                                                                  "DayBook", "it is not a file"));
    const QByteArray bytes = in.read(DayBookBackup::kMaxBytes + 1);
    if (bytes.size() > DayBookBackup::kMaxBytes)
        return refuseBackup(Problem::Refused,
                            QCoreApplication::translate("DayBook", "it is too large"));
    QString reason;
    const std::optional<DayBookBackup::Contents> contents = DayBookBackup::decode(bytes, &reason);
    if (!contents)
        return refuseBackup(Problem::Refused, reason);
    return change([&] {
        QSqlError error = SqlSteps::run(m_db, QStringLiteral("DELETE FROM notes"));
        if (!error.isValid())
            error = SqlSteps::run(m_db, QStringLiteral("DELETE FROM people"));
        QSqlQuery note(m_db);
        note.prepare(QStringLiteral("INSERT INTO notes (day, text, folded) VALUES (?, ?, ?)"));
        for (qsizetype i = 0; !error.isValid() && i < contents->notes.size(); ++i) {
            const Note &entry = contents->notes.at(i);
            note.addBindValue(qlonglong(entry.day));
            note.addBindValue(entry.text);
            note.addBindValue(foldedForSearch(entry.text));
            error = SqlSteps::run(note);
        }
        QSqlQuery person(m_db);
        person.prepare(QStringLiteral(
            "INSERT INTO people (id, name, birth_day, calendar) VALUES (?, ?, ?, ?)"));
        for (qsizetype i = 0; !error.isValid() && i < contents->people.size(); ++i) {
            const Person &entry = contents->people.at(i);
            person.addBindValue(entry.id);
            person.addBindValue(entry.name);
            person.addBindValue(qlonglong(entry.birthDay));
            person.addBindValue(calendarName(entry.calendar));
            error = SqlSteps::run(person);
        }
        return error;
    });
}

} // namespace tzolkara

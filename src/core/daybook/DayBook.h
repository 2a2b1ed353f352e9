// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/daybook/DayBookEntries.h"

#include <QSqlDatabase>
#include <QString>
#include <QVariantList>

#include <functional>
#include <optional>

class QSqlError;
class QSqlQuery;

namespace tzolkara {

// The daykeeper's book: a note for any day, and people with their Maya
// birthdays, kept in one SQLite file. The application owns one and lends it
// to the calendar screen.
//
// Nothing is read or made until the book is first used. Every change is a
// transaction of its own, on the disk when the call returns. When the file
// cannot be used (damaged, another program's, in use, a full or read-only
// disk...) every call fails with a message that names the file and the
// reason, and the calendar goes on without the book. A damaged or foreign
// file is never changed: only startAfresh(), which the user agrees to, sets
// it aside under a new name and begins a new book.
class DayBook final
{
public:
    enum class Problem {
        None,
        Damaged,    // not a database, or its integrity check fails
        Foreign,    // another program's SQLite file
        Newer,      // written by a later version of the program
        NotAFile,   // a folder, a pipe or a device in its place
        Unreadable, // no permission to read it or its folder
        Locked,     // another program is writing to it
        DiskFull,
        ReadOnly, // the disk, the folder or the file cannot be written
        Refused,  // the call's own data: a name too long, a day outside the calendar
        Failed,   // anything else, with SQLite's words
    };

    // $XDG_DATA_HOME/tzolkara/daybook.sqlite (~/.local/share/...).
    static QString defaultPath();

    explicit DayBook(const QString &path = defaultPath());
    ~DayBook();
    DayBook(const DayBook &) = delete;
    DayBook &operator=(const DayBook &) = delete;

    QString path() const { return m_path; }

    // Every other call opens the book the first time. After a failure it
    // stays closed, and calls fail at once, until open() is called again
    // (to try again) or startAfresh().
    bool open();
    bool isOpen() const { return m_state == State::Open; }
    // Open for reading only: the disk, the folder or the file is read-only.
    bool isReadOnly() const { return m_readOnly; }

    // The last call's failure; None after a call that succeeded.
    Problem problem() const { return m_problem; }
    QString errorString() const { return m_error; }

    // Whether the book is closed over a file that startAfresh() may set
    // aside: a damaged, foreign or newer one.
    bool canStartAfresh() const;
    // Renames that file (and its -wal, -shm and -journal files) to
    // "daybook.sqlite.damaged-YYYYMMDD-HHMMSS" ("foreign", "newer"), the
    // time `now` on the desktop's clock, and opens a new, empty book in its
    // place. `setAsideAs` gets the new name.
    bool startAfresh(const QDateTime &now, QString *setAsideAs = nullptr);

    // Notes. Empty text, or only blanks, removes the day's note.
    bool setNote(long day, const QString &text);
    // The day's note, empty when it has none; nothing when the book fails.
    std::optional<QString> note(long day);
    // From `first` to `last`, both included, in order of the days.
    std::optional<QList<long>> notedDays(long first, long last);
    std::optional<QList<Note>> notes(long first, long last);
    // The days whose note holds `word` (see SearchText.h), newest first.
    std::optional<QList<long>> findInNotes(const QString &word);

    // People. The id of someone added; `person.id` names whom to change.
    std::optional<qint64> addPerson(const QString &name, long birthDay, CalendarSystem calendar);
    bool changePerson(const Person &person);
    bool removePerson(qint64 id);
    // Sorted by name as stored, then by id; the screen sorts for its language.
    std::optional<QList<Person>> people();
    // Every Maya birthday from `first` to `last`, in order of the days and
    // then of the names.
    std::optional<QList<MayaBirthday>> mayaBirthdays(long first, long last);

    // Writes every note and person to `file` (DayBookBackup.h), whole or
    // not at all, written at `now` on the desktop's clock.
    bool backUp(const QString &file, const QDateTime &now);
    // Replaces the whole content of the book with that of a backup, in one
    // transaction; a backup that cannot be read whole leaves the book as it
    // was.
    bool restore(const QString &file);

private:
    enum class State { NotOpenedYet, Open, Closed };
    enum class Action { Open, Read, Save };

    bool ready();
    bool openFile();
    void close();
    bool succeed();
    bool fail(Problem problem, const QString &message);
    bool failWith(const QSqlError &error, Action action);
    bool refuse(const QString &reason);
    // A query's rows, one call of `row` each.
    bool select(const QString &statement, const QVariantList &values,
                const std::function<void(const QSqlQuery &)> &row);
    // `work` in a transaction of its own.
    bool change(const std::function<QSqlError()> &work);
    QString shownPath() const;

    QString m_path;
    QString m_connectionName;
    QSqlDatabase m_db;
    State m_state = State::NotOpenedYet;
    bool m_readOnly = false;
    QString m_readOnlyReason;
    // Why the book could not be opened: every call repeats it.
    Problem m_openProblem = Problem::None;
    QString m_openError;
    Problem m_problem = Problem::None;
    QString m_error;
};

} // namespace tzolkara

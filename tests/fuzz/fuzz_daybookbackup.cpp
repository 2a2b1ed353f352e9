// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The reader of day-book backups: whatever the file holds, it gives a whole
// book whose every note and person the day book itself would take, with a
// reason for nothing, or nothing with a reason; and what it gives, written
// again and read back, is the same book.

#include "FuzzCheck.h"
#include "core/daybook/DayBookBackup.h"

#include <cstdint>

using namespace tzolkara;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    QString reason;
    const std::optional<DayBookBackup::Contents> contents = DayBookBackup::decode(bytes, &reason);
    if (!contents) {
        FUZZ_REQUIRE(!reason.isEmpty());
        return 0;
    }
    for (const Note &note : contents->notes)
        FUZZ_REQUIRE(DayBookEntries::noteProblem(note.day, note.text).isEmpty());
    for (const Person &person : contents->people)
        FUZZ_REQUIRE(DayBookEntries::personProblem(person).isEmpty());

    const QByteArray again =
        DayBookBackup::encode(*contents, QDateTime(QDate(2026, 12, 7), QTime(9, 0), Qt::UTC));
    const std::optional<DayBookBackup::Contents> back = DayBookBackup::decode(again, &reason);
    FUZZ_REQUIRE(back.has_value());
    FUZZ_REQUIRE(back->notes.size() == contents->notes.size());
    FUZZ_REQUIRE(back->people.size() == contents->people.size());
    for (qsizetype i = 0; i < back->notes.size(); ++i) {
        FUZZ_REQUIRE(back->notes[i].day == contents->notes[i].day);
        FUZZ_REQUIRE(back->notes[i].text == contents->notes[i].text);
    }
    for (qsizetype i = 0; i < back->people.size(); ++i)
        FUZZ_REQUIRE(back->people[i].name == contents->people[i].name);
    return 0;
}

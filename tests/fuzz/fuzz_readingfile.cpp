// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The reading file, both ways. Any bytes as a file: decode keeps its limits,
// and what it reads, written again, reads back the same. The same bytes as
// the four inputs (name, year, month, day on lines of their own, the name in
// UTF-8): what is written reads back as it was, the name whole, the other
// fields without the characters the file cannot hold.

#include "FuzzCheck.h"
#include "core/common/ShiftCodec.h"
#include "core/common/Windows1252.h"
#include "core/readings/ReadingFile.h"

#include <QByteArray>
#include <QList>
#include <QStringDecoder>
#include <algorithm>

#include <cstdint>

using namespace tzolkara;

namespace {

bool sameInputs(const ReadingFile::Inputs &a, const ReadingFile::Inputs &b)
{
    return a.userName == b.userName && a.birthYear == b.birthYear && a.birthMonth == b.birthMonth &&
           a.birthDay == b.birthDay;
}

void readThenWrite(const QByteArray &bytes)
{
    const std::optional<ReadingFile::Inputs> read = ReadingFile::decode(bytes);
    if (!read)
        return;
    FUZZ_REQUIRE(read->userName.size() <= ReadingFile::kMaxNameLength);
    for (const QString *field : {&read->birthYear, &read->birthMonth, &read->birthDay})
        FUZZ_REQUIRE(field->size() <= ReadingFile::kMaxLineBytes);

    const QByteArray written = ReadingFile::encode(*read);
    const std::optional<ReadingFile::Inputs> again = ReadingFile::decode(written);
    FUZZ_REQUIRE(again.has_value());
    FUZZ_REQUIRE(sameInputs(*again, *read));
    FUZZ_REQUIRE(ReadingFile::encode(*again) == written);
}

// A field other than the name keeps only the characters whose shifted code
// stays within a byte.
QString fieldText(const QByteArray &bytes)
{
    return fromWindows1252(ShiftDecode(ShiftEncode(bytes)));
}

void writeThenRead(const QByteArray &bytes)
{
    const QList<QByteArray> parts = bytes.split('\n');
    const auto part = [&parts](int i) { return i < parts.size() ? parts[i] : QByteArray(); };
    // Any text a user can type: QString::fromUtf8 would drop a leading U+FEFF.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
    const ReadingFile::Inputs inputs{utf8.decode(part(0)), fieldText(part(1)), fieldText(part(2)),
                                     fieldText(part(3))};
    const std::optional<ReadingFile::Inputs> read =
        ReadingFile::decode(ReadingFile::encode(inputs));
    // The program only ever writes four-digit years, month names and day
    // numbers; a field longer than a line may be is refused like a long name.
    const QList<QByteArray> written = ReadingFile::encode(inputs).split('\n');
    const bool fieldTooLong = std::any_of(written.begin(), written.end(), [](const QByteArray &l) {
        return l.size() > ReadingFile::kMaxLineBytes + 1;
    });
    if (inputs.userName.size() > ReadingFile::kMaxNameLength || fieldTooLong) {
        FUZZ_REQUIRE(!read.has_value());
        return;
    }
    FUZZ_REQUIRE(read.has_value());
    FUZZ_REQUIRE(sameInputs(*read, inputs));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    readThenWrite(bytes);
    writeThenRead(bytes);
    return 0;
}

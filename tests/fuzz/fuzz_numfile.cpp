// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The tarot question screen's reader of foreign ".num" files: whatever the
// file holds, it reads at most its first six lines, each cut at the limit,
// and nothing but what the file holds, in order.

#include "FuzzCheck.h"
#include "core/tarot/ForeignFile.h"

#include <QBuffer>

#include <cstdint>

using namespace tzolkara;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    QBuffer file(&bytes);
    FUZZ_REQUIRE(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = ForeignFile::readFirstLines(file);

    FUZZ_REQUIRE(lines.size() <= ForeignFile::kLines);
    QByteArray read;
    for (const QByteArray &line : lines) {
        FUZZ_REQUIRE(!line.isEmpty() && line.size() < ForeignFile::kLineBytes);
        // A piece ends at its line break, at the limit or at the file's end.
        FUZZ_REQUIRE(line.indexOf('\n') == -1 || line.indexOf('\n') == line.size() - 1);
        read += line;
    }
    FUZZ_REQUIRE(bytes.startsWith(read));
    FUZZ_REQUIRE(file.pos() == read.size());
    if (lines.size() < ForeignFile::kLines)
        FUZZ_REQUIRE(read == bytes);
    return 0;
}

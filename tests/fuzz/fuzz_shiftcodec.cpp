// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The shift codec and Windows-1252, with the round trips they promise:
// ShiftDecode(ShiftEncode(t)) == t for every t whose bytes survive
// ShiftEncode, every byte sequence through Windows-1252 and back, and the
// text codec of the settings store and the reading file built from both.

#include "FuzzCheck.h"
#include "core/common/ShiftCodec.h"
#include "core/common/Windows1252.h"

#include <QByteArray>
#include <QString>

#include <cstdint>

using namespace tzolkara;

namespace {

QByteArray without(const QByteArray &bytes, bool (*dropped)(unsigned char))
{
    QByteArray kept;
    for (const char c : bytes) {
        if (!dropped(static_cast<unsigned char>(c)))
            kept.append(c);
    }
    return kept;
}

bool passesByteWhenShiftedUp(unsigned char c)
{
    return c + 47 > 255;
}

bool fallsBelowZeroWhenShiftedDown(unsigned char c)
{
    return c < 47;
}

void shiftRoundTrips(const QByteArray &bytes)
{
    const QByteArray encoded = ShiftEncode(bytes);
    FUZZ_REQUIRE(encoded == without(encoded, fallsBelowZeroWhenShiftedDown));
    FUZZ_REQUIRE(ShiftDecode(encoded) == without(bytes, passesByteWhenShiftedUp));
    FUZZ_REQUIRE(ShiftEncode(ShiftDecode(bytes)) == without(bytes, fallsBelowZeroWhenShiftedDown));
}

// Latin-1 outside the C1 range is the same in Windows-1252.
bool latin1OutsideC1(char16_t unit)
{
    return unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF);
}

void windows1252RoundTrips(const QByteArray &bytes)
{
    const QString text = fromWindows1252(bytes);
    FUZZ_REQUIRE(text.size() == bytes.size());
    FUZZ_REQUIRE(toWindows1252(text) == bytes);

    // The same bytes as UTF-16 text: every character, or surrogate pair,
    // comes back as itself or as one '?'.
    QString utf16;
    for (qsizetype i = 0; i + 1 < bytes.size(); i += 2)
        utf16.append(QChar(char16_t(static_cast<unsigned char>(bytes[i]) |
                                    static_cast<unsigned char>(bytes[i + 1]) << 8)));
    const QByteArray written = toWindows1252(utf16);
    const QString back = fromWindows1252(written);
    qsizetype at = 0;
    for (qsizetype i = 0; i < utf16.size(); ++i, ++at) {
        FUZZ_REQUIRE(at < back.size());
        const QChar ch = utf16.at(i);
        if (ch.isHighSurrogate() && i + 1 < utf16.size() && utf16.at(i + 1).isLowSurrogate()) {
            FUZZ_REQUIRE(back.at(at) == QLatin1Char('?'));
            ++i;
            continue;
        }
        FUZZ_REQUIRE(back.at(at) == ch || back.at(at) == QLatin1Char('?'));
        if (latin1OutsideC1(ch.unicode()))
            FUZZ_REQUIRE(back.at(at) == ch);
    }
    FUZZ_REQUIRE(at == back.size());
    FUZZ_REQUIRE(toWindows1252(back) == written);
}

// Stored text: fromWindows1252(ShiftDecode(...)) read, ShiftEncode(toWindows1252(...))
// written, as the settings store and the reading file's lines do.
void storedTextRoundTrips(const QByteArray &bytes)
{
    const QString read = fromWindows1252(ShiftDecode(bytes));
    FUZZ_REQUIRE(ShiftEncode(toWindows1252(read)) == without(bytes, fallsBelowZeroWhenShiftedDown));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    shiftRoundTrips(bytes);
    windows1252RoundTrips(bytes);
    storedTextRoundTrips(bytes);
    return 0;
}

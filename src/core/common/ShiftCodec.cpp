// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/common/ShiftCodec.h"

namespace tzolkara {

namespace {
constexpr int kShift = 47;
}

QByteArray ShiftEncode(const QByteArray &text)
{
    QByteArray result;
    result.reserve(text.size());
    for (const char c : text) {
        const int shifted = static_cast<unsigned char>(c) + kShift;
        if (shifted <= 255)
            result.append(static_cast<char>(shifted));
    }
    return result;
}

QByteArray ShiftDecode(const QByteArray &text)
{
    QByteArray result;
    result.reserve(text.size());
    for (const char c : text) {
        const int shifted = static_cast<unsigned char>(c) - kShift;
        if (shifted >= 0)
            result.append(static_cast<char>(shifted));
    }
    return result;
}

} // namespace tzolkara

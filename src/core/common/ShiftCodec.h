// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>

namespace tzolkara {

// The program's light scrambling of single-byte (Windows-1252) text, used by
// saved reading files and the per-user setting. ShiftEncode raises every byte
// by 47 and drops a byte that would pass 255; ShiftDecode lowers every byte by
// 47 and drops a byte that would fall below 0.
QByteArray ShiftEncode(const QByteArray &text);
QByteArray ShiftDecode(const QByteArray &text);

} // namespace tzolkara

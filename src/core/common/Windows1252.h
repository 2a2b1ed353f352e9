// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>

namespace tzolkara {

// Text files of the program are single-byte Windows-1252. The five bytes the
// code page leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1
// control characters of the same value, as Windows itself does, so every byte
// sequence survives a round trip.
QString fromWindows1252(const QByteArray &bytes);

// A character outside Windows-1252 becomes '?' (one per character, also for
// characters outside the Basic Multilingual Plane).
QByteArray toWindows1252(const QString &text);

} // namespace tzolkara

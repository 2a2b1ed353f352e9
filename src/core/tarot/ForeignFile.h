// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "tables/common/InputLimits.h"

#include <QByteArray>
#include <QList>

class QIODevice;
class QString;

namespace tzolkara::ForeignFile {

// The ".num" files belong to another program; the tarot question screen reads
// their first lines and does not use them. Never more than this, whatever the
// file holds: a line longer than kLineBytes - 1 bytes counts as several.
constexpr int kLines = 6;
constexpr qint64 kLineBytes = kMaxInputLineBytes;

// The pieces read, each with its line break.
QList<QByteArray> readFirstLines(QIODevice &device);

// False when `path` is no regular file or cannot be opened: anything but a
// regular file counts as unreadable.
bool read(const QString &path);

} // namespace tzolkara::ForeignFile

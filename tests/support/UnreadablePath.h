// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// Makes at `path` something a file dialog can return but the program must
// not read: "named pipe" (a FIFO nobody writes to), "folder", or
// "unreadable file" (no permissions). Returns why it cannot be made here,
// for QSKIP, or an empty text.
QString makeUnreadablePath(const QString &path, const QString &kind);

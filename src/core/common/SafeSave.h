// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>

namespace tzolkara {

// Writes `bytes` as the whole new content of `path`. The file is replaced only
// once every byte has reached the disk; on failure the old file stays as it
// was, and `error` names the reason ("No space left on device").
bool saveWholeFile(const QString &path, const QByteArray &bytes, QString *error = nullptr);

} // namespace tzolkara

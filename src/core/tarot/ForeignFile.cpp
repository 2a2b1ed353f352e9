// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/tarot/ForeignFile.h"

#include "core/common/RegularFile.h"

#include <QFile>

namespace tzolkara::ForeignFile {

QList<QByteArray> readFirstLines(QIODevice &device)
{
    QList<QByteArray> lines;
    for (int line = 0; line < kLines && !device.atEnd(); ++line)
        lines.append(device.readLine(kLineBytes));
    return lines;
}

bool read(const QString &path)
{
    QFile file;
    if (!openRegularFile(file, path))
        return false;
    readFirstLines(file);
    return true;
}

} // namespace tzolkara::ForeignFile

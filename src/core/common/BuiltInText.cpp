// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/common/BuiltInText.h"

#include <QFile>

namespace tzolkara {

QString builtInText(const QString &resourcePath)
{
    QFile file(resourcePath);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("Tzolkara: the built-in text %s is missing", qUtf8Printable(resourcePath));
    QByteArray bytes = file.readAll();
    if (bytes.endsWith('\n'))
        bytes.chop(bytes.endsWith("\r\n") ? 2 : 1);
    if (bytes.isEmpty())
        qFatal("Tzolkara: the built-in text %s is empty", qUtf8Printable(resourcePath));
    return QString::fromUtf8(bytes);
}

} // namespace tzolkara

// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "InterpretationTexts.h"

#include "common/BuiltInText.h"

namespace tzolkara {

QString signDescription(int daySign)
{
    return builtInText(
        QStringLiteral(":/texts/signs/%1.txt").arg(daySign, 2, 10, QLatin1Char('0')));
}

QString toneDescription(int number)
{
    return builtInText(QStringLiteral(":/texts/tones/%1.txt").arg(number, 2, 10, QLatin1Char('0')));
}

} // namespace tzolkara

// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/engine/InterpretationTexts.h"

#include "core/common/BuiltInText.h"

namespace tzolkara {

QString textsFolder(const Language &language)
{
    return language.folderUnder(QStringLiteral(":/texts/"));
}

QString signDescription(int daySign, const Language &language)
{
    return builtInText(textsFolder(language) +
                       QStringLiteral("signs/%1.txt").arg(daySign, 2, 10, QLatin1Char('0')));
}

QString toneDescription(int number, const Language &language)
{
    return builtInText(textsFolder(language) +
                       QStringLiteral("tones/%1.txt").arg(number, 2, 10, QLatin1Char('0')));
}

} // namespace tzolkara

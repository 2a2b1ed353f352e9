// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/tarot/GlyphDescriptions.h"

#include "core/common/BuiltInText.h"
#include "core/engine/InterpretationTexts.h"

namespace tzolkara {

QString glyphDescription(int glyph, const Language &language)
{
    return builtInText(textsFolder(language) +
                       QStringLiteral("glyphs/%1.txt").arg(glyph, 2, 10, QLatin1Char('0')));
}

} // namespace tzolkara

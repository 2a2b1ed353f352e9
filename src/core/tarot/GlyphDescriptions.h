// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/i18n/Language.h"

#include <QString>

namespace tzolkara {

// The interpretation of tarot glyph 0..19 (0 is Imix, the Red Dragon; 19 is
// Ahau, the Yellow Sun), one paragraph read from
// resources/texts/glyphs/00.txt .. 19.txt, or the language's folder beside
// them (es/glyphs/ for Spanish).
QString glyphDescription(int glyph, const Language &language);

} // namespace tzolkara

// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/tarot/TarotTables.h"

#include <array>
#include <functional>

namespace tzolkara {

// The five glyphs of the latest reading, by position (0 Guide .. 4 Occult).
struct OracleReading
{
    std::array<qint16, kPositionCount> Glyphs{};
};

// The glyph a random value r in [0, 1) stands for: r x 19, rounded to the
// nearest whole number, halves to the even one. Glyphs 0 and 19 therefore
// come half as often as the others.
int glyphForRandomValue(float r);

// Draws five pairwise different glyphs, one position after the other; a
// glyph already laid in this reading is drawn again.
OracleReading drawOracleReading(const std::function<float()> &nextRandom);

} // namespace tzolkara

// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/tarot/Oracle.h"

#include <algorithm>
#include <cfenv>
#include <cmath>

namespace tzolkara {

int glyphForRandomValue(float r)
{
    // In double the product is exact (24 + 5 significant bits), so the
    // rounding below sees the true r x 19. In float it is rounded first,
    // and values just beside a .5 boundary land on the wrong side of it.
    const double product = double(r) * 19.0;
    // std::nearbyint rounds halves to even in the default rounding mode;
    // make sure it is the one in force.
    const int previous = std::fegetround();
    std::fesetround(FE_TONEAREST);
    const int glyph = static_cast<int>(std::nearbyint(product));
    std::fesetround(previous);
    return std::clamp(glyph, 0, kGlyphCount - 1);
}

OracleReading drawOracleReading(const std::function<float()> &nextRandom)
{
    OracleReading reading;
    for (int position = 0; position < kPositionCount; ++position) {
        int glyph = 0;
        bool taken = true;
        while (taken) {
            glyph = glyphForRandomValue(nextRandom());
            taken = std::find(reading.Glyphs.begin(), reading.Glyphs.begin() + position, glyph) !=
                    reading.Glyphs.begin() + position;
        }
        reading.Glyphs[position] = static_cast<qint16>(glyph);
    }
    return reading;
}

} // namespace tzolkara

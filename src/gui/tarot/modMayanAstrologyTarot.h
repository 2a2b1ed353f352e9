// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "tarot/Oracle.h"

// The tarot: its tables, the latest reading, and the casting of a reading
// into the tarot result screen.
namespace tzolkara {
class Navigator;
}

namespace tzolkara::modMayanAstrologyTarot {

// Empty until the first reading fills them.
extern GlyphTableType GlyphTable;
extern PositionTableType PositionTable;
extern OracleReading LatestReading;

// Fills both tables with their constant contents.
void LoadTarotTables();

// Draws a new reading from the program's random source and writes it into
// the tarot result screen, loading that screen if needed (not showing it).
void CastTarotReading(Navigator &navigator);

} // namespace tzolkara::modMayanAstrologyTarot

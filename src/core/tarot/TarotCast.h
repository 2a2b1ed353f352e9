// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/tarot/TarotReading.h"

// The tarot's tables and its latest reading, and the drawing of a new one.
namespace tzolkara::modMayanAstrologyTarot {

// Empty until the first reading fills them.
extern GlyphTableType GlyphTable;
extern PositionTableType PositionTable;
extern OracleReading LatestReading;

// Fills both tables with their constant contents in the current language.
void LoadTarotTables();

// Draws a new LatestReading from the program's random source, refills the
// tables and composes the reading, cast today for `askerName`. The name
// takes no part in the draw.
TarotReading DrawTarotReading(const QString &askerName);

} // namespace tzolkara::modMayanAstrologyTarot

// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/tarot/TarotCast.h"

#include "core/common/Clock.h"
#include "core/common/NameText.h"
#include "core/common/RandomSource.h"

namespace tzolkara::modMayanAstrologyTarot {

GlyphTableType GlyphTable;
PositionTableType PositionTable;
OracleReading LatestReading;

void LoadTarotTables()
{
    GlyphTable = glyphTableContents();
    PositionTable = positionTableContents();
}

TarotReading DrawTarotReading(const QString &askerName)
{
    LatestReading = drawOracleReading([] { return RandomSource::instance().next(); });
    LoadTarotTables();
    TarotReading reading = composeTarotReading(LatestReading, GlyphTable, PositionTable);
    reading.askerName = NameText::oneLine(askerName);
    reading.castOn = Clock::today();
    return reading;
}

} // namespace tzolkara::modMayanAstrologyTarot

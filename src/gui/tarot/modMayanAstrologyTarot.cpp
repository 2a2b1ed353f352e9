// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "modMayanAstrologyTarot.h"

#include "common/RandomSource.h"
#include "frmMayanAstrologyTarotResult.h"
#include "shell/Navigator.h"

namespace tzolkara::modMayanAstrologyTarot {

GlyphTableType GlyphTable;
PositionTableType PositionTable;
OracleReading LatestReading;

void LoadTarotTables()
{
    GlyphTable = glyphTableContents();
    PositionTable = positionTableContents();
}

void CastTarotReading(Navigator &navigator)
{
    LatestReading = drawOracleReading([] { return RandomSource::instance().next(); });
    LoadTarotTables();

    auto *result =
        qobject_cast<frmMayanAstrologyTarotResult *>(navigator.loadScreen(ScreenId::TarotResult));
    if (!result)
        return;
    result->writeReading(composeTarotReading(LatestReading, GlyphTable, PositionTable));
    for (int position = 0; position < kPositionCount; ++position)
        result->setGlyphPicture(position, LatestReading.Glyphs[position]);
}

} // namespace tzolkara::modMayanAstrologyTarot

// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/tarot/TarotCast.h"

#include "core/common/NameText.h"

namespace tzolkara {

void TarotOracle::LoadTarotTables()
{
    GlyphTable = glyphTableContents(m_language);
    PositionTable = positionTableContents(m_language);
}

TarotReading TarotOracle::DrawTarotReading(const std::function<double()> &random,
                                           const QDate &today, const QString &askerName)
{
    LatestReading = drawOracleReading([&random] { return float(random()); });
    LoadTarotTables();
    TarotReading reading = composeTarotReading(LatestReading, GlyphTable, PositionTable);
    reading.askerName = NameText::oneLine(askerName);
    reading.castOn = today;
    return reading;
}

} // namespace tzolkara

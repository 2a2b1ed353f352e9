// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/tarot/TarotReading.h"

#include "tables/engine/DayNameTables.h"

#include <QCoreApplication>

namespace tzolkara {

TarotReading composeTarotReading(const OracleReading &reading, const GlyphTableType &glyphs,
                                 const PositionTableType &positions)
{
    constexpr auto Heading = TarotRunFormat::Heading;
    constexpr auto Label = TarotRunFormat::Label;
    constexpr auto Body = TarotRunFormat::Body;
    TarotReading composed;
    QList<TarotRun> &runs = composed.runs;
    // The empty line under the title is still bold: the bold switch goes off
    // only after it.
    runs.append({QCoreApplication::translate("TarotReading", kTarotReadingTitleSource), Heading});
    runs.append({QString(), Heading});
    for (int p = 0; p < kPositionCount; ++p) {
        const PositionRecord &position = positions[p];
        const GlyphRecord &glyph = glyphs[reading.Glyphs[p]];
        runs.append({position.PositionName, Heading});
        runs.append({position.PositionMeaning, Body});
        runs.append({position.PositionHeading, Body});
        runs.append({QCoreApplication::translate("TarotReading", "Sign: "), Label});
        runs.append({glyph.SignLabel, Body});
        runs.append({QCoreApplication::translate("TarotReading", "Name: "), Label});
        runs.append({glyph.ColourName, Body});
        runs.append({QCoreApplication::translate("TarotReading", "Description: "), Label});
        runs.append({glyph.Description, Body});
        runs.append({QString(), Body});

        composed.glyphs[p] = reading.Glyphs[p];
        // The Maya name by the glyph's number, as the labels write it, not
        // cut from a label whose translation may be written otherwise.
        composed.cardNames[p] = QStringLiteral("%1, %2").arg(
            QLatin1StringView(kColonialSignNames[reading.Glyphs[p]]), glyph.ColourName);
    }
    return composed;
}

} // namespace tzolkara

// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/tarot/TarotReading.h"

#include <QDate>

#include <functional>

namespace tzolkara {

// The tarot's module: its two tables and its latest reading, for the whole
// run of the program. The application holds the one instance
// (modMayanAstrologyTarot) and hands it to the tarot's screens.
class TarotOracle final
{
public:
    // The tables are said in `language`.
    explicit TarotOracle(Language language = Language()) : m_language(std::move(language)) {}

    // Empty until the first reading fills them.
    GlyphTableType GlyphTable;
    PositionTableType PositionTable;
    OracleReading LatestReading;

    // Fills both tables with their constant contents in the oracle's language.
    void LoadTarotTables();

    // Draws a new LatestReading with `random` (values 0 <= r < 1), refills the
    // tables and composes the reading, cast on `today` for `askerName`. The
    // name takes no part in the draw.
    TarotReading DrawTarotReading(const std::function<double()> &random, const QDate &today,
                                  const QString &askerName);

private:
    Language m_language;
};

} // namespace tzolkara

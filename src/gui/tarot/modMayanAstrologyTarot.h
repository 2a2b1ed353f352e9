// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace tzolkara {

class Navigator;
class TarotOracle;

namespace modMayanAstrologyTarot {

// Draws a new reading of `oracle` for `askerName`, with the desktop's random
// numbers and date, and writes it into the tarot result screen, loading that
// screen through `navigator` if needed (not showing it).
void CastTarotReading(TarotOracle &oracle, Navigator &navigator, const QString &askerName);

} // namespace modMayanAstrologyTarot
} // namespace tzolkara

// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/tarot/TarotCast.h"

namespace tzolkara {
class Navigator;
}

namespace tzolkara::modMayanAstrologyTarot {

// Draws a new reading for `askerName` and writes it into the tarot result
// screen, loading that screen through `navigator` if needed (not showing it).
void CastTarotReading(Navigator &navigator, const QString &askerName);

} // namespace tzolkara::modMayanAstrologyTarot

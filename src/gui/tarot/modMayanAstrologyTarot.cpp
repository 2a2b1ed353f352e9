// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/tarot/modMayanAstrologyTarot.h"

#include "core/tarot/TarotCast.h"
#include "gui/shell/Navigator.h"
#include "gui/tarot/frmMayanAstrologyTarotResult.h"

namespace tzolkara::modMayanAstrologyTarot {

void CastTarotReading(TarotOracle &oracle, Navigator &navigator, const QString &askerName)
{
    Desktop &desktop = navigator.desktop();
    const TarotReading reading = oracle.DrawTarotReading([&desktop] { return desktop.random(); },
                                                         desktop.today(), askerName);
    auto *result =
        qobject_cast<frmMayanAstrologyTarotResult *>(navigator.loadScreen(ScreenId::TarotResult));
    if (!result)
        return;
    result->writeReading(reading);
}

} // namespace tzolkara::modMayanAstrologyTarot

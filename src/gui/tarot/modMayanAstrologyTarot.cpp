// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "modMayanAstrologyTarot.h"

#include "frmMayanAstrologyTarotResult.h"
#include "shell/Navigator.h"
#include "tarot/TarotCast.h"

namespace tzolkara::modMayanAstrologyTarot {

void CastTarotReading(Navigator &navigator, const QString &askerName)
{
    const TarotReading reading = DrawTarotReading(askerName);
    auto *result =
        qobject_cast<frmMayanAstrologyTarotResult *>(navigator.loadScreen(ScreenId::TarotResult));
    if (!result)
        return;
    result->writeReading(reading);
}

} // namespace tzolkara::modMayanAstrologyTarot

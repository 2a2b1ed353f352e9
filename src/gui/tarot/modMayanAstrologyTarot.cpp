// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "modMayanAstrologyTarot.h"

#include "frmMayanAstrologyTarotResult.h"
#include "shell/frmMDI.h"

namespace tzolkara::modMayanAstrologyTarot {

void CastTarotReading(const QString &askerName)
{
    const TarotReading reading = DrawTarotReading(askerName);

    frmMDI *main = frmMDI::instance();
    auto *result =
        main ? qobject_cast<frmMayanAstrologyTarotResult *>(main->loadScreen(ScreenId::TarotResult))
             : nullptr;
    if (!result)
        return;
    result->writeReading(reading);
}

} // namespace tzolkara::modMayanAstrologyTarot

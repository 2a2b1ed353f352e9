// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TarotProgram.h"

#include "common/Artwork.h"
#include "frmMayanAstrologyTarotMain.h"
#include "frmMayanAstrologyTarotResult.h"
#include <QCoreApplication>

namespace tzolkara {

Program tarotProgram()
{
    ScreenRegistry::setFactory(ScreenId::TarotMain, [](Navigator &navigator) {
        return new frmMayanAstrologyTarotMain(navigator);
    });
    ScreenRegistry::setFactory(ScreenId::TarotResult, [](Navigator &navigator) {
        return new frmMayanAstrologyTarotResult(navigator);
    });
    return {QCoreApplication::translate("Programs", "Mayan Astrology Tarot"), QColor(255, 0, 255),
            Artwork::kTarotIconResource, QStringLiteral("Picture3"), ScreenId::TarotMain};
}

} // namespace tzolkara

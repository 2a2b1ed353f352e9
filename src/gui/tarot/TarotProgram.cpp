// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/tarot/TarotProgram.h"

#include "gui/common/Artwork.h"
#include "gui/tarot/frmMayanAstrologyTarotMain.h"
#include "gui/tarot/frmMayanAstrologyTarotResult.h"
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

// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/tarot/TarotProgram.h"

#include "gui/common/Artwork.h"
#include "gui/tarot/frmMayanAstrologyTarotMain.h"
#include "gui/tarot/frmMayanAstrologyTarotResult.h"
#include <QCoreApplication>

namespace tzolkara {

Program tarotProgram(TarotOracle &oracle, const ReadingPictures &pictures,
                     const DayNamesChoice &dayNames)
{
    Program program{QCoreApplication::translate("Programs", "Mayan Astrology Tarot"),
                    QColor(255, 0, 255),
                    Artwork::kTarotIconResource,
                    QStringLiteral("Picture3"),
                    ScreenId::TarotMain,
                    ProgramEntry::Button | ProgramEntry::WelcomeCaption,
                    {}};
    program.screens = {
        {ScreenId::TarotMain,
         [&oracle, &pictures](Navigator &navigator) {
             return new frmMayanAstrologyTarotMain(oracle, pictures, navigator);
         }},
        {ScreenId::TarotResult,
         [&pictures, &dayNames](Navigator &navigator) {
             return new frmMayanAstrologyTarotResult(pictures, dayNames, navigator);
         }},
    };
    return program;
}

} // namespace tzolkara

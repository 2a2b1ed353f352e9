// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ProgramScreens.h"

#include "readings/EntryScreen.h"
#include "readings/ReportScreen.h"
#include "readings/frmMayanAstrologyResult.h"
#include "readings/frmMayanNumerologyResult.h"
#include "shell/ProgramScreen.h"
#include "tarot/frmMayanAstrologyTarotMain.h"
#include "tarot/frmMayanAstrologyTarotResult.h"

namespace tzolkara {

// One line per screen: the main window asks the registry for a screen the
// first time it is shown.
void registerProgramScreens()
{
    ScreenRegistry::setFactory(ScreenId::AstrologyMain,
                               [] { return new EntryScreen(EntryScreen::Kind::Astrology); });
    ScreenRegistry::setFactory(ScreenId::NumerologyMain,
                               [] { return new EntryScreen(EntryScreen::Kind::Numerology); });
    ScreenRegistry::setFactory(ScreenId::AstrologyResult,
                               [] { return new frmMayanAstrologyResult; });
    ScreenRegistry::setFactory(ScreenId::NumerologyResult,
                               [] { return new frmMayanNumerologyResult; });
    ScreenRegistry::setFactory(ScreenId::AstrologySave,
                               [] { return new ReportScreen(ReportScreen::Kind::Astrology); });
    ScreenRegistry::setFactory(ScreenId::NumerologySave,
                               [] { return new ReportScreen(ReportScreen::Kind::Numerology); });
    ScreenRegistry::setFactory(ScreenId::TarotMain, [] { return new frmMayanAstrologyTarotMain; });
    ScreenRegistry::setFactory(ScreenId::TarotResult,
                               [] { return new frmMayanAstrologyTarotResult; });
}

} // namespace tzolkara

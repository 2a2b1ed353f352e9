// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/engine/KinEngine.h"
#include "core/settings/DayNamesChoice.h"
#include "core/settings/SettingsStore.h"
#include "core/tarot/TarotCast.h"
#include "gui/common/Artwork.h"
#include "gui/shell/Program.h"

#include <QList>

namespace tzolkara {

class Desktop;

// What the program holds for its whole run, made once at start-up and handed
// to each program and screen that uses it: the desktop it runs on, the
// language it speaks, the two engine instances (one for each birth-date
// program, each with its own reading state), the tarot's module, the per-user
// settings and the day names chosen in them, and the readings' pictures.
// Nothing of the program lives anywhere else; a test makes one with a desktop
// and a language of its own.
class ProgramContext final
{
public:
    // Everything said in `language`.
    explicit ProgramContext(Desktop &desktop, const Language &language = Language())
        : desktop(desktop), language(language), modMayanAstrology(language),
          modMayanNumerology(language), modMayanAstrologyTarot(language), pictures(language)
    {
    }
    Q_DISABLE_COPY_MOVE(ProgramContext)

    Desktop &desktop;
    const Language language;
    KinEngine modMayanAstrology;
    KinEngine modMayanNumerology;
    TarotOracle modMayanAstrologyTarot;
    SettingsStore settings;
    DayNamesChoice dayNames{settings};
    // The pictures of the readings, shared by every screen that shows them.
    ReadingPictures pictures;

    // The programs of the main window in the order of their buttons, their
    // screens sharing what they use of the above.
    QList<Program> programs();
};

} // namespace tzolkara

// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/Programs.h"

#include "gui/calendar/CalendarProgram.h"
#include "gui/readings/ReadingsPrograms.h"
#include "gui/tarot/TarotProgram.h"

namespace tzolkara {

KinEngine modMayanAstrology;
KinEngine modMayanNumerology;

QList<Program> registerPrograms()
{
    return {
        astrologyProgram(modMayanAstrology),
        tarotProgram(),
        numerologyProgram(modMayanNumerology),
        calendarProgram(),
    };
}

} // namespace tzolkara

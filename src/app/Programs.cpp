// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Programs.h"

#include "calendar/CalendarProgram.h"
#include "readings/ReadingsPrograms.h"
#include "tarot/TarotProgram.h"

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

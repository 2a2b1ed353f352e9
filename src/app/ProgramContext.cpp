// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/ProgramContext.h"

#include "gui/calendar/CalendarProgram.h"
#include "gui/readings/ReadingsPrograms.h"
#include "gui/tarot/TarotProgram.h"

namespace tzolkara {

QList<Program> ProgramContext::programs()
{
    return {
        astrologyProgram(modMayanAstrology, pictures, dayNames),
        tarotProgram(modMayanAstrologyTarot, pictures, dayNames),
        numerologyProgram(modMayanNumerology, pictures, dayNames),
        calendarProgram(dayNames),
    };
}

} // namespace tzolkara

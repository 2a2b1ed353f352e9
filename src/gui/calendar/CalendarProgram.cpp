// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/calendar/CalendarProgram.h"

#include "gui/calendar/frmMayaCalendar.h"
#include "gui/common/Artwork.h"

#include <QCoreApplication>

namespace tzolkara {

Program calendarProgram()
{
    Program program{QCoreApplication::translate("Programs", "Maya Calendar"),
                    QColor(224, 224, 224),
                    Artwork::kApplicationIconResource,
                    QStringLiteral("picCalendarIcon"),
                    ScreenId::MayaCalendar,
                    ProgramEntry::TodayLink,
                    {}};
    program.screens = {
        {ScreenId::MayaCalendar,
         [](Navigator &navigator) { return new frmMayaCalendar(navigator); }},
    };
    return program;
}

} // namespace tzolkara

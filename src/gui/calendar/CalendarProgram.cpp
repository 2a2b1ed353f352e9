// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/calendar/CalendarProgram.h"

#include "gui/calendar/frmMayaCalendar.h"
#include "gui/common/Artwork.h"

#include <QCoreApplication>

namespace tzolkara {

Program calendarProgram(DayNamesChoice &dayNames)
{
    Program program{QCoreApplication::translate("Programs", "Maya Calendar"),
                    QColor(224, 224, 224),
                    Artwork::kCalendarIconResource,
                    QStringLiteral("picCalendarIcon"),
                    ScreenId::MayaCalendar,
                    ProgramEntry::Button | ProgramEntry::FileMenu | ProgramEntry::TodayLink,
                    {},
                    QCoreApplication::translate("Programs", "Maya &Calendar"),
                    QStringLiteral("mnuMayaCalendar")};
    program.screens = {
        {ScreenId::MayaCalendar,
         [&dayNames](Navigator &navigator) { return new frmMayaCalendar(dayNames, navigator); }},
    };
    return program;
}

} // namespace tzolkara

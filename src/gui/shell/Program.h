// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "gui/shell/ScreenId.h"

#include <QColor>
#include <QString>

namespace tzolkara {

// One program of the main window, described once: its caption on the button
// and on the welcome panel, the caption's colour there, the icon beside its
// button, and the screen it opens with. A program's folder makes its own
// description and registers its screens; the application lists the programs
// in the order of their buttons, and the main window builds its buttons and
// captions from that list.
// Where the main window offers a program: a button with its caption on the
// welcome panel, or the panel's line of today's date, which opens it.
enum class ProgramEntry { Button, TodayLink };

struct Program
{
    QString caption;
    QColor colour;
    QString iconResource;
    // The object name of the icon beside the button, as screen readers and
    // tests find it.
    QString iconName;
    ScreenId firstScreen;
    ProgramEntry entry = ProgramEntry::Button;
};

} // namespace tzolkara

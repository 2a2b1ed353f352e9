// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "gui/shell/ScreenId.h"

#include <QColor>
#include <QList>
#include <QString>

#include <functional>

namespace tzolkara {

class Navigator;
class ProgramScreen;

// One program of the main window, described once: its caption on the button
// and on the welcome panel, the caption's colour there, the icon beside its
// button, the screen it opens with, and how each of its screens is made. A
// program's folder makes its own description, with the engine or state its
// screens share; the application lists the programs in the order of their
// buttons, and the main window builds its buttons and captions from that
// list and makes the screens it asks for.
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

    // A screen of the program, made in the window of `navigator`.
    struct Screen
    {
        ScreenId id;
        std::function<ProgramScreen *(Navigator &navigator)> make;
    };
    // In the order in which the main window closes them.
    QList<Screen> screens;
};

} // namespace tzolkara

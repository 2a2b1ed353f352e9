// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "gui/shell/ScreenId.h"

#include <QColor>
#include <QFlags>
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
// buttons, and the main window builds its buttons, captions and menu items
// from that list and makes the screens it asks for.
// Where the main window offers a program: a button in the row with its icon,
// a caption on the welcome panel, an item of the main window's File menu,
// and the panel's line of today's date, which opens it. The readings have a
// button and a caption; the calendar, which follows the days rather than
// giving a reading, a button, the File menu's item and the line of today.
enum class ProgramEntry {
    Button = 0x1,
    WelcomeCaption = 0x2,
    FileMenu = 0x4,
    TodayLink = 0x8,
};
Q_DECLARE_FLAGS(ProgramEntries, ProgramEntry)
Q_DECLARE_OPERATORS_FOR_FLAGS(ProgramEntries)

struct Program
{
    QString caption;
    QColor colour;
    QString iconResource;
    // The object name of the icon beside the button, as screen readers and
    // tests find it.
    QString iconName;
    ScreenId firstScreen;
    ProgramEntries entries = ProgramEntry::Button;

    // A screen of the program, made in the window of `navigator`.
    struct Screen
    {
        ScreenId id;
        std::function<ProgramScreen *(Navigator &navigator)> make;
    };
    // In the order in which the main window closes them.
    QList<Screen> screens;

    // With ProgramEntry::FileMenu: the item's caption, with its access key,
    // and its object name.
    QString menuCaption = {};
    QString menuName = {};
};

} // namespace tzolkara

// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "gui/common/Desktop.h"
#include "gui/shell/ScreenId.h"

#include <QList>

namespace tzolkara {

class ProgramScreen;

// What a screen asks of the window it sits in: the other screens, the
// welcome panel behind them, and the desktop the window runs on. The main
// window is the real one; a test gives a screen a navigator of its own.
class Navigator
{
public:
    // The screen if it exists (shown or hidden), else null.
    virtual ProgramScreen *findScreen(ScreenId id) const = 0;
    // Every screen that exists, in the programs' order.
    virtual QList<ProgramScreen *> openScreens() const = 0;
    // Creates the screen (running its Form_Load) unless it exists.
    virtual ProgramScreen *loadScreen(ScreenId id) = 0;
    // Loads the screen, shows it and brings it to the front.
    virtual ProgramScreen *showScreen(ScreenId id) = 0;
    // Opens a program as its button does: every screen closes, the welcome
    // panel hides, and the program's first screen shows.
    virtual ProgramScreen *openProgram(ScreenId firstScreen) = 0;
    // Brings a screen that exists already to the front.
    virtual void activateScreen(ProgramScreen *screen) = 0;
    virtual void setWelcomePanelVisible(bool visible) = 0;
    // The message boxes, file dialogs, printer and clock the screen uses.
    virtual Desktop &desktop() = 0;

protected:
    ~Navigator() = default;
};

} // namespace tzolkara

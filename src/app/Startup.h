// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>

class QWidget;

namespace tzolkara {

class ProgramContext;
class frmMDI;

// The start-up sequence after the single-instance check: the update
// reminder, then the main window with its welcome panel. Returns the main
// window, owned by the caller.
frmMDI *startMainWindow(ProgramContext &context);

// Brings the program to the front when another start was refused: the main
// window, or the question in front of it, raised, activated and no longer
// minimized.
void bringToFront(QWidget *mainWindow);

// The whole program: the single-instance check, start-up, the event loop.
// `beforeEventLoop` sees the main window once it is shown (the start-up
// benchmark ends the program after its first paint from there).
int runTzolkara(int &argc, char **argv, const std::function<void(frmMDI &)> &beforeEventLoop = {});

} // namespace tzolkara

// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/engine/KinEngine.h"
#include "gui/shell/Program.h"

#include <QList>

namespace tzolkara {

// The two engine instances the program holds, one for each birth-date
// program, each with its own reading state for the whole run.
extern KinEngine modMayanAstrology;
extern KinEngine modMayanNumerology;

// The programs of the main window, in the order of its buttons, each with
// its screens registered.
QList<Program> registerPrograms();

} // namespace tzolkara

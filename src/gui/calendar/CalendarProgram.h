// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "gui/shell/Program.h"

namespace tzolkara {

class DayNamesChoice;

// The Maya Calendar and its screen, which its button, the main window's File
// menu and the welcome panel's line of today's date open; its choice of day
// names is the one every screen follows.
Program calendarProgram(DayNamesChoice &dayNames);

} // namespace tzolkara

// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "gui/shell/Program.h"

namespace tzolkara {

// The Maya Calendar and its screen, which the welcome panel's line of
// today's date opens.
Program calendarProgram();

} // namespace tzolkara

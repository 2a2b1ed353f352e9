// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "gui/shell/Program.h"

namespace tzolkara {

class KinEngine;

// The two programs of the birth-date readings, each with its engine instance:
// registers their entry, result and report screens and describes them.
Program astrologyProgram(KinEngine &engine);
Program numerologyProgram(KinEngine &engine);

} // namespace tzolkara

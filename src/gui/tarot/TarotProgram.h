// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "gui/shell/Program.h"

namespace tzolkara {

// The tarot: registers its question and result screens and describes it.
Program tarotProgram();

} // namespace tzolkara

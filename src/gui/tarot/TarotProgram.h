// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "gui/shell/Program.h"

namespace tzolkara {

class TarotOracle;

// The tarot, with its question and result screens, which share `oracle`.
Program tarotProgram(TarotOracle &oracle);

} // namespace tzolkara

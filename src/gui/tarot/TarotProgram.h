// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "gui/shell/Program.h"

namespace tzolkara {

class ReadingPictures;
class TarotOracle;

// The tarot, with its question and result screens, which share `oracle` and
// the program's pictures.
Program tarotProgram(TarotOracle &oracle, const ReadingPictures &pictures);

} // namespace tzolkara

// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "gui/shell/Program.h"

namespace tzolkara {

class DayNamesChoice;
class ReadingPictures;
class TarotOracle;

// The tarot, with its question and result screens, which share `oracle` and
// the program's pictures; the result's PDF names the day signs of the day of
// the cast as `dayNames` says.
Program tarotProgram(TarotOracle &oracle, const ReadingPictures &pictures,
                     const DayNamesChoice &dayNames);

} // namespace tzolkara

// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "gui/shell/Program.h"

namespace tzolkara {

class DayNamesChoice;
class KinEngine;
class ReadingPictures;

// The two programs of the birth-date readings, each with its engine instance
// and its entry, result and report screens, which share it, the program's
// pictures and the names their Maya calendar lines give the day signs.
Program astrologyProgram(KinEngine &engine, const ReadingPictures &pictures,
                         const DayNamesChoice &dayNames);
Program numerologyProgram(KinEngine &engine, const ReadingPictures &pictures,
                          const DayNamesChoice &dayNames);

} // namespace tzolkara

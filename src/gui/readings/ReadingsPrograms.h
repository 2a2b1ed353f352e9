// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "gui/shell/Program.h"

namespace tzolkara {

class KinEngine;
class ReadingPictures;

// The two programs of the birth-date readings, each with its engine instance
// and its entry, result and report screens, which share it and the
// program's pictures.
Program astrologyProgram(KinEngine &engine, const ReadingPictures &pictures);
Program numerologyProgram(KinEngine &engine, const ReadingPictures &pictures);

} // namespace tzolkara

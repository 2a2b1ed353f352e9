// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace tzolkara {

// The long interpretation texts of the day signs and day numbers, one
// paragraph each, read from resources/texts (see the README there).

// Text of day sign 1..20 (1 Crocodile .. 20 Sun, the DaySign count), from
// resources/texts/signs/01.txt .. 20.txt.
QString signDescription(int daySign);
// Text of day number 1..13, from resources/texts/tones/01.txt .. 13.txt.
QString toneDescription(int number);

} // namespace tzolkara

// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace tzolkara {

// The long interpretation texts of the day signs and day numbers, one
// paragraph each, read from resources/texts (see the README there).

// Text of the sign with this English name ("Crocodile"), from
// resources/texts/signs/crocodile.txt.
QString signDescription(const QString &englishName);
// Text of day number 1..13, from resources/texts/tones/01.txt .. 13.txt.
QString toneDescription(int number);

} // namespace tzolkara

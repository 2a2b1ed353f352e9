// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace tzolkara {

// The Maya calendar's counts as every screen names and explains them, in the
// program's language: the reading's frame and the calendar's day panel say
// the same.
enum class MayaTerm { LongCount, CalendarRound, LordOfTheNight, Trecena };

QString mayaTermCaption(MayaTerm term);
QString mayaTermToolTip(MayaTerm term);

} // namespace tzolkara

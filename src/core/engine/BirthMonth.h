// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLatin1StringView>
#include <QStringView>

namespace tzolkara {

// The birth month as ReadingState holds it: an English month name, exact and
// case-sensitive ("January" .. "December").

// The English name of month 0..11 (January 0), as the entry screens list it.
QLatin1StringView monthName(int month0);

// Month 0..11 (January 0) of an exact, case-sensitive English month name,
// or -1.
int monthIndexOf(QStringView monthName);

// KinNumber 1..260 of a birth date, or 0 for a year outside 1900..2099. A
// month name that is none of the twelve contributes 0.
int kinNumberOf(int year, QStringView monthName, int day);

} // namespace tzolkara

// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDate>

namespace tzolkara {

// The birth years the entry screens offer: 1900 to the current year. Never
// fewer than 1900 to 2016, the list of the first versions, so that a clock
// set back cannot shut out a saved reading; never past the years the kin
// tables hold.
constexpr int kLastAlwaysListedYear = 2016;
int lastListedBirthYear(const QDate &today);

// A real day of the years listed on `today`.
bool isListedBirthDate(int year, int month0, int day, const QDate &today);

} // namespace tzolkara

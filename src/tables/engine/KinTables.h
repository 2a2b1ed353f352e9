// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "tables/engine/BirthDate.h"

namespace tzolkara {

// The constant arithmetic of the 260-day count: year codes, month-day values
// and the kin table. Pure integer look-ups, no calendar library, and plain
// C++ without Qt, for the command-line tool (months by English name are in
// BirthMonth.h).

constexpr int kKinCount = 260;

// Year code of 1899..2099, all by one stepping rule. 1899 (42) follows from
// the rule run backwards from 1900 and serves January and February 1900,
// which continue the count that began on 1 March 1899. Returns -1 for any
// other year.
int yearCode(int year);

// Distance in days of `day` of month `monthIndex` from 1 March, reduced into
// 1..260 (1 March itself is 0). Days a month does not have, unknown months
// and days outside 1..31 give 0.
int monthDayValue(int monthIndex, int day);

struct KinEntry
{
    int signPosition; // 0..19 in sign-table order (0 is Monkey)
    int dayNumber;    // 1..13
};

// Entry of KinNumber 1..260; callers guarantee the range.
KinEntry kinEntry(int kinNumber);

// KinNumber 1..260 of a birth date, or 0 for a year outside 1900..2099.
// The month is 0..11 (January 0); other months contribute 0.
int kinNumberOf(int year, int monthIndex, int day);

} // namespace tzolkara

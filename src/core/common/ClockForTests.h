// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDate>

// Only tests include this: the program itself always runs on the real clock.
namespace tzolkara::testing {

// Fixes Clock::today(); an invalid date returns to the real clock.
void setToday(const QDate &date);

} // namespace tzolkara::testing

// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/readings/BirthYears.h"

#include "core/common/Clock.h"
#include "tables/engine/BirthDate.h"

#include <algorithm>

namespace tzolkara {

int lastListedBirthYear()
{
    return std::clamp(Clock::today().year(), kLastAlwaysListedYear, kLastTableYear);
}

bool isListedBirthDate(int year, int month0, int day)
{
    return year <= lastListedBirthYear() && isValidBirthDate(year, month0, day);
}

} // namespace tzolkara

// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/readings/BirthYears.h"

#include "tables/engine/BirthDate.h"

#include <algorithm>

namespace tzolkara {

int lastListedBirthYear(const QDate &today)
{
    return std::clamp(today.year(), kLastAlwaysListedYear, kLastTableYear);
}

bool isListedBirthDate(int year, int month0, int day, const QDate &today)
{
    return year <= lastListedBirthYear(today) && isValidBirthDate(year, month0, day);
}

} // namespace tzolkara

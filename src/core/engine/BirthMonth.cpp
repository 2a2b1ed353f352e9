// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/engine/BirthMonth.h"

#include "tables/engine/KinTables.h"
#include "tables/engine/MonthNames.h"

#include <QLatin1StringView>

namespace tzolkara {

QLatin1StringView monthName(int month0)
{
    return month0 >= 0 && month0 < 12 ? QLatin1StringView(kMonthNames[month0])
                                      : QLatin1StringView();
}

int monthIndexOf(QStringView name)
{
    for (int i = 0; i < 12; ++i) {
        if (name == QLatin1StringView(kMonthNames[i]))
            return i;
    }
    return -1;
}

int kinNumberOf(int year, QStringView monthName, int day)
{
    return kinNumberOf(year, monthIndexOf(monthName), day);
}

} // namespace tzolkara

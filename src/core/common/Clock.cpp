// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/common/Clock.h"

#include "core/common/ClockForTests.h"

namespace tzolkara {

namespace {
QDate &fixedToday()
{
    static QDate date;
    return date;
}
} // namespace

QDate Clock::today()
{
    return fixedToday().isValid() ? fixedToday() : QDate::currentDate();
}

void testing::setToday(const QDate &date)
{
    fixedToday() = date;
}

} // namespace tzolkara

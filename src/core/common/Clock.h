// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDate>

namespace tzolkara {

// "Today" for the whole program (tests fix it through ClockForTests.h).
class Clock final
{
public:
    static QDate today();
};

} // namespace tzolkara

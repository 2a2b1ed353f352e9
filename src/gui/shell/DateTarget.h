// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QDate;

namespace tzolkara {

// A screen that can be opened on a given day: the calendar shows it, the
// Astrology entry screen takes it as the birth date. Screens of one program
// hand a day to another's through this, without knowing its class.
class DateTarget
{
public:
    virtual void showDate(const QDate &date) = 0;

protected:
    ~DateTarget() = default;
};

} // namespace tzolkara

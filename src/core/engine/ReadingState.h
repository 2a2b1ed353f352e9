// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace tzolkara {

// The inputs and results of the latest calculation of one engine instance.
struct ReadingState
{
    QString UserName;
    qint16 BirthYear = 0;
    QString BirthMonth;
    qint16 BirthDay = 0;

    qint16 DayNumber = 0;
    QString DayNumberDescription;
    QString DaySignLabel;
    QString EnglishName;
    QString SignDescription;
    QString Keywords;
    QString Gemstone;
    QString Significance;
    QString FamousPersons;
};

} // namespace tzolkara

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
    // 1 Crocodile .. 20 Sun; 0 before the first reading. Pictures and
    // anything else that must find the sign look for it by this number,
    // since the names below are in the reader's language.
    qint16 DaySign = 0;
    QString EnglishName;
    QString SignDescription;
    QString Keywords;
    QString Gemstone;
    QString Significance;
    QString FamousPersons;
};

} // namespace tzolkara

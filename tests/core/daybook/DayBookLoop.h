// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What daybook_helper's write loop does at its step `i`, for it and for the
// test that kills it: both know every step from its number alone.

#include "tables/engine/MayaCalendar.h"

#include <QString>

namespace tzolkara::testing {

// Every eleventh step adds a person, every seventh other one removes the
// day's note, the rest write it.
inline bool loopAddsPerson(long i)
{
    return i % 11 == 0;
}

inline long loopDay(long i)
{
    return MayaCalendar::julianDayOf(2026, 1, 1) + (i * 7919) % 400;
}

// Empty: the step removes the note. Otherwise several lines, from a few
// bytes to several pages of the file, so that a kill can fall inside one
// commit's pages.
inline QString loopText(long i)
{
    if (i % 7 == 0)
        return QString();
    QString text = QStringLiteral("Step %1\nLluvia en Mérida; maíz, frijol y cacao.\n").arg(i);
    const QString line = QStringLiteral("Línea %1 del día, ñandú — 4 Ajaw 8 Kumk'u.\n").arg(i);
    for (long n = (i * 37) % 120; n > 0; --n)
        text += line;
    return text;
}

inline QString loopName(long i)
{
    return QStringLiteral("Persona %1").arg(i);
}

inline long loopBirthDay(long i)
{
    return MayaCalendar::julianDayOf(1950, 1, 1) + (i * 104729) % 25000;
}

} // namespace tzolkara::testing

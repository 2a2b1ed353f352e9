// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <optional>

class QLocale;

namespace tzolkara {

// A date as a person types it, read into its three numbers. Whether that day
// exists, and in which calendar, is the caller's question.
struct TypedDate
{
    int year = 0;
    int month = 0; // 1..12
    int day = 0;
};

// Reads, in this order:
// - year-month-day, as 2012-12-21 (a year of one to four digits);
// - the locale's short date, in its order of day, month and year, with the
//   year written whole: 12/10/1492 is 12 October in Spanish and British
//   English, October 12 in American English;
// - a day and a year with a month named in the program's language or in
//   English, full or cut to three letters or more, in any case, with or
//   without accents: "12 October 1492", "12 de octubre de 1492",
//   "Oct 12, 1492".
// Nothing for any other text.
std::optional<TypedDate> readTypedDate(const QString &text, const QLocale &locale);

// The day as the locale's short date writes it, with the year whole
// ("21/12/2012", "12/21/2012"): an example of what readTypedDate() takes.
QString shortDateExample(int year, int month, int day, const QLocale &locale);

} // namespace tzolkara

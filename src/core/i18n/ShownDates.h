// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace tzolkara {

// Months and dates as the screens, the report and the PDF show them, in the
// program's language. Files keep the English month names (BirthMonth.h).

// The month 0..11 (January 0) as it begins an item of the month list.
QString listedMonthName(int month0);

// "March 5, 2020"; in Spanish "5 de marzo de 2020".
QString monthFirstDate(int year, int month0, int day);

// "5 March 2020"; in Spanish "5 de marzo de 2020".
QString dayFirstDate(int year, int month0, int day);

// "March 2020"; in Spanish "Marzo de 2020", as a heading.
QString monthAndYear(int year, int month0);

// The day of the week, 1 Monday .. 7 Sunday, as a date shows it ("Sunday";
// in Spanish "domingo") and as a calendar's column heading ("Sun"; "dom").
QString weekdayName(int weekday);
QString shortWeekdayName(int weekday);

// "Thursday 5 March 2020"; in Spanish "jueves 5 de marzo de 2020".
QString weekdayDate(int year, int month0, int day, int weekday);

} // namespace tzolkara

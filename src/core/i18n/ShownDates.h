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

} // namespace tzolkara

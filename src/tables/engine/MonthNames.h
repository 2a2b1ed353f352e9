// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "tables/common/TranslatableWords.h"

#include <array>

namespace tzolkara {

// The English month names, January first: what the reading state and the
// reading file hold as the birth month, whatever language the lists show. Translated in
// the context "Months", as they stand inside a date ("5 de marzo").
inline constexpr std::array<const char *, 12> kMonthNames = {
    QT_TRANSLATE_NOOP("Months", "January"),   QT_TRANSLATE_NOOP("Months", "February"),
    QT_TRANSLATE_NOOP("Months", "March"),     QT_TRANSLATE_NOOP("Months", "April"),
    QT_TRANSLATE_NOOP("Months", "May"),       QT_TRANSLATE_NOOP("Months", "June"),
    QT_TRANSLATE_NOOP("Months", "July"),      QT_TRANSLATE_NOOP("Months", "August"),
    QT_TRANSLATE_NOOP("Months", "September"), QT_TRANSLATE_NOOP("Months", "October"),
    QT_TRANSLATE_NOOP("Months", "November"),  QT_TRANSLATE_NOOP("Months", "December"),
};

} // namespace tzolkara

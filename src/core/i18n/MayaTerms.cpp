// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/i18n/MayaTerms.h"

#include <QCoreApplication>

namespace tzolkara {

namespace {

struct Term
{
    const char *caption;
    const char *toolTip;
};

// In the order of MayaTerm.
constexpr Term kTerms[] = {
    {QT_TRANSLATE_NOOP("MayaTerms", "Long Count"),
     QT_TRANSLATE_NOOP(
         "MayaTerms",
         "The days counted since the Maya creation, in baktuns, katuns, tuns, uinals and kins.")},
    {QT_TRANSLATE_NOOP("MayaTerms", "Calendar Round"),
     QT_TRANSLATE_NOOP("MayaTerms", "The day in the 260-day count and in the 365-day Haab'; the "
                                    "same pair returns every 52 years.")},
    {QT_TRANSLATE_NOOP("MayaTerms", "Lord of the Night"),
     QT_TRANSLATE_NOOP(
         "MayaTerms",
         "Which of the nine Lords of the Night, G1 to G9, ruled the night of this day.")},
    {QT_TRANSLATE_NOOP("MayaTerms", "Trecena"),
     QT_TRANSLATE_NOOP(
         "MayaTerms",
         "The run of thirteen days this day belongs to, named after the day that opened it.")},
};

const Term &termOf(MayaTerm term)
{
    return kTerms[static_cast<int>(term)];
}

} // namespace

QString mayaTermCaption(MayaTerm term)
{
    return QCoreApplication::translate("MayaTerms", termOf(term).caption);
}

QString mayaTermToolTip(MayaTerm term)
{
    return QCoreApplication::translate("MayaTerms", termOf(term).toolTip);
}

} // namespace tzolkara

// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "tables/common/TranslatableWords.h"

#include <array>

namespace tzolkara {

constexpr int kSignCount = 20;

// The label ("IMOSH - (IMIX)") and English name of one day sign, the name
// translated in the context "SignNames". Plain C++, without Qt, so the
// command-line tool prints them without loading Qt.
struct SignName
{
    const char *Label;
    const char *EnglishName;
};

// The 20 signs in table order: position 0 is Monkey, 10 Crocodile, 19 Dog.
inline constexpr std::array<SignName, kSignCount> kSignNames = {{
    {"BATZ - (CHUEN)", QT_TRANSLATE_NOOP("SignNames", "Monkey")},
    {"E - (EB)", QT_TRANSLATE_NOOP("SignNames", "Road")},
    {"AJ - (BEN)", QT_TRANSLATE_NOOP("SignNames", "Reed")},
    {"ISH - (IX)", QT_TRANSLATE_NOOP("SignNames", "Jaguar")},
    {"TZIKIN - (MEN)", QT_TRANSLATE_NOOP("SignNames", "Eagle")},
    {"AJMAK - (CIB)", QT_TRANSLATE_NOOP("SignNames", "Wisdom")},
    {"NOJ - (CABAN)", QT_TRANSLATE_NOOP("SignNames", "Earth")},
    {"TIJASH - (ETZNAB)", QT_TRANSLATE_NOOP("SignNames", "Flint")},
    {"KAWOK - (CAUAC)", QT_TRANSLATE_NOOP("SignNames", "Storm")},
    {"AJPU - (AHUA)", QT_TRANSLATE_NOOP("SignNames", "Sun")},
    {"IMOSH - (IMIX)", QT_TRANSLATE_NOOP("SignNames", "Crocodile")},
    {"IK - (IK)", QT_TRANSLATE_NOOP("SignNames", "Wind")},
    {"AKABAL - (AKBAL)", QT_TRANSLATE_NOOP("SignNames", "Night")},
    {"KAT - (KAN)", QT_TRANSLATE_NOOP("SignNames", "Seed")},
    {"KAN - (CHICCHAN)", QT_TRANSLATE_NOOP("SignNames", "Serpent")},
    {"KAME - (CIMI)", QT_TRANSLATE_NOOP("SignNames", "Transformer")},
    {"KIEJ - (MANIK)", QT_TRANSLATE_NOOP("SignNames", "Deer")},
    {"KANIL - (LAMAT)", QT_TRANSLATE_NOOP("SignNames", "Star")},
    {"TOJ - (MULUK)", QT_TRANSLATE_NOOP("SignNames", "Offering")},
    {"TZI - (OC)", QT_TRANSLATE_NOOP("SignNames", "Dog")},
}};

// The sign number of the texts (Crocodile 1 .. Sun 20) of a table position.
constexpr int daySignOfPosition(int position)
{
    return (position + 10) % kSignCount + 1;
}

// The table position of day sign 1..20; the inverse of daySignOfPosition.
constexpr int positionOfDaySign(int daySign)
{
    return (daySign + 9) % kSignCount;
}

} // namespace tzolkara

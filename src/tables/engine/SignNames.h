// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>

namespace tzolkara {

constexpr int kSignCount = 20;

// The label ("IMOSH - (IMIX)") and English name of one day sign. Plain C++,
// without Qt, so the command-line tool prints them without loading Qt.
struct SignName
{
    const char *Label;
    const char *EnglishName;
};

// The 20 signs in table order: position 0 is Monkey, 10 Crocodile, 19 Dog.
inline constexpr std::array<SignName, kSignCount> kSignNames = {{
    {"BATZ - (CHUEN)", "Monkey"},    {"E - (EB)", "Road"},
    {"AJ - (BEN)", "Reed"},          {"ISH - (IX)", "Jaguar"},
    {"TZIKIN - (MEN)", "Eagle"},     {"AJMAK - (CIB)", "Wisdom"},
    {"NOJ - (CABAN)", "Earth"},      {"TIJASH - (ETZNAB)", "Flint"},
    {"KAWOK - (CAUAC)", "Storm"},    {"AJPU - (AHUA)", "Sun"},
    {"IMOSH - (IMIX)", "Crocodile"}, {"IK - (IK)", "Wind"},
    {"AKABAL - (AKBAL)", "Night"},   {"KAT - (KAN)", "Seed"},
    {"KAN - (CHICCHAN)", "Serpent"}, {"KAME - (CIMI)", "Transformer"},
    {"KIEJ - (MANIK)", "Deer"},      {"KANIL - (LAMAT)", "Star"},
    {"TOJ - (MULUK)", "Offering"},   {"TZI - (OC)", "Dog"},
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

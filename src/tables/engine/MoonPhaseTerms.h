// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>

namespace tzolkara::Moon {

// The periodic terms that take a mean phase of the Moon to the true one, as
// J. Meeus publishes them ("Astronomical Algorithms", 2nd ed., 1998,
// chapter 49), in days. Each is
//     coefficient * E^ePower * sin(m M + mPrime M' + f F + omega Omega)
// with M the Sun's mean anomaly, M' the Moon's, F the Moon's argument of
// latitude, Omega the longitude of its ascending node and E the eccentricity
// factor of the Earth's orbit.
struct PhaseTerm
{
    double coefficient;
    int ePower;
    int m;
    int mPrime;
    int f;
    int omega;
};

inline constexpr std::array<PhaseTerm, 25> kNewMoonTerms = {{
    {-0.40720, 0, 0, 1, 0, 0}, {0.17241, 1, 1, 0, 0, 0},    {0.01608, 0, 0, 2, 0, 0},
    {0.01039, 0, 0, 0, 2, 0},  {0.00739, 1, -1, 1, 0, 0},   {-0.00514, 1, 1, 1, 0, 0},
    {0.00208, 2, 2, 0, 0, 0},  {-0.00111, 0, 0, 1, -2, 0},  {-0.00057, 0, 0, 1, 2, 0},
    {0.00056, 1, 1, 2, 0, 0},  {-0.00042, 0, 0, 3, 0, 0},   {0.00042, 1, 1, 0, 2, 0},
    {0.00038, 1, 1, 0, -2, 0}, {-0.00024, 1, -1, 2, 0, 0},  {-0.00017, 0, 0, 0, 0, 1},
    {-0.00007, 0, 2, 1, 0, 0}, {0.00004, 0, 0, 2, -2, 0},   {0.00004, 0, 3, 0, 0, 0},
    {0.00003, 0, 1, 1, -2, 0}, {0.00003, 0, 0, 2, 2, 0},    {-0.00003, 0, 1, 1, 2, 0},
    {0.00003, 0, -1, 1, 2, 0}, {-0.00002, 0, -1, 1, -2, 0}, {-0.00002, 0, 1, 3, 0, 0},
    {0.00002, 0, 0, 4, 0, 0},
}};

inline constexpr std::array<PhaseTerm, 25> kFullMoonTerms = {{
    {-0.40614, 0, 0, 1, 0, 0}, {0.17302, 1, 1, 0, 0, 0},    {0.01614, 0, 0, 2, 0, 0},
    {0.01043, 0, 0, 0, 2, 0},  {0.00734, 1, -1, 1, 0, 0},   {-0.00515, 1, 1, 1, 0, 0},
    {0.00209, 2, 2, 0, 0, 0},  {-0.00111, 0, 0, 1, -2, 0},  {-0.00057, 0, 0, 1, 2, 0},
    {0.00056, 1, 1, 2, 0, 0},  {-0.00042, 0, 0, 3, 0, 0},   {0.00042, 1, 1, 0, 2, 0},
    {0.00038, 1, 1, 0, -2, 0}, {-0.00024, 1, -1, 2, 0, 0},  {-0.00017, 0, 0, 0, 0, 1},
    {-0.00007, 0, 2, 1, 0, 0}, {0.00004, 0, 0, 2, -2, 0},   {0.00004, 0, 3, 0, 0, 0},
    {0.00003, 0, 1, 1, -2, 0}, {0.00003, 0, 0, 2, 2, 0},    {-0.00003, 0, 1, 1, 2, 0},
    {0.00003, 0, -1, 1, 2, 0}, {-0.00002, 0, -1, 1, -2, 0}, {-0.00002, 0, 1, 3, 0, 0},
    {0.00002, 0, 0, 4, 0, 0},
}};

// Both quarters; the first then adds W, the last subtracts it.
inline constexpr std::array<PhaseTerm, 25> kQuarterTerms = {{
    {-0.62801, 0, 0, 1, 0, 0}, {0.17172, 1, 1, 0, 0, 0},    {-0.01183, 1, 1, 1, 0, 0},
    {0.00862, 0, 0, 2, 0, 0},  {0.00804, 0, 0, 0, 2, 0},    {0.00454, 1, -1, 1, 0, 0},
    {0.00204, 2, 2, 0, 0, 0},  {-0.00180, 0, 0, 1, -2, 0},  {-0.00070, 0, 0, 1, 2, 0},
    {-0.00040, 0, 0, 3, 0, 0}, {-0.00034, 1, -1, 2, 0, 0},  {0.00032, 1, 1, 0, 2, 0},
    {0.00032, 1, 1, 0, -2, 0}, {-0.00028, 2, 2, 1, 0, 0},   {0.00027, 1, 1, 2, 0, 0},
    {-0.00017, 0, 0, 0, 0, 1}, {-0.00005, 0, -1, 1, -2, 0}, {0.00004, 0, 0, 2, 2, 0},
    {-0.00004, 0, 1, 1, 2, 0}, {0.00004, 0, -2, 1, 0, 0},   {0.00003, 0, 1, 1, -2, 0},
    {0.00003, 0, 3, 0, 0, 0},  {0.00002, 0, 0, 2, -2, 0},   {0.00002, 0, -1, 1, 2, 0},
    {-0.00002, 0, 1, 3, 0, 0},
}};

// The W of the quarters: coefficient * E^ePower * cos(...), as above.
inline constexpr std::array<PhaseTerm, 6> kQuarterW = {{
    {0.00306, 0, 0, 0, 0, 0},
    {-0.00038, 1, 1, 0, 0, 0},
    {0.00026, 0, 0, 1, 0, 0},
    {-0.00002, 0, -1, 1, 0, 0},
    {0.00002, 0, 1, 1, 0, 0},
    {0.00002, 0, 0, 0, 2, 0},
}};

// The corrections for the planets' pull, the same for every phase: each
// coefficient * sin(A), A = base + perLunation k + perCenturySquared T^2
// (degrees; k the lunation, T its Julian centuries from 2000).
struct PlanetaryTerm
{
    double coefficient;
    double base;
    double perLunation;
    double perCenturySquared;
};

inline constexpr std::array<PlanetaryTerm, 14> kPlanetaryTerms = {{
    {0.000325, 299.77, 0.107408, -0.009173},
    {0.000165, 251.88, 0.016321, 0},
    {0.000164, 251.83, 26.651886, 0},
    {0.000126, 349.42, 36.412478, 0},
    {0.000110, 84.66, 18.206239, 0},
    {0.000062, 141.74, 53.303771, 0},
    {0.000060, 207.14, 2.453732, 0},
    {0.000056, 154.84, 7.306860, 0},
    {0.000047, 34.52, 27.261239, 0},
    {0.000042, 207.19, 0.121824, 0},
    {0.000040, 291.34, 1.844379, 0},
    {0.000037, 161.72, 24.198154, 0},
    {0.000035, 239.56, 25.513099, 0},
    {0.000023, 331.55, 3.592518, 0},
}};

} // namespace tzolkara::Moon

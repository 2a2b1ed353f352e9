// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace tzolkara {

// The phases of the Moon, for the calendar to mark its days. Instants are
// Julian dates in Universal Time: the day number and the fraction of the day
// since noon, so that the UT day of Julian day N runs from N - 0.5 to
// N + 0.5.
//
// The instants come from the mean phases and their periodic corrections of
// J. Meeus, "Astronomical Algorithms" (2nd ed., 1998), chapter 49, in
// Terrestrial Time, taken to UT by an estimate of Delta T. From 1900 to 2100
// they fall within a minute or two of the true instants, far inside the
// 12 hours that would move one to another day of the grid. The series keep
// to the lunar theory over the calendar's whole range, 1 to 3999, but the
// mean elements of both are polynomials fitted to modern observations, whose
// errors grow with the centuries from 2000, and the UT of those years is no
// better than Delta T: known to some minutes near the year 1, guessed to
// within hours by 4000. Far from our time the day of a phase holds unless
// its instant lies within an hour or two of midnight.
namespace Moon {

enum class PrincipalPhase { New, FirstQuarter, Full, LastQuarter };

// A day's phase: a principal one on the UT day that holds its instant, and
// between two of them the name of the days from the one to the other (after
// the new moon and up to the first quarter, a waxing crescent).
enum class Phase {
    New,
    WaxingCrescent,
    FirstQuarter,
    WaxingGibbous,
    Full,
    WaningGibbous,
    LastQuarter,
    WaningCrescent,
};

// The instant of a principal phase of lunation `lunation`, counted from 0,
// whose new moon fell on 6 January 2000.
double phaseInstant(PrincipalPhase phase, long lunation);
// The nearest instant of `phase` strictly after `julianDate`, and the latest
// at or before it.
double nextPhase(PrincipalPhase phase, double julianDate);
double lastPhase(PrincipalPhase phase, double julianDate);

// The days since the last new moon, 0 to about 29.8.
double ageOf(double julianDate);
Phase phaseOfDay(long julianDay);
const char *phaseName(Phase phase); // "waxing crescent"

// The Julian day whose UT day holds an instant.
long dayOfInstant(double julianDate);

// Terrestrial Time minus Universal Time, in seconds: the polynomials of
// F. Espenak and J. Meeus (2006) from 1900 to 2150, which follow the
// observed values to a few seconds up to the 2020s, and outside them the
// long-term parabola of L. V. Morrison and F. R. Stephenson (2004),
// -20 + 32 u^2 with u the centuries from 1820.
double deltaT(double julianDate);

} // namespace Moon
} // namespace tzolkara

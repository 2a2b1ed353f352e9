// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tables/engine/Moon.h"

#include "tables/engine/MoonPhaseTerms.h"

#include <array>
#include <cmath>

namespace tzolkara::Moon {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kSynodicMonth = 29.530588861;
// The mean new moon of lunation 0, 6 January 2000, Terrestrial Time.
constexpr double kFirstMeanNewMoon = 2451550.09766;
constexpr double kLunationsPerCentury = 1236.85;

double radians(double degrees)
{
    return degrees * kPi / 180.0;
}

// Lunations of a phase: a quarter of one apart.
double fractionOf(PrincipalPhase phase)
{
    return static_cast<int>(phase) * 0.25;
}

// The mean arguments of the corrections at lunation k, in radians.
struct Arguments
{
    double e;
    double m;
    double mPrime;
    double f;
    double omega;
};

template <std::size_t N>
double sumOf(const std::array<PhaseTerm, N> &terms, const Arguments &a, double (*wave)(double))
{
    double sum = 0;
    for (const PhaseTerm &term : terms) {
        const double angle =
            term.m * a.m + term.mPrime * a.mPrime + term.f * a.f + term.omega * a.omega;
        sum += term.coefficient * std::pow(a.e, term.ePower) * wave(angle);
    }
    return sum;
}

double sine(double x)
{
    return std::sin(x);
}

double cosine(double x)
{
    return std::cos(x);
}

// The instant in Terrestrial Time of the phase at lunation k (a whole number
// and the phase's quarter).
double terrestrialInstant(PrincipalPhase phase, double k)
{
    const double t = k / kLunationsPerCentury;
    const double t2 = t * t;
    const double t3 = t2 * t;
    const double t4 = t3 * t;
    double instant = kFirstMeanNewMoon + kSynodicMonth * k + 0.00015437 * t2 - 0.000000150 * t3 +
                     0.00000000073 * t4;
    Arguments a{};
    a.e = 1 - 0.002516 * t - 0.0000074 * t2;
    a.m = radians(2.5534 + 29.10535670 * k - 0.0000014 * t2 - 0.00000011 * t3);
    a.mPrime =
        radians(201.5643 + 385.81693528 * k + 0.0107582 * t2 + 0.00001238 * t3 - 0.000000058 * t4);
    a.f =
        radians(160.7108 + 390.67050284 * k - 0.0016118 * t2 - 0.00000227 * t3 + 0.000000011 * t4);
    a.omega = radians(124.7746 - 1.56375588 * k + 0.0020672 * t2 + 0.00000215 * t3);
    switch (phase) {
    case PrincipalPhase::New:
        instant += sumOf(kNewMoonTerms, a, sine);
        break;
    case PrincipalPhase::Full:
        instant += sumOf(kFullMoonTerms, a, sine);
        break;
    case PrincipalPhase::FirstQuarter:
        instant += sumOf(kQuarterTerms, a, sine) + sumOf(kQuarterW, a, cosine);
        break;
    case PrincipalPhase::LastQuarter:
        instant += sumOf(kQuarterTerms, a, sine) - sumOf(kQuarterW, a, cosine);
        break;
    }
    for (const PlanetaryTerm &term : kPlanetaryTerms)
        instant +=
            term.coefficient *
            std::sin(radians(term.base + term.perLunation * k + term.perCenturySquared * t2));
    return instant;
}

// The lunation of the latest instant of `phase` at or before `julianDate`.
long lastLunation(PrincipalPhase phase, double julianDate)
{
    // From the mean phase, which the true one leaves by less than a day
    // (and Delta T by less than one more over the range), one step at a time.
    long lunation = static_cast<long>(std::floor((julianDate - kFirstMeanNewMoon) / kSynodicMonth -
                                                 fractionOf(phase))) +
                    2;
    while (phaseInstant(phase, lunation) > julianDate)
        --lunation;
    return lunation;
}

} // namespace

double phaseInstant(PrincipalPhase phase, long lunation)
{
    const double instant = terrestrialInstant(phase, lunation + fractionOf(phase));
    return instant - deltaT(instant) / 86400.0;
}

double nextPhase(PrincipalPhase phase, double julianDate)
{
    return phaseInstant(phase, lastLunation(phase, julianDate) + 1);
}

double lastPhase(PrincipalPhase phase, double julianDate)
{
    return phaseInstant(phase, lastLunation(phase, julianDate));
}

double ageOf(double julianDate)
{
    return julianDate - lastPhase(PrincipalPhase::New, julianDate);
}

long dayOfInstant(double julianDate)
{
    return static_cast<long>(std::floor(julianDate + 0.5));
}

Phase phaseOfDay(long julianDay)
{
    constexpr PrincipalPhase kPrincipal[] = {PrincipalPhase::New, PrincipalPhase::FirstQuarter,
                                             PrincipalPhase::Full, PrincipalPhase::LastQuarter};
    // The days after each principal phase, up to the next.
    constexpr Phase kAfter[] = {Phase::WaxingCrescent, Phase::WaxingGibbous, Phase::WaningGibbous,
                                Phase::WaningCrescent};
    constexpr Phase kOn[] = {Phase::New, Phase::FirstQuarter, Phase::Full, Phase::LastQuarter};
    const double dayStart = julianDay - 0.5;
    double latest = -HUGE_VAL;
    Phase phase = Phase::New;
    for (int i = 0; i < 4; ++i) {
        // Principal phases are days apart: at most one falls on a day.
        if (dayOfInstant(nextPhase(kPrincipal[i], dayStart - 1e-9)) == julianDay)
            return kOn[i];
        const double before = lastPhase(kPrincipal[i], dayStart);
        if (before > latest) {
            latest = before;
            phase = kAfter[i];
        }
    }
    return phase;
}

const char *phaseName(Phase phase)
{
    switch (phase) {
    case Phase::New:
        return "new moon";
    case Phase::WaxingCrescent:
        return "waxing crescent";
    case Phase::FirstQuarter:
        return "first quarter";
    case Phase::WaxingGibbous:
        return "waxing gibbous";
    case Phase::Full:
        return "full moon";
    case Phase::WaningGibbous:
        return "waning gibbous";
    case Phase::LastQuarter:
        return "last quarter";
    case Phase::WaningCrescent:
        return "waning crescent";
    }
    return "";
}

double deltaT(double julianDate)
{
    const double year = 2000.0 + (julianDate - 2451544.5) / 365.2425;
    const auto longTerm = [](double y) {
        const double u = (y - 1820.0) / 100.0;
        return -20.0 + 32.0 * u * u;
    };
    if (year < 1900.0 || year >= 2150.0)
        return longTerm(year);
    if (year < 1920.0) {
        const double t = year - 1900.0;
        return -2.79 + t * (1.494119 + t * (-0.0598939 + t * (0.0061966 - 0.000197 * t)));
    }
    if (year < 1941.0) {
        const double t = year - 1920.0;
        return 21.20 + t * (0.84493 + t * (-0.076100 + 0.0020936 * t));
    }
    if (year < 1961.0) {
        const double t = year - 1950.0;
        return 29.07 + t * (0.407 + t * (-1.0 / 233.0 + t / 2547.0));
    }
    if (year < 1986.0) {
        const double t = year - 1975.0;
        return 45.45 + t * (1.067 + t * (-1.0 / 260.0 - t / 718.0));
    }
    if (year < 2005.0) {
        const double t = year - 2000.0;
        return 63.86 + t * (0.3345 + t * (-0.060374 +
                                          t * (0.0017275 + t * (0.000651814 + 0.00002373599 * t))));
    }
    if (year < 2050.0) {
        const double t = year - 2000.0;
        return 62.92 + t * (0.32217 + 0.005589 * t);
    }
    // Towards the long-term parabola, which it meets in 2150.
    return longTerm(year) - 0.5628 * (2150.0 - year);
}

} // namespace tzolkara::Moon

// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tables/engine/MayaCalendar.h"
#include "tables/engine/Moon.h"

#include <QDateTime>
#include <QTest>

#include <cmath>

using namespace tzolkara;
using namespace tzolkara::Moon;

namespace {

constexpr double kPi = 3.14159265358979323846;

double sinDegrees(double degrees)
{
    return std::sin(degrees * kPi / 180.0);
}

// An angle in degrees brought to -180..180.
double wrapped(double degrees)
{
    return degrees - 360.0 * std::floor((degrees + 180.0) / 360.0);
}

// The Moon's geocentric longitude, of the mean equinox of the date, in
// degrees, from the main periodic terms of the lunar theory as J. Meeus
// gives them ("Astronomical Algorithms", 2nd ed., chapter 47): every term in
// longitude of at least 0.0003 degrees. `t` is in Julian centuries of
// Terrestrial Time from J2000.0.
double moonLongitude(double t)
{
    const double t2 = t * t;
    const double t3 = t2 * t;
    const double t4 = t3 * t;
    const double meanLongitude =
        218.3164477 + 481267.88123421 * t - 0.0015786 * t2 + t3 / 538841.0 - t4 / 65194000.0;
    const double d =
        297.8501921 + 445267.1114034 * t - 0.0018819 * t2 + t3 / 545868.0 - t4 / 113065000.0;
    const double m = 357.5291092 + 35999.0502909 * t - 0.0001536 * t2 + t3 / 24490000.0;
    const double mPrime =
        134.9633964 + 477198.8675055 * t + 0.0087414 * t2 + t3 / 69699.0 - t4 / 14712000.0;
    const double f =
        93.2720950 + 483202.0175233 * t - 0.0036539 * t2 - t3 / 3526000.0 + t4 / 863310000.0;
    const double e = 1.0 - 0.002516 * t - 0.0000074 * t2;
    // Multiples of D, M, M' and F, and the amplitude in millionths of a degree.
    struct Term
    {
        int d, m, mPrime, f;
        double amplitude;
    };
    static constexpr Term kTerms[] = {
        {0, 0, 1, 0, 6288774}, {2, 0, -1, 0, 1274027}, {2, 0, 0, 0, 658314},  {0, 0, 2, 0, 213618},
        {0, 1, 0, 0, -185116}, {0, 0, 0, 2, -114332},  {2, 0, -2, 0, 58793},  {2, -1, -1, 0, 57066},
        {2, 0, 1, 0, 53322},   {2, -1, 0, 0, 45758},   {0, 1, -1, 0, -40923}, {1, 0, 0, 0, -34720},
        {0, 1, 1, 0, -30383},  {2, 0, 0, -2, 15327},   {0, 0, 1, 2, -12528},  {0, 0, 1, -2, 10980},
        {4, 0, -1, 0, 10675},  {0, 0, 3, 0, 10034},    {4, 0, -2, 0, 8548},   {2, 1, -1, 0, -7888},
        {2, 1, 0, 0, -6766},   {1, 0, -1, 0, -5163},   {1, 1, 0, 0, 4987},    {2, -1, 1, 0, 4036},
        {2, 0, 2, 0, 3994},    {4, 0, 0, 0, 3861},     {2, 0, -3, 0, 3665},   {0, 1, -2, 0, -2689},
        {2, 0, -1, 2, -2602},  {2, -1, -2, 0, 2390},   {1, 0, 1, 0, -2348},   {2, -2, 0, 0, 2236},
        {0, 1, 2, 0, -2120},   {0, 2, 0, 0, -2069},    {2, -2, -1, 0, 2048},  {2, 0, 1, -2, -1773},
        {2, 0, 0, 2, -1595},   {4, -1, -1, 0, 1215},   {0, 0, 2, 2, -1110},   {3, 0, -1, 0, -892},
        {2, 1, 1, 0, -810},    {4, -1, -2, 0, 759},    {0, 2, -1, 0, -713},   {2, 2, -1, 0, -700},
        {2, 1, -2, 0, 691},    {2, -1, 0, -2, 596},    {4, 0, 1, 0, 549},     {0, 0, 4, 0, 537},
        {4, -1, 0, 0, 520},    {1, 0, -2, 0, -487},    {2, 1, 0, -2, -399},   {0, 0, 2, -2, -381},
        {1, 1, 1, 0, 351},     {3, 0, -2, 0, -340},    {4, 0, -3, 0, 330},    {2, -1, 2, 0, 327},
        {0, 2, 1, 0, -323},    {1, 1, -1, 0, 299},     {2, 0, 3, 0, 294},
    };
    double sum = 0;
    for (const Term &term : kTerms) {
        const double factor = term.m == 0 ? 1.0 : std::abs(term.m) == 1 ? e : e * e;
        sum += term.amplitude * factor *
               sinDegrees(term.d * d + term.m * m + term.mPrime * mPrime + term.f * f);
    }
    // Venus, Jupiter and the Earth's flattening.
    const double a1 = 119.75 + 131.849 * t;
    const double a2 = 53.09 + 479264.290 * t;
    sum += 3958 * sinDegrees(a1) + 1962 * sinDegrees(meanLongitude - f) + 318 * sinDegrees(a2);
    return meanLongitude + sum / 1e6;
}

// The Sun's apparent longitude in degrees at `t`, to about 0.01 degree: the
// low-precision solar coordinates (Meeus, chapter 25), with the aberration
// and the main term of the nutation.
double sunApparentLongitude(double t)
{
    const double l0 = 280.46646 + 36000.76983 * t + 0.0003032 * t * t;
    const double m = 357.52911 + 35999.05029 * t - 0.0001537 * t * t;
    const double centre = (1.914602 - 0.004817 * t - 0.000014 * t * t) * sinDegrees(m) +
                          (0.019993 - 0.000101 * t) * sinDegrees(2 * m) +
                          0.000289 * sinDegrees(3 * m);
    const double node = 125.04 - 1934.136 * t;
    return l0 + centre - 0.00569 - 0.00478 * sinDegrees(node);
}

// The Moon's apparent longitude less the Sun's at Julian ephemeris date
// `jde`; the nutation, the same for both, is added to the Moon's too.
double elongation(double jde)
{
    const double t = (jde - 2451545.0) / 36525.0;
    const double nutation = -0.00478 * sinDegrees(125.04 - 1934.136 * t);
    return moonLongitude(t) + nutation - sunApparentLongitude(t);
}

// The instant in Terrestrial Time, near `guess`, at which the elongation is
// `target` degrees: Newton's steps with the mean daily gain of the Moon on
// the Sun as the slope, which the true gain (10 to 15 degrees a day) keeps
// converging.
double elongationInstant(double target, double guess)
{
    constexpr double kDailyGain = 360.0 / 29.530588861;
    double jde = guess;
    for (int i = 0; i < 100; ++i) {
        const double step = wrapped(elongation(jde) - target) / kDailyGain;
        jde -= step;
        if (std::abs(step) < 1e-8)
            break;
    }
    return jde;
}

// The reference instant, in Terrestrial Time, of `phase` in lunation `k`
// (0 the new moon of 6 January 2000).
double referenceInstant(PrincipalPhase phase, long k)
{
    const int quarter = static_cast<int>(phase);
    return elongationInstant(90.0 * quarter, 2451550.1 + 29.530588861 * (k + quarter / 4.0));
}

constexpr PrincipalPhase kPhases[] = {PrincipalPhase::New, PrincipalPhase::FirstQuarter,
                                      PrincipalPhase::Full, PrincipalPhase::LastQuarter};

// The lunations of a span of Julian days, one before and after it too.
long firstLunation(double julianDay)
{
    return long(std::floor((julianDay - 2451550.1) / 29.530588861)) - 1;
}

} // namespace

class TestMoon : public QObject
{
    Q_OBJECT

private slots:
    void principalPhases_agreeWithTheLunarTheory_data();
    void principalPhases_agreeWithTheLunarTheory();
    void eclipses_fallAtTheirSyzygies_data();
    void eclipses_fallAtTheirSyzygies();
    void deltaT_followsTheObservedValues_data();
    void deltaT_followsTheObservedValues();
    void everyDay_isNamedByThePrincipalPhasesAroundIt();
};

void TestMoon::principalPhases_agreeWithTheLunarTheory_data()
{
    QTest::addColumn<int>("firstYear");
    QTest::addColumn<int>("lastYear");
    QTest::addColumn<int>("stride"); // lunations
    QTest::addColumn<double>("minutes");
    // Every instant must lie within 12 hours, and the worst within minutes:
    // the two computations rest on the same lunar theory and agree to about a
    // minute, so a term of the series of a few thousandths of a day or more
    // lost or mistyped shows.
    QTest::newRow("1900 to 2100, every lunation") << 1900 << 2100 << 1 << 3.0;
    QTest::newRow("the calendar's range")
        << MayaCalendar::kFirstYear << MayaCalendar::kLastYear << 97 << 5.0;
}

void TestMoon::principalPhases_agreeWithTheLunarTheory()
{
    QFETCH(int, firstYear);
    QFETCH(int, lastYear);
    QFETCH(int, stride);
    QFETCH(double, minutes);
    const double first = MayaCalendar::julianDayOf(firstYear, 1, 1) - 0.5;
    const double last = MayaCalendar::julianDayOf(lastYear, 12, 31) + 0.5;
    double worst = 0;
    int compared = 0;
    for (long k = firstLunation(first); k <= firstLunation(last) + 2; k += stride) {
        for (const PrincipalPhase phase : kPhases) {
            const double reference = referenceInstant(phase, k);
            const double instant = phaseInstant(phase, k);
            if (instant < first || instant >= last)
                continue;
            // Compared in Terrestrial Time, the time of both theories.
            const double apart = std::abs(instant + deltaT(instant) / 86400.0 - reference);
            worst = std::max(worst, apart);
            ++compared;
            if (apart > 0.5)
                QFAIL(qPrintable(QStringLiteral("lunation %1, phase %2: %3 hours apart")
                                     .arg(k)
                                     .arg(int(phase))
                                     .arg(apart * 24)));
            // The searches from either side find the same instant.
            QCOMPARE(nextPhase(phase, instant - 3), instant);
            QCOMPARE(lastPhase(phase, instant + 3), instant);
            QCOMPARE(lastPhase(phase, instant), instant);
            QVERIFY(nextPhase(phase, instant) > instant + 29);
        }
    }
    QVERIFY(compared > 1000);
    if (worst * 1440 > minutes)
        QFAIL(qPrintable(QStringLiteral("%1 minutes apart at worst").arg(worst * 1440)));
}

// The new and full moons of total eclipses, in UT to the minute as the
// eclipse literature gives the conjunction or opposition in longitude; and
// the worked new moon of Meeus's chapter 49, 18 February 1977 at 3h37m42s
// of dynamical time (Julian ephemeris date 2443192.65118).
void TestMoon::eclipses_fallAtTheirSyzygies_data()
{
    QTest::addColumn<PrincipalPhase>("phase");
    QTest::addColumn<QDateTime>("ut");
    const auto at = [](int y, int mo, int d, int h, int mi, int s = 0) {
        return QDateTime(QDate(y, mo, d), QTime(h, mi, s), Qt::UTC);
    };
    QTest::newRow("total solar eclipse of 11 August 1999")
        << PrincipalPhase::New << at(1999, 8, 11, 11, 8);
    QTest::newRow("total solar eclipse of 21 August 2017")
        << PrincipalPhase::New << at(2017, 8, 21, 18, 30);
    QTest::newRow("total solar eclipse of 8 April 2024")
        << PrincipalPhase::New << at(2024, 4, 8, 18, 21);
    QTest::newRow("total lunar eclipse of 27 July 2018")
        << PrincipalPhase::Full << at(2018, 7, 27, 20, 20);
    QTest::newRow("total lunar eclipse of 21 January 2019")
        << PrincipalPhase::Full << at(2019, 1, 21, 5, 16);
    // Delta T was 48 s in 1977.
    QTest::newRow("1977-02-18, Meeus's example")
        << PrincipalPhase::New << at(1977, 2, 18, 3, 37, 42).addSecs(-48);
}

void TestMoon::eclipses_fallAtTheirSyzygies()
{
    QFETCH(PrincipalPhase, phase);
    QFETCH(QDateTime, ut);
    const double julianDate = 2440587.5 + ut.toSecsSinceEpoch() / 86400.0;
    const double instant = nextPhase(phase, julianDate - 2);
    QVERIFY2(std::abs(instant - julianDate) * 1440 < 3,
             qPrintable(QStringLiteral("%1 minutes off").arg((instant - julianDate) * 1440)));
}

void TestMoon::deltaT_followsTheObservedValues_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<double>("seconds");
    // Delta T at the start of each year, as the almanacs tabulate it.
    QTest::newRow("1900") << 1900 << -2.72;
    QTest::newRow("1950") << 1950 << 29.07;
    QTest::newRow("1970") << 1970 << 40.18;
    QTest::newRow("1990") << 1990 << 56.86;
    QTest::newRow("2000") << 2000 << 63.83;
    QTest::newRow("2010") << 2010 << 66.07;
    QTest::newRow("2020") << 2020 << 69.36;
}

void TestMoon::deltaT_followsTheObservedValues()
{
    QFETCH(int, year);
    QFETCH(double, seconds);
    QVERIFY(std::abs(deltaT(MayaCalendar::julianDayOf(year, 1, 1)) - seconds) < 3);
}

void TestMoon::everyDay_isNamedByThePrincipalPhasesAroundIt()
{
    // Three years of days: each principal phase names the UT day of its
    // instant, and the days between take the name of the stretch.
    const long first = MayaCalendar::julianDayOf(2024, 1, 1);
    const long last = MayaCalendar::julianDayOf(2026, 12, 31);
    struct Instant
    {
        double ut;
        int quarter;
    };
    std::vector<Instant> instants;
    for (long k = firstLunation(first); k <= firstLunation(last) + 2; ++k) {
        for (const PrincipalPhase phase : kPhases) {
            const double tt = referenceInstant(phase, k);
            // Delta T was near 69 s in these years.
            instants.push_back({tt - 69.0 / 86400.0, int(phase)});
        }
    }
    constexpr Phase kOn[] = {Phase::New, Phase::FirstQuarter, Phase::Full, Phase::LastQuarter};
    constexpr Phase kAfter[] = {Phase::WaxingCrescent, Phase::WaxingGibbous, Phase::WaningGibbous,
                                Phase::WaningCrescent};
    int newMoons = 0;
    for (long day = first; day <= last; ++day) {
        Phase expected{};
        double lastNewMoon = 0;
        bool nearMidnight = false;
        for (std::size_t i = 0; i < instants.size() && instants[i].ut < day + 0.5; ++i) {
            // An instant within minutes of midnight could fall either side.
            nearMidnight = nearMidnight || std::abs(instants[i].ut - (day - 0.5)) < 0.01 ||
                           std::abs(instants[i].ut - (day + 0.5)) < 0.01;
            expected = instants[i].ut >= day - 0.5 ? kOn[instants[i].quarter]
                                                   : kAfter[instants[i].quarter];
            if (instants[i].quarter == 0)
                lastNewMoon = instants[i].ut;
        }
        newMoons += expected == Phase::New;
        if (nearMidnight)
            continue;
        if (phaseOfDay(day) != expected)
            QFAIL(qPrintable(QStringLiteral("Julian day %1: %2, not %3")
                                 .arg(day)
                                 .arg(QLatin1String(phaseName(phaseOfDay(day))),
                                      QLatin1String(phaseName(expected)))));
        // The age at the day's end, when its new moon, if any, is past.
        if (std::abs(ageOf(day + 0.4999) - (day + 0.4999 - lastNewMoon)) > 0.01)
            QFAIL(qPrintable(QStringLiteral("age on Julian day %1").arg(day)));
    }
    QCOMPARE(newMoons, 37);
}

QTEST_GUILESS_MAIN(TestMoon)
#include "tst_moon.moc"

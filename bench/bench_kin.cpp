// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Prints how long the kin engine takes over every date it accepts, and how
// long the calendar takes to find the next Calendar Round of a day
// (bench/run-benchmarks measures tzolkara-kin from outside).

#include "core/engine/KinEngine.h"
#include "tables/engine/MayaCalendar.h"

#include <QDate>
#include <QElapsedTimer>
#include <QLocale>

#include <cstdio>

using namespace tzolkara;

int main()
{
    QList<QString> months;
    for (int m = 1; m <= 12; ++m)
        months << QLocale::c().monthName(m, QLocale::LongFormat);

    KinEngine engine;
    constexpr int kRounds = 20;
    qint64 calculations = 0;
    QElapsedTimer timer;
    timer.start();
    for (int round = 0; round < kRounds; ++round) {
        for (QDate d(1900, 1, 1); d <= QDate(2016, 12, 31); d = d.addDays(1)) {
            engine.state().BirthYear = static_cast<qint16>(d.year());
            engine.state().BirthMonth = months.at(d.month() - 1);
            engine.state().BirthDay = static_cast<qint16>(d.day());
            engine.CalculateReading();
            ++calculations;
        }
    }
    const double ns = double(timer.nsecsElapsed());
    std::printf("CalculateReading: %lld calls in %.1f ms, %.0f ns per call, "
                "%.1f ms for the whole 1900-2016 range\n",
                static_cast<long long>(calculations), ns / 1e6, ns / calculations,
                ns / kRounds / 1e6);

    // Every possible Calendar Round, each from a different day: a walk would
    // look at up to 18,980 days for each.
    long found = 0;
    long searches = 0;
    timer.restart();
    for (int number = 1; number <= 13; ++number) {
        for (int sign = 1; sign <= 20; ++sign) {
            for (int month = 1; month <= 19; ++month) {
                for (int day = 0; day < (month == 19 ? 5 : 20); ++day) {
                    const MayaCalendar::DaySpec spec{number, sign, day, month};
                    const long from = 2451545 + searches * 7;
                    if (const std::optional<long> next = MayaCalendar::nextDay(spec, from))
                        found += *next - from;
                    ++searches;
                }
            }
        }
    }
    const double searchNs = double(timer.nsecsElapsed());
    std::printf("next Calendar Round: %ld searches (all 94,900 pairs, a fifth of them possible) "
                "in %.1f ms, %.0f ns per search (checksum %ld)\n",
                searches, searchNs / 1e6, searchNs / double(searches), found);
    return 0;
}

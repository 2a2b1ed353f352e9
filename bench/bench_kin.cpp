// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Prints how long the kin engine takes over every date it accepts
// (bench/run-benchmarks measures tzolkara-kin from outside).

#include "engine/KinEngine.h"

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
    return 0;
}

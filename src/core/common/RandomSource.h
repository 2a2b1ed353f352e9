// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>

#include <cstdint>
#include <random>

namespace tzolkara {

// A source of uniform single-precision values in [0, 1). The program's one
// lives in its desktop, seeded once from the clock at start-up; tests seed
// one with a fixed number or queue the exact values the next draws return.
class RandomSource final
{
public:
    void seed(std::uint32_t value);
    // The next draws return these values, in order, before the generator
    // is used again. Values outside [0, 1) are the caller's responsibility.
    void feed(const QList<float> &values);

    float next();

private:
    std::mt19937 m_generator;
    QList<float> m_queued;
};

} // namespace tzolkara

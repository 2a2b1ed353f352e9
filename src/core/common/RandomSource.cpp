// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/common/RandomSource.h"

namespace tzolkara {

void RandomSource::seed(std::uint32_t value)
{
    m_generator.seed(value);
    m_queued.clear();
}

void RandomSource::feed(const QList<float> &values)
{
    m_queued.append(values);
}

float RandomSource::next()
{
    if (!m_queued.isEmpty())
        return m_queued.takeFirst();
    // 24 random bits give every float step of [0, 1) with equal weight and
    // can never round up to 1, which std::uniform_real_distribution<float>
    // may do on some standard libraries.
    constexpr float kStep = 1.0f / 16777216.0f;
    return static_cast<float>(m_generator() >> 8) * kStep;
}

} // namespace tzolkara

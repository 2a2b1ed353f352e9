// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>

namespace tzolkara {

constexpr int kToneCount = 13;

// The English names of the 13 day numbers (galactic tones), day number 1
// first: "Magnetic" .. "Cosmic".
inline constexpr std::array<const char *, kToneCount> kToneNames = {
    "Magnetic", "Lunar", "Electric",  "Self-Existing", "Overtone", "Rhythmic", "Resonant",
    "Galactic", "Solar", "Planetary", "Spectral",      "Crystal",  "Cosmic",
};

} // namespace tzolkara

// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "tables/common/TranslatableWords.h"

#include <array>

namespace tzolkara {

constexpr int kToneCount = 13;

// The English names of the 13 day numbers (galactic tones), day number 1
// first: "Magnetic" .. "Cosmic", translated in the context "ToneNames".
inline constexpr std::array<const char *, kToneCount> kToneNames = {
    QT_TRANSLATE_NOOP("ToneNames", "Magnetic"), QT_TRANSLATE_NOOP("ToneNames", "Lunar"),
    QT_TRANSLATE_NOOP("ToneNames", "Electric"), QT_TRANSLATE_NOOP("ToneNames", "Self-Existing"),
    QT_TRANSLATE_NOOP("ToneNames", "Overtone"), QT_TRANSLATE_NOOP("ToneNames", "Rhythmic"),
    QT_TRANSLATE_NOOP("ToneNames", "Resonant"), QT_TRANSLATE_NOOP("ToneNames", "Galactic"),
    QT_TRANSLATE_NOOP("ToneNames", "Solar"),    QT_TRANSLATE_NOOP("ToneNames", "Planetary"),
    QT_TRANSLATE_NOOP("ToneNames", "Spectral"), QT_TRANSLATE_NOOP("ToneNames", "Crystal"),
    QT_TRANSLATE_NOOP("ToneNames", "Cosmic"),
};

// The word the tone pictures' titles begin with ("Tone 4: Self-Existing"),
// translated with the names: the artwork script reads both from each
// language's translation when it draws that language's tones.
inline constexpr const char *kToneWord = QT_TRANSLATE_NOOP("ToneNames", "Tone");

} // namespace tzolkara

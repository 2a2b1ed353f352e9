// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/i18n/Language.h"

#include <QString>

#include <array>

namespace tzolkara {

// One of the twenty glyphs of the tarot (index 0 is Imix, the Red Dragon).
struct GlyphRecord
{
    QString SignLabel;
    QString ColourName;
    QString Description;
};

// One of the five positions of a reading (0 Guide .. 4 Occult).
struct PositionRecord
{
    QString PositionName;
    QString PositionMeaning;
    QString PositionHeading;
};

constexpr int kGlyphCount = 20;
constexpr int kPositionCount = 5;

using GlyphTableType = std::array<GlyphRecord, kGlyphCount>;
using PositionTableType = std::array<PositionRecord, kPositionCount>;

// The constant contents of the two tables, in `language`.
GlyphTableType glyphTableContents(const Language &language = Language());
PositionTableType positionTableContents(const Language &language = Language());

} // namespace tzolkara

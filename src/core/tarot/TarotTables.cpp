// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/tarot/TarotTables.h"

#include "core/i18n/Glossary.h"
#include "core/tarot/GlyphDescriptions.h"

namespace tzolkara {

GlyphTableType glyphTableContents(Language language)
{
    static constexpr std::array<std::pair<const char *, const char *>, kGlyphCount> names = {{
        {"Imix", "Red Dragon"},
        {"Ik/Wind", "White Wind"},
        {"Akbal/Night", "Blue Night"},
        {"Kan/Seed", "Yellow Seed"},
        {"Chicchan/Serpent", "Red Serpent"},
        {"Cimi/Transformer", "White World Bridger"},
        {"Manik/Deer", "Blue Hand"},
        {"Lamat/Star", "Yellow Star"},
        {"Muluc/Offering", "Red Moon"},
        {"Oc/Dog", "White Dog"},
        {"Chuen/Monkey", "Blue Monkey"},
        {"Eb/Road", "Yellow Human"},
        {"Ben/Reed", "Red Skywalker"},
        {"Ix/Jaguar", "White Wizard"},
        {"Men/Eagle", "Blue Eagle"},
        {"Cib/Wisdom", "Yellow Warrior"},
        {"Caban/Earth", "Red Earth"},
        {"Etznab/Flint", "White Mirror"},
        {"Cauac/Storm", "Blue Storm"},
        {"Ahau/Sun", "Yellow Sun"},
    }};
    GlyphTableType table;
    for (int i = 0; i < kGlyphCount; ++i) {
        const QLatin1StringView label(names[i].first);
        // The Maya name stays; only the meaning after the slash is said in
        // the language, which is why the bare "Imix" has no translation.
        const bool hasMeaning = label.contains(QLatin1Char('/'));
        table[i] = {
            hasMeaning ? inLanguage(language, GlossaryKind::Meaning, i + 1, label) : QString(label),
            inLanguage(language, GlossaryKind::Glyph, i, QLatin1StringView(names[i].second)),
            glyphDescription(i, language)};
    }
    return table;
}

PositionTableType positionTableContents(Language language)
{
    static constexpr std::array<std::array<const char *, 3>, kPositionCount> rows = {{
        {"Guide", "Guide Position: This position describes your current guiding force.",
         "The Glyph in the Guide Position is: "},
        {"Challenge", "Challenge Position: This position describes your current challenges.",
         "The Glyph in the Challenge Position is: "},
        {"Central", "Central Position: This position represents yourself.",
         "The Glyph in the Central Position is: "},
        {"Ally", "Ally Position: This position describes your helpers and friends.",
         "The Glyph in the Ally Position is: "},
        {"Occult", "Occult Position: This position describes your current abilities.",
         "The Glyph in the Occult Position is: "},
    }};
    PositionTableType table;
    for (int i = 0; i < kPositionCount; ++i) {
        table[i] = {
            inLanguage(language, GlossaryKind::Position, i, QLatin1StringView(rows[i][0])),
            inLanguage(language, GlossaryKind::PositionMeaning, i, QLatin1StringView(rows[i][1])),
            inLanguage(language, GlossaryKind::PositionHeading, i, QLatin1StringView(rows[i][2]))};
    }
    return table;
}

} // namespace tzolkara

// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/tarot/TarotTables.h"

#include "core/tarot/GlyphDescriptions.h"

namespace tzolkara {

GlyphTableType glyphTableContents(const Language &language)
{
    static constexpr std::array<std::pair<const char *, const char *>, kGlyphCount> names = {{
        {"Imix", QT_TRANSLATE_NOOP("TarotGlyphs", "Red Dragon")},
        {QT_TRANSLATE_NOOP("TarotGlyphs", "Ik/Wind"),
         QT_TRANSLATE_NOOP("TarotGlyphs", "White Wind")},
        {QT_TRANSLATE_NOOP("TarotGlyphs", "Akbal/Night"),
         QT_TRANSLATE_NOOP("TarotGlyphs", "Blue Night")},
        {QT_TRANSLATE_NOOP("TarotGlyphs", "Kan/Seed"),
         QT_TRANSLATE_NOOP("TarotGlyphs", "Yellow Seed")},
        {QT_TRANSLATE_NOOP("TarotGlyphs", "Chicchan/Serpent"),
         QT_TRANSLATE_NOOP("TarotGlyphs", "Red Serpent")},
        {QT_TRANSLATE_NOOP("TarotGlyphs", "Cimi/Transformer"),
         QT_TRANSLATE_NOOP("TarotGlyphs", "White World Bridger")},
        {QT_TRANSLATE_NOOP("TarotGlyphs", "Manik/Deer"),
         QT_TRANSLATE_NOOP("TarotGlyphs", "Blue Hand")},
        {QT_TRANSLATE_NOOP("TarotGlyphs", "Lamat/Star"),
         QT_TRANSLATE_NOOP("TarotGlyphs", "Yellow Star")},
        {QT_TRANSLATE_NOOP("TarotGlyphs", "Muluc/Offering"),
         QT_TRANSLATE_NOOP("TarotGlyphs", "Red Moon")},
        {QT_TRANSLATE_NOOP("TarotGlyphs", "Oc/Dog"), QT_TRANSLATE_NOOP("TarotGlyphs", "White Dog")},
        {QT_TRANSLATE_NOOP("TarotGlyphs", "Chuen/Monkey"),
         QT_TRANSLATE_NOOP("TarotGlyphs", "Blue Monkey")},
        {QT_TRANSLATE_NOOP("TarotGlyphs", "Eb/Road"),
         QT_TRANSLATE_NOOP("TarotGlyphs", "Yellow Human")},
        {QT_TRANSLATE_NOOP("TarotGlyphs", "Ben/Reed"),
         QT_TRANSLATE_NOOP("TarotGlyphs", "Red Skywalker")},
        {QT_TRANSLATE_NOOP("TarotGlyphs", "Ix/Jaguar"),
         QT_TRANSLATE_NOOP("TarotGlyphs", "White Wizard")},
        {QT_TRANSLATE_NOOP("TarotGlyphs", "Men/Eagle"),
         QT_TRANSLATE_NOOP("TarotGlyphs", "Blue Eagle")},
        {QT_TRANSLATE_NOOP("TarotGlyphs", "Cib/Wisdom"),
         QT_TRANSLATE_NOOP("TarotGlyphs", "Yellow Warrior")},
        {QT_TRANSLATE_NOOP("TarotGlyphs", "Caban/Earth"),
         QT_TRANSLATE_NOOP("TarotGlyphs", "Red Earth")},
        {QT_TRANSLATE_NOOP("TarotGlyphs", "Etznab/Flint"),
         QT_TRANSLATE_NOOP("TarotGlyphs", "White Mirror")},
        {QT_TRANSLATE_NOOP("TarotGlyphs", "Cauac/Storm"),
         QT_TRANSLATE_NOOP("TarotGlyphs", "Blue Storm")},
        {QT_TRANSLATE_NOOP("TarotGlyphs", "Ahau/Sun"),
         QT_TRANSLATE_NOOP("TarotGlyphs", "Yellow Sun")},
    }};
    GlyphTableType table;
    for (int i = 0; i < kGlyphCount; ++i) {
        const QLatin1StringView label(names[i].first);
        // The Maya name stays; only the meaning after the slash is said in
        // the language, which is why the bare "Imix" has no translation.
        const bool hasMeaning = label.contains(QLatin1Char('/'));
        table[i] = {hasMeaning ? language.word("TarotGlyphs", names[i].first) : QString(label),
                    language.word("TarotGlyphs", names[i].second), glyphDescription(i, language)};
    }
    return table;
}

PositionTableType positionTableContents(const Language &language)
{
    static constexpr std::array<std::array<const char *, 3>, kPositionCount> rows = {{
        {QT_TRANSLATE_NOOP("TarotPositions", "Guide"),
         QT_TRANSLATE_NOOP("TarotPositions",
                           "Guide Position: This position describes your current guiding force."),
         QT_TRANSLATE_NOOP("TarotPositions", "The Glyph in the Guide Position is: ")},
        {QT_TRANSLATE_NOOP("TarotPositions", "Challenge"),
         QT_TRANSLATE_NOOP("TarotPositions",
                           "Challenge Position: This position describes your current challenges."),
         QT_TRANSLATE_NOOP("TarotPositions", "The Glyph in the Challenge Position is: ")},
        {QT_TRANSLATE_NOOP("TarotPositions", "Central"),
         QT_TRANSLATE_NOOP("TarotPositions",
                           "Central Position: This position represents yourself."),
         QT_TRANSLATE_NOOP("TarotPositions", "The Glyph in the Central Position is: ")},
        {QT_TRANSLATE_NOOP("TarotPositions", "Ally"),
         QT_TRANSLATE_NOOP("TarotPositions",
                           "Ally Position: This position describes your helpers and friends."),
         QT_TRANSLATE_NOOP("TarotPositions", "The Glyph in the Ally Position is: ")},
        {QT_TRANSLATE_NOOP("TarotPositions", "Occult"),
         QT_TRANSLATE_NOOP("TarotPositions",
                           "Occult Position: This position describes your current abilities."),
         QT_TRANSLATE_NOOP("TarotPositions", "The Glyph in the Occult Position is: ")},
    }};
    PositionTableType table;
    for (int i = 0; i < kPositionCount; ++i) {
        table[i] = {language.word("TarotPositions", rows[i][0]),
                    language.word("TarotPositions", rows[i][1]),
                    language.word("TarotPositions", rows[i][2])};
    }
    return table;
}

} // namespace tzolkara

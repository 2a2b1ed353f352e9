// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/engine/SignTable.h"

#include "core/engine/InterpretationTexts.h"

#include <QLatin1StringView>

namespace tzolkara {

namespace {

// The short texts of each sign, in table order (that of kSignNames).
struct SignTexts
{
    const char *Keywords;
    const char *Gemstone;
    const char *Significance;
    const char *FamousPersons;
};

constexpr std::array<SignTexts, kSignCount> kSignTexts = {{
    // Monkey
    {"Witty and demonstrative", "Aventurine", "Manifestation", "Ronald Reagan, Sean Connery"},
    // Road
    {"Careful and useful", "Malachite", "Resolution", "Hugh Hefner, Friedrich Nietzsche"},
    // Reed
    {"Crusading and wise", "Turquoise ", "Understanding", "Franklin D. Roosevelt, Carl Jung"},
    // Jaguar
    {"Introvert and intelligent", "Moonstone", "Ascension", "Paul Newman, Edgar Cayce"},
    // Eagle
    {"Free and independent", "Unakite ", "Unity", "J.F Kennedy, Cary Grant"},
    // Wisdom
    {"Knowledgeable and authoritative", "Smokey Quartz", "Duality",
     "Ayn Rand, William F. Buckley III"},
    // Earth
    {"Practical and intellectual", "Agate", "Action", "Benjamin Franklin, Alfred Hitchcock"},
    // Flint
    {"Romantic and self sufficient", "Rhodonite", "Stability", "Peter Sellers, Jackie Onassis"},
    // Storm
    {"Healing and helpful", "Jade", "Empowerment", "Pete Seeger, Sandra Day O'Connor"},
    // Sun
    {"Affectionate and creative", "Rose Quartz", "Flow", "Albert Einstein, Vincent Van Gogh"},
    // Crocodile
    {"Protective and dominating", "Red Jasper", "Unity", "Walt Disney, Mao Tse Tung"},
    // Wind
    {"Clever, lively, and multifaceted", "Sodalite", "Justice", "Elizabeth Taylor, Richard Pryor"},
    // Night
    {"Conservative and thoughtful", "Snowflake Obsidian", "Patience",
     "Marlene Dietrich, Fidel Castro"},
    // Seed
    {"Sexual, dynamic and energetic", "Dumortierite", "Manifestation", "Bill Cosby, Paul Gauguin"},
    // Serpent
    {"Forceful, powerful and charismatic", "Amethyst", "Resolution",
     "Marilyn Monroe, Warren Beatty"},
    // Transformer
    {"Helpful and sacrificing", "Carnelian", "Understanding", "George Bush, Jane Fonda"},
    // Deer
    {"Nomadic and cooperative", "Amazonite", "Ascension", "Mozart, Prince Charles"},
    // Star
    {"Witty and jolly", "Hematite", "Unity", "Elvis Presley, Jimi Hendrix"},
    // Offering
    {"Emotional and imaginative", "Lapis Lazuli", "Duality", "George Washington, John Lennon"},
    // Dog
    {"Helpful and loyal", "Bloodstone", "Patience", "Yasir Arafat, Mark Twain"},
}};

} // namespace

const std::array<SignRecord, kSignCount> &SignTable()
{
    // Built on first use, since each description is read from its text file.
    static const std::array<SignRecord, kSignCount> table = [] {
        std::array<SignRecord, kSignCount> records{};
        for (int i = 0; i < kSignCount; ++i) {
            const SignName &name = kSignNames[i];
            const SignTexts &texts = kSignTexts[i];
            records[i] = {name.Label,
                          name.EnglishName,
                          texts.Keywords,
                          texts.Gemstone,
                          texts.Significance,
                          texts.FamousPersons,
                          signDescription(daySignOfPosition(i), Language::English)};
        }
        return records;
    }();
    return table;
}

const std::array<ToneRecord, kToneCount> &ToneTable()
{
    static const std::array<ToneRecord, kToneCount> table = [] {
        std::array<ToneRecord, kToneCount> tones{};
        for (int i = 0; i < kToneCount; ++i)
            tones[i] = {i + 1, toneDescription(i + 1, Language::English)};
        return tones;
    }();
    return table;
}

const SignRecord *findSignByLabel(QStringView label)
{
    for (const SignRecord &record : SignTable()) {
        if (label == QLatin1StringView(record.Label))
            return &record;
    }
    return nullptr;
}

int daySignOf(const SignRecord &record)
{
    return daySignOfPosition(static_cast<int>(&record - SignTable().data()));
}

const ToneRecord *findToneByNumber(int number)
{
    if (number < 1 || number > kToneCount)
        return nullptr;
    return &ToneTable()[number - 1];
}

} // namespace tzolkara

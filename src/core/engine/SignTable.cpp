// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/engine/SignTable.h"

#include "core/engine/InterpretationTexts.h"

#include <QLatin1StringView>

namespace tzolkara {

namespace {

// The short texts of each sign, in table order (that of kSignNames); all but
// the people's names, which are the same in every language, are translated in
// the context "SignTexts".
struct SignTexts
{
    const char *Keywords;
    const char *Gemstone;
    const char *Significance;
    const char *FamousPersons;
};

constexpr std::array<SignTexts, kSignCount> kSignTexts = {{
    // Monkey
    {QT_TRANSLATE_NOOP("SignTexts", "Witty and demonstrative"),
     QT_TRANSLATE_NOOP("SignTexts", "Aventurine"), QT_TRANSLATE_NOOP("SignTexts", "Manifestation"),
     "Ronald Reagan, Sean Connery"},
    // Road
    {QT_TRANSLATE_NOOP("SignTexts", "Careful and useful"),
     QT_TRANSLATE_NOOP("SignTexts", "Malachite"), QT_TRANSLATE_NOOP("SignTexts", "Resolution"),
     "Hugh Hefner, Friedrich Nietzsche"},
    // Reed
    {QT_TRANSLATE_NOOP("SignTexts", "Crusading and wise"),
     QT_TRANSLATE_NOOP("SignTexts", "Turquoise "), QT_TRANSLATE_NOOP("SignTexts", "Understanding"),
     "Franklin D. Roosevelt, Carl Jung"},
    // Jaguar
    {QT_TRANSLATE_NOOP("SignTexts", "Introvert and intelligent"),
     QT_TRANSLATE_NOOP("SignTexts", "Moonstone"), QT_TRANSLATE_NOOP("SignTexts", "Ascension"),
     "Paul Newman, Edgar Cayce"},
    // Eagle
    {QT_TRANSLATE_NOOP("SignTexts", "Free and independent"),
     QT_TRANSLATE_NOOP("SignTexts", "Unakite "), QT_TRANSLATE_NOOP("SignTexts", "Unity"),
     "J.F Kennedy, Cary Grant"},
    // Wisdom
    {QT_TRANSLATE_NOOP("SignTexts", "Knowledgeable and authoritative"),
     QT_TRANSLATE_NOOP("SignTexts", "Smokey Quartz"), QT_TRANSLATE_NOOP("SignTexts", "Duality"),
     "Ayn Rand, William F. Buckley III"},
    // Earth
    {QT_TRANSLATE_NOOP("SignTexts", "Practical and intellectual"),
     QT_TRANSLATE_NOOP("SignTexts", "Agate"), QT_TRANSLATE_NOOP("SignTexts", "Action"),
     "Benjamin Franklin, Alfred Hitchcock"},
    // Flint
    {QT_TRANSLATE_NOOP("SignTexts", "Romantic and self sufficient"),
     QT_TRANSLATE_NOOP("SignTexts", "Rhodonite"), QT_TRANSLATE_NOOP("SignTexts", "Stability"),
     "Peter Sellers, Jackie Onassis"},
    // Storm
    {QT_TRANSLATE_NOOP("SignTexts", "Healing and helpful"), QT_TRANSLATE_NOOP("SignTexts", "Jade"),
     QT_TRANSLATE_NOOP("SignTexts", "Empowerment"), "Pete Seeger, Sandra Day O'Connor"},
    // Sun
    {QT_TRANSLATE_NOOP("SignTexts", "Affectionate and creative"),
     QT_TRANSLATE_NOOP("SignTexts", "Rose Quartz"), QT_TRANSLATE_NOOP("SignTexts", "Flow"),
     "Albert Einstein, Vincent Van Gogh"},
    // Crocodile
    {QT_TRANSLATE_NOOP("SignTexts", "Protective and dominating"),
     QT_TRANSLATE_NOOP("SignTexts", "Red Jasper"), QT_TRANSLATE_NOOP("SignTexts", "Unity"),
     "Walt Disney, Mao Tse Tung"},
    // Wind
    {QT_TRANSLATE_NOOP("SignTexts", "Clever, lively, and multifaceted"),
     QT_TRANSLATE_NOOP("SignTexts", "Sodalite"), QT_TRANSLATE_NOOP("SignTexts", "Justice"),
     "Elizabeth Taylor, Richard Pryor"},
    // Night
    {QT_TRANSLATE_NOOP("SignTexts", "Conservative and thoughtful"),
     QT_TRANSLATE_NOOP("SignTexts", "Snowflake Obsidian"),
     QT_TRANSLATE_NOOP("SignTexts", "Patience"), "Marlene Dietrich, Fidel Castro"},
    // Seed
    {QT_TRANSLATE_NOOP("SignTexts", "Sexual, dynamic and energetic"),
     QT_TRANSLATE_NOOP("SignTexts", "Dumortierite"),
     QT_TRANSLATE_NOOP("SignTexts", "Manifestation"), "Bill Cosby, Paul Gauguin"},
    // Serpent
    {QT_TRANSLATE_NOOP("SignTexts", "Forceful, powerful and charismatic"),
     QT_TRANSLATE_NOOP("SignTexts", "Amethyst"), QT_TRANSLATE_NOOP("SignTexts", "Resolution"),
     "Marilyn Monroe, Warren Beatty"},
    // Transformer
    {QT_TRANSLATE_NOOP("SignTexts", "Helpful and sacrificing"),
     QT_TRANSLATE_NOOP("SignTexts", "Carnelian"), QT_TRANSLATE_NOOP("SignTexts", "Understanding"),
     "George Bush, Jane Fonda"},
    // Deer
    {QT_TRANSLATE_NOOP("SignTexts", "Nomadic and cooperative"),
     QT_TRANSLATE_NOOP("SignTexts", "Amazonite"), QT_TRANSLATE_NOOP("SignTexts", "Ascension"),
     "Mozart, Prince Charles"},
    // Star
    {QT_TRANSLATE_NOOP("SignTexts", "Witty and jolly"), QT_TRANSLATE_NOOP("SignTexts", "Hematite"),
     QT_TRANSLATE_NOOP("SignTexts", "Unity"), "Elvis Presley, Jimi Hendrix"},
    // Offering
    {QT_TRANSLATE_NOOP("SignTexts", "Emotional and imaginative"),
     QT_TRANSLATE_NOOP("SignTexts", "Lapis Lazuli"), QT_TRANSLATE_NOOP("SignTexts", "Duality"),
     "George Washington, John Lennon"},
    // Dog
    {QT_TRANSLATE_NOOP("SignTexts", "Helpful and loyal"),
     QT_TRANSLATE_NOOP("SignTexts", "Bloodstone"), QT_TRANSLATE_NOOP("SignTexts", "Patience"),
     "Yasir Arafat, Mark Twain"},
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
                          signDescription(daySignOfPosition(i), Language())};
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
            tones[i] = {i + 1, toneDescription(i + 1, Language())};
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

#include "SignTable.h"

#include "InterpretationTexts.h"

#include <QLatin1StringView>

namespace tzolkara {

const std::array<SignRecord, kSignCount> &SignTable()
{
    // Built on first use, since the descriptions live in their own file.
    static const std::array<SignRecord, kSignCount> table = {{
        {"BATZ - (CHUEN)", "Monkey", "Witty and demonstrative", "Aventurine", "Manifestation",
         "Ronald Reagan, Sean Connery", kSignDescriptions[0]},
        {"E - (EB)", "Road", "Careful and useful", "Malachite", "Resolution",
         "Hugh Hefner, Friedrich Nietzsche", kSignDescriptions[1]},
        {"AJ - (BEN)", "Reed", "Crusading and wise", "Turquoise ", "Understanding",
         "Franklin D. Roosevelt, Carl Jung", kSignDescriptions[2]},
        {"ISH - (IX)", "Jaguar", "Introvert and intelligent", "Moonstone", "Ascension",
         "Paul Newman, Edgar Cayce", kSignDescriptions[3]},
        {"TZIKIN - (MEN)", "Eagle", "Free and independent", "Unakite ", "Unity",
         "J.F Kennedy, Cary Grant", kSignDescriptions[4]},
        {"AJMAK - (CIB)", "Wisdom", "Knowledgeable and authoritative", "Smokey Quartz", "Duality",
         "Ayn Rand, William F. Buckley III", kSignDescriptions[5]},
        {"NOJ - (CABAN)", "Earth", "Practical and intellectual", "Agate", "Action",
         "Benjamin Franklin, Alfred Hitchcock", kSignDescriptions[6]},
        {"TIJASH - (ETZNAB)", "Flint", "Romantic and self sufficient", "Rhodonite", "Stability",
         "Peter Sellers, Jackie Onassis", kSignDescriptions[7]},
        {"KAWOK - (CAUAC)", "Storm", "Healing and helpful", "Jade", "Empowerment",
         "Pete Seeger, Sandra Day O'Connor", kSignDescriptions[8]},
        {"AJPU - (AHUA)", "Sun", "Affectionate and creative", "Rose Quartz", "Flow",
         "Albert Einstein, Vincent Van Gogh", kSignDescriptions[9]},
        {"IMOSH - (IMIX)", "Crocodile", "Protective and dominating", "Red Jasper", "Unity",
         "Walt Disney, Mao Tse Tung", kSignDescriptions[10]},
        {"IK - (IK)", "Wind", "Clever, lively, and multifaceted", "Sodalite", "Justice",
         "Elizabeth Taylor, Richard Pryor", kSignDescriptions[11]},
        {"AKABAL - (AKBAL)", "Night", "Conservative and thoughtful", "Snowflake Obsidian",
         "Patience", "Marlene Dietrich, Fidel Castro", kSignDescriptions[12]},
        {"KAT - (KAN)", "Seed", "Sexual, dynamic and energetic", "Dumortierite", "Manifestation",
         "Bill Cosby, Paul Gauguin", kSignDescriptions[13]},
        {"KAN - (CHICCHAN)", "Serpent", "Forceful, powerful and charismatic", "Amethyst",
         "Resolution", "Marilyn Monroe, Warren Beatty", kSignDescriptions[14]},
        {"KAME - (CIMI)", "Transformer", "Helpful and sacrificing", "Carnelian", "Understanding",
         "George Bush, Jane Fonda", kSignDescriptions[15]},
        {"KIEJ - (MANIK)", "Deer", "Nomadic and cooperative", "Amazonite", "Ascension",
         "Mozart, Prince Charles", kSignDescriptions[16]},
        {"KANIL - (LAMAT)", "Star", "Witty and jolly", "Hematite", "Unity",
         "Elvis Presley, Jimi Hendrix", kSignDescriptions[17]},
        {"TOJ - (MULUK)", "Offering", "Emotional and imaginative", "Lapis Lazuli", "Duality",
         "George Washington, John Lennon", kSignDescriptions[18]},
        {"TZI - (OC)", "Dog", "Helpful and loyal", "Bloodstone", "Patience",
         "Yasir Arafat, Mark Twain", kSignDescriptions[19]},
    }};
    return table;
}

const std::array<ToneRecord, kToneCount> &ToneTable()
{
    static const std::array<ToneRecord, kToneCount> table = [] {
        std::array<ToneRecord, kToneCount> tones{};
        for (int i = 0; i < kToneCount; ++i)
            tones[i] = {i + 1, kToneDescriptions[i]};
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

const ToneRecord *findToneByNumber(int number)
{
    if (number < 1 || number > kToneCount)
        return nullptr;
    return &ToneTable()[number - 1];
}

} // namespace tzolkara

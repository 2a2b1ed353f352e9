#include "SignTable.h"

#include "InterpretationTexts.h"

#include <QLatin1StringView>

namespace tzolkara {

const std::array<SignRecord, kSignCount> &SignTable()
{
    // Built on first use, since each description is read from its text file.
    const auto sign = [](const char *label, const char *englishName, const char *keywords,
                         const char *gemstone, const char *significance,
                         const char *famousPersons) {
        SignRecord record{label, englishName, keywords, gemstone, significance, famousPersons, {}};
        record.Description = signDescription(QString::fromLatin1(englishName));
        return record;
    };
    static const std::array<SignRecord, kSignCount> table = {
        sign("BATZ - (CHUEN)", "Monkey", "Witty and demonstrative", "Aventurine", "Manifestation",
             "Ronald Reagan, Sean Connery"),
        sign("E - (EB)", "Road", "Careful and useful", "Malachite", "Resolution",
             "Hugh Hefner, Friedrich Nietzsche"),
        sign("AJ - (BEN)", "Reed", "Crusading and wise", "Turquoise ", "Understanding",
             "Franklin D. Roosevelt, Carl Jung"),
        sign("ISH - (IX)", "Jaguar", "Introvert and intelligent", "Moonstone", "Ascension",
             "Paul Newman, Edgar Cayce"),
        sign("TZIKIN - (MEN)", "Eagle", "Free and independent", "Unakite ", "Unity",
             "J.F Kennedy, Cary Grant"),
        sign("AJMAK - (CIB)", "Wisdom", "Knowledgeable and authoritative", "Smokey Quartz",
             "Duality", "Ayn Rand, William F. Buckley III"),
        sign("NOJ - (CABAN)", "Earth", "Practical and intellectual", "Agate", "Action",
             "Benjamin Franklin, Alfred Hitchcock"),
        sign("TIJASH - (ETZNAB)", "Flint", "Romantic and self sufficient", "Rhodonite", "Stability",
             "Peter Sellers, Jackie Onassis"),
        sign("KAWOK - (CAUAC)", "Storm", "Healing and helpful", "Jade", "Empowerment",
             "Pete Seeger, Sandra Day O'Connor"),
        sign("AJPU - (AHUA)", "Sun", "Affectionate and creative", "Rose Quartz", "Flow",
             "Albert Einstein, Vincent Van Gogh"),
        sign("IMOSH - (IMIX)", "Crocodile", "Protective and dominating", "Red Jasper", "Unity",
             "Walt Disney, Mao Tse Tung"),
        sign("IK - (IK)", "Wind", "Clever, lively, and multifaceted", "Sodalite", "Justice",
             "Elizabeth Taylor, Richard Pryor"),
        sign("AKABAL - (AKBAL)", "Night", "Conservative and thoughtful", "Snowflake Obsidian",
             "Patience", "Marlene Dietrich, Fidel Castro"),
        sign("KAT - (KAN)", "Seed", "Sexual, dynamic and energetic", "Dumortierite",
             "Manifestation", "Bill Cosby, Paul Gauguin"),
        sign("KAN - (CHICCHAN)", "Serpent", "Forceful, powerful and charismatic", "Amethyst",
             "Resolution", "Marilyn Monroe, Warren Beatty"),
        sign("KAME - (CIMI)", "Transformer", "Helpful and sacrificing", "Carnelian",
             "Understanding", "George Bush, Jane Fonda"),
        sign("KIEJ - (MANIK)", "Deer", "Nomadic and cooperative", "Amazonite", "Ascension",
             "Mozart, Prince Charles"),
        sign("KANIL - (LAMAT)", "Star", "Witty and jolly", "Hematite", "Unity",
             "Elvis Presley, Jimi Hendrix"),
        sign("TOJ - (MULUK)", "Offering", "Emotional and imaginative", "Lapis Lazuli", "Duality",
             "George Washington, John Lennon"),
        sign("TZI - (OC)", "Dog", "Helpful and loyal", "Bloodstone", "Patience",
             "Yasir Arafat, Mark Twain"),
    };
    return table;
}

const std::array<ToneRecord, kToneCount> &ToneTable()
{
    static const std::array<ToneRecord, kToneCount> table = [] {
        std::array<ToneRecord, kToneCount> tones{};
        for (int i = 0; i < kToneCount; ++i)
            tones[i] = {i + 1, toneDescription(i + 1)};
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

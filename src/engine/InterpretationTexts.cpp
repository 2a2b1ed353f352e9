#include "InterpretationTexts.h"

namespace tzolkara {

// Reading text for each day sign, in sign-table order (index 0 is Monkey).
// Directions follow the red/white/blue/yellow cycle: east is fire, north is air,
// west is water, south is earth.
const std::array<const char *, 20> kSignDescriptions = {
    // 0 Monkey (BATZ - (CHUEN))
    "The eleventh sign of Mayan astrology is the Monkey who signifies the West, the blue quarter "
    "of the sky where the sun goes down and the day turns playful. Its element is water, and like "
    "water the Monkey never keeps one shape for long: it splashes, mimics, ripples and finds its "
    "way around every stone. If you were born under this sign you are witty and demonstrative, "
    "the one who cannot tell a story without acting out every voice. You learn by copying and "
    "then improving, so a craft that bores others becomes a game in your hands. People are drawn "
    "to your laughter, yet those who know you well see a serious artist underneath, someone who "
    "uses humor to make hard truths easier to hear. Your sign stands for manifestation: ideas do "
    "not stay ideas with you for long; they become drawings, songs, dinners, plans. Aventurine, "
    "the green stone of lucky chance, belongs to you. Your lesson is to finish what you begin, "
    "because your joy deserves a lasting shape.",
    // 1 Road (E - (EB))
    "Road also known as the Grass is the twelfth sign of Mayan astrology, and it belongs to the "
    "South, the yellow direction of ripening fields, with earth as its element. Picture a "
    "footpath worn into a meadow by many feet: no one planned it, yet everyone uses it. That is "
    "your gift. You are careful and useful, the person who notices the loose step on the stairs "
    "and quietly fixes it before anybody falls. You prefer steady progress to sudden leaps, and "
    "you always measure twice before you cut. Friends bring you their tangled problems because "
    "you untangle them without fuss; the significance of your sign is resolution, and you carry "
    "it in your hands. You can be slow to trust and slower to forgive, but once you commit, you "
    "walk the whole distance. Malachite, banded like rings of growth, is your stone. Let yourself "
    "wander off the path now and then; new roads begin that way.",
    // 2 Reed (AJ - (BEN))
    "Reed - the thirteenth sign of Mayan astrology and the fourth sign of the East - follows "
    "Crocodile, Serpent and Offering in the red quarter where the sun is born each morning. Its "
    "element is fire. The reed grows straight beside the water, hollow at the center, and from it "
    "people made arrows, flutes and stout rafters. You share both its usefulness and its "
    "straightness. Crusading and wise, you cannot walk past an injustice without saying "
    "something, and you usually say it well. Home and family sit at the heart of your life; you "
    "defend them the way a hearth holds its flame. Understanding is the gift this sign promises, "
    "and you earn it by listening longer than others do before you speak. Sometimes zeal turns "
    "into preaching; a gentler tone carries further. Turquoise, the sky stone of protection, "
    "suits you. When you bend with the wind, you do not break.",
    // 3 Jaguar (ISH - (IX))
    "Jaguar is the fourteenth sign of Mayan astrology and represents the northern direction, the "
    "white quarter, with air as its element. The jaguar hunts at night, moves without making a "
    "sound and sees what others miss. Born under this sign, you are introverted and intelligent, "
    "happiest in quiet rooms with a difficult puzzle. You read people quickly and keep most of "
    "what you learn to yourself. Strangers may find you aloof; friends know you as fiercely "
    "loyal. Ascension is its deeper meaning, a slow climb toward insight. Moonstone, which glows "
    "softly in the dark, is your gem. Share your sight more often; the forest is kinder than you "
    "fear.",
    // 4 Eagle (TZIKIN - (MEN))
    "As the name implies, the fifteenth sign of Mayan zodiac - the Eagle - is all about height "
    "and vision. It stands in the West, the blue direction, and its element is water, the rain "
    "the eagle pierces on its way above the clouds. You are free and independent, and you need "
    "open sky to thrive. Cages, even golden ones, make you restless. You see the whole landscape "
    "at once and plan far ahead like a born strategist. Unity is the meaning hidden in your "
    "flight: from up high, scattered things join into one picture. Your stone is unakite, green "
    "and pink grown together. Come down to rest sometimes; even eagles need nests.",
    // 5 Wisdom (AJMAK - (CIB))
    "Wisdom is the sixteenth sign of Mayan astrology. You are the lucky holder of a sign linked "
    "to elders, owls and the long memory of the South, the yellow direction whose element is "
    "earth. Knowledgeable and authoritative, you give advice that people remember years later. "
    "You learned your lessons the hard way and can explain them plainly. Duality is your keynote: "
    "you hold the old and the new, doubt and certainty, in one hand. Smoky quartz, clear and "
    "clouded at once, suits you. Keep studying.",
    // 6 Earth (NOJ - (CABAN))
    "Earth or the earthquake is the seventeenth sign of Mayan astrology. This sign belongs to the "
    "East, the red direction of sunrise, and fire is its element, the heat that moves deep under "
    "the ground until the land itself shifts. Born under it, you are practical and intellectual "
    "at once: you think a plan through, then build it. Action is the heart of this sign. While "
    "others debate, you are already digging the foundations. You sense change before it arrives "
    "and steer with it rather than against it. Wear agate, banded like layers of rock. Remember "
    "to rest; even mountains sleep between quakes.",
    // 7 Flint (TIJASH - (ETZNAB))
    "The eighteenth sign of the Mayan zodiac - the Flint represents the North, the white "
    "direction, and its element is air. Flint is the stone that makes both the spark and the "
    "blade: it cuts cleanly through confusion and lights the fire of truth. You are romantic and "
    "self sufficient, a rare mix. You love deeply and with poetry, yet you never lean on a "
    "partner to hold you up. You speak honestly, sometimes sharply, and you would rather hurt "
    "someone with a fact than soothe with a lie. Friends trust that. Stability lies at its core, "
    "the calm edge of a well-made tool. Rhodonite, pink veined with black, is your stone and "
    "teaches kindness inside strength. Polish your words as well as your aims.",
    // 8 Storm (KAWOK - (CAUAC))
    "The nineteenth sign of the Mayan zodiac - the storm signifies the West, the blue direction, "
    "and its element is water. A storm frightens people, yet it waters the fields and clears the "
    "air. You carry that same double nature. Healing and helpful, you arrive when things fall "
    "apart and leave them cleaner than before. You feel drawn to any work that mends. Empowerment "
    "is what you truly bring: you do not rescue people so much as remind them of their own "
    "strengths. Jade, the stone of renewal, is yours. Your moods can thunder, so give yourself "
    "quiet after the rain.",
    // 9 Sun (AJPU - (AHUA))
    "This is the twentieth sign of the Mayan astrology. This sign symbolizes the Sun, the final "
    "day of the cycle and the one that lights all others. It belongs to the South, the yellow "
    "direction, and earth is its element, the warm soil where sunlight turns into harvest. You "
    "are affectionate and creative, generous with hugs, praise and time. You make art out of "
    "ordinary days: a meal, a letter, a garden, a song hummed while you work. Flow is the meaning "
    "of your sign. Energy moves easily through you, and others feel warmer because you entered "
    "the room. Rose quartz, soft pink and gentle, keeps your heart open. Even the sun sets; learn "
    "to rest without guilt, and let someone else shine on you for a change.",
    // 10 Crocodile (IMOSH - (IMIX))
    "According to Mayan Astrology, crocodile is the first day sign. You are born at the very "
    "beginning, in the East, the red direction where each day dawns, and your element is fire. "
    "The ancient crocodile was imagined as the great beast whose back became the land, the mother "
    "of all that grows. You carry that primal, patient strength. Protective and dominating, you "
    "gather people under your care and expect them to follow your lead. You sense what a group "
    "needs before anyone asks, and act on instinct, swiftly and without apologies. At your best "
    "you are a nurturing parent, a founder, the one who starts things; at your worst you can "
    "smother those you love. The sign stands for unity, for you bind families and teams together. "
    "Red jasper, the stone of endurance, suits your steady fire. Trust those you love to walk on "
    "their own.",
    // 11 Wind (IK - (IK))
    "Wind is the second day sign as per the Mayan astrology. You belong to the North, the white "
    "direction, and your element is air, the breath that carries words from one mouth to another. "
    "Clever, lively, and multifaceted, you juggle five ideas at once and somehow drop none of "
    "them. You get bored quickly. You talk, write and laugh easily, and you can charm a room of "
    "strangers in minutes. Justice sits close to your heart; you speak for people who cannot "
    "speak for themselves and you hate to see anyone silenced. Because you change direction so "
    "fast, others may call you fickle, though you are only following fresh air. Blue sodalite "
    "helps you say clearly what you mean. Ground your breezes in a few lasting promises, and your "
    "voice will travel far.",
    // 12 Night (AKABAL - (AKBAL))
    "The third sign of Mayan astrology, Night is the 'bringer of the dreams' and the keeper of "
    "the house. Its direction is the West, the blue quarter where the sun goes to sleep, and its "
    "element is water, deep and still as a well at midnight. You are conservative and thoughtful. "
    "You value the roof over your head, savings in a jar, old friends and familiar pathways, and "
    "you protect them carefully. Your inner life is rich; you dream vividly and remember what you "
    "dream, often finding answers there. Patience is the significance of this sign, and you have "
    "plenty of it: you wait for the right time instead of forcing it. Snowflake obsidian, black "
    "glass with white stars, is your stone, a reminder that light lives inside the dark. "
    "Sometimes you hide your feelings too well. Open the shutters now and then, and let people "
    "see the lamp you keep burning.",
    // 13 Seed (KAT - (KAN))
    "Seed is the fourth sign of Mayan astrology and signifies the South. Its color is yellow, "
    "like ripe corn, and its element is earth, the soil where every seed waits for its moment. "
    "Some call it the Lizard, the quick creature warming itself on sunlit stones. You are sexual, "
    "dynamic and energetic, full of the urge to grow, to love and to multiply whatever you touch. "
    "Your body knows things before your mind does, and your instincts are usually right. You "
    "plant ideas everywhere and many of them sprout. Dancing, sport and anything that stirs the "
    "blood keep you well. Manifestation is its promise: a small beginning in your hands becomes a "
    "whole field. You need movement and touch; stillness makes you wilt. Dumortierite, the deep "
    "blue stone of order, is your gem and helps you tend your crops patiently instead of planting "
    "everything at once. Learn which seeds deserve your care, water them faithfully, and the "
    "harvest will feed many.",
    // 14 Serpent (KAN - (CHICCHAN))
    "The fifth sign of the Mayan astrology, the Serpent is the sign of life force itself, the "
    "energy that coils at the base of the spine. It belongs to the East, the red quarter, and its "
    "element is fire. You are forceful, powerful and charismatic. People feel your presence "
    "before you speak. Your senses are sharp, and you trust your body. You are passionate and "
    "physical, and you shed old skins when you outgrow them. The word for your sign is "
    "resolution: once you decide, nothing turns you back. Violet amethyst cools your intensity "
    "without dimming it. Use your power to lift others, not to rule them, and your magnetism "
    "becomes a blessing.",
    // 15 Transformer (KAME - (CIMI))
    "Transformer is the sixth sign of Mayan astrology. It signifies the North, the white "
    "direction, and its element is air. This is the sign of endings that make beginnings "
    "possible, like autumn leaves that feed the spring. You are helpful and sacrificing, always "
    "ready to give up your comfort for someone in need. You sit with friends through grief and "
    "illness without flinching. Change does not frighten you; you understand that everything "
    "passes and that every loss clears space. This sign means understanding, and people often "
    "come away from a talk with you seeing their lives in a new light. Carnelian, orange as "
    "embers, lends you courage. Guard your own strength too; a healer who never rests soon has "
    "nothing left to give, and you are allowed to receive.",
    // 16 Deer (KIEJ - (MANIK))
    "The seventh sign of Mayan astrology - the deer is an ambiguous sign, gentle and wild at "
    "once. It belongs to the West, the blue direction, and its element is water, the streams "
    "where the deer stops to drink before moving on. You are nomadic and cooperative. You love to "
    "travel, to change homes, jobs and horizons, yet you always travel with a herd, happiest when "
    "you share the road. You are sensitive to the moods around you and can sense danger long "
    "before it shows. Your generosity is real, though you may promise more than you can keep "
    "because you hate saying no. Ascension is the thread through your life: each journey takes "
    "you a little higher. Amazonite, the soothing green-blue stone, is your gem and calms your "
    "restless heart. In ancient times the deer was linked to healers and spiritual guides, and "
    "you too can guide others well. Choose a few places to root yourself, and you will wander "
    "more happily.",
    // 17 Star (KANIL - (LAMAT))
    "The eighth sign of the Mayan astrology - the Star or the Rabbit is the sign of beauty, "
    "harmony and abundance. It belongs to the South, the yellow direction, and its element is "
    "earth. Star people are witty and jolly. You are quick with a joke and slow to hold a grudge, "
    "and you like to see everyone around you comfortable and fed. You love festivals and full "
    "houses, and you host with flair. You have a good eye for what looks right, whether it is a "
    "garden, a painting or a dinner table. Numbers come easily to you, and so does money, though "
    "it may leave as quickly as it arrives. Unity is your quiet talent: you connect people who "
    "would never have met without you. You may hide sadness behind your humor, and a true friend "
    "will see through it. Hematite, heavy and silver, anchors your bright spirit. Let yourself be "
    "serious sometimes; your light shines brighter when it also has depth.",
    // 18 Offering (TOJ - (MULUK))
    "Offering or Water - the ninth sign of Mayan zodiac signifies the East, the red direction of "
    "sunrise, and fire is its element. Water and fire together: that is the paradox of this sign, "
    "and it is also your secret. You are emotional and imaginative, feeling everything deeply and "
    "turning those feelings into stories, music and gifts. The offering is something given "
    "freely, and you give in the same way. You remember birthdays, you cry at weddings and you "
    "forgive more than you should. Your sign carries the meaning of duality; you live between "
    "reason and feeling, the visible and the unseen, and you carry messages from one to the "
    "other. Your gemstone is lapis lazuli, deep blue flecked with gold. Your moods can flood you; "
    "let them flow through like rain instead of holding them in. When you learn to give to "
    "yourself as well, your gifts to others will run even deeper.",
    // 19 Dog (TZI - (OC))
    "Dogs are well known for the most loyal and helpful living being on earth, and the tenth sign "
    "of Mayan astrology carries that devotion. It belongs to the North, the white direction, and "
    "its element is air. You are helpful and loyal, the friend who shows up with soup and stays "
    "to wash the dishes. You defend those you love fiercely and expect the same loyalty in "
    "return. Betrayal wounds you more than most. You are playful too, happy with simple "
    "pleasures: a walk, a shared meal, a warm place to sleep. In old stories the dog guided souls "
    "across dark rivers, and you guide people through their hard times. Patience is the virtue "
    "your sign stands for. You can wait for a person to change or a plan to ripen. Bloodstone, "
    "dark green flecked with red, steadies your brave heart. Choose your pack wisely, and your "
    "loyalty will always be honored.",
};

// Reading text for each day number, 1 to 13 (index 0 is day number 1).
const std::array<const char *, 13> kToneDescriptions = {
    // Day number 1 (Magnetic)
    "Power and great force are the keywords describing this day number of Mayan astrology. One is "
    "the Magnetic tone, the first beat of every count, and it pulls the scattered world toward a "
    "single purpose. Born on this number, you are a starter: you draw people, ideas and resources "
    "to you as a magnet draws iron. Your will is strong and your aims are clear. Yet do not push "
    "too hard; true force is steady, not noisy.",
    // Day number 2 (Lunar)
    "Balance is the keyword describing this day number of Mayan astrology. Two is the Lunar tone, "
    "named for the moon that pulls the tides back and forth. If this is your number, you see both "
    "sides of every question and can hold opposites without rushing to choose. You shine in pairs "
    "and partnerships, where your sense of fairness keeps both people honest. Indecision is your "
    "shadow; when the scales tremble too long, trust your first instinct and take one step.",
    // Day number 3 (Electric)
    "Versatile and communicative are the keywords describing this day number of Mayan astrology. "
    "Three is the Electric tone, the spark that leaps between two points and sets things moving. "
    "With this number you connect people, carry news and translate ideas from one world to "
    "another. You learn new skills quickly, adapt to any room and never run out of things to say. "
    "Your energy can scatter, so choose a few channels and let your current flow strongly through "
    "them.",
    // Day number 4 (Self-Existing)
    "Again balance is the keyword for this day number of Mayan astrology. Four is the "
    "Self-Existing tone, the square with four equal sides, like the four directions holding up "
    "the sky. As a child of this number, you bring order and form. You like structure, clear "
    "rules and solid ground, and you build things that last. Others lean on your reliability. Let "
    "a little wildness in, or your tidy square may quietly become a box.",
    // Day number 5 (Overtone)
    "Five is the 'elevation of all creation.' This is the day number of the Overtone tone, the "
    "center of the hand, where four fingers meet the thumb. Your presence radiates warmth. You "
    "gather power from around you and lift it to a higher level, turning a crowd into a team and "
    "a plan into a movement. Leadership comes naturally, and others feel braver at your side. "
    "Remember that the hand works only when every finger moves; empower others as you climb.",
    // Day number 6 (Rhythmic)
    "Imbalance is the keyword describing this day numbers of Mayan astrology. The Rhythmic tone "
    "of six tips the scales so that something new can move. If you were born on it, you are "
    "restless and inventive, always tweaking and experimenting. You cannot stand stagnant water. "
    "Your life may swing between extremes, yet each swing teaches you a new rhythm. Find your own "
    "beat and dance to it with confidence.",
    // Day number 7 (Resonant)
    "'Energy to catalyze' is what describes this day number of Mayan astrology. Seven is the "
    "Resonant tone, the middle of the thirteen, the peak of the pyramid where all forces meet. "
    "You are a catalyst: things change simply because you are present, and conversations turn "
    "deeper when you join them. You are mystical and intuitive, tuned to subtle signals others "
    "ignore. Take time in stillness to hear your inner note clearly, then share it.",
    // Day number 8 (Galactic)
    "Male authority is the keyword describing this day number of Mayan astrology. Eight is the "
    "Galactic tone, double the four, a foundation built twice over. This number gives you the "
    "energy of the father, the judge and the chief. You make firm decisions, draw clear "
    "boundaries and take responsibility for those in your care. People trust your word because "
    "you keep it. Your challenge is flexibility; authority is strongest when it listens. Lead "
    "with fairness and warmth, and your household, team or village will flourish around you.",
    // Day number 9 (Solar)
    "Female authority is the keyword that best describes this day number of Mayan astrology. Nine "
    "is the Solar tone, the power of the mother, the midwife and the wise grandmother. You lead "
    "by nurturing. You know when to hold on and when to let go, and your patience outlasts every "
    "storm. Your intention is strong and quiet, like roots beneath a meadow. Do not hide your "
    "strength; claim it openly.",
    // Day number 10 (Planetary)
    "The keyword describing this particular day number of Mayan astrology is creativity. Ten is "
    "the Planetary tone, the moment a dream takes solid form in the world. You are a builder. You "
    "turn visions into objects, plans into homes, melodies into songs. Practical skill and bold "
    "imagination meet in you. Finish your work and share it; art kept hidden feeds no one.",
    // Day number 11 (Spectral)
    "Resolution is the keyword that best describes this day number of Mayan astrology. Eleven is "
    "the Spectral tone, which unravels old forms. You release what no longer serves you, then "
    "clear the ground for fresh growth.",
    // Day number 12 (Crystal)
    "Strong and abundant energy is the keyword for birth number twelve of Mayan astrology. Twelve "
    "is the Crystal tone, clear and shared. Born on it, you gather people around a common table "
    "and give generously. Your energy multiplies whenever you work hand in hand with others.",
    // Day number 13 (Cosmic)
    "Realization is the keyword that best describes this birth number of Mayan astrology. "
    "Thirteen is the Cosmic tone, the last step of the count, where everything that began with "
    "one comes to fulfillment. You are a visionary who sees the whole journey at once. You carry "
    "endings with grace and quietly prepare the next beginning. Your presence is deep, even a "
    "little mysterious. Trust the spiral: every completion opens a wider door.",
};

} // namespace tzolkara

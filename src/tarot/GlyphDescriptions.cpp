#include "GlyphDescriptions.h"

namespace tzolkara {

const std::array<const char *, 20> kGlyphDescriptions = {
    // 0 Imix - Red Dragon
    "Red Dragon days cast a particular influence on the natives born on them: they arrive in the "
    "world with an instinct to shelter and feed whatever is placed in their care. You notice when "
    "a friend has gone quiet, bring soup before anyone asks, and remember the birthday of someone "
    "you met only once. Beneath all that tenderness runs a primal strength; the Dragon is the "
    "first glyph, the source of beginnings, and you carry its stubborn will to survive. You can be "
    "fiercely protective and, when hurt, slow to forgive. Drawn in a reading, the Red Dragon "
    "speaks of birth, new ventures and the need to nourish what has just begun, yourself included. "
    "You are compatible with White Mirror people, while a Blue Monkey person can test your "
    "patience like no one else.",
    // 1 Ik - White Wind
    "The most notable trait about the persons born on White Wind days is their gift with words. "
    "Breath, spirit and voice belong to this glyph, and you use all three to move the people "
    "around you. You can talk a nervous stranger into laughing, put a formless feeling into a "
    "sentence that makes everyone nod, and carry news from one circle to another before the ink is "
    "dry. Ideas blow through you, so you may start more than you finish. When the Wind turns up in "
    "a spread, expect messages, sudden inspiration and a shift in direction; listen closely to "
    "what is left unsaid. You are compatible with Red Earth people while a Yellow Human person can "
    "pose a formidable challenge for you.",
    // 2 Akbal - Blue Night
    "As a Blue Night person, you tend to have your head always in the clouds, building castles out "
    "of dreams and then quietly finding the bricks to make them real. The Night is the home of the "
    "inner world: intuition, secrets and abundance stored away for later. You are a good keeper of "
    "confidences and a better keeper of savings, and you feel safest with a little put aside. "
    "Others may find you reserved, yet your imagination is crowded and colorful, and your dreams "
    "often carry useful hints. When this glyph appears, it asks you to look inward, to trust what "
    "you sense before you can prove it, and to expect plenty after a patient wait. Yellow Warrior "
    "people make natural partners for you, whereas Red Skywalker people tend to unsettle you.",
    // 3 Kan - Yellow Seed
    "Regarding a nurturing attitude, these people are similar to Red Dragon people, but their care "
    "takes the form of cultivation rather than shelter. A Yellow Seed native plants things: a "
    "garden, a friendship, an idea scribbled on a napkin, and then tends it season after season "
    "until it blooms. You are patient, methodical and ambitious, with a farmer's sense that "
    "nothing good can be rushed. Your weakness is worry; you sometimes dig up the seed to check "
    "whether it is growing. Setbacks rarely stop you for long, because you know that every harvest "
    "begins in the dark. Among the cards, the Seed points to potential, to plans that need time "
    "and faith, and to a result larger than its humble start. Blue Eagle people suit you well; "
    "White Wizard people may prove hard to handle.",
    // 4 Chicchan - Red Serpent
    "The Serpent, a powerful symbol of healing power and transformation is well suited to people "
    "who live through the body and its instincts. Red Serpent natives are passionate, physical and "
    "quick to sense danger; they feel the mood of a room in their belly before they understand it "
    "in their head. You have remarkable vitality and a hearty appetite for life, and you recover "
    "from sickness, heartbreak or failure faster than anyone expects. Like the snake that sheds "
    "its skin, you can leave an old self behind once it no longer fits, and you may reinvent "
    "yourself several times. The same intensity can make you possessive or stubborn, so learn when "
    "to coil up and rest. Within a reading the Serpent brings energy, desire, survival and "
    "renewal; it may also warn that something must be released before healing can start. You find "
    "easy harmony with White Wizard people, but a Blue Eagle person will likely challenge you.",
    // 5 Cimi - White World Bridger
    "If you are born on 'White Worldbridger' day, your sole mission in life seems to be joining "
    "what others keep apart: people and places, the living and the departed, the old ways and the "
    "new. You make a natural diplomat, mediator or host, and you are often the one who introduces "
    "two strangers who end up friends. This glyph is bound to death in its widest sense, meaning "
    "endings, surrender and the letting go that opens a door. You understand loss and can sit with "
    "the grieving without flinching. Your task is to release your own attachments with the same "
    "grace. When the World Bridger comes up, something is ending so that something else may begin; "
    "a bridge is being offered, and you should cross it. Red Skywalker people are your natural "
    "allies, while Yellow Warrior people can be difficult for you.",
    // 6 Manik - Blue Hand
    "Blue Hand people have the ability to rise above all kinds of setbacks because they trust what "
    "their hands can do. The Hand is the glyph of healing, craft and accomplishment; you learn by "
    "doing, and you are happiest when you can see and touch the result of your work. Many born "
    "under it become healers, builders, cooks, mechanics or artists, and even office workers fix "
    "the printer nobody else can. You are generous with practical help and expect the same "
    "sincerity in return. Sometimes you grasp too tightly, holding on to projects or people longer "
    "than is wise. Laid down in a reading, the Hand signals completion, recovery and the skill "
    "needed to finish what is underway; it asks you to offer help, and to accept it when offered. "
    "Yellow Human people understand you instinctively, while a Red Earth person may stand squarely "
    "in your way.",
    // 7 Lamat - Yellow Star
    "The 'Yellow Star' person was born with an eye for beauty. He or she notices the curve of a "
    "teacup, the color of late afternoon light, the lone sour note in a song, and cannot rest "
    "until things are in harmony. You are drawn to art, music, design and anything that refines "
    "the rough edges of everyday life. Friends often seek your opinion on how things should look "
    "or sound. Your lofty standards, however, can harden into perfectionism, and you may judge "
    "yourself and others too harshly. The Star also carries the rhythm of the planet Venus, so you "
    "sense cycles and timing well. Whenever it appears in a reading, this glyph speaks of art, "
    "harmony and the pleasure of making things beautiful. You get along famously with Blue Monkey "
    "people, though a White Mirror person may present a real challenge.",
    // 8 Muluc - Red Moon
    "This is the ninth glyph of Mayan calendar. If you were born under the Red Moon, water and "
    "feeling run through everything you do. Your emotions rise and fall like tides, and you are "
    "unusually sensitive to the moods of others, which makes you a gifted listener. You purify: "
    "you clear the air after a quarrel, tidy the messy corners of other lives and help people cry "
    "when they need to. Feeling so much, you can be swept away, and you need quiet time near water "
    "to find your own level again. The Moon is also the glyph of offerings, so you give freely and "
    "sometimes forget to receive. On the table it points to emotional flow, cleansing and the "
    "return of something that had dried up. White Dog people are kindred spirits to you, while "
    "Blue Storm people may stir up trouble.",
    // 9 Oc - White Dog
    "If you were born on a 'White Dog' day, you are likely the most loyal person in any room. "
    "Heart and devotion are the gifts of this glyph: once you love someone, you love them for "
    "good, and you will walk through rain for a friend. Warm and playful, you guard your family "
    "with quiet fierceness. Trust comes slowly, yet once given it is complete, and betrayal wounds "
    "you deeply. You may also have a knack for finding your way home, whether through a strange "
    "city or back to yourself after a hard season. Learn to love yourself as faithfully as you "
    "love others. When the Dog is turned over, it speaks of loyalty, companionship and matters of "
    "the heart, and may point to a faithful guide at your side. Red Moon people are your best "
    "companions; Yellow Sun people often challenge you.",
    // 10 Chuen - Blue Monkey
    "'Blue Monkey' persons are very energetic and restless type of people. The Monkey is the "
    "trickster and the artist of the calendar, and you bring fun wherever you go. You juggle "
    "hobbies, jokes and plans with ease, invent games, and can turn a boring afternoon into a "
    "story worth retelling. Your mind is quick and playful, so you solve puzzles sideways and see "
    "humor where others see only trouble. The drawback is a short attention span; routine bores "
    "you, and you may leave tasks half done when something shinier appears. Beneath the clowning "
    "hides a tender soul. In any spread the Monkey brings creativity, spontaneity and a reminder "
    "not to take life so seriously. Your happiest matches are Yellow Star people, while a Red "
    "Dragon person may be a tough challenge.",
    // 11 Eb - Yellow Human
    "Great wisdom and mystic capabilities are connected to 'Yellow Human' persons. You think "
    "before you act and weigh each road before choosing it, which makes you a sound adviser. The "
    "glyph stands for free will and the long road of a human life, so you value independence and "
    "resist being told what to do. You learn from experience, yours and that of your elders, and "
    "you enjoy sharing what you have learned. At times you may be too proud to ask for help, even "
    "from friends. Drawn, the glyph speaks of choices, personal responsibility and the influence "
    "you have over your own path. Blue Hand people work wonderfully with you, while White Wind "
    "people can be a real trial.",
    // 12 Ben - Red Skywalker
    "People born on the days of 'Red Skywalkers' have an adventurous streak that keeps their bags "
    "half packed. You long to explore: new countries, new ideas, new people, new ways of seeing "
    "the sky. The Skywalker is the reed that joins heaven and earth, and you carry a sense that "
    "life is a quest with a purpose beyond comfort. You are brave, curious and often ahead of your "
    "time, and people follow you because you seem unafraid of the unknown. Staying put can feel "
    "like a cage, so commitments may frighten you, and you must learn that home is also a place "
    "worth exploring. You are honest to a fault and impatient with pettiness. Dealt into a "
    "reading, the Skywalker announces travel, growth and a wider horizon; it asks you to step "
    "boldly into new territory. You harmonize with White World Bridger people, yet Blue Night "
    "people may offer stiff resistance.",
    // 13 Ix - White Wizard
    "This is the 14th glyph of the Mayan Birth chart. The sign of the Wizard, or Jaguar, belongs "
    "to people with a quiet power that works best unseen. You are perceptive, receptive and often "
    "charming, able to read a stranger within minutes. You also have a sense of timelessness; you "
    "can lose whole afternoons in a book or a forest. Take care not to use your charm to control "
    "others, since your real magic lies in listening. When the Wizard appears in a reading, it "
    "brings intuition, enchantment and hidden knowledge. You connect deeply with Red Serpent "
    "people, though Yellow Seed people tend to challenge you.",
    // 14 Men - Blue Eagle
    "'Blue Eagle' is the 15the glyph of Mayan birth chart. The most striking quality of its "
    "natives is vision. Like the eagle, you soar above the details and see the whole landscape, "
    "spotting patterns and opportunities long before others do. You are ambitious, intelligent and "
    "drawn to technology, planning and anything that lets you look ahead. The risk is that you "
    "look so far ahead you miss what is at your feet, or grow impatient with slower people. "
    "Showing up in a reading, the Eagle speaks of foresight, ambition and a clear view of the "
    "road; it urges you to rise above the noise. Yellow Seed people complement you nicely, while "
    "Red Serpent people may oppose you.",
    // 15 Cib - Yellow Warrior
    "As the name suggests, 'Yellow Warrior' possesses enormous power and bravery to face hard "
    "questions that others avoid. Your fight is often intellectual: you ask why, you challenge "
    "authority, you refuse easy answers. You are fearless, disciplined and loyal to your cause, "
    "and you can endure hardships that would break others. Your bluntness may cause friction, and "
    "you sometimes see enemies where there are only rivals. This glyph is also called Wisdom, "
    "since courage and knowledge go hand in hand. As a card, the Warrior brings resolve, endurance "
    "and a readiness to face whatever comes. Blue Night people pair beautifully with you, while "
    "White World Bridger people may challenge your strength.",
    // 16 Caban - Red Earth
    "The 'Red Earth' person is always on the lookout for self improvement. You read, you practice, "
    "you keep notebooks of lessons learned, and you never finish growing. The Earth glyph governs "
    "movement and synchronicity; you notice coincidences, sense when the ground is about to shift "
    "and turn up in the right place at the right moment. You are grounded, practical and steady, "
    "the friend others lean on in an earthquake of any kind. You may dig in your heels when change "
    "is forced on you rather than chosen. Listen to the signs around you; they speak louder to you "
    "than to most. In a reading the Earth signals progress, alignment and a time when things fall "
    "into place. White Wind people are your ideal partners, while a Blue Hand person is likely to "
    "challenge you.",
    // 17 Etznab - White Mirror
    "This is the 18th glyph of Mayan birth chart. You are an honest, orderly soul who reflects the "
    "truth back to others. Like a blade of flint, your words cut through confusion, and people "
    "come to you when they need a straight answer rather than a consoling one. You love order, "
    "fairness and clear rules, and you keep your promises to the letter. Your frankness can wound, "
    "though, and you can be harder on yourself than on anyone else. Once it is drawn, the Mirror "
    "reveals things as they truly are, cutting away illusion and pretense. Red Dragon people are "
    "your finest match, whereas Yellow Star people may be a challenge.",
    // 18 Cauac - Blue Storm
    "'Blue Storm' is the 19th glyph of Mayan birth chart. People born on it bring change like "
    "thunder: sudden, loud and cleansing. You are a catalyst; you arrive and things begin to move. "
    "Your energy is electric, and you thrive in crisis where others freeze. Storms also bring "
    "rain, and you carry deep powers of renewal and healing: after you pass, things grow. You can "
    "be moody and overwhelming, and after each outburst you need silence to recharge. When it "
    "appears, the Storm signals sudden change, upheaval followed by fresh growth, and a release of "
    "built-up tension. Yellow Sun people make excellent companions for you, while Red Moon people "
    "could be a big challenge.",
    // 19 Ahau - Yellow Sun
    "The last glyph of the Mayan birth chart indicates people with sunny dispositions and a "
    "generous heart. You light up a room, and you love to share what you have, whether it is a "
    "meal, a joke or your last umbrella. Optimistic and proud, you are a natural leader who lifts "
    "others. As the final glyph, the Sun also stands for completion and enlightenment. Your shadow "
    "is a hunger for attention, and you may sulk when the spotlight drifts elsewhere. When the Sun "
    "rises in a spread, it promises warmth, success and understanding. You shine brightest next to "
    "Blue Storm people, while White Dog people can challenge you.",
};

} // namespace tzolkara

// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/engine/SignTable.h"
#include "core/tarot/TarotTables.h"

#include <QHash>
#include <QRegularExpression>
#include <QTest>

using namespace tzolkara;

namespace {

struct ExpectedText
{
    QString name;
    QString text;
    QString opening;
    int length;
};

// Every text as the engine and the tarot read it from the built-in files,
// with the opening words and the length each must keep.
QList<ExpectedText> allTexts()
{
    const std::pair<const char *, int> signs[kSignCount] = {
        {"The eleventh sign of Mayan astrology is the Monkey who signifies the", 954},
        {"Road also known as the Grass is the twelfth sign of Mayan", 873},
        {"Reed - the thirteenth sign of Mayan astrology and the fourth sign", 857},
        {"Jaguar is the fourteenth sign of Mayan astrology and represents the northern", 640},
        {"As the name implies, the fifteenth sign of Mayan zodiac - the", 617},
        {"Wisdom is the sixteenth sign of Mayan astrology. You are the lucky", 492},
        {"Earth or the earthquake is the seventeenth sign of Mayan astrology. This", 593},
        {"The eighteenth sign of the Mayan zodiac - the Flint represents the", 692},
        {"The nineteenth sign of the Mayan zodiac - the storm signifies the", 563},
        {"This is the twentieth sign of the Mayan astrology. This sign symbolizes", 704},
        {"According to Mayan Astrology, crocodile is the first day sign. You are", 826},
        {"Wind is the second day sign as per the Mayan astrology. You", 746},
        {"The third sign of Mayan astrology, Night is the 'bringer of the", 847},
        {"Seed is the fourth sign of Mayan astrology and signifies the South.", 932},
        {"The fifth sign of the Mayan astrology, the Serpent is the sign", 637},
        {"Transformer is the sixth sign of Mayan astrology. It signifies the North", 756},
        {"The seventh sign of Mayan astrology - the deer is an ambiguous", 910},
        {"The eighth sign of the Mayan astrology - the Star or the", 885},
        {"Offering or Water - the ninth sign of Mayan zodiac signifies the", 869},
        {"Dogs are well known for the most loyal and helpful living being", 839},
    };
    const std::pair<const char *, int> tones[kToneCount] = {
        {"Power and great force are the keywords describing this day number of", 412},
        {"Balance is the keyword describing this day number of Mayan astrology.", 457},
        {"Versatile and communicative are the keywords describing this day number of Mayan", 461},
        {"Again balance is the keyword for this day number of Mayan astrology.", 419},
        {"Five is the 'elevation of all creation.' This is the day number", 448},
        {"Imbalance is the keyword describing this day numbers of Mayan astrology. The", 400},
        {"'Energy to catalyze' is what describes this day number of Mayan astrology.", 435},
        {"Male authority is the keyword describing this day number of Mayan astrology.", 528},
        {"Female authority is the keyword that best describes this day number of", 391},
        {"The keyword describing this particular day number of Mayan astrology is creativity.",
         360},
        {"Resolution is the keyword that best describes this day number of Mayan", 215},
        {"Strong and abundant energy is the keyword for birth number twelve of", 271},
        {"Realization is the keyword that best describes this birth number of Mayan", 429},
    };
    const std::pair<const char *, int> glyphs[kGlyphCount] = {
        {"Red Dragon days cast a particular influence on the natives born on", 755},
        {"The most notable trait about the persons born on White Wind days", 676},
        {"As a Blue Night person, you tend to have your head always", 737},
        {"Regarding a nurturing attitude, these people are similar to Red Dragon people", 772},
        {"The Serpent, a powerful symbol of healing power and transformation is well", 912},
        {"If you are born on 'White Worldbridger' day, your sole mission in", 799},
        {"Blue Hand people have the ability to rise above all kinds of", 838},
        {"The 'Yellow Star' person was born with an eye for beauty. He", 796},
        {"This is the ninth glyph of Mayan calendar. If you were born", 770},
        {"If you were born on a 'White Dog' day, you are likely", 776},
        {"'Blue Monkey' persons are very energetic and restless type of people. The", 761},
        {"Great wisdom and mystic capabilities are connected to 'Yellow Human' persons. You", 666},
        {"People born on the days of 'Red Skywalkers' have an adventurous streak", 849},
        {"This is the 14th glyph of the Mayan Birth chart. The sign", 604},
        {"'Blue Eagle' is the 15the glyph of Mayan birth chart. The most", 664},
        {"As the name suggests, 'Yellow Warrior' possesses enormous power and bravery to", 692},
        {"The 'Red Earth' person is always on the lookout for self improvement.", 760},
        {"This is the 18th glyph of Mayan birth chart. You are an", 617},
        {"'Blue Storm' is the 19th glyph of Mayan birth chart. People born", 666},
        {"The last glyph of the Mayan birth chart indicates people with sunny", 612},
    };

    QList<ExpectedText> texts;
    for (int i = 0; i < kSignCount; ++i) {
        const SignRecord &sign = SignTable()[i];
        texts.append({QStringLiteral("sign %1").arg(QLatin1StringView(sign.EnglishName)),
                      sign.Description, QString::fromLatin1(signs[i].first), signs[i].second});
    }
    for (int i = 0; i < kToneCount; ++i) {
        texts.append({QStringLiteral("day number %1").arg(i + 1), ToneTable()[i].Description,
                      QString::fromLatin1(tones[i].first), tones[i].second});
    }
    const GlyphTableType glyphTable = glyphTableContents();
    for (int i = 0; i < kGlyphCount; ++i) {
        texts.append({QStringLiteral("glyph %1").arg(glyphTable[i].ColourName),
                      glyphTable[i].Description, QString::fromLatin1(glyphs[i].first),
                      glyphs[i].second});
    }
    return texts;
}

QStringList words(const QString &text)
{
    static const QRegularExpression nonWord(QStringLiteral("[^a-z']+"));
    return text.toLower().split(nonWord, Qt::SkipEmptyParts);
}

} // namespace

class TestInterpretationTexts : public QObject
{
    Q_OBJECT

private slots:
    void texts_keepOpeningAndLength_data();
    void texts_keepOpeningAndLength();
    void texts_shareNoPhraseOfEightWords();
    void dayNumberText_namesItsTone_data();
    void dayNumberText_namesItsTone();
};

void TestInterpretationTexts::texts_keepOpeningAndLength_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("opening");
    QTest::addColumn<int>("length");
    for (const ExpectedText &expected : allTexts()) {
        QTest::newRow(qPrintable(expected.name))
            << expected.text << expected.opening << expected.length;
    }
}

void TestInterpretationTexts::texts_keepOpeningAndLength()
{
    QFETCH(QString, text);
    QFETCH(QString, opening);
    QFETCH(int, length);
    QVERIFY2(text.startsWith(opening), qPrintable(text.left(opening.size())));
    QCOMPARE(text.size(), length);
    // One paragraph of printable characters, with no stray blanks.
    for (QChar c : text)
        QVERIFY2(c.isPrint(), qPrintable(QStringLiteral("U+%1").arg(c.unicode(), 4, 16)));
    QVERIFY(!text.contains(QStringLiteral("  ")));
    QCOMPARE(text.trimmed(), text);
}

// Each text speaks for its own sign, number or card: no sentence is carried
// over from another text. The fixed openings are left out, since several of
// them are alike by design.
void TestInterpretationTexts::texts_shareNoPhraseOfEightWords()
{
    constexpr int kPhraseWords = 8;
    QHash<QString, QString> firstTextOf;
    for (const ExpectedText &expected : allTexts()) {
        const QStringList body = words(expected.text.mid(expected.opening.size()));
        for (int i = 0; i + kPhraseWords <= body.size(); ++i) {
            const QString phrase = body.mid(i, kPhraseWords).join(QLatin1Char(' '));
            const QString other = firstTextOf.value(phrase, expected.name);
            QVERIFY2(
                other == expected.name,
                qPrintable(QStringLiteral("%1 and %2: \"%3\"").arg(other, expected.name, phrase)));
            firstTextOf.insert(phrase, expected.name);
        }
    }
}

void TestInterpretationTexts::dayNumberText_namesItsTone_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("tone");
    const char *const tones[kToneCount] = {
        "Magnetic", "Lunar", "Electric",  "Self-Existing", "Overtone", "Rhythmic", "Resonant",
        "Galactic", "Solar", "Planetary", "Spectral",      "Crystal",  "Cosmic",
    };
    for (int n = 1; n <= kToneCount; ++n)
        QTest::newRow(tones[n - 1]) << n << QString::fromLatin1(tones[n - 1]);
}

// The text sits beside the picture of its tone, which carries the tone's name.
void TestInterpretationTexts::dayNumberText_namesItsTone()
{
    QFETCH(int, number);
    QFETCH(QString, tone);
    QVERIFY2(ToneTable()[number - 1].Description.contains(tone), qPrintable(tone));
}

QTEST_GUILESS_MAIN(TestInterpretationTexts)
#include "tst_interpretationtexts.moc"

#include "engine/SignTable.h"

#include <QRegularExpression>
#include <QTest>

using namespace tzolkara;

class TestInterpretationTexts : public QObject
{
    Q_OBJECT

private slots:
    void signDescriptions_data();
    void signDescriptions();
    void toneDescriptions_data();
    void toneDescriptions();

private:
    static void addRow(const char *name, const char *text, const char *opening, int length);
    static void checkText();
};

void TestInterpretationTexts::addRow(const char *name, const char *text, const char *opening,
                                     int length)
{
    QTest::newRow(name) << QString::fromLatin1(text) << QString::fromLatin1(opening) << length;
}

static void addColumns()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("opening");
    QTest::addColumn<int>("length");
}

void TestInterpretationTexts::checkText()
{
    QFETCH(QString, text);
    QFETCH(QString, opening);
    QFETCH(int, length);
    QVERIFY2(text.startsWith(opening), qPrintable(text.left(opening.size())));
    QCOMPARE(text.size(), length);
    // One paragraph of plain printable ASCII, with no stray blanks.
    static const QRegularExpression plain(QStringLiteral("^[\\x20-\\x7E]+$"));
    QVERIFY(plain.match(text).hasMatch());
    QVERIFY(!text.contains(QStringLiteral("  ")));
    QCOMPARE(text.trimmed(), text);
}

void TestInterpretationTexts::signDescriptions_data()
{
    addColumns();
    const std::pair<const char *, int> expected[] = {
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
    for (int i = 0; i < kSignCount; ++i) {
        const SignRecord &sign = SignTable()[i];
        addRow(sign.EnglishName, sign.Description, expected[i].first, expected[i].second);
    }
}

void TestInterpretationTexts::signDescriptions()
{
    checkText();
}

void TestInterpretationTexts::toneDescriptions_data()
{
    addColumns();
    const std::pair<const char *, int> expected[] = {
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
    for (int i = 0; i < kToneCount; ++i) {
        const QByteArray name = "day number " + QByteArray::number(i + 1);
        addRow(name.constData(), ToneTable()[i].Description, expected[i].first, expected[i].second);
    }
}

void TestInterpretationTexts::toneDescriptions()
{
    checkText();
}

QTEST_GUILESS_MAIN(TestInterpretationTexts)
#include "tst_interpretationtexts.moc"

// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/common/RandomSource.h"
#include "core/tarot/Oracle.h"
#include "core/tarot/TarotReading.h"

#include <QSet>
#include <QTest>

#include <cmath>

using namespace tzolkara;

namespace {

std::function<float()> fixedValues(QList<float> values)
{
    auto queue = std::make_shared<QList<float>>(std::move(values));
    return [queue] { return queue->takeFirst(); };
}

// The sign of r - (2k + 1) / 38, in exact integer arithmetic: r is M / 2^s
// with a 24-bit whole number M.
int compareWithBoundary(float r, int k)
{
    int exponent = 0;
    const double fraction = std::frexp(double(r), &exponent);
    const qint64 mantissa = qint64(std::ldexp(fraction, 24));
    const int shift = 24 - exponent;
    Q_ASSERT(shift >= 0 && shift < 40);
    const qint64 left = 38 * mantissa;
    const qint64 right = qint64(2 * k + 1) << shift;
    return left < right ? -1 : left > right ? 1 : 0;
}

// The program's draw: uniform values from a seeded source.
std::function<float()> seeded(RandomSource &random, std::uint32_t seed)
{
    random.seed(seed);
    return [&random] { return random.next(); };
}

} // namespace

class TestOracle : public QObject
{
    Q_OBJECT

private slots:
    void glyphForRandomValue_roundsHalfToEven_data();
    void glyphForRandomValue_roundsHalfToEven();
    void draw_redrawsGlyphsAlreadyLaid();
    void draw_fivePairwiseDifferentGlyphs_inManyReadings();
    void draw_everyGlyphReachesEveryPosition();
    void draw_endGlyphsComeHalfAsOftenInGuide();

    void tables_positionsAndGlyphs();

    void text_runsAndFormats_data();
    void text_runsAndFormats();
    void text_carriesTheGlyphsAndTheirCardNames();
};

void TestOracle::glyphForRandomValue_roundsHalfToEven_data()
{
    QTest::addColumn<float>("r");
    QTest::addColumn<int>("glyph");
    QTest::newRow("0") << 0.0f << 0;
    QTest::newRow("0.5 (9.5 to even 10)") << 0.5f << 10;
    QTest::newRow("0.98") << 0.98f << 19;
    QTest::newRow("just below 1") << std::nextafter(1.0f, 0.0f) << 19;
    // r x 19 crosses k + 0.5 at r = (2k + 1) / 38. On each side of that
    // boundary take the float closest to it: the one below gives k, the one
    // at or above gives k + 1 (only 0.5, for k = 9, lies exactly on it, and
    // 10 is even).
    for (int k = 0; k < 19; ++k) {
        float below = float((2 * k + 1) / 38.0);
        while (compareWithBoundary(below, k) >= 0)
            below = std::nextafter(below, 0.0f);
        while (compareWithBoundary(std::nextafter(below, 1.0f), k) < 0)
            below = std::nextafter(below, 1.0f);
        QTest::addRow("below (%d + 0.5) / 19", k) << below << k;
        QTest::addRow("at or above (%d + 0.5) / 19", k) << std::nextafter(below, 1.0f) << k + 1;
    }
}

void TestOracle::glyphForRandomValue_roundsHalfToEven()
{
    QFETCH(float, r);
    QFETCH(int, glyph);
    QCOMPARE(glyphForRandomValue(r), glyph);
}

void TestOracle::draw_redrawsGlyphsAlreadyLaid()
{
    // 0.5 twice: the second 10 is drawn again; 0 then lands in Challenge.
    const OracleReading reading =
        drawOracleReading(fixedValues({0.5f, 0.5f, 0.0f, 0.0f, 0.99f, 0.5f, 0.2f, 0.1f}));
    QCOMPARE(reading.Glyphs[0], qint16(10));
    QCOMPARE(reading.Glyphs[1], qint16(0));
    QCOMPARE(reading.Glyphs[2], qint16(19));
    QCOMPARE(reading.Glyphs[3], qint16(4));
    QCOMPARE(reading.Glyphs[4], qint16(2));
}

void TestOracle::draw_fivePairwiseDifferentGlyphs_inManyReadings()
{
    RandomSource random;
    const auto draw = seeded(random, 1);
    for (int i = 0; i < 20000; ++i) {
        const OracleReading reading = drawOracleReading(draw);
        const QSet<qint16> distinct(reading.Glyphs.begin(), reading.Glyphs.end());
        QCOMPARE(distinct.size(), 5);
        for (qint16 glyph : reading.Glyphs)
            QVERIFY(glyph >= 0 && glyph < 20);
    }
}

void TestOracle::draw_everyGlyphReachesEveryPosition()
{
    RandomSource random;
    const auto draw = seeded(random, 2);
    std::array<QSet<int>, kPositionCount> seen;
    for (int i = 0; i < 5000; ++i) {
        const OracleReading reading = drawOracleReading(draw);
        for (int p = 0; p < kPositionCount; ++p)
            seen[p].insert(reading.Glyphs[p]);
    }
    for (const QSet<int> &glyphs : seen)
        QCOMPARE(glyphs.size(), 20);
}

void TestOracle::draw_endGlyphsComeHalfAsOftenInGuide()
{
    RandomSource random;
    const auto draw = seeded(random, 3);
    constexpr int kReadings = 190000;
    std::array<int, 20> guide{};
    for (int i = 0; i < kReadings; ++i)
        ++guide[drawOracleReading(draw).Glyphs[0]];
    // 1/38 for glyphs 0 and 19, 1/19 for the others: 5000 and 10000 here.
    for (int glyph = 0; glyph < 20; ++glyph) {
        const double expected = (glyph == 0 || glyph == 19) ? 5000 : 10000;
        QVERIFY2(qAbs(guide[glyph] - expected) < expected * 0.06,
                 qPrintable(QStringLiteral("glyph %1: %2").arg(glyph).arg(guide[glyph])));
    }
}

void TestOracle::tables_positionsAndGlyphs()
{
    const PositionTableType positions = positionTableContents();
    const QStringList names = {QStringLiteral("Guide"), QStringLiteral("Challenge"),
                               QStringLiteral("Central"), QStringLiteral("Ally"),
                               QStringLiteral("Occult")};
    for (int p = 0; p < kPositionCount; ++p) {
        QCOMPARE(positions[p].PositionName, names.at(p));
        QVERIFY(
            positions[p].PositionMeaning.startsWith(names.at(p) + QStringLiteral(" Position: ")));
        QVERIFY(positions[p].PositionMeaning.endsWith(QLatin1Char('.')));
        QCOMPARE(positions[p].PositionHeading,
                 QStringLiteral("The Glyph in the %1 Position is: ").arg(names.at(p)));
    }
    const GlyphTableType glyphs = glyphTableContents();
    QCOMPARE(glyphs[0].SignLabel, QStringLiteral("Imix"));
    QCOMPARE(glyphs[0].ColourName, QStringLiteral("Red Dragon"));
    QCOMPARE(glyphs[5].ColourName, QStringLiteral("White World Bridger"));
    QCOMPARE(glyphs[19].SignLabel, QStringLiteral("Ahau/Sun"));
    QVERIFY(glyphs[1].Description.endsWith(
        QStringLiteral("You are compatible with Red Earth people while a Yellow Human person "
                       "can pose a formidable challenge for you.")));
    for (int g = 1; g < kGlyphCount; ++g)
        QVERIFY(glyphs[g].SignLabel.contains(QLatin1Char('/')));
}

void TestOracle::text_runsAndFormats_data()
{
    QTest::addColumn<int>("run");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("format");
    const auto heading = int(TarotRunFormat::Heading);
    const auto label = int(TarotRunFormat::Label);
    const auto body = int(TarotRunFormat::Body);
    QTest::newRow("title") << 0 << kTarotReadingTitle << heading;
    QTest::newRow("line under the title, still bold") << 1 << QString() << heading;
    QTest::newRow("Guide") << 2 << QStringLiteral("Guide") << heading;
    QTest::newRow("Guide meaning")
        << 3
        << QStringLiteral("Guide Position: This position describes your current guiding force.")
        << body;
    QTest::newRow("Guide heading")
        << 4 << QStringLiteral("The Glyph in the Guide Position is: ") << body;
    QTest::newRow("Sign label") << 5 << QStringLiteral("Sign: ") << label;
    QTest::newRow("Sign") << 6 << QStringLiteral("Ik/Wind") << body;
    QTest::newRow("Name label") << 7 << QStringLiteral("Name: ") << label;
    QTest::newRow("Name") << 8 << QStringLiteral("White Wind") << body;
    QTest::newRow("Description label") << 9 << QStringLiteral("Description: ") << label;
    QTest::newRow("Description") << 10 << glyphTableContents()[1].Description << body;
    QTest::newRow("end of the Guide block") << 11 << QString() << body;
    QTest::newRow("Challenge") << 12 << QStringLiteral("Challenge") << heading;
    QTest::newRow("Challenge sign, bare Imix") << 16 << QStringLiteral("Imix") << body;
    QTest::newRow("Central name") << 28 << QStringLiteral("Yellow Sun") << body;
    QTest::newRow("Occult") << 42 << QStringLiteral("Occult") << heading;
    QTest::newRow("end of the text") << 51 << QString() << body;
}

void TestOracle::text_runsAndFormats()
{
    QFETCH(int, run);
    QFETCH(QString, text);
    QFETCH(int, format);
    OracleReading reading;
    reading.Glyphs = {1, 0, 19, 7, 12};
    const TarotReading composed =
        composeTarotReading(reading, glyphTableContents(), positionTableContents());
    QCOMPARE(composed.runs.size(), 2 + 5 * 10);
    QCOMPARE(composed.runs.at(run), (TarotRun{text, TarotRunFormat(format)}));
}

void TestOracle::text_carriesTheGlyphsAndTheirCardNames()
{
    OracleReading reading;
    reading.Glyphs = {18, 0, 19, 7, 12};
    const TarotReading composed =
        composeTarotReading(reading, glyphTableContents(), positionTableContents());
    QCOMPARE(composed.glyphs, (std::array<int, kPositionCount>{18, 0, 19, 7, 12}));
    QCOMPARE(composed.cardNames[0], QStringLiteral("Cauac, Blue Storm"));
    QCOMPARE(composed.cardNames[1], QStringLiteral("Imix, Red Dragon"));
}

QTEST_GUILESS_MAIN(TestOracle)
#include "tst_oracle.moc"

// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/engine/InterpretationTexts.h"
#include "core/engine/KinEngine.h"
#include "core/engine/SignTable.h"
#include "core/i18n/Glossary.h"
#include "core/tarot/TarotCast.h"
#include "tables/engine/MonthNames.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace tzolkara;

namespace {

QString fileText(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

ReadingState readingOf21December2012()
{
    KinEngine engine;
    engine.state().BirthYear = 2012;
    engine.state().BirthMonth = QStringLiteral("December");
    engine.state().BirthDay = 21;
    engine.CalculateReading();
    return engine.state();
}

QString spanish(GlossaryKind kind, int key)
{
    const GlossaryEntry *entry = spanishGlossaryEntry(kind, key);
    return entry ? entry->spanish : QString();
}

} // namespace

class TestSpanishReadings : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void spanishTexts_oneParagraphBesideEachEnglish_data();
    void spanishTexts_oneParagraphBesideEachEnglish();
    void glossary_coversEveryShortField_data();
    void glossary_coversEveryShortField();
    void spanishReading_sameSignAndNumber_spanishWords();
    void spanishTarot_keepsMayaNamesAndSaysTheRestInSpanish();
    void displayedToneAndMonthNames_followTheLanguageWithinRange();
};

void TestSpanishReadings::cleanup()
{
    setCurrentLanguage(Language::English);
}

void TestSpanishReadings::spanishTexts_oneParagraphBesideEachEnglish_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("count");
    QTest::newRow("signs") << "signs" << kSignCount;
    QTest::newRow("tones") << "tones" << kToneCount;
    QTest::newRow("glyphs") << "glyphs" << kGlyphCount;
}

void TestSpanishReadings::spanishTexts_oneParagraphBesideEachEnglish()
{
    QFETCH(QString, kind);
    QFETCH(int, count);
    const QStringList english = QDir(textsFolder(Language::English) + kind).entryList();
    QCOMPARE(english.size(), count);
    QCOMPARE(QDir(textsFolder(Language::Spanish) + kind).entryList(), english);
    for (const QString &name : english) {
        const QString path = textsFolder(Language::Spanish) + kind + QLatin1Char('/') + name;
        const QString text = fileText(path).chopped(1);
        QVERIFY2(!text.trimmed().isEmpty(), qPrintable(path));
        QVERIFY2(!text.contains(QLatin1Char('\n')), qPrintable(path));
        QVERIFY2(text.trimmed() == text, qPrintable(path));
        QVERIFY2(text != fileText(textsFolder(Language::English) + kind + QLatin1Char('/') + name)
                             .chopped(1),
                 qPrintable(path + QStringLiteral(" is the English text")));
    }
}

void TestSpanishReadings::glossary_coversEveryShortField_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<QStringList>("english");

    // Every short field as the program's own tables say it in English.
    QList<int> signs;
    QStringList names, gemstones, keywords, significances;
    for (const SignRecord &record : SignTable()) {
        signs << daySignOf(record);
        names << QString::fromLatin1(record.EnglishName);
        gemstones << QString::fromLatin1(record.Gemstone);
        keywords << QString::fromLatin1(record.Keywords);
        significances << QString::fromLatin1(record.Significance);
    }
    const auto add = [](const char *row, GlossaryKind kind, const QList<int> &keys,
                        const QStringList &english) {
        QTest::newRow(row) << int(kind) << keys << english;
    };
    add("sign-name", GlossaryKind::SignName, signs, names);
    add("gemstone", GlossaryKind::Gemstone, signs, gemstones);
    add("keywords", GlossaryKind::Keywords, signs, keywords);
    add("significance", GlossaryKind::Significance, signs, significances);

    QList<int> tones;
    QStringList toneNames;
    for (int n = 1; n <= kToneCount; ++n) {
        tones << n;
        toneNames << QString::fromLatin1(kToneNames[n - 1]);
    }
    add("tone", GlossaryKind::Tone, tones, toneNames);

    const GlyphTableType glyphs = glyphTableContents(Language::English);
    QList<int> glyphKeys, meaningKeys;
    QStringList colours, labels;
    for (int g = 0; g < kGlyphCount; ++g) {
        glyphKeys << g;
        colours << glyphs[g].ColourName;
        if (glyphs[g].SignLabel.contains(QLatin1Char('/'))) {
            meaningKeys << g + 1;
            labels << glyphs[g].SignLabel;
        }
    }
    add("glyph", GlossaryKind::Glyph, glyphKeys, colours);
    add("meaning", GlossaryKind::Meaning, meaningKeys, labels);

    const PositionTableType positions = positionTableContents(Language::English);
    QList<int> positionKeys;
    QStringList positionNames, meanings, headings;
    for (int p = 0; p < kPositionCount; ++p) {
        positionKeys << p;
        positionNames << positions[p].PositionName;
        meanings << positions[p].PositionMeaning;
        headings << positions[p].PositionHeading;
    }
    add("position", GlossaryKind::Position, positionKeys, positionNames);
    add("position-meaning", GlossaryKind::PositionMeaning, positionKeys, meanings);
    add("position-heading", GlossaryKind::PositionHeading, positionKeys, headings);

    QList<int> months;
    QStringList monthNames;
    for (int m = 1; m <= 12; ++m) {
        months << m;
        monthNames << QString::fromLatin1(kMonthNames[m - 1]);
    }
    add("month", GlossaryKind::Month, months, monthNames);
}

// A field the glossary lacks would show in English in a Spanish reading; one
// whose English differs from the table's is the translation of an old text.
void TestSpanishReadings::glossary_coversEveryShortField()
{
    QFETCH(int, kind);
    QFETCH(QList<int>, keys);
    QFETCH(QStringList, english);
    for (qsizetype i = 0; i < keys.size(); ++i) {
        const QString where =
            QStringLiteral("%1 %2").arg(QLatin1StringView(QTest::currentDataTag())).arg(keys[i]);
        const GlossaryEntry *entry = spanishGlossaryEntry(GlossaryKind(kind), keys[i]);
        QVERIFY2(entry, qPrintable(where + QStringLiteral(" is missing")));
        QVERIFY2(!entry->spanish.trimmed().isEmpty(), qPrintable(where));
        QVERIFY2(entry->english == english[i],
                 qPrintable(QStringLiteral("%1 translates \"%2\", the program says \"%3\"")
                                .arg(where, entry->english, english[i])));
    }
}

void TestSpanishReadings::spanishReading_sameSignAndNumber_spanishWords()
{
    const ReadingState english = readingOf21December2012();
    setCurrentLanguage(Language::Spanish);
    const ReadingState spanishState = readingOf21December2012();

    QCOMPARE(english.DaySign, 20);
    QCOMPARE(spanishState.DaySign, english.DaySign);
    QCOMPARE(spanishState.DayNumber, english.DayNumber);
    QCOMPARE(spanishState.DaySignLabel, english.DaySignLabel);
    QCOMPARE(spanishState.FamousPersons, english.FamousPersons);

    QCOMPARE(spanishState.EnglishName, spanish(GlossaryKind::SignName, 20));
    QCOMPARE(spanishState.Gemstone, spanish(GlossaryKind::Gemstone, 20));
    QCOMPARE(spanishState.Keywords, spanish(GlossaryKind::Keywords, 20));
    QCOMPARE(spanishState.Significance, spanish(GlossaryKind::Significance, 20));
    QCOMPARE(spanishState.SignDescription, signDescription(20, Language::Spanish));
    QCOMPARE(spanishState.DayNumberDescription, toneDescription(4, Language::Spanish));
    QVERIFY(spanishState.SignDescription != english.SignDescription);

    // Back in English, the next reading is English again.
    setCurrentLanguage(Language::English);
    QCOMPARE(readingOf21December2012().EnglishName, english.EnglishName);
}

void TestSpanishReadings::spanishTarot_keepsMayaNamesAndSaysTheRestInSpanish()
{
    const GlyphTableType english = glyphTableContents(Language::English);
    setCurrentLanguage(Language::Spanish);
    TarotOracle oracle;
    oracle.LoadTarotTables();
    const GlyphTableType &glyphs = oracle.GlyphTable;

    QCOMPARE(glyphs[0].SignLabel, english[0].SignLabel);
    for (int g = 0; g < kGlyphCount; ++g) {
        const auto mayaName = [](const GlyphRecord &glyph) {
            return glyph.SignLabel.section(QLatin1Char('/'), 0, 0);
        };
        QCOMPARE(mayaName(glyphs[g]), mayaName(english[g]));
        QCOMPARE(glyphs[g].ColourName, spanish(GlossaryKind::Glyph, g));
        QCOMPARE(
            glyphs[g].Description,
            fileText(QStringLiteral(":/texts/es/glyphs/%1.txt").arg(g, 2, 10, QLatin1Char('0')))
                .chopped(1));
    }
    QCOMPARE(glyphs[12].SignLabel, QStringLiteral("Ben/") + spanish(GlossaryKind::SignName, 13));
    for (int p = 0; p < kPositionCount; ++p) {
        QCOMPARE(oracle.PositionTable[p].PositionHeading,
                 spanish(GlossaryKind::PositionHeading, p));
    }
}

void TestSpanishReadings::displayedToneAndMonthNames_followTheLanguageWithinRange()
{
    QCOMPARE(displayedToneName(13), QStringLiteral("Cosmic"));
    QCOMPARE(displayedMonthName(0), QStringLiteral("January"));
    setCurrentLanguage(Language::Spanish);
    QCOMPARE(displayedToneName(13), spanish(GlossaryKind::Tone, 13));
    QCOMPARE(displayedMonthName(0), spanish(GlossaryKind::Month, 1));
    QCOMPARE(displayedMonthName(11), spanish(GlossaryKind::Month, 12));
    QVERIFY(displayedToneName(0).isNull());
    QVERIFY(displayedToneName(14).isNull());
    QVERIFY(displayedMonthName(-1).isNull());
    QVERIFY(displayedMonthName(12).isNull());
}

QTEST_GUILESS_MAIN(TestSpanishReadings)
#include "tst_spanishreadings.moc"

// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/engine/InterpretationTexts.h"
#include "core/engine/KinEngine.h"
#include "core/engine/SignTable.h"
#include "core/tarot/TarotCast.h"
#include "tables/engine/MonthNames.h"
#include "tables/engine/ToneNames.h"

#include <QDir>
#include <QFile>
#include <QTest>
#include <QTranslator>

using namespace tzolkara;

namespace {

QString fileText(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

ReadingState readingOf21December2012(const Language &language)
{
    KinEngine engine(language);
    engine.state().BirthYear = 2012;
    engine.state().BirthMonth = QStringLiteral("December");
    engine.state().BirthDay = 21;
    engine.CalculateReading();
    return engine.state();
}

Language spanish()
{
    return Language::fromCode(QStringLiteral("es"));
}

} // namespace

class TestSpanishReadings : public QObject
{
    Q_OBJECT

private slots:
    void spanishTexts_oneParagraphBesideEachEnglish_data();
    void spanishTexts_oneParagraphBesideEachEnglish();
    void everyWordOfTheTables_isTranslatedInEveryLanguage_data();
    void everyWordOfTheTables_isTranslatedInEveryLanguage();
    void spanishReading_sameSignAndNumber_spanishWords();
    void spanishTarot_keepsMayaNamesAndSaysTheRestInSpanish();
};

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
    const QStringList english = QDir(textsFolder(Language()) + kind).entryList();
    QCOMPARE(english.size(), count);
    QCOMPARE(textsFolder(spanish()), QStringLiteral(":/texts/es/"));
    QCOMPARE(QDir(textsFolder(spanish()) + kind).entryList(), english);
    for (const QString &name : english) {
        const QString path = textsFolder(spanish()) + kind + QLatin1Char('/') + name;
        const QString text = fileText(path).chopped(1);
        QVERIFY2(!text.trimmed().isEmpty(), qPrintable(path));
        QVERIFY2(!text.contains(QLatin1Char('\n')), qPrintable(path));
        QVERIFY2(text.trimmed() == text, qPrintable(path));
        QVERIFY2(text !=
                     fileText(textsFolder(Language()) + kind + QLatin1Char('/') + name).chopped(1),
                 qPrintable(path + QStringLiteral(" is the English text")));
    }
}

void TestSpanishReadings::everyWordOfTheTables_isTranslatedInEveryLanguage_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("context");
    QTest::addColumn<QStringList>("words");

    // Every word of the tables, as the program's own tables hold it.
    QStringList names, signTexts;
    for (const SignRecord &record : SignTable()) {
        names << QString::fromLatin1(record.EnglishName);
        signTexts << QString::fromLatin1(record.Gemstone) << QString::fromLatin1(record.Keywords)
                  << QString::fromLatin1(record.Significance);
    }
    QStringList tones, months, glyphWords, positionWords;
    for (const char *tone : kToneNames)
        tones << QString::fromLatin1(tone);
    for (const char *month : kMonthNames)
        months << QString::fromLatin1(month);
    for (const GlyphRecord &glyph : glyphTableContents()) {
        glyphWords << glyph.ColourName;
        // The bare Maya name stays as it is.
        if (glyph.SignLabel.contains(QLatin1Char('/')))
            glyphWords << glyph.SignLabel;
    }
    for (const PositionRecord &position : positionTableContents())
        positionWords << position.PositionName << position.PositionMeaning
                      << position.PositionHeading;

    const QStringList codes = Language::available().mid(1);
    QVERIFY(codes.contains(QStringLiteral("es")));
    for (const QString &code : codes) {
        const auto add = [&code](const char *context, const QStringList &words) {
            QTest::addRow("%s %s", qPrintable(code), context) << code << context << words;
        };
        add("SignNames", names);
        add("SignTexts", signTexts);
        add("ToneNames", tones);
        add("Months", months);
        add("TarotGlyphs", glyphWords);
        add("TarotPositions", positionWords);
    }
}

// A word the translation lacks would show in English in a reading of that
// language: marking a new word without running lupdate and translating it is
// caught here.
void TestSpanishReadings::everyWordOfTheTables_isTranslatedInEveryLanguage()
{
    QFETCH(QString, code);
    QFETCH(QString, context);
    QFETCH(QStringList, words);
    const Language language = Language::fromCode(code);
    QCOMPARE(language.code(), code);
    for (const QString &word : words) {
        const QString said =
            language.translator()->translate(qPrintable(context), word.toUtf8().constData());
        QVERIFY2(!said.trimmed().isEmpty(), qPrintable(context + QStringLiteral(": ") + word));
    }
}

void TestSpanishReadings::spanishReading_sameSignAndNumber_spanishWords()
{
    const ReadingState english = readingOf21December2012(Language());
    const ReadingState spanishState = readingOf21December2012(spanish());

    QCOMPARE(english.DaySign, 20);
    QCOMPARE(english.EnglishName, QStringLiteral("Sun"));
    QCOMPARE(spanishState.DaySign, english.DaySign);
    QCOMPARE(spanishState.DayNumber, english.DayNumber);
    QCOMPARE(spanishState.DaySignLabel, english.DaySignLabel);
    QCOMPARE(spanishState.FamousPersons, english.FamousPersons);

    QCOMPARE(spanishState.EnglishName, QStringLiteral("Sol"));
    QCOMPARE(spanishState.Gemstone, QStringLiteral("Cuarzo rosa"));
    QCOMPARE(spanishState.Keywords, QStringLiteral("Afecto y creatividad"));
    QCOMPARE(spanishState.Significance, QStringLiteral("Fluidez"));
    QCOMPARE(spanishState.SignDescription,
             fileText(QStringLiteral(":/texts/es/signs/20.txt")).chopped(1));
    QCOMPARE(spanishState.DayNumberDescription,
             fileText(QStringLiteral(":/texts/es/tones/04.txt")).chopped(1));
    QVERIFY(spanishState.SignDescription != english.SignDescription);
}

void TestSpanishReadings::spanishTarot_keepsMayaNamesAndSaysTheRestInSpanish()
{
    const GlyphTableType english = glyphTableContents();
    TarotOracle oracle(spanish());
    oracle.LoadTarotTables();
    const GlyphTableType &glyphs = oracle.GlyphTable;

    QCOMPARE(glyphs[0].SignLabel, QStringLiteral("Imix"));
    QCOMPARE(glyphs[0].ColourName, QStringLiteral("Dragón Rojo"));
    QCOMPARE(glyphs[11].SignLabel, QStringLiteral("Eb/Camino"));
    QCOMPARE(glyphs[12].ColourName, QStringLiteral("Caminante del Cielo Rojo"));
    for (int g = 0; g < kGlyphCount; ++g) {
        const auto mayaName = [](const GlyphRecord &glyph) {
            return glyph.SignLabel.section(QLatin1Char('/'), 0, 0);
        };
        QCOMPARE(mayaName(glyphs[g]), mayaName(english[g]));
        QCOMPARE(
            glyphs[g].Description,
            fileText(QStringLiteral(":/texts/es/glyphs/%1.txt").arg(g, 2, 10, QLatin1Char('0')))
                .chopped(1));
    }
    QCOMPARE(oracle.PositionTable[0].PositionName, QStringLiteral("Guía"));
    QCOMPARE(oracle.PositionTable[0].PositionHeading,
             QStringLiteral("El glifo en la posición de Guía es: "));
}

QTEST_GUILESS_MAIN(TestSpanishReadings)
#include "tst_spanishreadings.moc"

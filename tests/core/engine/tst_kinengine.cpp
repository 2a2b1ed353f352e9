// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/engine/KinEngine.h"
#include "core/engine/SignTable.h"
#include "tables/engine/KinTables.h"

#include <QDate>
#include <QLocale>
#include <QTest>

using namespace tzolkara;

namespace {

void setBirthDate(KinEngine &engine, int year, const QString &month, int day)
{
    engine.state().BirthYear = static_cast<qint16>(year);
    engine.state().BirthMonth = month;
    engine.state().BirthDay = static_cast<qint16>(day);
}

QString englishMonthName(int month)
{
    return QLocale::c().monthName(month, QLocale::LongFormat);
}

} // namespace

class TestKinEngine : public QObject
{
    Q_OBJECT

private slots:
    void calculateReading_edgeDates_data();
    void calculateReading_edgeDates();
    void calculateReading_copiesAllSignAndToneTexts();
    void calculateReading_neverTouchesUserName();
    void calculateReading_overwritesPreviousReading();
    void instances_areIndependent();
    void yearOutsideRange_leavesResultsUnchanged();
    void everyDateOfTheRange_followsTraditionalCount();
};

void TestKinEngine::calculateReading_edgeDates_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<QString>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("englishName");
    QTest::addColumn<int>("dayNumber");
    QTest::newRow("1 Jan 1900") << 1900 << "January" << 1 << "TIJASH - (ETZNAB)"
                                << "Flint" << 4;
    QTest::newRow("1 Mar 1900") << 1900 << "March" << 1 << "NOJ - (CABAN)"
                                << "Earth" << 11;
    QTest::newRow("1 Jan 1901") << 1901 << "January" << 1 << "AKABAL - (AKBAL)"
                                << "Night" << 5;
    QTest::newRow("29 Feb 2000") << 2000 << "February" << 29 << "IMOSH - (IMIX)"
                                 << "Crocodile" << 5;
    QTest::newRow("31 Dec 1999") << 1999 << "December" << 31 << "IMOSH - (IMIX)"
                                 << "Crocodile" << 10;
    QTest::newRow("1 Jan 2000") << 2000 << "January" << 1 << "IK - (IK)"
                                << "Wind" << 11;
    QTest::newRow("1 Mar 1928") << 1928 << "March" << 1 << "KAT - (KAN)"
                                << "Seed" << 7;
    QTest::newRow("1 Jan 1929") << 1929 << "January" << 1 << "TZI - (OC)"
                                << "Dog" << 1;
    QTest::newRow("12 Nov 1911") << 1911 << "November" << 12 << "TZI - (OC)"
                                 << "Dog" << 7;
    QTest::newRow("16 Nov 1948") << 1948 << "November" << 16 << "TOJ - (MULUK)"
                                 << "Offering" << 6;
    QTest::newRow("21 Dec 2012") << 2012 << "December" << 21 << "AJPU - (AHUA)"
                                 << "Sun" << 4;
    QTest::newRow("31 Dec 2016") << 2016 << "December" << 31 << "BATZ - (CHUEN)"
                                 << "Monkey" << 6;
}

void TestKinEngine::calculateReading_edgeDates()
{
    QFETCH(int, year);
    QFETCH(QString, month);
    QFETCH(int, day);
    QFETCH(QString, label);
    QFETCH(QString, englishName);
    QFETCH(int, dayNumber);
    KinEngine engine;
    setBirthDate(engine, year, month, day);
    engine.CalculateReading();
    QCOMPARE(engine.state().DaySignLabel, label);
    QCOMPARE(engine.state().EnglishName, englishName);
    QCOMPARE(int(engine.state().DayNumber), dayNumber);
}

void TestKinEngine::calculateReading_copiesAllSignAndToneTexts()
{
    KinEngine engine;
    setBirthDate(engine, 1900, QStringLiteral("March"), 1); // kin 147
    engine.CalculateReading();
    const ReadingState &s = engine.state();
    QCOMPARE(s.Keywords, QStringLiteral("Practical and intellectual"));
    QCOMPARE(s.Gemstone, QStringLiteral("Agate"));
    QCOMPARE(s.Significance, QStringLiteral("Action"));
    QCOMPARE(s.FamousPersons, QStringLiteral("Benjamin Franklin, Alfred Hitchcock"));
    QVERIFY(s.SignDescription.startsWith(
        QStringLiteral("Earth or the earthquake is the seventeenth sign of Mayan astrology.")));
    QVERIFY(s.DayNumberDescription.startsWith(QStringLiteral("Resolution is the keyword")));

    setBirthDate(engine, 1929, QStringLiteral("January"), 1); // kin 20
    engine.CalculateReading();
    QCOMPARE(int(s.DayNumber), 1);
    QVERIFY(s.DayNumberDescription.startsWith(
        QStringLiteral("Power and great force are the keywords")));

    setBirthDate(engine, 1911, QStringLiteral("November"), 18); // kin 6
    engine.CalculateReading();
    QCOMPARE(int(s.DayNumber), 13);
    QVERIFY(s.DayNumberDescription.startsWith(QStringLiteral("Realization is the keyword")));
}

void TestKinEngine::calculateReading_neverTouchesUserName()
{
    KinEngine engine;
    engine.state().UserName = QStringLiteral("Ana");
    setBirthDate(engine, 2012, QStringLiteral("December"), 21);
    engine.CalculateReading();
    QCOMPARE(engine.state().UserName, QStringLiteral("Ana"));
    QCOMPARE(int(engine.state().BirthYear), 2012);
}

void TestKinEngine::calculateReading_overwritesPreviousReading()
{
    KinEngine engine;
    setBirthDate(engine, 2012, QStringLiteral("December"), 21);
    engine.CalculateReading();
    setBirthDate(engine, 1900, QStringLiteral("March"), 1);
    engine.CalculateReading();
    const ReadingState &s = engine.state();
    QCOMPARE(s.EnglishName, QStringLiteral("Earth"));
    QCOMPARE(s.Gemstone, QStringLiteral("Agate"));
    QCOMPARE(int(s.DayNumber), 11);
}

void TestKinEngine::instances_areIndependent()
{
    KinEngine modMayanAstrology;
    KinEngine modMayanNumerology;
    setBirthDate(modMayanAstrology, 2012, QStringLiteral("December"), 21);
    modMayanAstrology.state().UserName = QStringLiteral("Ana");
    modMayanAstrology.CalculateReading();
    const ReadingState before = modMayanAstrology.state();

    setBirthDate(modMayanNumerology, 1948, QStringLiteral("November"), 16);
    modMayanNumerology.CalculateReading();
    QCOMPARE(modMayanNumerology.state().EnglishName, QStringLiteral("Offering"));
    QCOMPARE(modMayanAstrology.state().EnglishName, before.EnglishName);
    QCOMPARE(modMayanAstrology.state().DayNumber, before.DayNumber);
    QCOMPARE(modMayanAstrology.state().BirthYear, before.BirthYear);
    QVERIFY(modMayanNumerology.state().UserName.isEmpty());

    // The same date gives the same results in both instances.
    setBirthDate(modMayanNumerology, 2012, QStringLiteral("December"), 21);
    modMayanNumerology.CalculateReading();
    QCOMPARE(modMayanNumerology.state().DayNumber, before.DayNumber);
    QCOMPARE(modMayanNumerology.state().DayNumberDescription, before.DayNumberDescription);
    QCOMPARE(modMayanNumerology.state().SignDescription, before.SignDescription);
}

void TestKinEngine::yearOutsideRange_leavesResultsUnchanged()
{
    KinEngine engine;
    setBirthDate(engine, 2012, QStringLiteral("December"), 21);
    engine.CalculateReading();
    const ReadingState before = engine.state();
    KinEngine otherEngine;
    setBirthDate(otherEngine, 1900, QStringLiteral("March"), 1);
    otherEngine.CalculateReading();
    const ReadingState other = otherEngine.state();

    for (int year : {1899, 2100, 0, -32768, 32767}) {
        setBirthDate(engine, year, QStringLiteral("January"), 1);
        engine.CalculateReading();
        QCOMPARE(engine.state().DayNumber, before.DayNumber);
        QCOMPARE(engine.state().DaySignLabel, before.DaySignLabel);
        QCOMPARE(engine.state().SignDescription, before.SignDescription);
        QCOMPARE(engine.state().FamousPersons, before.FamousPersons);
    }
    QCOMPARE(otherEngine.state().DaySignLabel, other.DaySignLabel);
    QCOMPARE(otherEngine.state().DayNumber, other.DayNumber);
}

// Independent of the engine's tables: the day number and day sign follow from
// the Julian day number, with 4 Ahau (day number 4, Sun) on day 584283.
void TestKinEngine::everyDateOfTheRange_followsTraditionalCount()
{
    KinEngine engine;
    int checked = 0;
    for (QDate date(1900, 1, 1); date <= QDate(2099, 12, 31); date = date.addDays(1)) {
        const qint64 daysSinceEpoch = date.toJulianDay() - 584283;
        const int expectedDayNumber = int(((daysSinceEpoch + 3) % 13 + 13) % 13) + 1;
        const int expectedDaySign = int(((daysSinceEpoch + 19) % 20 + 20) % 20) + 1;

        setBirthDate(engine, date.year(), englishMonthName(date.month()), date.day());
        engine.CalculateReading();
        const SignRecord *sign = findSignByLabel(engine.state().DaySignLabel);
        QVERIFY(sign);
        const int position = int(sign - SignTable().data());
        if (int(engine.state().DayNumber) != expectedDayNumber ||
            daySignOfPosition(position) != expectedDaySign) {
            QFAIL(qPrintable(QStringLiteral("%1: got %2 %3, expected %4 sign %5")
                                 .arg(date.toString(Qt::ISODate))
                                 .arg(engine.state().DayNumber)
                                 .arg(engine.state().EnglishName)
                                 .arg(expectedDayNumber)
                                 .arg(expectedDaySign)));
        }
        ++checked;
    }
    QCOMPARE(checked, 73049);
}

QTEST_GUILESS_MAIN(TestKinEngine)
#include "tst_kinengine.moc"

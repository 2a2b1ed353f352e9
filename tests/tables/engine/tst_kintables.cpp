// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/engine/BirthMonth.h"
#include "core/engine/SignTable.h"
#include "tables/engine/KinTables.h"

#include <QTest>

using namespace tzolkara;

class TestKinTables : public QObject
{
    Q_OBJECT

private slots:
    void yearCode_anchors_data();
    void yearCode_anchors();
    void yearCode_followsSteppingRuleInRange();
    void yearCode_outsideTableIsRefused();

    void monthDayValue_anchors_data();
    void monthDayValue_anchors();
    void monthDayValue_missingDaysAndBadInputGiveZero();
    void monthIndexOf_isExactAndCaseSensitive();

    void kinEntry_anchors_data();
    void kinEntry_anchors();

    void kinNumberOf_edgeDates_data();
    void kinNumberOf_edgeDates();
    void kinNumberOf_yearOutsideRangeGivesZero();
};

void TestKinTables::yearCode_anchors_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("code");
    const int anchors[][2] = {
        {1899, 42},  {1900, 147}, {1901, 252}, {1902, 97},  {1903, 202}, {1904, 48},  {1905, 153},
        {1910, 159}, {1911, 4},   {1920, 172}, {1928, 234}, {1929, 79},  {1930, 184}, {1940, 197},
        {1948, 259}, {1950, 209}, {1960, 222}, {1970, 234}, {1980, 247}, {1990, 259}, {2000, 12},
        {2001, 117}, {2010, 24},  {2012, 235}, {2015, 30},  {2016, 136}, {2017, 241}, {2031, 154},
        {2032, 260}, {2033, 105}, {2099, 31},
    };
    for (const auto &a : anchors)
        QTest::addRow("%d", a[0]) << a[0] << a[1];
}

void TestKinTables::yearCode_anchors()
{
    QFETCH(int, year);
    QFETCH(int, code);
    QCOMPARE(yearCode(year), code);
}

void TestKinTables::yearCode_followsSteppingRuleInRange()
{
    for (int year = 1901; year <= 2099; ++year) {
        const int expected = (yearCode(year - 1) + 105 + (year % 4 == 0 ? 1 : 0)) % 260;
        // A code is 1..260: 260 where the rule reduces to 0 (2032, 2074).
        QCOMPARE(yearCode(year), expected == 0 ? 260 : expected);
    }
}

void TestKinTables::yearCode_outsideTableIsRefused()
{
    QCOMPARE(yearCode(1898), -1);
    QCOMPARE(yearCode(2100), -1);
    QCOMPARE(yearCode(0), -1);
    QCOMPARE(yearCode(-32768), -1);
}

void TestKinTables::monthDayValue_anchors_data()
{
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("value");
    const int rows[][3] = {
        {2, 1, 0},     {2, 31, 30}, {3, 1, 31},   {4, 1, 61},   {5, 1, 92},
        {6, 1, 122},   {7, 1, 153}, {8, 1, 184},  {9, 1, 214},  {10, 1, 245},
        {10, 16, 260}, {10, 17, 1}, {10, 30, 14}, {11, 1, 15},  {11, 31, 45},
        {0, 1, 46},    {0, 31, 76}, {1, 1, 77},   {1, 28, 104}, {1, 29, 105},
    };
    for (const auto &r : rows)
        QTest::addRow("month %d day %d", r[0] + 1, r[1]) << r[0] << r[1] << r[2];
}

void TestKinTables::monthDayValue_anchors()
{
    QFETCH(int, month);
    QFETCH(int, day);
    QFETCH(int, value);
    QCOMPARE(monthDayValue(month, day), value);
}

void TestKinTables::monthDayValue_missingDaysAndBadInputGiveZero()
{
    QCOMPARE(monthDayValue(1, 30), 0);
    QCOMPARE(monthDayValue(1, 31), 0);
    for (int month : {3, 5, 8, 10})
        QCOMPARE(monthDayValue(month, 31), 0);
    QCOMPARE(monthDayValue(0, 0), 0);
    QCOMPARE(monthDayValue(0, 32), 0);
    QCOMPARE(monthDayValue(-1, 5), 0);
    QCOMPARE(monthDayValue(12, 5), 0);
    // Every real day lies in 1..260, but for 1 March.
    for (int month = 0; month < 12; ++month) {
        for (int day = 1; day <= 31; ++day) {
            const int value = monthDayValue(month, day);
            QVERIFY(value >= 0 && value <= 260);
        }
    }
}

void TestKinTables::monthIndexOf_isExactAndCaseSensitive()
{
    QCOMPARE(monthIndexOf(u"January"), 0);
    QCOMPARE(monthIndexOf(u"December"), 11);
    QCOMPARE(monthIndexOf(u"january"), -1);
    QCOMPARE(monthIndexOf(u"JANUARY"), -1);
    QCOMPARE(monthIndexOf(u"January "), -1);
    QCOMPARE(monthIndexOf(u"Jan"), -1);
    QCOMPARE(monthIndexOf(u""), -1);
}

void TestKinTables::kinEntry_anchors_data()
{
    QTest::addColumn<int>("kin");
    QTest::addColumn<QString>("label");
    QTest::addColumn<int>("dayNumber");
    QTest::newRow("1") << 1 << "BATZ - (CHUEN)" << 8;
    QTest::newRow("11") << 11 << "IMOSH - (IMIX)" << 5;
    QTest::newRow("110") << 110 << "AJPU - (AHUA)" << 13;
    QTest::newRow("111") << 111 << "IMOSH - (IMIX)" << 1;
    QTest::newRow("260") << 260 << "TZI - (OC)" << 7;
}

void TestKinTables::kinEntry_anchors()
{
    QFETCH(int, kin);
    QFETCH(QString, label);
    QFETCH(int, dayNumber);
    const KinEntry entry = kinEntry(kin);
    QCOMPARE(QString::fromLatin1(SignTable()[entry.signPosition].Label), label);
    QCOMPARE(entry.dayNumber, dayNumber);
}

void TestKinTables::kinNumberOf_edgeDates_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<QString>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("kin");
    QTest::newRow("1 Jan 1900, code of 1899") << 1900 << "January" << 1 << 88;
    QTest::newRow("28 Feb 1900") << 1900 << "February" << 28 << 146;
    QTest::newRow("1 Mar 1900") << 1900 << "March" << 1 << 147;
    QTest::newRow("1 Jan 1901") << 1901 << "January" << 1 << 193;
    QTest::newRow("29 Feb 2000, reduced") << 2000 << "February" << 29 << 11;
    QTest::newRow("31 Dec 1999") << 1999 << "December" << 31 << 211;
    QTest::newRow("1 Jan 2000") << 2000 << "January" << 1 << 212;
    QTest::newRow("1 Jan 1929, reduced") << 1929 << "January" << 1 << 20;
    QTest::newRow("12 Nov 1911, sum 260 stays") << 1911 << "November" << 12 << 260;
    QTest::newRow("16 Nov 1948, largest sum 519") << 1948 << "November" << 16 << 259;
    QTest::newRow("21 Dec 2012") << 2012 << "December" << 21 << 10;
    QTest::newRow("31 Dec 2016") << 2016 << "December" << 31 << 181;
    QTest::newRow("1 Mar 2032, code 260") << 2032 << "March" << 1 << 260;
    QTest::newRow("16 Nov 2032, sum 520") << 2032 << "November" << 16 << 260;
    QTest::newRow("unknown month contributes 0") << 1911 << "Smarch" << 5 << 4;
    QTest::newRow("lower-case month contributes 0") << 1911 << "march" << 5 << 4;
}

void TestKinTables::kinNumberOf_edgeDates()
{
    QFETCH(int, year);
    QFETCH(QString, month);
    QFETCH(int, day);
    QFETCH(int, kin);
    QCOMPARE(kinNumberOf(year, month, day), kin);
}

void TestKinTables::kinNumberOf_yearOutsideRangeGivesZero()
{
    QCOMPARE(kinNumberOf(1899, u"December", 31), 0);
    QCOMPARE(kinNumberOf(2100, u"January", 1), 0);
    QCOMPARE(kinNumberOf(0, u"March", 1), 0);
}

QTEST_GUILESS_MAIN(TestKinTables)
#include "tst_kintables.moc"

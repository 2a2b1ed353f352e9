// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tables/engine/BirthDate.h"

#include <QTest>

using namespace tzolkara;

class TestBirthDate : public QObject
{
    Q_OBJECT

private slots:
    void isValidBirthDate_data();
    void isValidBirthDate();
};

void TestBirthDate::isValidBirthDate_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month0");
    QTest::addColumn<int>("day");
    QTest::addColumn<bool>("valid");
    QTest::newRow("first day") << 1900 << 0 << 1 << true;
    QTest::newRow("last day") << 2099 << 11 << 31 << true;
    QTest::newRow("day before the range") << 1899 << 11 << 31 << false;
    QTest::newRow("day after the range") << 2100 << 0 << 1 << false;
    QTest::newRow("29 Feb 1900: a century, no leap year") << 1900 << 1 << 29 << false;
    QTest::newRow("29 Feb 2000: every 400 years a leap year") << 2000 << 1 << 29 << true;
    QTest::newRow("29 Feb 1904") << 1904 << 1 << 29 << true;
    QTest::newRow("29 Feb 1901") << 1901 << 1 << 29 << false;
    QTest::newRow("28 Feb 1901") << 1901 << 1 << 28 << true;
    QTest::newRow("30 Feb 2000") << 2000 << 1 << 30 << false;
    QTest::newRow("31 Jan") << 1950 << 0 << 31 << true;
    QTest::newRow("31 Mar") << 1950 << 2 << 31 << true;
    QTest::newRow("31 Apr") << 1950 << 3 << 31 << false;
    QTest::newRow("30 Apr") << 1950 << 3 << 30 << true;
    QTest::newRow("31 May") << 1950 << 4 << 31 << true;
    QTest::newRow("31 Jun") << 1950 << 5 << 31 << false;
    QTest::newRow("31 Jul") << 1950 << 6 << 31 << true;
    QTest::newRow("31 Aug") << 1950 << 7 << 31 << true;
    QTest::newRow("31 Sep") << 1950 << 8 << 31 << false;
    QTest::newRow("31 Oct") << 1950 << 9 << 31 << true;
    QTest::newRow("31 Nov") << 1950 << 10 << 31 << false;
    QTest::newRow("day 0") << 1950 << 0 << 0 << false;
    QTest::newRow("month -1") << 1950 << -1 << 1 << false;
    QTest::newRow("month 12") << 1950 << 12 << 1 << false;
}

void TestBirthDate::isValidBirthDate()
{
    QFETCH(int, year);
    QFETCH(int, month0);
    QFETCH(int, day);
    QFETCH(bool, valid);
    QCOMPARE(tzolkara::isValidBirthDate(year, month0, day), valid);
}

QTEST_GUILESS_MAIN(TestBirthDate)
#include "tst_birthdate.moc"

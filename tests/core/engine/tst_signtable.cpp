// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/engine/SignTable.h"

#include <QSet>
#include <QTest>

using namespace tzolkara;

class TestSignTable : public QObject
{
    Q_OBJECT

private slots:
    void labels_areUnique();
    void tableOrder_startsWithMonkeyAndCountsSigns();
    void findSignByLabel_isExact_data();
    void findSignByLabel_isExact();
    void gemstones_keepTrailingBlanks();
    void findToneByNumber_coversOneToThirteen();
};

void TestSignTable::labels_areUnique()
{
    QSet<QString> labels;
    QSet<QString> names;
    for (const SignRecord &record : SignTable()) {
        labels.insert(QString::fromLatin1(record.Label));
        names.insert(QString::fromLatin1(record.EnglishName));
    }
    QCOMPARE(labels.size(), kSignCount);
    QCOMPARE(names.size(), kSignCount);
}

void TestSignTable::tableOrder_startsWithMonkeyAndCountsSigns()
{
    QCOMPARE(SignTable()[0].EnglishName, "Monkey");
    QCOMPARE(SignTable()[10].EnglishName, "Crocodile");
    QCOMPARE(SignTable()[10].Label, "IMOSH - (IMIX)");
    QCOMPARE(daySignOfPosition(0), 11);
    QCOMPARE(daySignOfPosition(9), 20);
    QCOMPARE(daySignOfPosition(10), 1);
    QCOMPARE(daySignOfPosition(19), 10);
}

void TestSignTable::findSignByLabel_isExact_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("englishName");
    QTest::newRow("exact") << "IMOSH - (IMIX)"
                           << "Crocodile";
    QTest::newRow("short label") << "E - (EB)"
                                 << "Road";
    QTest::newRow("letter case") << "Imosh - (Imix)" << QString();
    QTest::newRow("missing blank") << "IMOSH -(IMIX)" << QString();
    QTest::newRow("trailing blank") << "IMOSH - (IMIX) " << QString();
    QTest::newRow("english name is no label") << "Crocodile" << QString();
    QTest::newRow("empty") << QString() << QString();
}

void TestSignTable::findSignByLabel_isExact()
{
    QFETCH(QString, label);
    QFETCH(QString, englishName);
    const SignRecord *record = findSignByLabel(label);
    if (englishName.isEmpty()) {
        QVERIFY(!record);
    } else {
        QVERIFY(record);
        QCOMPARE(QString::fromLatin1(record->EnglishName), englishName);
    }
}

void TestSignTable::gemstones_keepTrailingBlanks()
{
    QCOMPARE(findSignByLabel(u"AJ - (BEN)")->Gemstone, "Turquoise ");
    QCOMPARE(findSignByLabel(u"TZIKIN - (MEN)")->Gemstone, "Unakite ");
    int trailing = 0;
    for (const SignRecord &record : SignTable())
        trailing += QByteArray(record.Gemstone).endsWith(' ') ? 1 : 0;
    QCOMPARE(trailing, 2);
}

void TestSignTable::findToneByNumber_coversOneToThirteen()
{
    for (int n = 1; n <= kToneCount; ++n) {
        QVERIFY(findToneByNumber(n));
        QCOMPARE(findToneByNumber(n)->Number, n);
    }
    QVERIFY(!findToneByNumber(0));
    QVERIFY(!findToneByNumber(14));
    QVERIFY(!findToneByNumber(-1));
}

QTEST_GUILESS_MAIN(TestSignTable)
#include "tst_signtable.moc"

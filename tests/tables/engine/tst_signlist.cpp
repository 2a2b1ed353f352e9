// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

// resources/signs.tsv, which the build, the artwork scripts and the benchmark
// read, and the sign names compiled into the program must agree.

#include "tables/engine/SignNames.h"

#include <QFile>
#include <QTest>

using namespace tzolkara;

namespace {

QList<QStringList> signRows()
{
    QFile table(QStringLiteral(TZOLKARA_SIGN_TABLE));
    if (!table.open(QIODevice::ReadOnly | QIODevice::Text))
        qFatal("cannot read %s", TZOLKARA_SIGN_TABLE);
    QList<QStringList> rows;
    while (!table.atEnd()) {
        const QString line = QString::fromUtf8(table.readLine()).chopped(1);
        if (!line.isEmpty() && line.front().isDigit())
            rows.append(line.split(QLatin1Char('\t')));
    }
    return rows;
}

} // namespace

class TestSignList : public QObject
{
    Q_OBJECT

private slots:
    void table_numbersTheSignsOneToTwentyInOrder();
    void table_matchesTheCompiledNames_data();
    void table_matchesTheCompiledNames();
};

void TestSignList::table_numbersTheSignsOneToTwentyInOrder()
{
    const QList<QStringList> rows = signRows();
    QCOMPARE(rows.size(), kSignCount);
    for (int i = 0; i < rows.size(); ++i) {
        QCOMPARE(rows[i].size(), 5);
        QCOMPARE(rows[i][0].toInt(), i + 1);
    }
}

void TestSignList::table_matchesTheCompiledNames_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("name");
    for (const QStringList &row : signRows()) {
        if (row.size() == 5)
            QTest::newRow(qPrintable(row[3]))
                << row[0].toInt() << row[1].toInt() << row[2] << row[3];
    }
}

void TestSignList::table_matchesTheCompiledNames()
{
    QFETCH(int, number);
    QFETCH(int, position);
    QFETCH(QString, label);
    QFETCH(QString, name);
    QVERIFY(position >= 0 && position < kSignCount);
    QCOMPARE(daySignOfPosition(position), number);
    QCOMPARE(QString::fromLatin1(kSignNames[position].Label), label);
    QCOMPARE(QString::fromLatin1(kSignNames[position].EnglishName), name);
}

QTEST_APPLESS_MAIN(TestSignList)
#include "tst_signlist.moc"

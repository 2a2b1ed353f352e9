// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/common/Windows1252.h"

#include <QTest>

using namespace tzolkara;

class TestWindows1252 : public QObject
{
    Q_OBJECT

private slots:
    void decode_data();
    void decode();
    void encode_data();
    void encode();
    void roundTrip_everyByte();
};

void TestWindows1252::decode_data()
{
    QTest::addColumn<int>("byte");
    QTest::addColumn<int>("codePoint");
    QTest::newRow("ascii") << 0x41 << 0x41;
    QTest::newRow("euro") << 0x80 << 0x20AC;
    QTest::newRow("undefined 81") << 0x81 << 0x81;
    QTest::newRow("undefined 8D") << 0x8D << 0x8D;
    QTest::newRow("undefined 8F") << 0x8F << 0x8F;
    QTest::newRow("undefined 90") << 0x90 << 0x90;
    QTest::newRow("undefined 9D") << 0x9D << 0x9D;
    QTest::newRow("left single quote") << 0x91 << 0x2018;
    QTest::newRow("y diaeresis") << 0x9F << 0x178;
    QTest::newRow("nbsp") << 0xA0 << 0xA0;
    QTest::newRow("e acute") << 0xE9 << 0xE9;
    QTest::newRow("y diaeresis small") << 0xFF << 0xFF;
}

void TestWindows1252::decode()
{
    QFETCH(int, byte);
    QFETCH(int, codePoint);
    const QString text = fromWindows1252(QByteArray(1, static_cast<char>(byte)));
    QCOMPARE(text.size(), 1);
    QCOMPARE(int(text.at(0).unicode()), codePoint);
}

void TestWindows1252::encode_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("empty") << QString() << QByteArray();
    QTest::newRow("accented") << QStringLiteral("José Müller") << QByteArray("Jos\xE9 M\xFCller");
    QTest::newRow("euro and dash") << QStringLiteral("€–") << QByteArray("\x80\x96");
    QTest::newRow("outside: L stroke") << QStringLiteral("Łucja") << QByteArray("?ucja");
    QTest::newRow("outside: cyrillic") << QStringLiteral("Анна") << QByteArray("????");
    QTest::newRow("outside: cjk") << QStringLiteral("李a") << QByteArray("?a");
    QTest::newRow("outside: emoji is one char") << QStringLiteral("a😀b") << QByteArray("a?b");
    QTest::newRow("lone surrogate") << QString(QChar(0xD800)) << QByteArray("?");
}

void TestWindows1252::encode()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QCOMPARE(toWindows1252(text), bytes);
}

void TestWindows1252::roundTrip_everyByte()
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(static_cast<char>(b));
    const QString text = fromWindows1252(all);
    QCOMPARE(text.size(), 256);
    QCOMPARE(toWindows1252(text), all);
}

QTEST_GUILESS_MAIN(TestWindows1252)
#include "tst_windows1252.moc"

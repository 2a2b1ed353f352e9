// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/common/ShiftCodec.h"

#include <QTest>

using namespace tzolkara;

class TestShiftCodec : public QObject
{
    Q_OBJECT

private slots:
    void encode_data();
    void encode();
    void decode_data();
    void decode();
    void roundTrip_everySurvivingByte();
};

static QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray result;
    for (int v : values)
        result.append(static_cast<char>(v));
    return result;
}

void TestShiftCodec::encode_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("encoded");
    QTest::newRow("empty") << QByteArray() << QByteArray();
    QTest::newRow("letters") << QByteArrayLiteral("Ana") << bytes({112, 157, 144});
    QTest::newRow("digits") << QByteArrayLiteral("1900") << bytes({96, 104, 95, 95});
    QTest::newRow("highest kept byte") << bytes({208}) << bytes({255});
    QTest::newRow("first dropped byte") << bytes({209}) << QByteArray();
    QTest::newRow("drop keeps order") << bytes({'a', 0xE9, 'b'}) << bytes({144, 145});
    QTest::newRow("zero byte") << bytes({0}) << bytes({47});
}

void TestShiftCodec::encode()
{
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, encoded);
    QCOMPARE(ShiftEncode(text), encoded);
}

void TestShiftCodec::decode_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("decoded");
    QTest::newRow("empty") << QByteArray() << QByteArray();
    QTest::newRow("lowest kept byte") << bytes({47}) << bytes({0});
    QTest::newRow("first dropped byte") << bytes({46}) << QByteArray();
    QTest::newRow("drop keeps order") << bytes({144, 10, 145}) << QByteArrayLiteral("ab");
    QTest::newRow("top byte") << bytes({255}) << bytes({208});
}

void TestShiftCodec::decode()
{
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, decoded);
    QCOMPARE(ShiftDecode(text), decoded);
}

void TestShiftCodec::roundTrip_everySurvivingByte()
{
    QByteArray all;
    for (int b = 0; b <= 208; ++b)
        all.append(static_cast<char>(b));
    QCOMPARE(ShiftEncode(all).size(), all.size());
    QCOMPARE(ShiftDecode(ShiftEncode(all)), all);
}

QTEST_GUILESS_MAIN(TestShiftCodec)
#include "tst_shiftcodec.moc"

// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/common/RandomSource.h"

#include <QTest>

using namespace tzolkara;

class TestRandomSource : public QObject
{
    Q_OBJECT

private slots:
    void values_stayInUnitInterval();
    void seed_makesSequenceRepeatable();
    void feed_servesQueuedValuesFirst();
};

void TestRandomSource::values_stayInUnitInterval()
{
    RandomSource random;
    random.seed(20261207);
    float lowest = 1.0f;
    float highest = 0.0f;
    for (int i = 0; i < 200000; ++i) {
        const float r = random.next();
        QVERIFY(r >= 0.0f);
        QVERIFY(r < 1.0f);
        lowest = std::min(lowest, r);
        highest = std::max(highest, r);
    }
    // Uniform over the whole interval, not a narrow band of it.
    QVERIFY(lowest < 0.001f);
    QVERIFY(highest > 0.999f);
}

void TestRandomSource::seed_makesSequenceRepeatable()
{
    RandomSource random;
    random.seed(2012);
    QList<float> first;
    for (int i = 0; i < 10; ++i)
        first << random.next();
    random.seed(2012);
    for (int i = 0; i < 10; ++i)
        QCOMPARE(random.next(), first.at(i));
    random.seed(2013);
    QVERIFY(random.next() != first.at(0));
}

void TestRandomSource::feed_servesQueuedValuesFirst()
{
    RandomSource random;
    random.seed(7);
    const float expectedAfterQueue = random.next();
    random.seed(7);
    random.feed({0.0f, 0.5f, 0.999f});
    QCOMPARE(random.next(), 0.0f);
    QCOMPARE(random.next(), 0.5f);
    QCOMPARE(random.next(), 0.999f);
    QCOMPARE(random.next(), expectedAfterQueue);
}

QTEST_GUILESS_MAIN(TestRandomSource)
#include "tst_randomsource.moc"

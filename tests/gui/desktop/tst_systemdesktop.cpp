// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/desktop/SystemDesktop.h"

#include <QDate>
#include <QElapsedTimer>
#include <QTest>

using namespace tzolkara;

class TestSystemDesktop : public QObject
{
    Q_OBJECT

private slots:
    void headless_boxesAnswerAtOnceWithTheSafeDefault();
    void todayAndRandom_comeFromTheSystem();
};

void TestSystemDesktop::headless_boxesAnswerAtOnceWithTheSafeDefault()
{
    SystemDesktop desktop;
    QElapsedTimer timer;
    timer.start();
    desktop.showInformation(nullptr, QStringLiteral("shown"));
    desktop.showError(nullptr, QStringLiteral("shown"));
    // Nobody could answer a question here: No, the safe answer, at once.
    QVERIFY(!desktop.askYesNo(nullptr, QStringLiteral("question")));
    QVERIFY2(timer.elapsed() < 10000, "a box waited for an answer nobody can give");
}

void TestSystemDesktop::todayAndRandom_comeFromTheSystem()
{
    SystemDesktop desktop;
    QCOMPARE(desktop.today(), QDate::currentDate());
    for (int i = 0; i < 1000; ++i) {
        const double r = desktop.random();
        QVERIFY(r >= 0.0 && r < 1.0);
    }
}

QTEST_MAIN(TestSystemDesktop)
#include "tst_systemdesktop.moc"

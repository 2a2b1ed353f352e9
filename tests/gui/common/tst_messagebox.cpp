// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/common/MessageBox.h"

#include <QTest>

using namespace tzolkara;

class TestMessageBox : public QObject
{
    Q_OBJECT

private slots:
    void unlessTestsAsk_nothingIsKeptAndOneAnswerWaits();
};

void TestMessageBox::unlessTestsAsk_nothingIsKeptAndOneAnswerWaits()
{
    // The program shows messages for as long as it runs: none may pile up.
    for (int i = 0; i < 3; ++i)
        MessageBox::information(nullptr, QStringLiteral("shown"));
    QVERIFY(MessageBox::shown().isEmpty());

    MessageBox::setNextAnswer(MessageBox::Answer::Yes);
    MessageBox::setNextAnswer(MessageBox::Answer::Yes);
    const auto ask = [] {
        return MessageBox::show(nullptr, QStringLiteral("question"), MessageBox::Icon::Information,
                                MessageBox::Buttons::YesNo);
    };
    QCOMPARE(ask(), MessageBox::Answer::Yes);
    // Headless, an unanswered question takes the safe default.
    QCOMPARE(ask(), MessageBox::Answer::No);

    MessageBox::recordShownMessages(true);
    MessageBox::information(nullptr, QStringLiteral("recorded"));
    QCOMPARE(MessageBox::shown().size(), 1);
}

QTEST_MAIN(TestMessageBox)
#include "tst_messagebox.moc"

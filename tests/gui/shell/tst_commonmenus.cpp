// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/shell/CommonMenus.h"
#include "support/FakeDesktop.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

using namespace tzolkara;

class TestCommonMenus : public QObject
{
    Q_OBJECT

private slots:
    void makeMoney_isHiddenAndDisabledOnEveryScreen_data();
    void makeMoney_isHiddenAndDisabledOnEveryScreen();
    void fileMenu_nameAndItems();
    void donate_opensDonationPage();
};

// The menus' captions and item names, screen by screen, are held by the
// golden captions of tst_captions; here, what they do not show.
void TestCommonMenus::makeMoney_isHiddenAndDisabledOnEveryScreen_data()
{
    QTest::addColumn<int>("variant");
    QTest::addColumn<QString>("makeMoney");
    QTest::newRow("main window") << int(MenuVariant::MainWindow) << "mkmoney";
    QTest::newRow("entry") << int(MenuVariant::EntryScreen) << "mnuMakeMoney";
    QTest::newRow("result") << int(MenuVariant::ResultScreen) << "mnuMakeMoney";
    QTest::newRow("tarot question") << int(MenuVariant::TarotQuestion) << "mnuMakeMoney";
    QTest::newRow("tarot result") << int(MenuVariant::TarotResult) << "mnuMakeMoney";
}

void TestCommonMenus::makeMoney_isHiddenAndDisabledOnEveryScreen()
{
    QFETCH(int, variant);
    QFETCH(QString, makeMoney);
    QMenuBar bar;
    addFileMenu(&bar);
    testing::FakeDesktop desktop;
    addCommonMenus(&bar, MenuVariant(variant), desktop);
    QAction *money = bar.findChild<QAction *>(makeMoney);
    // Unusable, and out of the bar so that it takes no Alt key.
    QVERIFY(money);
    QCOMPARE(money->text(), QStringLiteral("Make Money &Online"));
    QVERIFY(!money->isEnabled());
    QVERIFY(!money->isVisible());
}

void TestCommonMenus::fileMenu_nameAndItems()
{
    QMenuBar bar;
    QMenu *file = addFileMenu(&bar, QStringLiteral("nuFile"));
    addMenuItem(file, QStringLiteral("mnuExit"), QStringLiteral("E&xit"));
    QCOMPARE(bar.findChild<QMenu *>(QStringLiteral("nuFile")), file);
    QCOMPARE(file->title(), QStringLiteral("&File"));
    QCOMPARE(bar.findChild<QAction *>(QStringLiteral("mnuExit"))->text(), QStringLiteral("E&xit"));
}

void TestCommonMenus::donate_opensDonationPage()
{
    testing::FakeDesktop desktop;
    QMenuBar bar;
    addCommonMenus(&bar, MenuVariant::EntryScreen, desktop);
    bar.findChild<QAction *>(QStringLiteral("mnuDonate"))->trigger();
    QCOMPARE(desktop.openedAddresses(),
             QStringList{QStringLiteral("https://help.tzolkara.example/donate.html")});
}

QTEST_MAIN(TestCommonMenus)
#include "tst_commonmenus.moc"

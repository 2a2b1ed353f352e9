// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/CommonMenus.h"
#include "support/UrlCatcher.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

using namespace tzolkara;

class TestCommonMenus : public QObject
{
    Q_OBJECT

private slots:
    void helpMenuAndTopLevel_perScreen_data();
    void helpMenuAndTopLevel_perScreen();
    void fileMenu_nameAndItems();
    void donate_opensDonationPage();
};

void TestCommonMenus::helpMenuAndTopLevel_perScreen_data()
{
    QTest::addColumn<int>("variant");
    QTest::addColumn<QStringList>("help");
    QTest::addColumn<QString>("makeMoney");
    auto items = [](const char *sep1, const char *sep2, const char *update) {
        return QStringList({QStringLiteral("mnuOnline=&Online Help"),
                            QStringLiteral("mnuVisit=&Visit Us Online"),
                            QString::fromLatin1(sep1) + QStringLiteral("=-"),
                            QStringLiteral("mnuUpdate=") + QString::fromLatin1(update),
                            QString::fromLatin1(sep2) + QStringLiteral("=-"),
                            QStringLiteral("mnuAbout=&About Software")});
    };
    const char *update = "Check for Software &Update";
    QTest::newRow("main window") << int(MenuVariant::MainWindow)
                                 << items("mnuSep1", "mnuSep2", update) << "mkmoney";
    QTest::newRow("entry") << int(MenuVariant::EntryScreen) << items("mnuSep1", "mnuSep2", update)
                           << "mnuMakeMoney";
    QTest::newRow("result") << int(MenuVariant::ResultScreen) << items("mnuSep2", "mnuSep3", update)
                            << "mnuMakeMoney";
    QTest::newRow("tarot question")
        << int(MenuVariant::TarotQuestion)
        << items("mnuFileSep1", "mnuFileSep2", "&Check for Software Update") << "mnuMakeMoney";
    QTest::newRow("tarot result") << int(MenuVariant::TarotResult)
                                  << items("mnuHelpSep1", "mnuHelpSep2", update) << "mnuMakeMoney";
}

void TestCommonMenus::helpMenuAndTopLevel_perScreen()
{
    QFETCH(int, variant);
    QFETCH(QStringList, help);
    QFETCH(QString, makeMoney);
    QMenuBar bar;
    addFileMenu(&bar);
    addCommonMenus(&bar, MenuVariant(variant));

    QStringList topLevel;
    for (QAction *action : bar.actions())
        topLevel << action->text();
    QCOMPARE(topLevel,
             QStringList({QStringLiteral("&File"), QStringLiteral("&Help"),
                          QStringLiteral("&Donate")}));
    QStringList items;
    for (QAction *action : bar.findChild<QMenu *>(QStringLiteral("mnuHelp"))->actions())
        items << action->objectName() + QLatin1Char('=') +
                     (action->isSeparator() ? QStringLiteral("-") : action->text());
    QCOMPARE(items, help);
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
    UrlCatcher urls;
    QMenuBar bar;
    addCommonMenus(&bar, MenuVariant::EntryScreen);
    bar.findChild<QAction *>(QStringLiteral("mnuDonate"))->trigger();
    QCOMPARE(urls.openedAddresses(),
             QStringList{QStringLiteral("https://help.tzolkara.example/donate.html")});
}

QTEST_MAIN(TestCommonMenus)
#include "tst_commonmenus.moc"

// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/LazyStyleIcons.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QTest>
#include <QToolButton>

using namespace tzolkara;

class TestLazyStyleIcons : public QObject
{
    Q_OBJECT

private slots:
    void menuBarArrow_looksAsTheStyleDrawsIt();
};

namespace {

// A window too narrow for its menus, so that its menu bar shows the arrow.
QImage crowdedMenuBar()
{
    QMainWindow window;
    for (int i = 0; i < 12; ++i)
        window.menuBar()->addMenu(QStringLiteral("Menu number %1").arg(i));
    window.resize(300, 100);
    window.show();
    QCoreApplication::processEvents();
    auto *arrow = window.menuBar()->findChild<QToolButton *>();
    return arrow && arrow->isVisible() ? window.grab().toImage() : QImage();
}

} // namespace

void TestLazyStyleIcons::menuBarArrow_looksAsTheStyleDrawsIt()
{
    const QImage usual = crowdedMenuBar();
    QVERIFY(!usual.isNull());
    QApplication::setStyle(styleWithLazyMenuBarArrow());
    QCOMPARE(crowdedMenuBar(), usual);
}

QTEST_MAIN(TestLazyStyleIcons)
#include "tst_lazystyleicons.moc"

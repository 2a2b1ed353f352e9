// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/common/Version.h"
#include "gui/shell/frmAbout.h"
#include "support/FakeDesktop.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace tzolkara;

class TestFrmAbout : public QObject
{
    Q_OBJECT

private slots:
    void captionsAndLook();
    void isModalWithFixedSize();
    void links_openPagesAndLeaveBoxOpen();
    void okAndCloseBox_closeIt();
};

void TestFrmAbout::captionsAndLook()
{
    testing::FakeDesktop desktop;
    frmAbout about(desktop);
    QCOMPARE(about.windowTitle(), QStringLiteral("Tzolkara v" TZOLKARA_VERSION));
    QCOMPARE(about.palette().color(QPalette::Window), QColor(Qt::black));
    auto label = [&about](const char *name) {
        return about.findChild<QLabel *>(QString::fromLatin1(name));
    };
    QCOMPARE(label("Label2")->text(), QStringLiteral("Tzolkara v" TZOLKARA_VERSION));
    QVERIFY(label("Label2")->font().bold());
    QVERIFY(label("Label1")->text().startsWith(
        QStringLiteral("Tzolkara determines your Mayan astrology zodiac sign,")));
    QVERIFY(label("Label1")->text().endsWith(QStringLiteral("improve himself for the better.")));
    // The program's parts, the calendar among them.
    QVERIFY(label("lblParts")->text().contains(QStringLiteral("and the Maya Calendar")));
    QCOMPARE(label("Label3")->text(),
             QStringLiteral("Home Business Opportunity. Start your own Internet business and make "
                            "money online. Get this software fully branded for your website. "));
    QCOMPARE(label("lblCoBrand")->text(), QStringLiteral("Click here for more details."));
    QCOMPARE(label("lblHomePage")->text(),
             QStringLiteral("Click here to visit www.tzolkara.example"));
    for (const char *link : {"lblCoBrand", "lblHomePage"}) {
        QVERIFY(label(link)->font().underline());
        QCOMPARE(label(link)->cursor().shape(), Qt::PointingHandCursor);
    }
    QCOMPARE(label("Picture1")->pixmap().deviceIndependentSize().toSize(), QSize(32, 32));
    QCOMPARE(about.findChild<QPushButton *>(QStringLiteral("cmdOK"))->text(),
             QStringLiteral("&OK"));
    QVERIFY(about.findChild<QFrame *>(QStringLiteral("Line1")));
    QVERIFY(label("lblLicence")->text().contains(QStringLiteral("GPL, version 3 or later")));
    QVERIFY(label("lblLicence")->text().contains(QStringLiteral("CC BY-SA 4.0")));
}

void TestFrmAbout::isModalWithFixedSize()
{
    testing::FakeDesktop desktop;
    frmAbout about(desktop);
    QCOMPARE(about.windowModality(), Qt::ApplicationModal);
    QCOMPARE(about.minimumSize(), about.maximumSize());
    QVERIFY(!(about.windowFlags() & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(about.windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(about.parentWidget() == nullptr);
}

void TestFrmAbout::links_openPagesAndLeaveBoxOpen()
{
    testing::FakeDesktop desktop;
    QStringList stillOpen;
    QTimer::singleShot(0, this, [&] {
        QWidget *about = QApplication::activeModalWidget();
        QVERIFY(about);
        auto *coBrand = about->findChild<QLabel *>(QStringLiteral("lblCoBrand"));
        QTest::mouseClick(coBrand, Qt::LeftButton, Qt::NoModifier, coBrand->rect().center());
        stillOpen << QString::number(about->isVisible());
        auto *home = about->findChild<QLabel *>(QStringLiteral("lblHomePage"));
        QTest::mouseClick(home, Qt::LeftButton, Qt::NoModifier, home->rect().center());
        stillOpen << QString::number(about->isVisible());
        about->findChild<QPushButton *>(QStringLiteral("cmdOK"))->click();
    });
    frmAbout::ShowModal(desktop);
    QCOMPARE(stillOpen, QStringList({QStringLiteral("1"), QStringLiteral("1")}));
    QCOMPARE(desktop.openedAddresses(),
             QStringList({QStringLiteral("https://help.tzolkara.example/fully-branded.html"),
                          QStringLiteral("https://www.tzolkara.example")}));
}

void TestFrmAbout::okAndCloseBox_closeIt()
{
    testing::FakeDesktop desktop;
    frmAbout about(desktop);
    about.show();
    QTest::mouseClick(about.findChild<QPushButton *>(QStringLiteral("cmdOK")), Qt::LeftButton);
    QVERIFY(!about.isVisible());
    about.show();
    about.close();
    QVERIFY(!about.isVisible());
}

QTEST_MAIN(TestFrmAbout)
#include "tst_frmabout.moc"

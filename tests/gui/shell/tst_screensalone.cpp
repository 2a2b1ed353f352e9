// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Each program's first screen built alone, with a navigator of the test's
// own in place of the main window: what the screen asks of its window is
// all a test sees.

#include "core/engine/KinEngine.h"
#include "core/tarot/TarotCast.h"
#include "gui/readings/EntryScreen.h"
#include "gui/tarot/frmMayanAstrologyTarotMain.h"
#include "support/FakeNavigator.h"
#include "support/ScreenDriver.h"

#include <QTest>

#include <memory>

using namespace tzolkara;
using testing::FakeNavigator;

namespace {

std::unique_ptr<ProgramScreen> firstScreen(const QString &program, KinEngine &engine,
                                           TarotOracle &oracle, const ReadingPictures &pictures,
                                           Navigator &navigator)
{
    if (program == QLatin1String("tarot"))
        return std::make_unique<frmMayanAstrologyTarotMain>(oracle, pictures, navigator);
    return std::make_unique<EntryScreen>(program == QLatin1String("astrology")
                                             ? EntryScreen::Kind::Astrology
                                             : EntryScreen::Kind::Numerology,
                                         engine, navigator);
}

} // namespace

class TestScreensAlone : public QObject
{
    Q_OBJECT

private slots:
    void firstScreen_asksItsWindowForTheNext_data();
    void firstScreen_asksItsWindowForTheNext();
    void missingName_isToldThroughTheScreensDesktop_data()
    {
        firstScreen_asksItsWindowForTheNext_data();
    }
    void missingName_isToldThroughTheScreensDesktop();
};

void TestScreensAlone::firstScreen_asksItsWindowForTheNext_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("next");
    QTest::newRow("Mayan Astrology") << "astrology"
                                     << "cmdCalculate" << int(ScreenId::AstrologyResult);
    QTest::newRow("Mayan Numerology") << "numerology"
                                      << "cmdCalculate" << int(ScreenId::NumerologyResult);
    QTest::newRow("Mayan Astrology Tarot") << "tarot"
                                           << "cmdNext" << int(ScreenId::TarotResult);
}

void TestScreensAlone::firstScreen_asksItsWindowForTheNext()
{
    QFETCH(QString, program);
    QFETCH(QString, button);
    QFETCH(int, next);
    FakeNavigator navigator;
    KinEngine engine;
    TarotOracle oracle;
    const ReadingPictures pictures;
    std::unique_ptr<ProgramScreen> screen = firstScreen(program, engine, oracle, pictures, navigator);
    screen->Form_Load();
    screen->show();
    QVERIFY(QTest::qWaitForWindowExposed(screen.get()));
    if (program == QLatin1String("tarot"))
        ScreenDriver::child<QLineEdit>(screen.get(), "txtName")->setText(QStringLiteral("Ana"));
    else
        ScreenDriver::enter(screen.get(), QStringLiteral("Ana"), QStringLiteral("December"), 21,
                            2012);

    ScreenDriver::click(screen.get(), qPrintable(button));

    QCOMPARE(navigator.shown, QList<ScreenId>{ScreenId(next)});
    QCOMPARE(navigator.welcomePanel, std::optional<bool>(false));
    QVERIFY(screen->isHidden());
    if (program == QLatin1String("tarot")) {
        // The cast loads the result screen to write the reading into it.
        QCOMPARE(navigator.loaded, QList<ScreenId>{ScreenId::TarotResult});
    } else {
        // The screen's own engine, no other, holds the reading.
        QCOMPARE(engine.state().UserName, QStringLiteral("Ana"));
        QCOMPARE(int(engine.state().DayNumber), 4);
    }
}

void TestScreensAlone::missingName_isToldThroughTheScreensDesktop()
{
    QFETCH(QString, program);
    QFETCH(QString, button);
    FakeNavigator navigator;
    KinEngine engine;
    TarotOracle oracle;
    const ReadingPictures pictures;
    std::unique_ptr<ProgramScreen> screen = firstScreen(program, engine, oracle, pictures, navigator);
    screen->Form_Load();
    screen->show();
    QVERIFY(QTest::qWaitForWindowExposed(screen.get()));
    ScreenDriver::click(screen.get(), qPrintable(button));
    QCOMPARE(navigator.fakeDesktop.shownTexts(),
             QStringList{QStringLiteral("Please Enter Your Name")});
    QVERIFY(navigator.shown.isEmpty());
}

QTEST_MAIN(TestScreensAlone)
#include "tst_screensalone.moc"

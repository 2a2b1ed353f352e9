// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/ProgramContext.h"
#include "core/common/Version.h"
#include "gui/common/Artwork.h"
#include "gui/common/ClickableLabel.h"
#include "gui/shell/frmMDI.h"
#include "support/FakeDesktop.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

using namespace tzolkara;

namespace {

// A stand-in program screen that behaves like the real entry and result
// screens towards the main window.
class TestScreen final : public ProgramScreen
{
public:
    TestScreen(ScreenId id, Navigator &navigator) : ProgramScreen(id, navigator)
    {
        auto *content = new QLabel(QStringLiteral("test screen"));
        content->setFixedSize(320, 200);
        setContent(content);
    }
    void Form_Load() override { ++loads; }
    static inline int loads = 0;
    static inline int unloads = 0;

protected:
    void Form_Unload() override
    {
        ++unloads;
        navigator().setWelcomePanelVisible(true);
    }
};

void click(QWidget *widget)
{
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, widget->rect().center());
}

void moveMouseOver(QWidget *widget)
{
    QMouseEvent move(QEvent::MouseMove, QPointF(widget->rect().center()),
                     widget->mapToGlobal(QPointF(widget->rect().center())), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

int screenWidth(QWidget *window)
{
    return window->screen()->geometry().width();
}

} // namespace

class TestFrmMDI : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void anotherProgram_getsItsButtonAndCaption();

    void startsInWelcomeState();
    void welcomePanel_showsTodayInTheMayaCalendar();
    void todayLine_isALinkToTheCalendar_data();
    void todayLine_isALinkToTheCalendar();
    void captions_textColourAndSize_data();
    void captions_textColourAndSize();
    void stripsAndCaptions_centredOnScreenWidth();

    void selectOption_opensChosenEntryScreenAtTopCentre_data();
    void selectOption_opensChosenEntryScreenAtTopCentre();
    void selectOption_closesEveryOpenScreenFirst();
    void selectOption_sameProgramCreatesEntryScreenAnew();
    void closingLastScreen_bringsWelcomePanelBack();
    void captionClick_opensProgramOrOnlyClosesScreens();
    void hoverUnderline_onCaptionsAndOffOnPanel();

    void menuBar_captionsAndNames();
    void links_openTheirAddresses();
    void aboutMenu_opensModalAboutBox();
    void exitButton_closesScreensAndWindow();

private:
    testing::FakeDesktop m_desktop;
    ProgramContext m_context{m_desktop};
    frmMDI *m_window = nullptr;
    QList<Program> m_programs;
};

void TestFrmMDI::initTestCase()
{
    // The real programs, each screen a stand-in.
    m_programs = m_context.programs();
    for (Program &program : m_programs) {
        for (Program::Screen &screen : program.screens) {
            screen.make = [id = screen.id](Navigator &navigator) {
                return new TestScreen(id, navigator);
            };
        }
    }
}

void TestFrmMDI::init()
{
    TestScreen::loads = 0;
    TestScreen::unloads = 0;
    m_window = new frmMDI(m_programs, m_desktop, m_context.dayNames);
    m_window->resize(m_window->screen()->availableGeometry().size());
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
}

void TestFrmMDI::cleanup()
{
    delete m_window;
    m_window = nullptr;
}

void TestFrmMDI::welcomePanel_showsTodayInTheMayaCalendar()
{
    m_desktop.fixedToday = QDate(2026, 12, 7);
    delete m_window;
    m_window = new frmMDI(m_programs, m_desktop, m_context.dayNames);
    auto *today = m_window->findChild<QLabel *>(QStringLiteral("lblToday"));
    QCOMPARE(today->text(), QStringLiteral("Today: 7 Kawak 12 Mak, 13.0.14.2.19"));
    // It follows the clock when the panel comes back.
    m_desktop.fixedToday = QDate(2012, 12, 21);
    m_window->setWelcomePanelVisible(false);
    m_window->setWelcomePanelVisible(true);
    QCOMPARE(today->text(), QStringLiteral("Today: 4 Ajaw 3 K'ank'in, 13.0.0.0.0"));
    // And the names chosen in the calendar, at once.
    m_context.dayNames.setNames(MayaCalendar::DayNames::Kiche);
    QCOMPARE(today->text(), QStringLiteral("Today: 4 Ajpu 3 K'ank'in, 13.0.0.0.0"));
    m_context.dayNames.setNames(MayaCalendar::DayNames::Yucatec);
    m_desktop.fixedToday = QDate(2026, 12, 7);
}

void TestFrmMDI::todayLine_isALinkToTheCalendar_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("Enter") << int(Qt::Key_Return);
    QTest::newRow("Space") << int(Qt::Key_Space);
}

void TestFrmMDI::todayLine_isALinkToTheCalendar()
{
    QFETCH(int, key);
    auto *today = m_window->findChild<ClickableLabel *>(QStringLiteral("lblToday"));
    QVERIFY(today->isKeyboardLink());
    QCOMPARE(QAccessible::queryAccessibleInterface(today)->role(), QAccessible::Link);
    // The keyboard reaches it after the programs.
    auto *lastProgram = m_window->findChild<QPushButton *>(QStringLiteral("cmdSelectOption_3"));
    lastProgram->setFocus();
    QTest::keyClick(lastProgram, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), today);
    QTest::keyClick(today, Qt::Key(key));
    ProgramScreen *calendar = m_window->findScreen(ScreenId::MayaCalendar);
    QVERIFY(calendar && calendar->isVisible());
    QVERIFY(!m_window->isWelcomePanelVisible());
    // Choosing another program closes it, as it closes every program screen.
    click(m_window->findChild<QPushButton *>(QStringLiteral("cmdSelectOption_2")));
    QVERIFY(!m_window->findScreen(ScreenId::MayaCalendar));
}

void TestFrmMDI::startsInWelcomeState()
{
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Tzolkara v" TZOLKARA_VERSION));
    QVERIFY(!m_window->windowIcon().isNull());
    QVERIFY(m_window->isWelcomePanelVisible());
    QVERIFY(m_window->findChild<QFrame *>(QStringLiteral("picMain"))->isVisible());
    QVERIFY(m_window->mdiArea()->subWindowList().isEmpty());
    const QStringList buttons = {
        QStringLiteral("Mayan Astrology"), QStringLiteral("Mayan Astrology Tarot"),
        QStringLiteral("Mayan Numerology"), QStringLiteral("Maya Calendar")};
    for (int i = 0; i < 4; ++i) {
        auto *button =
            m_window->findChild<QPushButton *>(QStringLiteral("cmdSelectOption_%1").arg(i));
        QVERIFY(button && button->isVisible());
        QCOMPARE(button->text(), buttons.at(i));
        QCOMPARE(button->font().bold(), true);
        QCOMPARE(button->palette().color(QPalette::Button), QColor(192, 192, 192));
    }
    for (const char *icon : {"Picture4", "Picture3", "Picture2", "picCalendarIcon"}) {
        auto *picture = m_window->findChild<QLabel *>(QString::fromLatin1(icon));
        QVERIFY(picture);
        QCOMPARE(picture->pixmap().deviceIndependentSize().toSize(), QSize(32, 32));
    }
    QCOMPARE(m_window->findChild<QPushButton *>(QStringLiteral("cmdMdiExit"))->text(),
             QStringLiteral("&Exit"));
    QCOMPARE(m_window->findChild<QLabel *>(QStringLiteral("lblStarloomBanner"))->text(),
             QStringLiteral("The Most Popular Online Mystic Forum. Best Resource For Everything "
                            "Mystic. Visit www.tzolkara.example Now"));
    QCOMPARE(m_window->findChild<QLabel *>(QStringLiteral("Label7"))->text(),
             QStringLiteral("Home Business Opportunity. Start your own Internet business and make "
                            "money online. Get this software fully branded for your website. "
                            "Click here for more details."));
}

void TestFrmMDI::captions_textColourAndSize_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<qreal>("pointSize");
    QTest::newRow("0") << 0 << "Welcome to Tzolkara" << QColor(0, 255, 255) << 12.0;
    QTest::newRow("1") << 1
                       << "Welcome to the world of Mayan Astrology! Know more about your Mayan "
                          "Astrology sign. Know what your Mayan Numerology lucky number is or "
                          "consult the Mayan Astrology Tarot Oracle!"
                       << QColor(255, 0, 0) << 8.25;
    QTest::newRow("2") << 2 << "Tzolkara includes the following programs" << QColor(0, 255, 255)
                       << 12.0;
    QTest::newRow("3") << 3 << "Mayan Astrology" << QColor(255, 255, 0) << 12.0;
    QTest::newRow("4") << 4 << "Mayan Astrology Tarot" << QColor(255, 0, 255) << 12.0;
    QTest::newRow("5") << 5 << "Mayan Numerology" << QColor(0, 255, 0) << 12.0;
}

void TestFrmMDI::captions_textColourAndSize()
{
    QFETCH(int, index);
    QFETCH(QString, text);
    QFETCH(QColor, colour);
    QFETCH(qreal, pointSize);
    auto *caption = m_window->findChild<QLabel *>(QStringLiteral("lblCaption_%1").arg(index));
    QVERIFY(caption);
    QCOMPARE(caption->text(), text);
    QCOMPARE(caption->palette().color(QPalette::WindowText), colour);
    QCOMPARE(caption->font().pointSizeF(), pointSize);
    QVERIFY(caption->font().bold());
    QCOMPARE(caption->cursor().shape(), index >= 3 ? Qt::PointingHandCursor : Qt::ArrowCursor);
    // Top to bottom in index order.
    if (index > 0) {
        auto *above = m_window->findChild<QLabel *>(QStringLiteral("lblCaption_%1").arg(index - 1));
        QVERIFY(caption->y() > above->y() + above->height() - 1);
    }
}

void TestFrmMDI::stripsAndCaptions_centredOnScreenWidth()
{
    const int width = screenWidth(m_window);
    auto checkCentred = [width](QWidget *widget) {
        QVERIFY2(qAbs(widget->x() - (width - widget->width()) / 2) <= 1,
                 qPrintable(widget->objectName()));
    };
    checkCentred(m_window->findChild<QLabel *>(QStringLiteral("lblStarloomBanner")));
    checkCentred(m_window->findChild<QFrame *>(QStringLiteral("picButtonContainer")));
    for (int i = 0; i < 6; ++i)
        checkCentred(m_window->findChild<QLabel *>(QStringLiteral("lblCaption_%1").arg(i)));
    auto *exit = m_window->findChild<QPushButton *>(QStringLiteral("cmdMdiExit"));
    QCOMPARE(exit->x(), width - (exit->width() + 8));
}

void TestFrmMDI::selectOption_opensChosenEntryScreenAtTopCentre_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("screen");
    QTest::newRow("astrology") << 0 << int(ScreenId::AstrologyMain);
    QTest::newRow("tarot") << 1 << int(ScreenId::TarotMain);
    QTest::newRow("numerology") << 2 << int(ScreenId::NumerologyMain);
    QTest::newRow("calendar") << 3 << int(ScreenId::MayaCalendar);
}

void TestFrmMDI::selectOption_opensChosenEntryScreenAtTopCentre()
{
    QFETCH(int, button);
    QFETCH(int, screen);
    click(m_window->findChild<QPushButton *>(QStringLiteral("cmdSelectOption_%1").arg(button)));
    ProgramScreen *opened = m_window->findScreen(ScreenId(screen));
    QVERIFY(opened);
    QVERIFY(opened->isVisible());
    QVERIFY(!m_window->isWelcomePanelVisible());
    QCOMPARE(opened->y(), 0);
    QCOMPARE(opened->x(), (screenWidth(m_window) - opened->width()) / 2);
    QCOMPARE(m_window->mdiArea()->subWindowList().size(), 1);
    QCOMPARE(TestScreen::loads, 1);
}

void TestFrmMDI::selectOption_closesEveryOpenScreenFirst()
{
    m_window->OpenProgramScreen(ScreenId::AstrologyMain);
    ProgramScreen *result = m_window->showScreen(ScreenId::AstrologyResult);
    ProgramScreen *report = m_window->showScreen(ScreenId::AstrologySave);
    m_window->findScreen(ScreenId::AstrologyMain)->hide();
    QVERIFY(result && report);

    click(m_window->findChild<QPushButton *>(QStringLiteral("cmdSelectOption_1")));
    QCOMPARE(TestScreen::unloads, 3);
    QVERIFY(!m_window->findScreen(ScreenId::AstrologyMain));
    QVERIFY(!m_window->findScreen(ScreenId::AstrologyResult));
    QVERIFY(!m_window->findScreen(ScreenId::AstrologySave));
    QVERIFY(m_window->findScreen(ScreenId::TarotMain)->isVisible());
    QVERIFY(!m_window->isWelcomePanelVisible());
    // Closed screens are destroyed.
    QTest::qWait(0);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(m_window->mdiArea()->subWindowList().size(), 1);
}

void TestFrmMDI::selectOption_sameProgramCreatesEntryScreenAnew()
{
    auto *button = m_window->findChild<QPushButton *>(QStringLiteral("cmdSelectOption_2"));
    click(button);
    QPointer<ProgramScreen> first = m_window->findScreen(ScreenId::NumerologyMain);
    click(button);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(first.isNull());
    QVERIFY(m_window->findScreen(ScreenId::NumerologyMain));
    QCOMPARE(TestScreen::loads, 2);
    QVERIFY(!m_window->isWelcomePanelVisible());
}

void TestFrmMDI::closingLastScreen_bringsWelcomePanelBack()
{
    m_window->OpenProgramScreen(ScreenId::TarotMain);
    QVERIFY(!m_window->isWelcomePanelVisible());
    m_window->findScreen(ScreenId::TarotMain)->close();
    QVERIFY(m_window->isWelcomePanelVisible());
    QVERIFY(m_window->findChild<QPushButton *>(QStringLiteral("cmdSelectOption_0"))->isVisible());
}

void TestFrmMDI::captionClick_opensProgramOrOnlyClosesScreens()
{
    click(m_window->findChild<QLabel *>(QStringLiteral("lblCaption_4")));
    QVERIFY(m_window->findScreen(ScreenId::TarotMain));
    QVERIFY(!m_window->isWelcomePanelVisible());

    // The panel lies over the screens only while visible; show it to click
    // a plain caption, which closes screens and opens nothing.
    m_window->setWelcomePanelVisible(true);
    click(m_window->findChild<QLabel *>(QStringLiteral("lblCaption_0")));
    QVERIFY(!m_window->findScreen(ScreenId::TarotMain));
    QVERIFY(m_window->isWelcomePanelVisible());
    QCOMPARE(TestScreen::loads, 1);

    click(m_window->findChild<QLabel *>(QStringLiteral("lblCaption_3")));
    QVERIFY(m_window->findScreen(ScreenId::AstrologyMain));
    click(m_window->findChild<QPushButton *>(QStringLiteral("cmdSelectOption_0")));
    m_window->findScreen(ScreenId::AstrologyMain)->close();
    click(m_window->findChild<QLabel *>(QStringLiteral("lblCaption_5")));
    QVERIFY(m_window->findScreen(ScreenId::NumerologyMain));
}

void TestFrmMDI::hoverUnderline_onCaptionsAndOffOnPanel()
{
    auto caption = [this](int i) {
        return m_window->findChild<QLabel *>(QStringLiteral("lblCaption_%1").arg(i));
    };
    moveMouseOver(caption(5));
    QVERIFY(caption(5)->font().underline());
    moveMouseOver(caption(3));
    QVERIFY(caption(3)->font().underline());
    QVERIFY(caption(5)->font().underline()); // only the panel clears it
    moveMouseOver(caption(0));
    QVERIFY(!caption(0)->font().underline());

    moveMouseOver(m_window->findChild<QFrame *>(QStringLiteral("picMain")));
    for (int i = 0; i < 6; ++i)
        QVERIFY(!caption(i)->font().underline());
    // The "Today" line is part of the panel: the pointer moved there, the
    // way the window system delivers it, clears the underline too.
    moveMouseOver(caption(4));
    QWidget *today = m_window->findChild<QLabel *>(QStringLiteral("lblToday"));
    QTest::mouseMove(today, today->rect().center());
    QTest::mouseMove(today, today->rect().center() + QPoint(3, 0));
    QTRY_VERIFY(!caption(4)->font().underline());
    // Colours and sizes never change.
    QCOMPARE(caption(5)->palette().color(QPalette::WindowText), QColor(0, 255, 0));
    QCOMPARE(caption(5)->font().pointSizeF(), 12.0);
}

void TestFrmMDI::menuBar_captionsAndNames()
{
    QMenuBar *bar = m_window->menuBar();
    QStringList topLevel;
    for (QAction *action : bar->actions())
        topLevel << action->text();
    QCOMPARE(topLevel, QStringList({QStringLiteral("&File"), QStringLiteral("&Help"),
                                    QStringLiteral("&Donate")}));
    auto *file = m_window->findChild<QMenu *>(QStringLiteral("mnuFile"));
    QStringList fileItems;
    for (QAction *action : file->actions())
        fileItems << action->objectName() + QLatin1Char('=') +
                         (action->isSeparator() ? QStringLiteral("-") : action->text());
    QCOMPARE(fileItems,
             QStringList({QStringLiteral("mnuMayaCalendar=Maya &Calendar"),
                          QStringLiteral("mnuFileSep=-"), QStringLiteral("mnuExit=E&xit")}));
    // The calendar's item opens it as its button does.
    file->actions().constFirst()->trigger();
    QVERIFY(m_window->findScreen(ScreenId::MayaCalendar)->isVisible());
    QVERIFY(!m_window->isWelcomePanelVisible());

    auto *help = m_window->findChild<QMenu *>(QStringLiteral("mnuHelp"));
    QStringList items;
    for (QAction *action : help->actions())
        items << action->objectName() + QLatin1Char('=') +
                     (action->isSeparator() ? QStringLiteral("-") : action->text());
    QCOMPARE(items, QStringList(
                        {QStringLiteral("mnuOnline=&Online Help"),
                         QStringLiteral("mnuVisit=&Visit Us Online"), QStringLiteral("mnuSep1=-"),
                         QStringLiteral("mnuUpdate=Check for Software &Update"),
                         QStringLiteral("mnuSep2=-"), QStringLiteral("mnuAbout=&About Software")}));
    auto *makeMoney = m_window->findChild<QAction *>(QStringLiteral("mkmoney"));
    QVERIFY(makeMoney);
    QVERIFY(!makeMoney->isVisible());
    QVERIFY(!makeMoney->isEnabled());
}

void TestFrmMDI::links_openTheirAddresses()
{
    const QString main = QStringLiteral("https://www.tzolkara.example");
    const QString help = QStringLiteral("https://help.tzolkara.example");
    m_desktop.opened.clear();
    auto expectOne = [this](const QString &address) {
        QCOMPARE(m_desktop.openedAddresses(), QStringList{address});
        m_desktop.opened.clear();
    };
    m_window->findChild<QAction *>(QStringLiteral("mnuOnline"))->trigger();
    expectOne(main + QStringLiteral("/tzolkara/tzolkara-help.html"));
    m_window->findChild<QAction *>(QStringLiteral("mnuVisit"))->trigger();
    expectOne(main);
    m_window->findChild<QAction *>(QStringLiteral("mnuUpdate"))->trigger();
    expectOne(main + QStringLiteral("/tzolkara/download-tzolkara.html"));
    m_window->findChild<QAction *>(QStringLiteral("mnuDonate"))->trigger();
    expectOne(help + QStringLiteral("/donate.html"));

    click(m_window->findChild<QLabel *>(QStringLiteral("lblStarloomBanner")));
    expectOne(main);
    auto *strip = m_window->findChild<QFrame *>(QStringLiteral("Picture6"));
    QCOMPARE(strip->cursor().shape(), Qt::PointingHandCursor);
    QTest::mouseClick(strip, Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));
    expectOne(main);
    click(m_window->findChild<QLabel *>(QStringLiteral("Label7")));
    expectOne(help + QStringLiteral("/fully-branded.html"));
}

void TestFrmMDI::aboutMenu_opensModalAboutBox()
{
    bool seen = false;
    QTimer::singleShot(0, this, [&seen] {
        auto *about = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        QVERIFY(about);
        QCOMPARE(about->objectName(), QStringLiteral("frmAbout"));
        seen = true;
        about->findChild<QPushButton *>(QStringLiteral("cmdOK"))->click();
    });
    m_window->findChild<QAction *>(QStringLiteral("mnuAbout"))->trigger();
    QVERIFY(seen);
    QVERIFY(!QApplication::activeModalWidget());
}

void TestFrmMDI::exitButton_closesScreensAndWindow()
{
    m_window->OpenProgramScreen(ScreenId::AstrologyMain);
    m_window->showScreen(ScreenId::AstrologyResult);
    m_desktop.shown.clear();
    click(m_window->findChild<QPushButton *>(QStringLiteral("cmdMdiExit")));
    QVERIFY(!m_window->isVisible());
    QCOMPARE(TestScreen::unloads, 2);
    QVERIFY(m_desktop.shown.isEmpty());
}

void TestFrmMDI::anotherProgram_getsItsButtonAndCaption()
{
    // A program is one more entry in the list: its button, icon and welcome
    // caption follow the others, and both open its first screen.
    QList<Program> programs = m_programs;
    programs.append({QStringLiteral("Maya Calendar"),
                     QColor(255, 128, 0),
                     Artwork::kTarotIconResource,
                     QStringLiteral("PictureCalendar"),
                     ScreenId::NumerologyResult,
                     ProgramEntry::Button | ProgramEntry::WelcomeCaption,
                     {}});
    delete m_window;
    m_window = new frmMDI(programs, m_desktop, m_context.dayNames);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    // After the calendar's button; the calendar has no caption of its own.
    auto *button = m_window->findChild<QPushButton *>(QStringLiteral("cmdSelectOption_4"));
    auto *caption = m_window->findChild<QLabel *>(QStringLiteral("lblCaption_6"));
    QVERIFY(button && caption);
    QCOMPARE(button->text(), QStringLiteral("Maya Calendar"));
    QCOMPARE(caption->text(), QStringLiteral("Maya Calendar"));
    QCOMPARE(caption->palette().color(QPalette::WindowText), QColor(255, 128, 0));
    QVERIFY(m_window->findChild<QLabel *>(QStringLiteral("PictureCalendar")));
    click(button);
    QVERIFY(m_window->findScreen(ScreenId::NumerologyResult));
    m_window->setWelcomePanelVisible(true);
    click(caption);
    QVERIFY(m_window->findScreen(ScreenId::NumerologyResult));
    QVERIFY(!m_window->isWelcomePanelVisible());
}

QTEST_MAIN(TestFrmMDI)
#include "tst_frmmdi.moc"

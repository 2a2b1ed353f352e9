// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Every access key of every screen, pressed as a user presses it: real key
// events on the real screens inside the real main window, each key twice.

#include "support/ScreenDriver.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>

using namespace tzolkara;

namespace {

// The screen (or main window) a menu belongs to.
QWidget *ownerOf(QWidget *widget)
{
    for (QWidget *w = widget; w; w = w->parentWidget()) {
        if (qobject_cast<ProgramScreen *>(w) || qobject_cast<frmMDI *>(w))
            return w;
    }
    return nullptr;
}

} // namespace

class TestKeyboard : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void accessKey_actsOncePerPress_data();
    void accessKey_actsOncePerPress();
    void fileExit_onEveryProgramScreen_closesOnlyThatScreen_data();
    void fileExit_onEveryProgramScreen_closesOnlyThatScreen();
    void mainWindowFileMayaCalendar_opensTheCalendarOnce();
    void mainWindowFileExitOrCloseBox_endsTheProgram_data();
    void mainWindowFileExitOrCloseBox_endsTheProgram();
    void choosingAProgram_withRealScreensOpen_startsAfresh();
    void fileBack_andBackButton_returnToTheEntryScreenWhereItWasLeft_data();
    void fileBack_andBackButton_returnToTheEntryScreenWhereItWasLeft();
    void tarotResultExitKey_closesReading();
    void aboutFromProgramScreen_returnsToTheSameScreen();
    void orphanedReport_isClosedWithItsResult();
    void enter_pressesTheFocusedButton_data();
    void enter_pressesTheFocusedButton();
    void escape_leavesTheReportForItsResult_data();
    void escape_leavesTheReportForItsResult();

private:
    QWidget *startAt(Start start) { return m_ui->reach(start); }
    void pressAlt(Qt::Key key);
    // Presses key after key with Alt held for the first: a menu title, then
    // an item of the menu it opened.
    void pressMenuItem(Qt::Key title, Qt::Key item);
    QMenu *openPopup() const { return qobject_cast<QMenu *>(QApplication::activePopupWidget()); }

    std::unique_ptr<ScreenDriver> m_ui;
    QTemporaryDir m_dir;
};

void TestKeyboard::initTestCase()
{
    QVERIFY(m_dir.isValid());
}

void TestKeyboard::init()
{
    m_ui = std::make_unique<ScreenDriver>();
    m_ui->main().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&m_ui->main()));
    m_ui->desktop().pdfOutputFile = m_dir.filePath(QStringLiteral("report.pdf"));
}

void TestKeyboard::cleanup()
{
    if (QWidget *popup = QApplication::activePopupWidget())
        popup->close();
    m_ui.reset();
}

void TestKeyboard::pressAlt(Qt::Key key)
{
    // A window manager gives the activation back to the main window when a
    // menu closes; the offscreen platform may not.
    if (!QApplication::activePopupWidget() && QApplication::activeWindow() != &m_ui->main()) {
        m_ui->main().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&m_ui->main()));
    }
    QWidget *target = QApplication::focusWidget();
    QTest::keyClick(target ? target : &m_ui->main(), key, Qt::AltModifier);
    // A button's access key clicks it a moment later, as a user sees it
    // pressed; long enough for a second click to show, were there one.
    if (!QApplication::activePopupWidget())
        QTest::qWait(200);
}

void TestKeyboard::pressMenuItem(Qt::Key title, Qt::Key item)
{
    pressAlt(title);
    QMenu *menu = openPopup();
    QVERIFY2(menu, "the menu did not open");
    QTest::keyClick(menu, item);
}

void TestKeyboard::accessKey_actsOncePerPress_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("key");
    // menu, link, dialog, message, print, check (a box or an option)
    QTest::addColumn<QString>("effect");
    QTest::addColumn<QString>("detail");
    // The screen whose menu opens; for a report, the result it stands in front of.
    QTest::addColumn<int>("menuOwner");

    const QString donate = QStringLiteral("https://help.tzolkara.example/donate.html");
    const QString source = QStringLiteral("Select the source file");
    const QString noName = QStringLiteral("Please Enter Your Name");
    auto menus = [&](const char *name, Start start, const char *fileMenu, int owner) {
        const QString prefix = QString::fromLatin1(name);
        QTest::newRow(qPrintable(prefix + QStringLiteral(" Alt+F")))
            << int(start) << int(Qt::Key_F) << "menu" << QString::fromLatin1(fileMenu) << owner;
        QTest::newRow(qPrintable(prefix + QStringLiteral(" Alt+H")))
            << int(start) << int(Qt::Key_H) << "menu"
            << "mnuHelp" << owner;
        QTest::newRow(qPrintable(prefix + QStringLiteral(" Alt+D")))
            << int(start) << int(Qt::Key_D) << "link" << donate << owner;
    };
    const int mainWindow = -1;
    menus("welcome", Start::Welcome, "mnuFile", mainWindow);
    menus("astrology entry", Start::AstrologyEntry, "mnuFile", int(ScreenId::AstrologyMain));
    menus("numerology entry", Start::NumerologyEntry, "mnuFile", int(ScreenId::NumerologyMain));
    menus("tarot question", Start::TarotQuestion, "nuFile", int(ScreenId::TarotMain));
    menus("astrology result", Start::AstrologyResult, "mnuFile", int(ScreenId::AstrologyResult));
    menus("numerology result", Start::NumerologyResult, "mnuFile", int(ScreenId::NumerologyResult));
    menus("tarot result", Start::TarotResult, "mnuFile", int(ScreenId::TarotResult));
    menus("maya calendar", Start::MayaCalendar, "mnuFile", int(ScreenId::MayaCalendar));

    QTest::newRow("astrology entry Alt+O")
        << int(Start::AstrologyEntry) << int(Qt::Key_O) << "dialog" << source << 0;
    QTest::newRow("numerology entry Alt+O")
        << int(Start::NumerologyEntry) << int(Qt::Key_O) << "dialog" << source << 0;
    QTest::newRow("tarot question Alt+O")
        << int(Start::TarotQuestion) << int(Qt::Key_O) << "dialog" << source << 0;
    QTest::newRow("astrology entry Alt+M")
        << int(Start::AstrologyEntry) << int(Qt::Key_M) << "message" << noName << 0;
    QTest::newRow("numerology entry Alt+G")
        << int(Start::NumerologyEntry) << int(Qt::Key_G) << "message" << noName << 0;
    QTest::newRow("tarot question Alt+G")
        << int(Start::TarotQuestion) << int(Qt::Key_G) << "message" << noName << 0;
    QTest::newRow("astrology report Alt+S")
        << int(Start::AstrologyReport) << int(Qt::Key_S) << "dialog"
        << "Tzolkara" << 0;
    QTest::newRow("numerology report Alt+S")
        << int(Start::NumerologyReport) << int(Qt::Key_S) << "dialog"
        << "Tzolkara" << 0;
    // The report has no menus: the result's stand greyed in the bar, and the
    // report's own keys are the only ones.
    QTest::newRow("astrology report Alt+F")
        << int(Start::AstrologyReport) << int(Qt::Key_F) << "nothing" << QString() << 0;
    QTest::newRow("astrology report Alt+D")
        << int(Start::AstrologyReport) << int(Qt::Key_D) << "dialog"
        << "Tzolkara" << 0;
    QTest::newRow("numerology report Alt+D")
        << int(Start::NumerologyReport) << int(Qt::Key_D) << "dialog"
        << "Tzolkara" << 0;
    QTest::newRow("astrology report Alt+P")
        << int(Start::AstrologyReport) << int(Qt::Key_P) << "print" << QString() << 0;
    QTest::newRow("numerology report Alt+P")
        << int(Start::NumerologyReport) << int(Qt::Key_P) << "print" << QString() << 0;
    // The calendar's names and Find's feasts; Yucatec last, as every start finds it.
    QTest::newRow("maya calendar Alt+K") << int(Start::MayaCalendar) << int(Qt::Key_K) << "check"
                                         << "optKiche" << 0;
    QTest::newRow("maya calendar Alt+Y") << int(Start::MayaCalendar) << int(Qt::Key_Y) << "check"
                                         << "optYucatec" << 0;
    QTest::newRow("maya calendar Alt+S") << int(Start::MayaCalendar) << int(Qt::Key_S) << "check"
                                         << "chkFeast" << 0;
}

void TestKeyboard::accessKey_actsOncePerPress()
{
    QFETCH(int, start);
    QFETCH(int, key);
    QFETCH(QString, effect);
    QFETCH(QString, detail);
    QFETCH(int, menuOwner);

    QWidget *screen = startAt(Start(start));
    QVERIFY(screen);
    const QString pdf = m_dir.filePath(QStringLiteral("report.pdf"));
    for (int press = 1; press <= 2; ++press) {
        testing::FakeDesktop &desktop = m_ui->desktop();
        desktop.opened.clear();
        desktop.shown.clear();
        desktop.fileRequests.clear();
        desktop.nextFileNames = {QString(), QString()}; // a cancel, and one spare, so a
                                                        // double action shows
        QFile::remove(pdf);

        pressAlt(Qt::Key(key));

        if (effect == QLatin1String("menu")) {
            QMenu *menu = openPopup();
            QVERIFY2(menu, "no menu opened");
            QCOMPARE(menu->objectName(), detail);
            QWidget *owner = menuOwner < 0 ? static_cast<QWidget *>(&m_ui->main())
                                           : m_ui->screen(ScreenId(menuOwner));
            QCOMPARE(ownerOf(menu), owner);
            QTest::keyClick(menu, Qt::Key_Escape);
            QVERIFY(!openPopup());
        } else if (effect == QLatin1String("link")) {
            QTRY_COMPARE(desktop.openedAddresses(), QStringList{detail});
        } else if (effect == QLatin1String("dialog")) {
            QTRY_COMPARE(desktop.fileRequests.size(), 1);
            QCOMPARE(desktop.lastRequest().title, detail);
        } else if (effect == QLatin1String("message")) {
            QTRY_COMPARE(desktop.shown.size(), 1);
            QCOMPARE(desktop.shown.constFirst().text, detail);
        } else if (effect == QLatin1String("print")) {
            QTRY_VERIFY(QFile(pdf).size() > 0);
        } else if (effect == QLatin1String("check")) {
            // An option stays chosen; a box is ticked, then cleared.
            auto *box = ScreenDriver::child<QAbstractButton>(screen, qPrintable(detail));
            QVERIFY(box);
            QCOMPARE(box->isChecked(), qobject_cast<QRadioButton *>(box) || press == 1);
        } else {
            QVERIFY(!openPopup());
            QCOMPARE(desktop.fileRequests.size(), 0);
        }
        // Nothing else happened: the screen is still the one in front.
        QVERIFY(screen->isVisible());
        QCOMPARE(desktop.opened.size(), effect == QLatin1String("link") ? 1 : 0);
        QCOMPARE(desktop.shown.size(), effect == QLatin1String("message") ? 1 : 0);
    }
}

void TestKeyboard::fileExit_onEveryProgramScreen_closesOnlyThatScreen_data()
{
    QTest::addColumn<int>("start");
    QTest::newRow("astrology entry") << int(Start::AstrologyEntry);
    QTest::newRow("numerology entry") << int(Start::NumerologyEntry);
    QTest::newRow("tarot question") << int(Start::TarotQuestion);
    QTest::newRow("astrology result") << int(Start::AstrologyResult);
    QTest::newRow("numerology result") << int(Start::NumerologyResult);
    QTest::newRow("tarot result") << int(Start::TarotResult);
}

void TestKeyboard::fileExit_onEveryProgramScreen_closesOnlyThatScreen()
{
    QFETCH(int, start);
    QPointer<QWidget> screen = startAt(Start(start));
    QVERIFY(screen);
    pressMenuItem(Qt::Key_F, Qt::Key_X);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!screen);
    QVERIFY(m_ui->main().isVisible());
    QVERIFY(m_ui->main().isWelcomePanelVisible());
    // Back on the welcome panel, the main window's own menus answer again;
    // a second press of the same keys now ends the program.
    pressMenuItem(Qt::Key_F, Qt::Key_X);
    QVERIFY(!m_ui->main().isVisible());
}

void TestKeyboard::mainWindowFileMayaCalendar_opensTheCalendarOnce()
{
    for (int press = 1; press <= 2; ++press) {
        m_ui->main().CloseProgramScreens();
        QVERIFY(m_ui->main().isWelcomePanelVisible());
        pressMenuItem(Qt::Key_F, Qt::Key_C);
        ProgramScreen *calendar = m_ui->screen(ScreenId::MayaCalendar);
        QVERIFY(calendar && calendar->isVisible());
        QVERIFY(!m_ui->main().isWelcomePanelVisible());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(m_ui->main().mdiArea()->subWindowList().size(), 1);
    }
}

void TestKeyboard::mainWindowFileExitOrCloseBox_endsTheProgram_data()
{
    QTest::addColumn<bool>("closeBox");
    QTest::newRow("File, Exit") << false;
    QTest::newRow("close box") << true;
}

void TestKeyboard::mainWindowFileExitOrCloseBox_endsTheProgram()
{
    QFETCH(bool, closeBox);
    if (closeBox) {
        // With a reading open: it goes without a question.
        startAt(Start::AstrologyReport);
        m_ui->main().windowHandle()->close();
    } else {
        pressMenuItem(Qt::Key_F, Qt::Key_X);
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!m_ui->main().isVisible());
    QVERIFY(m_ui->main().mdiArea()->subWindowList().isEmpty());
    QVERIFY(m_ui->desktop().shown.isEmpty());
}

void TestKeyboard::choosingAProgram_withRealScreensOpen_startsAfresh()
{
    startAt(Start::AstrologyReport);
    for (int option : {1, 0}) {
        ScreenDriver::click(&m_ui->main(),
                            qPrintable(QStringLiteral("cmdSelectOption_%1").arg(option)));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    QCOMPARE(m_ui->main().mdiArea()->subWindowList().size(), 1);
    QWidget *entry = m_ui->screen(ScreenId::AstrologyMain);
    QVERIFY(entry->isVisible());
    QVERIFY(ScreenDriver::child<QLineEdit>(entry, "txtName")->text().isEmpty());
    QCOMPARE(ScreenDriver::child<QComboBox>(entry, "cboYear")->currentText(),
             QStringLiteral("1900"));
}

void TestKeyboard::fileBack_andBackButton_returnToTheEntryScreenWhereItWasLeft_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<bool>("byMenu");
    QTest::newRow("astrology File, Back") << int(Start::AstrologyResult) << true;
    QTest::newRow("numerology File, Back") << int(Start::NumerologyResult) << true;
    QTest::newRow("numerology Back button") << int(Start::NumerologyResult) << false;
    QTest::newRow("tarot File, Back") << int(Start::TarotResult) << true;
    QTest::newRow("tarot Alt+B") << int(Start::TarotResult) << false;
}

void TestKeyboard::fileBack_andBackButton_returnToTheEntryScreenWhereItWasLeft()
{
    QFETCH(int, start);
    QFETCH(bool, byMenu);
    const bool tarot = Start(start) == Start::TarotResult;
    const bool numerology = Start(start) == Start::NumerologyResult;
    const ScreenId entryId = tarot        ? ScreenId::TarotMain
                             : numerology ? ScreenId::NumerologyMain
                                          : ScreenId::AstrologyMain;
    QWidget *entry = m_ui->open(entryId);
    const QPoint movedTo(40, 70);
    entry->move(movedTo);
    m_ui->main().CloseProgramScreens();
    QVERIFY(m_ui->main().isWelcomePanelVisible());

    QPointer<QWidget> result = startAt(Start(start));
    entry = m_ui->screen(entryId);
    entry->move(movedTo); // where the user left it before asking
    if (byMenu)
        pressMenuItem(Qt::Key_F, Qt::Key_B);
    else if (tarot)
        pressAlt(Qt::Key_B);
    else
        ScreenDriver::click(result, "cmdBack");
    QTRY_VERIFY(!result);
    QVERIFY(entry->isVisible());
    QCOMPARE(entry->pos(), movedTo);
    QVERIFY(!m_ui->main().isWelcomePanelVisible());
    QCOMPARE(ScreenDriver::child<QLineEdit>(entry, "txtName")->text(), QStringLiteral("Ana"));
    // The entry screen's menus are the bar's again.
    pressAlt(Qt::Key_F);
    QVERIFY(openPopup());
    QCOMPARE(ownerOf(openPopup()), entry);
}

void TestKeyboard::tarotResultExitKey_closesReading()
{
    QPointer<QWidget> result = startAt(Start::TarotResult);
    pressAlt(Qt::Key_X);
    QTRY_VERIFY(!result);
    QVERIFY(m_ui->main().isWelcomePanelVisible());
    QVERIFY(!m_ui->screen(ScreenId::TarotMain)->isVisible());
    // Pressed again on the welcome panel, the key finds nothing to do.
    pressAlt(Qt::Key_X);
    QVERIFY(m_ui->main().isVisible());
}

void TestKeyboard::aboutFromProgramScreen_returnsToTheSameScreen()
{
    QWidget *result = startAt(Start::AstrologyResult);
    const QString sign = ScreenDriver::text(result, "lblMayanDaySign");
    const QPoint place = result->pos();
    QString seen;
    int pressesLeft = 500; // ten seconds of tries, then the box is closed by force
    QTimer poll;
    connect(&poll, &QTimer::timeout, this, [&seen, &pressesLeft] {
        QPointer<QDialog> about = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!about || !seen.isEmpty())
            return;
        if (--pressesLeft == 0) { // the key never worked: end the test, do not hang it
            about->reject();
            return;
        }
        // Keys reach the box once the window system has made it active.
        if (QApplication::activeWindow() != about)
            return;
        const QString name = about->objectName();
        QTest::keyClick(about, Qt::Key_O, Qt::AltModifier); // "&OK"
        QTest::qWait(150);
        if (!about || !about->isVisible())
            seen = name;
    });
    poll.start(20);
    pressMenuItem(Qt::Key_H, Qt::Key_A);
    QCOMPARE(seen, QStringLiteral("frmAbout"));
    QVERIFY(!QApplication::activeModalWidget());
    QCOMPARE(m_ui->screen(ScreenId::AstrologyResult), result);
    QVERIFY(result->isVisible());
    QCOMPARE(result->pos(), place);
    QCOMPARE(ScreenDriver::text(result, "lblMayanDaySign"), sign);
}

void TestKeyboard::orphanedReport_isClosedWithItsResult()
{
    startAt(Start::AstrologyReport);
    QPointer<ProgramScreen> report = m_ui->screen(ScreenId::AstrologySave);
    m_ui->screen(ScreenId::AstrologyResult)->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!report);
    QVERIFY(m_ui->main().isWelcomePanelVisible());
    // Alt+S on the welcome panel reaches no hidden report.
    pressAlt(Qt::Key_S);
    QCOMPARE(m_ui->desktop().fileRequests.size(), 0);
}

void TestKeyboard::enter_pressesTheFocusedButton_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("shownScreen"); // -1: the open dialog is asked for
    const int dialog = -1;
    QTest::newRow("welcome, third program")
        << int(Start::Welcome) << "cmdSelectOption_2" << int(ScreenId::NumerologyMain);
    QTest::newRow("welcome, calendar")
        << int(Start::Welcome) << "cmdSelectOption_3" << int(ScreenId::MayaCalendar);
    QTest::newRow("astrology entry, open") << int(Start::AstrologyEntry) << "cmdOpen" << dialog;
    QTest::newRow("tarot question, open") << int(Start::TarotQuestion) << "cmdOpen" << dialog;
    QTest::newRow("astrology result, save")
        << int(Start::AstrologyResult) << "cmdSave" << int(ScreenId::AstrologySave);
    QTest::newRow("numerology result, back")
        << int(Start::NumerologyResult) << "cmdBack" << int(ScreenId::NumerologyMain);
    QTest::newRow("tarot result, back")
        << int(Start::TarotResult) << "cmdBack" << int(ScreenId::TarotMain);
    QTest::newRow("astrology report, save") << int(Start::AstrologyReport) << "cmdSave" << dialog;
}

void TestKeyboard::enter_pressesTheFocusedButton()
{
    QFETCH(int, start);
    QFETCH(QString, button);
    QFETCH(int, shownScreen);
    QWidget *screen = startAt(Start(start));
    auto *pushButton = ScreenDriver::child<QPushButton>(screen, qPrintable(button));
    QVERIFY(pushButton);
    pushButton->setFocus(Qt::TabFocusReason);
    m_ui->desktop().setNextFileName(QString());
    QTest::keyClick(pushButton, Qt::Key_Return);
    if (shownScreen < 0) {
        QCOMPARE(m_ui->desktop().fileRequests.size(), 1);
    } else {
        ProgramScreen *shown = m_ui->screen(ScreenId(shownScreen));
        QVERIFY(shown && shown->isVisible());
    }
}

void TestKeyboard::escape_leavesTheReportForItsResult_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("result");
    QTest::newRow("astrology") << int(Start::AstrologyReport) << int(ScreenId::AstrologyResult);
    QTest::newRow("numerology") << int(Start::NumerologyReport) << int(ScreenId::NumerologyResult);
}

void TestKeyboard::escape_leavesTheReportForItsResult()
{
    QFETCH(int, start);
    QFETCH(int, result);
    QPointer<QWidget> report = startAt(Start(start));
    QWidget *text = ScreenDriver::child<QWidget>(report, "RTB");
    QVERIFY(text);
    text->setFocus();
    QTest::keyClick(text, Qt::Key_Escape);
    QTRY_VERIFY(!report);
    QVERIFY(m_ui->screen(ScreenId(result))->isVisible());
}

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"

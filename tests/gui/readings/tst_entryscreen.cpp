// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/ProgramContext.h"
#include "core/common/ShiftCodec.h"
#include "core/readings/ReadingFile.h"
#include "support/ScreenDriver.h"
#include "support/UnreadablePath.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextEdit>

using namespace tzolkara;

namespace {

const QString kNameMessage = QStringLiteral("Please Enter Your Name");
const QString kDateMessage = QStringLiteral("Please Enter Correct Date Or Month!");
const QString kThirtyMessage = QStringLiteral("Please Enter Correct Date Or Month !");

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

class TestEntryScreen : public QObject
{
    Q_OBJECT

private slots:
    void formLoad_listsAndFirstDate_data();
    void formLoad_listsAndFirstDate();
    void tabOrder_nameThenDateThenButton();
    void yearList_runsToTheCurrentYear_data();
    void yearList_runsToTheCurrentYear();

    void validation_data();
    void validation();
    void blankName_isRefusedWithFocusInName();
    void calculate_trimsNameAndFillsOwnStateOnly();
    void numerologyScreen_calculatesNumerologyEvenFromMenu();
    void translatedLists_giveTheSameReading_data();
    void translatedLists_giveTheSameReading();
    void back_returnsToEntryWithInputKept();
    void exitAndCloseBox_bringWelcomePanelBack();

    void open_cancelChangesNothing();
    void open_upperCaseExtensionIsRefused();
    void open_savedReadingFillsAndCalculatesOnBothScreens();
    void open_emptyFileAsksForName();
    void open_fullNameFromFifthLine();
    void open_nameWithLineBreaks_staysOneLineOnReport();
    void open_whatTheReportSaved_givesTheSameReading();
    void open_noReading_isRefused_data();
    void open_noReading_isRefused();
};

void TestEntryScreen::formLoad_listsAndFirstDate_data()
{
    QTest::addColumn<int>("entry");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("calculate");
    QTest::newRow("astrology") << int(ScreenId::AstrologyMain) << "Tzolkara Mayan Astrology"
                               << "Get &Mayan Astrology Result";
    QTest::newRow("numerology") << int(ScreenId::NumerologyMain) << "Tzolkara Mayan Numerology"
                                << "&Get My Mayan Numerology Reading";
}

void TestEntryScreen::formLoad_listsAndFirstDate()
{
    QFETCH(int, entry);
    QFETCH(QString, title);
    QFETCH(QString, calculate);
    ScreenDriver ui;
    ProgramScreen *screen = ui.open(ScreenId(entry));
    QVERIFY(screen && screen->isVisible());
    QCOMPARE(screen->windowTitle(), title);
    QCOMPARE(ScreenDriver::child<QPushButton>(screen, "cmdCalculate")->text(), calculate);
    QCOMPARE(ScreenDriver::child<QPushButton>(screen, "cmdOpen")->text(),
             QStringLiteral("&Open Previously Saved Reading"));
    QCOMPARE(ScreenDriver::child<QGroupBox>(screen, "Frame1")->title(),
             QStringLiteral("Personal Details"));
    auto *months = ScreenDriver::child<QComboBox>(screen, "cboMonth");
    auto *days = ScreenDriver::child<QComboBox>(screen, "cboDate");
    auto *years = ScreenDriver::child<QComboBox>(screen, "cboYear");
    QCOMPARE(months->count(), 12);
    QCOMPARE(months->itemText(1), QStringLiteral("February"));
    QCOMPARE(months->itemText(11), QStringLiteral("December"));
    QCOMPARE(days->count(), 31);
    QCOMPARE(days->itemText(30), QStringLiteral("31"));
    QCOMPARE(years->itemText(0), QStringLiteral("1900"));
    for (QComboBox *list : {months, days, years}) {
        QVERIFY(!list->isEditable());
        QCOMPARE(list->currentIndex(), 0);
    }
    auto *name = ScreenDriver::child<QLineEdit>(screen, "txtName");
    QVERIFY(name->text().isEmpty());
    QCOMPARE(name->maxLength(), ReadingFile::kMaxNameLength); // what a reading file keeps
    const bool numerology = ScreenId(entry) == ScreenId::NumerologyMain;
    auto *intro = screen->findChild<QLabel *>(QStringLiteral("Label1_2"));
    QCOMPARE(intro != nullptr, numerology);
    if (intro)
        QCOMPARE(intro->text(), QStringLiteral("Enter your date of birth and know more about "
                                               "your lucky Mayan Day Number!"));
    QCOMPARE(ScreenDriver::child<QAction>(screen, "mnuMayan")->text(),
             QStringLiteral("Get My &Mayan Astrology Sign"));
}

void TestEntryScreen::tabOrder_nameThenDateThenButton()
{
    ScreenDriver ui;
    ProgramScreen *screen = ui.open(ScreenId::AstrologyMain);
    QWidget *widget = ScreenDriver::child<QWidget>(screen, "txtName");
    QStringList order;
    for (int i = 0; i < 4; ++i) {
        widget = widget->nextInFocusChain();
        while (widget->focusPolicy() == Qt::NoFocus)
            widget = widget->nextInFocusChain();
        order << widget->objectName();
    }
    QCOMPARE(order, QStringList({QStringLiteral("cboMonth"), QStringLiteral("cboDate"),
                                 QStringLiteral("cboYear"), QStringLiteral("cmdCalculate")}));
}

void TestEntryScreen::yearList_runsToTheCurrentYear_data()
{
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QString>("lastYear");
    QTest::newRow("today") << QDate(2026, 12, 7) << "2026";
    QTest::newRow("clock set back: never fewer years than 1900-2016")
        << QDate(2010, 5, 1) << "2016";
    QTest::newRow("clock far ahead: the kin tables end") << QDate(2150, 1, 1) << "2099";
}

void TestEntryScreen::yearList_runsToTheCurrentYear()
{
    QFETCH(QDate, today);
    QFETCH(QString, lastYear);
    ScreenDriver ui;
    ui.desktop().fixedToday = today;
    auto *years = ScreenDriver::child<QComboBox>(ui.open(ScreenId::NumerologyMain), "cboYear");
    QCOMPARE(years->count(), lastYear.toInt() - 1900 + 1);
    QCOMPARE(years->itemText(years->count() - 1), lastYear);
}

void TestEntryScreen::validation_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("year");
    QTest::addColumn<QString>("message"); // empty: accepted
    const QString ana = QStringLiteral("Ana");
    QTest::newRow("29 Feb 1900 (no leap year)") << ana << "February" << 29 << 1900 << kDateMessage;
    QTest::newRow("29 Feb 2000") << ana << "February" << 29 << 2000 << QString();
    QTest::newRow("29 Feb 1904") << ana << "February" << 29 << 1904 << QString();
    QTest::newRow("29 Feb 2024") << ana << "February" << 29 << 2024 << QString();
    QTest::newRow("31 Dec of the current year") << ana << "December" << 31 << 2026 << QString();
    QTest::newRow("29 Feb 1901") << ana << "February" << 29 << 1901 << kDateMessage;
    QTest::newRow("30 Feb 2000") << ana << "February" << 30 << 2000 << kDateMessage;
    QTest::newRow("31 Feb 1999") << ana << "February" << 31 << 1999 << kDateMessage;
    QTest::newRow("28 Feb 1901") << ana << "February" << 28 << 1901 << QString();
    QTest::newRow("31 April") << ana << "April" << 31 << 1950 << kThirtyMessage;
    QTest::newRow("31 June") << ana << "June" << 31 << 1950 << kThirtyMessage;
    QTest::newRow("31 September") << ana << "September" << 31 << 1950 << kThirtyMessage;
    QTest::newRow("31 November") << ana << "November" << 31 << 1950 << kThirtyMessage;
    QTest::newRow("30 April") << ana << "April" << 30 << 1950 << QString();
    QTest::newRow("31 May") << ana << "May" << 31 << 1950 << QString();
    QTest::newRow("empty name and bad date")
        << QString() << "February" << 31 << 1950 << kNameMessage;
}

void TestEntryScreen::validation()
{
    QFETCH(QString, name);
    QFETCH(QString, month);
    QFETCH(int, day);
    QFETCH(int, year);
    QFETCH(QString, message);
    ScreenDriver ui;
    ProgramScreen *entry = ui.open(ScreenId::AstrologyMain);
    ScreenDriver::enter(entry, name, month, day, year);
    ScreenDriver::click(entry, "cmdCalculate");
    if (message.isEmpty()) {
        QVERIFY(ui.desktop().shown.isEmpty());
        QVERIFY(ui.screen(ScreenId::AstrologyResult));
        QCOMPARE(int(ui.context().modMayanAstrology.state().BirthDay), day);
        return;
    }
    QCOMPARE(ui.desktop().shown.size(), 1);
    QCOMPARE(ui.desktop().shown.constFirst().text, message);
    QCOMPARE(ui.desktop().shown.constFirst().icon, message == kNameMessage
                                                       ? testing::FakeDesktop::Icon::Error
                                                       : testing::FakeDesktop::Icon::Information);
    QVERIFY(!ui.screen(ScreenId::AstrologyResult));
    QVERIFY(entry->isVisible());
    QCOMPARE(ui.context().modMayanAstrology.state().BirthYear, qint16(0));
}

void TestEntryScreen::blankName_isRefusedWithFocusInName()
{
    ScreenDriver ui;
    ProgramScreen *entry = ui.open(ScreenId::NumerologyMain);
    QApplication::setActiveWindow(&ui.main());
    ScreenDriver::enter(entry, QStringLiteral("   "), QStringLiteral("May"), 5, 1960);
    auto *button = ScreenDriver::child<QPushButton>(entry, "cmdCalculate");
    button->setFocus();
    ScreenDriver::click(entry, "cmdCalculate");
    QCOMPARE(ui.desktop().shown.size(), 1);
    QCOMPARE(ui.desktop().shown.constFirst().text, kNameMessage);
    QVERIFY(ScreenDriver::child<QLineEdit>(entry, "txtName")->hasFocus());
}

void TestEntryScreen::calculate_trimsNameAndFillsOwnStateOnly()
{
    ScreenDriver ui;
    ProgramScreen *entry = ui.open(ScreenId::AstrologyMain);
    ScreenDriver::enter(entry, QStringLiteral("  Ana  Maria "), QStringLiteral("December"), 21,
                        2012);
    ScreenDriver::click(entry, "cmdCalculate");
    const ReadingState &state = ui.context().modMayanAstrology.state();
    QCOMPARE(state.UserName, QStringLiteral("Ana  Maria"));
    QCOMPARE(state.BirthMonth, QStringLiteral("December"));
    QCOMPARE(state.EnglishName, QStringLiteral("Sun"));
    QVERIFY(ui.context().modMayanNumerology.state().UserName.isEmpty());
    QVERIFY(ui.context().modMayanNumerology.state().DaySignLabel.isEmpty());

    QVERIFY(!entry->isVisible()); // hidden, not closed
    QCOMPARE(ui.screen(ScreenId::AstrologyMain), entry);
    QVERIFY(ui.screen(ScreenId::AstrologyResult)->isVisible());
    QVERIFY(!ui.screen(ScreenId::NumerologyResult));
    QVERIFY(!ui.main().isWelcomePanelVisible());
}

void TestEntryScreen::numerologyScreen_calculatesNumerologyEvenFromMenu()
{
    ScreenDriver ui;
    ProgramScreen *entry = ui.open(ScreenId::NumerologyMain);
    ScreenDriver::enter(entry, QStringLiteral("Ana"), QStringLiteral("November"), 16, 1948);
    ScreenDriver::child<QAction>(entry, "mnuMayan")->trigger();
    QCOMPARE(ui.context().modMayanNumerology.state().DayNumber, qint16(6));
    QVERIFY(ui.context().modMayanAstrology.state().UserName.isEmpty());
    QVERIFY(ui.screen(ScreenId::NumerologyResult));
    QVERIFY(!ui.screen(ScreenId::AstrologyResult));
}

void TestEntryScreen::translatedLists_giveTheSameReading_data()
{
    QTest::addColumn<bool>("fromFile");
    QTest::newRow("picked and calculated") << false;
    QTest::newRow("opened from a saved reading") << true;
}

// A translation changes what the lists show; the date read from them, the
// reading and the reading file stay in English.
void TestEntryScreen::translatedLists_giveTheSameReading()
{
    QFETCH(bool, fromFile);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("reading.man"));
    QVERIFY(ReadingFile::write(path, {QStringLiteral("Ana"), QStringLiteral("2012"),
                                      QStringLiteral("December"), QStringLiteral("21")}));
    ScreenDriver ui;
    ProgramScreen *entry = ui.open(ScreenId::AstrologyMain);
    for (const char *name : {"cboMonth", "cboDate", "cboYear"}) {
        auto *list = ScreenDriver::child<QComboBox>(entry, name);
        for (int i = 0; i < list->count(); ++i)
            list->setItemText(i, QStringLiteral("item %1").arg(list->count() - i));
    }
    if (fromFile) {
        ui.desktop().setNextFileName(path);
        ScreenDriver::click(entry, "cmdOpen");
    } else {
        ScreenDriver::child<QLineEdit>(entry, "txtName")->setText(QStringLiteral("Ana"));
        ScreenDriver::child<QComboBox>(entry, "cboMonth")->setCurrentIndex(11);
        ScreenDriver::child<QComboBox>(entry, "cboDate")->setCurrentIndex(20);
        ScreenDriver::child<QComboBox>(entry, "cboYear")->setCurrentIndex(2012 - 1900);
        ScreenDriver::click(entry, "cmdCalculate");
    }
    QVERIFY(ui.desktop().shown.isEmpty());
    const ReadingState &state = ui.context().modMayanAstrology.state();
    QCOMPARE(state.BirthYear, qint16(2012));
    QCOMPARE(state.BirthMonth, QStringLiteral("December"));
    QCOMPARE(state.BirthDay, qint16(21));
    QCOMPARE(state.EnglishName, QStringLiteral("Sun"));
    QCOMPARE(state.DayNumber, qint16(4));
}

void TestEntryScreen::back_returnsToEntryWithInputKept()
{
    ScreenDriver ui;
    ProgramScreen *entry = ui.open(ScreenId::AstrologyMain);
    ScreenDriver::enter(entry, QStringLiteral("Ana"), QStringLiteral("March"), 3, 1977);
    ScreenDriver::click(entry, "cmdCalculate");
    ScreenDriver::click(ui.screen(ScreenId::AstrologyResult), "cmdBack");
    QVERIFY(entry->isVisible());
    QVERIFY(!ui.main().isWelcomePanelVisible());
    QCOMPARE(ScreenDriver::child<QLineEdit>(entry, "txtName")->text(), QStringLiteral("Ana"));
    QCOMPARE(ScreenDriver::child<QComboBox>(entry, "cboMonth")->currentText(),
             QStringLiteral("March"));
    QCOMPARE(ScreenDriver::child<QComboBox>(entry, "cboDate")->currentText(), QStringLiteral("3"));
    QCOMPARE(ScreenDriver::child<QComboBox>(entry, "cboYear")->currentText(),
             QStringLiteral("1977"));
}

void TestEntryScreen::exitAndCloseBox_bringWelcomePanelBack()
{
    ScreenDriver ui;
    ProgramScreen *entry = ui.open(ScreenId::AstrologyMain);
    ScreenDriver::child<QAction>(entry, "mnuExit")->trigger();
    QVERIFY(ui.main().isWelcomePanelVisible());
    QVERIFY(!ui.screen(ScreenId::AstrologyMain));
    QVERIFY(ui.main().isVisible());

    entry = ui.open(ScreenId::NumerologyMain);
    entry->close();
    QVERIFY(ui.main().isWelcomePanelVisible());
}

void TestEntryScreen::open_cancelChangesNothing()
{
    ScreenDriver ui;
    ProgramScreen *entry = ui.open(ScreenId::AstrologyMain);
    ui.desktop().setNextFileName(QString());
    ScreenDriver::click(entry, "cmdOpen");
    QVERIFY(ui.desktop().shown.isEmpty());
    QVERIFY(entry->isVisible());
    QVERIFY(!ui.screen(ScreenId::AstrologyResult));
    QCOMPARE(ui.desktop().lastRequest().title, QStringLiteral("Select the source file"));
    QCOMPARE(ui.desktop().lastRequest().filter, QStringLiteral("Mayan Astrology (*.man)"));
    QCOMPARE(ui.desktop().lastRequest().defaultSuffix, QStringLiteral("man"));
}

void TestEntryScreen::open_upperCaseExtensionIsRefused()
{
    QTemporaryDir dir;
    const QByteArray reading =
        ReadingFile::encode({QStringLiteral("Ana"), QStringLiteral("2012"),
                             QStringLiteral("December"), QStringLiteral("21")});
    writeFile(dir.filePath(QStringLiteral("READING.MAN")), reading);
    ScreenDriver ui;
    ProgramScreen *entry = ui.open(ScreenId::AstrologyMain);
    ui.desktop().setNextFileName(dir.filePath(QStringLiteral("READING.MAN")));
    ScreenDriver::click(entry, "cmdOpen");
    QCOMPARE(ui.desktop().shown.size(), 1);
    QCOMPARE(ui.desktop().shown.constFirst().text, QStringLiteral("Please Check The File."));
    QCOMPARE(ui.desktop().shown.constFirst().icon, testing::FakeDesktop::Icon::Error);
    QVERIFY(ScreenDriver::child<QLineEdit>(entry, "txtName")->text().isEmpty());
}

void TestEntryScreen::open_savedReadingFillsAndCalculatesOnBothScreens()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("reading.man"));
    QVERIFY(ReadingFile::write(path, {QStringLiteral("Ana"), QStringLiteral("2012"),
                                      QStringLiteral("December"), QStringLiteral("21")}));
    for (ScreenId id : {ScreenId::AstrologyMain, ScreenId::NumerologyMain}) {
        ScreenDriver ui;
        ProgramScreen *entry = ui.open(id);
        ui.desktop().setNextFileName(path);
        ScreenDriver::click(entry, "cmdOpen");
        QVERIFY(ui.desktop().shown.isEmpty());
        QCOMPARE(ScreenDriver::child<QLineEdit>(entry, "txtName")->text(), QStringLiteral("Ana"));
        QCOMPARE(ScreenDriver::child<QComboBox>(entry, "cboYear")->currentText(),
                 QStringLiteral("2012"));
        const bool astrology = id == ScreenId::AstrologyMain;
        KinEngine &engine =
            astrology ? ui.context().modMayanAstrology : ui.context().modMayanNumerology;
        QCOMPARE(engine.state().DayNumber, qint16(4));
        QCOMPARE(engine.state().UserName, QStringLiteral("Ana"));
        QVERIFY(ui.screen(astrology ? ScreenId::AstrologyResult : ScreenId::NumerologyResult));
    }
}

void TestEntryScreen::open_emptyFileAsksForName()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("empty.man"));
    writeFile(path, QByteArray());
    ScreenDriver ui;
    ProgramScreen *entry = ui.open(ScreenId::AstrologyMain);
    ui.desktop().setNextFileName(path);
    ScreenDriver::click(entry, "cmdOpen");
    QCOMPARE(ui.desktop().shown.size(), 1);
    QCOMPARE(ui.desktop().shown.constFirst().text, kNameMessage);
    QVERIFY(!ui.screen(ScreenId::AstrologyResult));
}

void TestEntryScreen::open_fullNameFromFifthLine()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("jose.man"));
    QVERIFY(ReadingFile::write(path, {QStringLiteral("José Müller"), QStringLiteral("1948"),
                                      QStringLiteral("November"), QStringLiteral("16")}));
    ScreenDriver ui;
    ProgramScreen *entry = ui.open(ScreenId::AstrologyMain);
    ui.desktop().setNextFileName(path);
    ScreenDriver::click(entry, "cmdOpen");
    QCOMPARE(ui.context().modMayanAstrology.state().UserName, QStringLiteral("José Müller"));
    QCOMPARE(ui.context().modMayanAstrology.state().EnglishName, QStringLiteral("Offering"));
}

void TestEntryScreen::open_nameWithLineBreaks_staysOneLineOnReport()
{
    // Written by hand: "<", "9" and "8" in the file are CR, LF and Tab.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("crafted.man"));
    QVERIFY(ReadingFile::write(path, {QStringLiteral("Ana\rDate of Birth: 1 January 2000\n\tX"),
                                      QStringLiteral("1948"), QStringLiteral("November"),
                                      QStringLiteral("16")}));
    ScreenDriver ui;
    ProgramScreen *entry = ui.open(ScreenId::AstrologyMain);
    ui.desktop().setNextFileName(path);
    ScreenDriver::click(entry, "cmdOpen");
    const QString oneLine = QStringLiteral("Ana Date of Birth: 1 January 2000  X");
    QCOMPARE(ScreenDriver::child<QLineEdit>(entry, "txtName")->text(), oneLine);
    ScreenDriver::click(ui.screen(ScreenId::AstrologyResult), "cmdSave");
    const QStringList lines =
        ScreenDriver::child<QTextEdit>(ui.screen(ScreenId::AstrologySave), "RTB")
            ->toPlainText()
            .split(QLatin1Char('\n'));
    QCOMPARE(lines.constFirst(), QStringLiteral("Name: ") + oneLine);
    QCOMPARE(lines.filter(QRegularExpression(QStringLiteral("^Date of Birth"))),
             QStringList{QStringLiteral("Date of Birth: November 16, 1948")});
}

void TestEntryScreen::open_whatTheReportSaved_givesTheSameReading()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("reading.man"));
    ReadingState saved;
    {
        ScreenDriver ui;
        ProgramScreen *entry = ui.open(ScreenId::AstrologyMain);
        ScreenDriver::enter(entry, QStringLiteral("José Müller"), QStringLiteral("November"), 16,
                            1948);
        ScreenDriver::click(entry, "cmdCalculate");
        ScreenDriver::click(ui.screen(ScreenId::AstrologyResult), "cmdSave");
        ui.desktop().setNextFileName(path);
        ScreenDriver::click(ui.screen(ScreenId::AstrologySave), "cmdSave");
        QVERIFY(ui.desktop().shown.isEmpty());
        saved = ui.context().modMayanAstrology.state();
    }
    ScreenDriver ui;
    ProgramScreen *entry = ui.open(ScreenId::AstrologyMain);
    ui.desktop().setNextFileName(path);
    ScreenDriver::click(entry, "cmdOpen");
    QVERIFY(ui.screen(ScreenId::AstrologyResult));
    const ReadingState &reopened = ui.context().modMayanAstrology.state();
    QCOMPARE(reopened.UserName, saved.UserName);
    QCOMPARE(reopened.BirthYear, saved.BirthYear);
    QCOMPARE(reopened.BirthMonth, saved.BirthMonth);
    QCOMPARE(reopened.BirthDay, saved.BirthDay);
    QCOMPARE(reopened.DayNumber, saved.DayNumber);
    QCOMPARE(reopened.DaySignLabel, saved.DaySignLabel);
    QCOMPARE(saved.DaySignLabel, QStringLiteral("TOJ - (MULUK)"));
}

void TestEntryScreen::open_noReading_isRefused_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QByteArray>("bytes");
    const QByteArray saved =
        ReadingFile::encode({QStringLiteral("Esperanza"), QStringLiteral("1987"),
                             QStringLiteral("March"), QStringLiteral("14")});
    const QByteArray crlf("\r\n");
    QByteArray noise;
    QRandomGenerator random(17);
    for (int i = 0; i < 300; ++i)
        noise.append(char(random.bounded(256)));
    for (const char *kind : {"named pipe", "folder", "unreadable file"})
        QTest::newRow(kind) << QString::fromLatin1(kind) << QByteArray();
    // Each of these would open as whatever date the lists showed.
    QTest::newRow("too long line")
        << QString() << ShiftEncode("Ana") + crlf + ShiftEncode(QByteArray(5000, '1')) + crlf;
    QTest::newRow("first 9 bytes") << QString() << saved.left(9);
    QTest::newRow("300 random bytes") << QString() << noise;
    QTest::newRow("no day line") << QString() << saved.left(saved.indexOf(ShiftEncode("14")));
    QTest::newRow("year not offered") << QString()
                                      << ShiftEncode("Ana") + crlf + ShiftEncode("1850") + crlf +
                                             ShiftEncode("March") + crlf + ShiftEncode("7") + crlf;
    QTest::newRow("month in lower case")
        << QString()
        << ShiftEncode("Ana") + crlf + ShiftEncode("1950") + crlf + ShiftEncode("march") + crlf +
               ShiftEncode("7") + crlf;
}

void TestEntryScreen::open_noReading_isRefused()
{
    QFETCH(QString, kind);
    QFETCH(QByteArray, bytes);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("x.man"));
    if (kind.isEmpty())
        writeFile(path, bytes);
    else if (const QString whyNot = makeUnreadablePath(path, kind); !whyNot.isEmpty())
        QSKIP(qPrintable(whyNot));
    ScreenDriver ui;
    ProgramScreen *entry = ui.open(ScreenId::AstrologyMain);
    ScreenDriver::enter(entry, QStringLiteral("Typed"), QStringLiteral("May"), 5, 1960);
    ui.desktop().setNextFileName(path);
    ScreenDriver::click(entry, "cmdOpen");
    QCOMPARE(ui.desktop().shown.size(), 1);
    QCOMPARE(ui.desktop().shown.constFirst().text, QStringLiteral("Please Check The File."));
    QVERIFY(!ui.screen(ScreenId::AstrologyResult));
    // Nothing the user had on the screen changes.
    QCOMPARE(ScreenDriver::child<QLineEdit>(entry, "txtName")->text(), QStringLiteral("Typed"));
    QCOMPARE(ScreenDriver::child<QComboBox>(entry, "cboMonth")->currentText(),
             QStringLiteral("May"));
    QCOMPARE(ScreenDriver::child<QComboBox>(entry, "cboYear")->currentText(),
             QStringLiteral("1960"));
}

QTEST_MAIN(TestEntryScreen)
#include "tst_entryscreen.moc"

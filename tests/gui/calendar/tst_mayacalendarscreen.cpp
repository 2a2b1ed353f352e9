// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The Maya Calendar screen alone, with a navigator of the test's own and
// today fixed at Monday 7 December 2026 (7 Kawak 12 Mak, 13.0.14.2.19). The
// expected days of the count come from a walk from 21 December 2012 (4 Ajaw
// 3 K'ank'in, 13.0.0.0.0), the moons from published tables.

#include "core/engine/KinEngine.h"
#include "core/settings/DayNamesChoice.h"
#include "core/settings/SettingsStore.h"
#include "core/settings/UpdateReminder.h"
#include "gui/calendar/frmMayaCalendar.h"
#include "gui/readings/EntryScreen.h"
#include "support/FakeNavigator.h"
#include "support/ScreenDriver.h"
#include "tables/engine/MayaCalendar.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QLocale>
#include <QRadioButton>
#include <QScopeGuard>
#include <QTest>

using namespace tzolkara;
using testing::FakeNavigator;

namespace {

QString isoDate(long julianDay)
{
    const MayaCalendar::GregorianDate date = MayaCalendar::gregorianDateOf(julianDay);
    return QStringLiteral("%1-%2-%3")
        .arg(date.year, 4, 10, QLatin1Char('0'))
        .arg(date.month, 2, 10, QLatin1Char('0'))
        .arg(date.day, 2, 10, QLatin1Char('0'));
}

// A calendar screen in front, as the main window shows it.
struct CalendarOnScreen
{
    CalendarOnScreen()
    {
        screen.Form_Load();
        screen.show();
        QVERIFY(QTest::qWaitForWindowExposed(&screen));
    }
    void goTo(const QString &entry)
    {
        auto *field = ScreenDriver::child<QLineEdit>(&screen, "txtGoTo");
        field->setText(entry);
        QTest::keyClick(field, Qt::Key_Return);
    }
    QWidget *grid() { return ScreenDriver::child<QWidget>(&screen, "grdMonth"); }
    QModelIndex selectedCell() { return qobject_cast<QAbstractItemView *>(grid())->currentIndex(); }
    QString heard(const char *label)
    {
        return QAccessible::queryAccessibleInterface(ScreenDriver::child<QLabel>(&screen, label))
            ->text(QAccessible::Name);
    }
    void chooseNames(const char *option)
    {
        QTest::mouseClick(ScreenDriver::child<QRadioButton>(&screen, option), Qt::LeftButton);
    }

    FakeNavigator navigator;
    SettingsStore settings;
    DayNamesChoice dayNames{settings};
    frmMayaCalendar screen{dayNames, navigator};
};

} // namespace

class TestMayaCalendarScreen : public QObject
{
    Q_OBJECT

private slots:
    void keys_moveTheSelection_data();
    void keys_moveTheSelection();
    void selectedDay_isShownInFull();
    void goTo_takesADateOrALongCount_data();
    void goTo_takesADateOrALongCount();
    void goTo_readsDatesAsPeopleWriteThem_data();
    void goTo_readsDatesAsPeopleWriteThem();
    void findLists_followTheSelectedDayUntilChosen();
    void messages_clearWhenAnotherDayIsSelected();
    void find_selectsTheDayOrSaysWhyNot_data();
    void find_selectsTheDayOrSaysWhyNot();
    void readingButton_opensAstrologyOnTheDay_data();
    void readingButton_opensAstrologyOnTheDay();
    void dayNames_followTheChoiceAndStayChosen();
    void dayNames_holdForTheRunWhereTheSettingsCannotKeepThem();
    void sidePanel_readsEachValueWithItsCaption_data();
    void sidePanel_readsEachValueWithItsCaption();
    void marks_haveASignATooltipAndAName_data();
    void marks_haveASignATooltipAndAName();
    void findFeast_selectsTheNextOrPrevious_data();
    void findFeast_selectsTheNextOrPrevious();
    void typedSign_isReadInEverySpelling_data();
    void typedSign_isReadInEverySpelling();
};

void TestMayaCalendarScreen::keys_moveTheSelection_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("to");
    const int none = Qt::NoModifier;
    const int control = Qt::ControlModifier;
    QTest::newRow("right") << "2026-12-07" << int(Qt::Key_Right) << none << "2026-12-08";
    QTest::newRow("left over a month") << "2026-12-01" << int(Qt::Key_Left) << none << "2026-11-30";
    QTest::newRow("down") << "2026-12-07" << int(Qt::Key_Down) << none << "2026-12-14";
    QTest::newRow("up") << "2026-12-07" << int(Qt::Key_Up) << none << "2026-11-30";
    QTest::newRow("page down") << "2026-12-07" << int(Qt::Key_PageDown) << none << "2027-01-07";
    QTest::newRow("page down to a shorter month")
        << "2027-01-31" << int(Qt::Key_PageDown) << none << "2027-02-28";
    QTest::newRow("page up") << "2026-12-07" << int(Qt::Key_PageUp) << none << "2026-11-07";
    QTest::newRow("ctrl page down")
        << "2024-02-29" << int(Qt::Key_PageDown) << control << "2025-02-28";
    QTest::newRow("ctrl page up") << "2026-12-07" << int(Qt::Key_PageUp) << control << "2025-12-07";
    QTest::newRow("home") << "1492-10-12" << int(Qt::Key_Home) << none << "2026-12-07";
    QTest::newRow("stops at the first day")
        << "0001-01-01" << int(Qt::Key_Left) << none << "0001-01-01";
    QTest::newRow("stops at the last day")
        << "3999-12-20" << int(Qt::Key_PageDown) << control << "3999-12-31";
}

void TestMayaCalendarScreen::keys_moveTheSelection()
{
    QFETCH(QString, from);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, to);
    CalendarOnScreen calendar;
    calendar.goTo(from);
    QCOMPARE(isoDate(calendar.screen.selectedDay()), from);
    QCOMPARE(calendar.screen.focusWidget(), calendar.grid());
    QTest::keyClick(calendar.grid(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(isoDate(calendar.screen.selectedDay()), to);
    // The grid's own current cell follows, as a screen reader reads it.
    const auto *grid = qobject_cast<QAbstractItemView *>(calendar.grid());
    const QString cell = grid->currentIndex().data(Qt::AccessibleTextRole).toString();
    const QDate date = QDate::fromString(to, Qt::ISODate);
    const QString shown = QStringLiteral("%1 %2 %3")
                              .arg(date.day())
                              .arg(QLocale::c().monthName(date.month()))
                              .arg(date.year());
    QVERIFY2(cell.contains(shown), qPrintable(cell));
}

void TestMayaCalendarScreen::selectedDay_isShownInFull()
{
    CalendarOnScreen calendar;
    calendar.goTo(QStringLiteral("2012-12-21"));
    const std::pair<const char *, const char *> expected[] = {
        {"lblGregorianDate", "Friday 21 December 2012"},
        {"lblJulianDate", "Friday 8 December 2012"},
        {"lblJulianDay", "2456283"},
        {"lblLongCount", "13.0.0.0.0"},
        {"lblTzolkin", "4 Ajaw"},
        {"lblHaab", "3 K'ank'in"},
        {"lblCalendarRound", "4 Ajaw 3 K'ank'in"},
        {"lblLordOfTheNight", "G9"},
        {"lblTrecena", "1 Kaban"},
        {"lblTzolkinDay", "160"},
    };
    for (const auto &[label, text] : expected)
        QCOMPARE(ScreenDriver::text(&calendar.screen, label), QString::fromUtf8(text));
    // A screen reader hears each value with its caption.
    QCOMPARE(QAccessible::queryAccessibleInterface(
                 ScreenDriver::child<QLabel>(&calendar.screen, "lblLongCount"))
                 ->text(QAccessible::Name),
             QStringLiteral("Long Count: 13.0.0.0.0"));
    QVERIFY(ScreenDriver::child<QLabel>(&calendar.screen, "lblTzolkinDay")
                ->toolTip()
                .contains(QStringLiteral("8 Chuwen")));
    QCOMPARE(ScreenDriver::text(&calendar.screen, "lblMonth"), QStringLiteral("December 2012"));
    const auto *grid = qobject_cast<QAbstractItemView *>(calendar.grid());
    QCOMPARE(grid->currentIndex().data(Qt::AccessibleTextRole).toString(),
             QStringLiteral("Friday 21 December 2012: 4 Ajaw, 3 K'ank'in; baktun ending"));
}

void TestMayaCalendarScreen::goTo_takesADateOrALongCount_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<bool>("julian");
    QTest::addColumn<QString>("selected");
    QTest::addColumn<QString>("problem");
    QTest::newRow("date") << "2012-12-21" << false << "2012-12-21"
                          << "";
    QTest::newRow("long count") << "9.12.11.5.18" << false << "0683-08-29"
                                << "";
    QTest::newRow("julian date") << "683-08-26" << true << "0683-08-29"
                                 << "";
    QTest::newRow("no such day") << "2023-02-29" << false << "2026-12-07"
                                 << "That day does not exist in the Gregorian calendar.";
    QTest::newRow("julian leap day") << "1500-02-29" << true << "1500-03-10"
                                     << "";
    QTest::newRow("before the range") << "0001-01-02" << true << "2026-12-07"
                                      << "The calendar holds the days from 3 January 1 to 3 "
                                         "December 3999.";
    QTest::newRow("long count out of range") << "19.0.0.0.0" << false << "2026-12-07"
                                             << "The calendar holds the days from 1 January 1 "
                                                "to 31 December 3999.";
    QTest::newRow("uinal 18") << "9.12.11.18.0" << false << "2026-12-07"
                              << "In a Long Count the uinal runs from 0 to 17, and the katun, "
                                 "the tun and the kin from 0 to 19.";
    QTest::newRow("baktun 20") << "20.0.0.0.0" << false << "2026-12-07"
                               << "The calendar holds the days from 1 January 1 to 31 December "
                                  "3999.";
    QTest::newRow("neither") << "21 Smarch 2012" << false << "2026-12-07"
                             << "Type a date (21 Dec 2012, 21 December 2012 or 2012-12-21) or a "
                                "Long Count (9.12.11.5.18).";
}

void TestMayaCalendarScreen::goTo_takesADateOrALongCount()
{
    QFETCH(QString, entry);
    QFETCH(bool, julian);
    QFETCH(QString, selected);
    QFETCH(QString, problem);
    CalendarOnScreen calendar;
    ScreenDriver::child<QCheckBox>(&calendar.screen, "chkJulian")->setChecked(julian);
    calendar.goTo(entry);
    QCOMPARE(isoDate(calendar.screen.selectedDay()), selected);
    QCOMPARE(ScreenDriver::text(&calendar.screen, "lblGoToProblem"), problem);
    // Said beside the field, never in a message box.
    QVERIFY(calendar.navigator.fakeDesktop.shown.isEmpty());
    if (julian && problem.isEmpty())
        QVERIFY(
            ScreenDriver::text(&calendar.screen, "lblMonth").contains(QStringLiteral("Julian")));
}

void TestMayaCalendarScreen::goTo_readsDatesAsPeopleWriteThem_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("selected");
    const QString columbus = QStringLiteral("1492-10-12");
    QTest::newRow("British short date") << "en_GB"
                                        << "12/10/1492" << columbus;
    QTest::newRow("American short date") << "en_US"
                                         << "10/12/1492" << columbus;
    QTest::newRow("Mexican short date") << "es_MX"
                                        << "12/10/1492" << columbus;
    QTest::newRow("German short date") << "de_DE"
                                       << "12.10.1492" << columbus;
    QTest::newRow("year first, slashes") << "en_US"
                                         << "1492/10/12" << columbus;
    QTest::newRow("day, month, year") << "C"
                                      << "12 October 1492" << columbus;
    QTest::newRow("month cut, comma") << "C"
                                      << "Oct 12, 1492" << columbus;
    QTest::newRow("any case, ordinal") << "C"
                                       << "the 12th of OCTOBER 1492" << columbus;
    QTest::newRow("year first, month named") << "C"
                                             << "1492 Oct 12" << columbus;
    QTest::newRow("not a month") << "C"
                                 << "12 Octopus 1492"
                                 << "2026-12-07";
    QTest::newRow("two months") << "C"
                                << "12 March October 1492"
                                << "2026-12-07";
    QTest::newRow("four numbers") << "en_GB"
                                  << "12/10/1492/1"
                                  << "2026-12-07";
}

void TestMayaCalendarScreen::goTo_readsDatesAsPeopleWriteThem()
{
    QFETCH(QString, locale);
    QFETCH(QString, entry);
    QFETCH(QString, selected);
    const QLocale before;
    QLocale::setDefault(QLocale(locale));
    const auto restore = qScopeGuard([&before] { QLocale::setDefault(before); });
    CalendarOnScreen calendar;
    calendar.goTo(entry);
    QCOMPARE(isoDate(calendar.screen.selectedDay()), selected);
    QCOMPARE(ScreenDriver::text(&calendar.screen, "lblGoToProblem").isEmpty(),
             selected != QLatin1String("2026-12-07"));
}

void TestMayaCalendarScreen::findLists_followTheSelectedDayUntilChosen()
{
    CalendarOnScreen calendar;
    QWidget *screen = &calendar.screen;
    auto *number = ScreenDriver::child<QComboBox>(screen, "cboNumber");
    auto *sign = ScreenDriver::child<QComboBox>(screen, "cboSign");
    auto *haabMonth = ScreenDriver::child<QComboBox>(screen, "cboHaabMonth");
    // As after "Show in the calendar" on a reading.
    calendar.screen.showDate(QDate(1985, 6, 15));
    QCOMPARE(number->currentText() + QLatin1Char(' ') + sign->currentText(),
             QStringLiteral("2 Muluk"));
    QCOMPARE(haabMonth->currentText(), QStringLiteral("Sotz'"));

    // Once the user has chosen, the lists keep the choice.
    sign->setFocus();
    QTest::keyClick(sign, Qt::Key_Down);
    QCOMPARE(sign->currentText(), QStringLiteral("Ok"));
    calendar.goTo(QStringLiteral("2012-12-21"));
    QCOMPARE(number->currentText() + QLatin1Char(' ') + sign->currentText(),
             QStringLiteral("2 Ok"));
    QCOMPARE(haabMonth->currentText(), QStringLiteral("Sotz'"));
}

void TestMayaCalendarScreen::messages_clearWhenAnotherDayIsSelected()
{
    CalendarOnScreen calendar;
    QWidget *screen = &calendar.screen;
    ScreenDriver::click(screen, "cmdFindNext");
    const QString found = ScreenDriver::text(screen, "lblFindMessage");
    QVERIFY2(found.startsWith(QStringLiteral("The next 7 Kawak is 260 days later")),
             qPrintable(found));
    calendar.goTo(QStringLiteral("2026-02-30"));
    QVERIFY(!ScreenDriver::text(screen, "lblGoToProblem").isEmpty());
    QCOMPARE(ScreenDriver::text(screen, "lblFindMessage"), found);

    QTest::keyClick(calendar.grid(), Qt::Key_Right);
    QCOMPARE(ScreenDriver::text(screen, "lblFindMessage"), QString());
    QCOMPARE(ScreenDriver::text(screen, "lblGoToProblem"), QString());
}

void TestMayaCalendarScreen::find_selectsTheDayOrSaysWhyNot_data()
{
    QTest::addColumn<QString>("tzolkin");
    QTest::addColumn<QString>("haab");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("selected");
    QTest::addColumn<QString>("message");
    QTest::newRow("next calendar round") << "4 Ajaw"
                                         << "8 Kumk'u"
                                         << "cmdFindNext"
                                         << "2032-03-11"
                                         << "The next 4 Ajaw 8 Kumk'u is 1,921 days later.";
    QTest::newRow("previous calendar round")
        << "4 Ajaw"
        << "8 Kumk'u"
        << "cmdFindPrevious"
        << "1980-03-24"
        << "The previous 4 Ajaw 8 Kumk'u was 17,059 days earlier.";
    QTest::newRow("next tzolk'in day") << "8 Ajaw"
                                       << ""
                                       << "cmdFindNext"
                                       << "2026-12-08"
                                       << "The next 8 Ajaw is the day after.";
    QTest::newRow("next haab' day") << ""
                                    << "0 Pop"
                                    << "cmdFindNext"
                                    << "2027-03-30"
                                    << "The next 0 Pop is 113 days later.";
    QTest::newRow("impossible calendar round")
        << "4 Ajaw"
        << "9 Kumk'u"
        << "cmdFindNext"
        << "2026-12-07"
        << "No day is 4 Ajaw 9 Kumk'u: the sign Ajaw meets only the Haab' days 3, 8, 13 and 18 "
           "of a month.";
    QTest::newRow("wayeb' day 5") << ""
                                  << "5 Wayeb'"
                                  << "cmdFindNext"
                                  << "2026-12-07"
                                  << "Wayeb' has only the days 0 to 4.";
    QTest::newRow("nothing ticked") << ""
                                    << ""
                                    << "cmdFindNext"
                                    << "2026-12-07"
                                    << "Tick a Tzolk'in day, a Haab' day or both.";
}

void TestMayaCalendarScreen::find_selectsTheDayOrSaysWhyNot()
{
    QFETCH(QString, tzolkin);
    QFETCH(QString, haab);
    QFETCH(QString, button);
    QFETCH(QString, selected);
    QFETCH(QString, message);
    CalendarOnScreen calendar;
    QWidget *screen = &calendar.screen;
    const auto pick = [screen](const char *box, const char *number, const char *name,
                               const QString &day) {
        ScreenDriver::child<QCheckBox>(screen, box)->setChecked(!day.isEmpty());
        if (day.isEmpty())
            return;
        const QStringList parts = day.split(QLatin1Char(' '));
        auto *numbers = ScreenDriver::child<QComboBox>(screen, number);
        numbers->setCurrentIndex(numbers->findText(parts[0]));
        auto *names = ScreenDriver::child<QComboBox>(screen, name);
        names->setCurrentIndex(names->findText(parts[1]));
    };
    pick("chkTzolkin", "cboNumber", "cboSign", tzolkin);
    pick("chkHaab", "cboHaabDay", "cboHaabMonth", haab);
    ScreenDriver::click(screen, qPrintable(button));
    QCOMPARE(isoDate(calendar.screen.selectedDay()), selected);
    if (!message.isEmpty())
        QCOMPARE(ScreenDriver::text(screen, "lblFindMessage"), message);
}

void TestMayaCalendarScreen::readingButton_opensAstrologyOnTheDay_data()
{
    QTest::addColumn<QString>("day");
    QTest::addColumn<bool>("offered");
    QTest::newRow("a day of 1985") << "1985-06-15" << true;
    QTest::newRow("the first day of the readings") << "1900-01-01" << true;
    QTest::newRow("today") << "2026-12-07" << true;
    QTest::newRow("the day before the readings") << "1899-12-31" << false;
    QTest::newRow("tomorrow") << "2026-12-08" << false;
}

void TestMayaCalendarScreen::readingButton_opensAstrologyOnTheDay()
{
    QFETCH(QString, day);
    QFETCH(bool, offered);
    KinEngine engine;
    CalendarOnScreen calendar;
    calendar.navigator.makers[ScreenId::AstrologyMain] = [&engine](Navigator &navigator) {
        return new EntryScreen(EntryScreen::Kind::Astrology, engine, navigator);
    };
    calendar.goTo(day);
    auto *button = ScreenDriver::child<QPushButton>(&calendar.screen, "cmdReading");
    QCOMPARE(button->isEnabled(), offered);
    if (offered) {
        QTest::keyClick(button, Qt::Key_Space);
        QCOMPARE(calendar.navigator.opened, QList<ScreenId>{ScreenId::AstrologyMain});
        ProgramScreen *entry = calendar.navigator.findScreen(ScreenId::AstrologyMain);
        QVERIFY(QTest::qWaitForWindowActive(entry));
        const QDate date = QDate::fromString(day, Qt::ISODate);
        QCOMPARE(ScreenDriver::child<QComboBox>(entry, "cboYear")->currentText(),
                 QString::number(date.year()));
        QCOMPARE(ScreenDriver::child<QComboBox>(entry, "cboMonth")->currentIndex(),
                 date.month() - 1);
        QCOMPARE(ScreenDriver::child<QComboBox>(entry, "cboDate")->currentText(),
                 QString::number(date.day()));
        QCOMPARE(entry->focusWidget(), ScreenDriver::child<QWidget>(entry, "txtName"));
    }
}

void TestMayaCalendarScreen::dayNames_followTheChoiceAndStayChosen()
{
    CalendarOnScreen calendar;
    QWidget *screen = &calendar.screen;
    // The reminder's date, which the choice must leave as it is.
    QVERIFY(calendar.settings.write(kSettingsSection, kLastReminderDateKey,
                                    QStringLiteral("2026-12-01")));
    calendar.chooseNames("optKiche");
    QCOMPARE(ScreenDriver::text(screen, "lblTzolkin"), QStringLiteral("7 Kawoq"));
    QCOMPARE(ScreenDriver::text(screen, "lblCalendarRound"), QStringLiteral("7 Kawoq 12 Mak"));
    QCOMPARE(ScreenDriver::text(screen, "lblTrecena"), QStringLiteral("1 Aj"));
    // The other set beside it, to cross over.
    QCOMPARE(calendar.heard("lblOtherNames"), QStringLiteral("In Yucatec: 7 Kawak"));
    QCOMPARE(calendar.selectedCell().data(Qt::AccessibleTextRole).toString(),
             QStringLiteral("Monday 7 December 2026: 7 Kawoq, 12 Mak"));
    QCOMPARE(ScreenDriver::child<QComboBox>(screen, "cboSign")->currentText(),
             QStringLiteral("Kawoq"));

    // Kept for the next start, beside the reminder's date.
    SettingsStore file;
    QCOMPARE(file.read(kSettingsSection, kDayNamesKey), QStringLiteral("kiche"));
    QCOMPARE(file.read(kSettingsSection, kLastReminderDateKey), QStringLiteral("2026-12-01"));
    QCOMPARE(DayNamesChoice(file).names(), MayaCalendar::DayNames::Kiche);

    calendar.chooseNames("optYucatec");
    QCOMPARE(ScreenDriver::text(screen, "lblTzolkin"), QStringLiteral("7 Kawak"));
    QCOMPARE(calendar.heard("lblOtherNames"), QStringLiteral("In K'iche': 7 Kawoq"));
    QCOMPARE(file.read(kSettingsSection, kDayNamesKey), QStringLiteral("yucatec"));
}

void TestMayaCalendarScreen::dayNames_holdForTheRunWhereTheSettingsCannotKeepThem()
{
    CalendarOnScreen calendar;
    // A folder where the settings file would be: nothing can be written there.
    const QString path = calendar.settings.fileName();
    QFile::remove(path);
    QVERIFY(QDir().mkpath(path));
    const auto removeFolder = qScopeGuard([&path] { QDir(path).removeRecursively(); });
    calendar.chooseNames("optKiche");
    QCOMPARE(ScreenDriver::text(&calendar.screen, "lblTzolkin"), QStringLiteral("7 Kawoq"));
    // Without a word, as the README says, and the folder is left as it was.
    QVERIFY(calendar.navigator.fakeDesktop.shown.isEmpty());
    QVERIFY(QFileInfo(path).isDir());
    QVERIFY(QDir(path).isEmpty());
}

void TestMayaCalendarScreen::sidePanel_readsEachValueWithItsCaption_data()
{
    QTest::addColumn<QString>("day");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("heard");
    const QString today = QStringLiteral("2026-12-07");
    QTest::newRow("year bearer") << today << "lblYearBearer"
                                 << "Year bearer: 2 Manik' (30 March 2026)";
    QTest::newRow("new year") << "2027-03-30"
                              << "lblYearBearer"
                              << "Year bearer: 3 Eb (30 March 2027)";
    // The year of the first day began before the calendar does.
    QTest::newRow("year before the range") << "0001-01-01"
                                           << "lblYearBearer"
                                           << "Year bearer: 3 Eb";
    QTest::newRow("no marks") << today << "lblMarks"
                              << "Marks: None";
    QTest::newRow("marks") << "2026-10-09"
                           << "lblMarks"
                           << "Marks: Tun ending";
    QTest::newRow("age of the Moon") << today << "lblMoonAge"
                                     << "Age of the Moon: 28.2 days";
    QTest::newRow("waning crescent") << today << "lblMoonPhase"
                                     << "Phase of the Moon: waning crescent";
    QTest::newRow("full moon") << "2026-12-24"
                               << "lblMoonPhase"
                               << "Phase of the Moon: full moon";
    QTest::newRow("waxing gibbous") << "2026-12-20"
                                    << "lblMoonPhase"
                                    << "Phase of the Moon: waxing gibbous";
}

void TestMayaCalendarScreen::sidePanel_readsEachValueWithItsCaption()
{
    QFETCH(QString, day);
    QFETCH(QString, label);
    QFETCH(QString, heard);
    CalendarOnScreen calendar;
    calendar.goTo(day);
    QCOMPARE(calendar.heard(qPrintable(label)), heard);
}

void TestMayaCalendarScreen::marks_haveASignATooltipAndAName_data()
{
    QTest::addColumn<QString>("day");
    QTest::addColumn<QString>("toolTip");
    QTest::addColumn<QString>("name");
    QTest::newRow("8 B'atz'") << "2027-03-09"
                              << "8 Chuwen, the feast of the K'iche' day keepers."
                              << "Tuesday 9 March 2027: 8 Chuwen, 4 Kumk'u; day keepers' feast";
    QTest::newRow("Wayeb'") << "2027-03-25"
                            << "A day of Wayeb', the five days that close the Haab'."
                            << "Thursday 25 March 2027: 11 Manik', 0 Wayeb'; Wayeb' day";
    QTest::newRow("0 Pop") << "2027-03-30"
                           << "0 Pop, the first day of the Haab' year, whose bearer is 3 Eb."
                           << "Tuesday 30 March 2027: 3 Eb, 0 Pop; new year";
    QTest::newRow("trecena") << "2026-12-01"
                             << "The first of the thirteen days of the trecena 1 Ben."
                             << "Tuesday 1 December 2026: 1 Ben, 6 Mak; first day of a trecena";
    QTest::newRow("tun ending") << "2026-10-09"
                                << "13.0.14.0.0: the end of a tun, 360 days."
                                << "Friday 9 October 2026: 13 Ajaw, 13 Yax; tun ending";
    QTest::newRow("new moon") << "2026-12-09"
                              << "New moon, on this day in Universal Time."
                              << "Wednesday 9 December 2026: 9 Imix, 14 Mak; new moon";
    QTest::newRow("full moon") << "2026-12-24"
                               << "Full moon, on this day in Universal Time."
                               << "Thursday 24 December 2026: 11 Kib, 9 K'ank'in; full moon";
    QTest::newRow("nothing") << "2026-12-07"
                             << ""
                             << "Monday 7 December 2026: 7 Kawak, 12 Mak";
}

void TestMayaCalendarScreen::marks_haveASignATooltipAndAName()
{
    QFETCH(QString, day);
    QFETCH(QString, toolTip);
    QFETCH(QString, name);
    CalendarOnScreen calendar;
    calendar.goTo(day);
    const QModelIndex cell = calendar.selectedCell();
    QCOMPARE(cell.data(Qt::ToolTipRole).toString(), toolTip);
    QCOMPARE(cell.data(Qt::AccessibleTextRole).toString(), name);

    // The sign stands between the day's number and its sign's picture, on
    // the selected day's ground; a day without marks has nothing there.
    auto *view = qobject_cast<QAbstractItemView *>(calendar.grid());
    const QImage painted = view->viewport()->grab().toImage();
    const QRect place = view->visualRect(cell);
    const QRect strip(place.right() - 50, place.top() + 6, 16, 11);
    const QRgb ground = painted.pixel(place.right() - 8, place.center().y());
    bool drawn = false;
    for (int y = strip.top(); y <= strip.bottom(); ++y) {
        for (int x = strip.left(); x <= strip.right(); ++x)
            drawn = drawn || painted.pixel(x, y) != ground;
    }
    QCOMPARE(drawn, !toolTip.isEmpty());
}

void TestMayaCalendarScreen::findFeast_selectsTheNextOrPrevious_data()
{
    QTest::addColumn<int>("feast"); // its place in the list
    QTest::addColumn<bool>("kiche");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("selected");
    QTest::addColumn<QString>("message");
    const QString next = QStringLiteral("cmdFindNext");
    const QString previous = QStringLiteral("cmdFindPrevious");
    QTest::newRow("next 8 B'atz'") << 0 << true << next << "2027-03-09"
                                   << "The next 8 B'atz' is 92 days later.";
    QTest::newRow("previous 8 Chuwen") << 0 << false << previous << "2026-06-22"
                                       << "The previous 8 Chuwen was 168 days earlier.";
    QTest::newRow("next Wayeb'") << 1 << true << next << "2027-03-25"
                                 << "The next Wayeb' day is 108 days later.";
    QTest::newRow("previous 0 Pop") << 2 << false << previous << "2026-03-30"
                                    << "The previous 0 Pop was 252 days earlier.";
    QTest::newRow("previous trecena") << 3 << false << previous << "2026-12-01"
                                      << "The previous first day of a trecena was 6 days earlier.";
    QTest::newRow("next tun ending") << 4 << false << next << "2027-10-04"
                                     << "The next tun ending is 301 days later.";
    QTest::newRow("next katun ending") << 5 << false << next << "2032-09-07"
                                       << "The next katun ending is 2,101 days later.";
    QTest::newRow("previous baktun ending") << 6 << false << previous << "2012-12-21"
                                            << "The previous baktun ending was 5,099 days earlier.";
    QTest::newRow("next new moon") << 7 << false << next << "2026-12-09"
                                   << "The next new moon is 2 days later.";
    QTest::newRow("next full moon") << 8 << false << next << "2026-12-24"
                                    << "The next full moon is 17 days later.";
}

void TestMayaCalendarScreen::findFeast_selectsTheNextOrPrevious()
{
    QFETCH(int, feast);
    QFETCH(bool, kiche);
    QFETCH(QString, button);
    QFETCH(QString, selected);
    QFETCH(QString, message);
    CalendarOnScreen calendar;
    QWidget *screen = &calendar.screen;
    calendar.chooseNames(kiche ? "optKiche" : "optYucatec");
    ScreenDriver::child<QCheckBox>(screen, "chkFeast")->setChecked(true);
    // The day's lists rest while a feast is looked for.
    QVERIFY(!ScreenDriver::child<QWidget>(screen, "cboSign")->isEnabled());
    ScreenDriver::child<QComboBox>(screen, "cboFeast")->setCurrentIndex(feast);
    ScreenDriver::click(screen, qPrintable(button));
    QCOMPARE(isoDate(calendar.screen.selectedDay()), selected);
    QCOMPARE(ScreenDriver::text(screen, "lblFindMessage"), message);
}

void TestMayaCalendarScreen::typedSign_isReadInEverySpelling_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("kiche");
    QTest::addColumn<QString>("read"); // what the lists show then
    QTest::addColumn<QString>("selected");
    QTest::newRow("K'iche' without apostrophes") << "8 Batz" << false << "8 Chuwen"
                                                 << "2027-03-09";
    QTest::newRow("colonial, lower case") << "8 chuen" << true << "8 B'atz'"
                                          << "2027-03-09";
    QTest::newRow("Kan among K'iche' names") << "8 Kan" << true << "8 Kan"
                                             << "2027-02-11";
    QTest::newRow("Kan among Yucatec names") << "8 Kan" << false << "8 K'an"
                                             << "2027-03-22";
    QTest::newRow("a sign alone") << "ahau" << false << "7 Ajaw"
                                  << "2027-07-16";
    QTest::newRow("a Calendar Round") << "4 Ahau 8 Kumku" << false << "4 Ajaw 8 Kumk'u"
                                      << "2032-03-11";
    QTest::newRow("no sign") << "Zapato" << false << "7 Zapato"
                             << "2026-12-07";
}

void TestMayaCalendarScreen::typedSign_isReadInEverySpelling()
{
    QFETCH(QString, typed);
    QFETCH(bool, kiche);
    QFETCH(QString, read);
    QFETCH(QString, selected);
    CalendarOnScreen calendar;
    QWidget *screen = &calendar.screen;
    calendar.chooseNames(kiche ? "optKiche" : "optYucatec");
    auto *sign = ScreenDriver::child<QComboBox>(screen, "cboSign");
    // Typed where the keyboard is, into the list, which hands the keys to
    // its line.
    sign->setFocus();
    sign->lineEdit()->selectAll();
    QTest::keyClicks(sign, typed);
    // Enter finds the next.
    QTest::keyClick(sign, Qt::Key_Return);
    QString shown = ScreenDriver::child<QComboBox>(screen, "cboNumber")->currentText() +
                    QLatin1Char(' ') + sign->currentText();
    if (ScreenDriver::child<QCheckBox>(screen, "chkHaab")->isChecked())
        shown += QLatin1Char(' ') +
                 ScreenDriver::child<QComboBox>(screen, "cboHaabDay")->currentText() +
                 QLatin1Char(' ') +
                 ScreenDriver::child<QComboBox>(screen, "cboHaabMonth")->currentText();
    QCOMPARE(shown, read);
    QCOMPARE(isoDate(calendar.screen.selectedDay()), selected);
    if (selected == QLatin1String("2026-12-07"))
        QCOMPARE(ScreenDriver::text(screen, "lblFindMessage"),
                 QStringLiteral("No day sign is called \"Zapato\"."));
}

QTEST_MAIN(TestMayaCalendarScreen)
#include "tst_mayacalendarscreen.moc"

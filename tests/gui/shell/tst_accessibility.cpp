// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What a keyboard user and a screen reader meet on every screen: the tab
// order, the names of the controls and pictures, and the links.

#include "gui/common/ClickableLabel.h"
#include "support/ScreenDriver.h"

#include <QAccessible>
#include <QApplication>
#include <QRegularExpression>

using namespace tzolkara;

namespace {

QAccessibleInterface *accessible(QWidget *widget)
{
    return QAccessible::queryAccessibleInterface(widget);
}

// The widgets Tab visits inside `root`, from `first` on, in order.
QStringList tabOrder(QWidget *root, QWidget *first)
{
    QStringList names;
    QWidget *w = first;
    do {
        // A widget that hands its focus on (the line edit inside an editable
        // list) is no stop of its own, as Tab passes it by.
        if (w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus) && w != root &&
            root->isAncestorOf(w) && !w->focusProxy())
            names << w->objectName();
        w = w->nextInFocusChain();
    } while (w && w != first);
    return names;
}

QStringList list(std::initializer_list<const char *> items)
{
    QStringList result;
    for (const char *item : items)
        result << QString::fromLatin1(item);
    return result;
}

} // namespace

class TestAccessibility : public QObject
{
    Q_OBJECT

private slots:
    void tabOrder_followsTheScreen_data();
    void tabOrder_followsTheScreen();
    void controlsAndPictures_sayWhatTheyAre_data();
    void controlsAndPictures_sayWhatTheyAre();
    void tarotCards_nameTheirPositionAndGlyph();
    void links_areLinksThatOpenByKeyboard();
};

void TestAccessibility::tabOrder_followsTheScreen_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<QStringList>("order");
    QTest::newRow("welcome") << int(Start::Welcome)
                             << list({"cmdSelectOption_0", "cmdSelectOption_1", "cmdSelectOption_2",
                                      "cmdSelectOption_3", "lblToday", "cmdMdiExit",
                                      "lblStarloomBanner", "Label7"});
    const QStringList entry = list({"txtName", "cboMonth", "cboDate", "cboYear", "cmdCalculate",
                                    "cmdOpen", "Label14", "lblFullBrand"});
    QTest::newRow("astrology entry") << int(Start::AstrologyEntry) << entry;
    QTest::newRow("numerology entry") << int(Start::NumerologyEntry) << entry;
    QTest::newRow("tarot question")
        << int(Start::TarotQuestion)
        << list({"txtName", "cmdNext", "cmdOpen", "txtQuestion", "Label61", "lblFullBrand"});
    QTest::newRow("astrology result")
        << int(Start::AstrologyResult)
        << list({"cmdSave", "cmdBack", "lblShowInCalendar", "Label14", "lblCobrand"});
    QTest::newRow("numerology result")
        << int(Start::NumerologyResult) << list({"cmdSave", "cmdBack", "lblFullBrand", "Label14"});
    QTest::newRow("astrology report")
        << int(Start::AstrologyReport)
        << list({"RTB", "cmdSave", "cmdPrint", "cmdSavePdf", "Label14", "Label1", "lblCobrand"});
    QTest::newRow("tarot result") << int(Start::TarotResult)
                                  << list({"RTB", "cmdExit", "cmdBack", "lblFullBrand", "Label14"});
    QTest::newRow("maya calendar")
        << int(Start::MayaCalendar)
        << list({"grdMonth", "txtGoTo", "cmdGoTo", "chkJulian", "optYucatec", "optKiche",
                 "cmdReading", "chkTzolkin", "cboNumber", "cboSign", "chkHaab", "chkFeast",
                 "cmdFindPrevious", "cmdFindNext", "cmdPreviousMonth", "cmdNextMonth", "cmdToday"});
}

void TestAccessibility::tabOrder_followsTheScreen()
{
    QFETCH(int, start);
    QFETCH(QStringList, order);
    ScreenDriver ui;
    QWidget *screen = ui.reach(Start(start));
    auto *first = screen->findChild<QWidget *>(order.constFirst());
    QVERIFY(first);
    if (Start(start) == Start::Welcome)
        QCOMPARE(screen->window()->focusWidget(), first); // where the keyboard starts
    // Compared as one line, so that a failure shows the whole order.
    QCOMPARE(tabOrder(screen, first).join(QLatin1Char(' ')), order.join(QLatin1Char(' ')));
}

void TestAccessibility::controlsAndPictures_sayWhatTheyAre_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");
    // Qt names a list after its value; the description says what it is.
    const std::pair<const char *, const char *> entry[] = {{"txtName", "Name"},
                                                           {"cboMonth", "January|Month of birth"},
                                                           {"cboDate", "1|Day of birth"},
                                                           {"cboYear", "1900|Year of birth"}};
    for (const auto &[control, name] : entry) {
        QTest::addRow("astrology %s", control) << int(Start::AstrologyEntry) << control << name;
        QTest::addRow("numerology %s", control) << int(Start::NumerologyEntry) << control << name;
    }
    QTest::newRow("tarot name") << int(Start::TarotQuestion) << "txtName"
                                << "Name";
    QTest::newRow("tarot problem") << int(Start::TarotQuestion) << "txtQuestion"
                                   << "Describe the Problem";
    QTest::newRow("day sign") << int(Start::AstrologyResult) << "picDaySign"
                              << "Day sign Sun (AJPU - (AHUA))";
    QTest::newRow("astrology tone") << int(Start::AstrologyResult) << "picGalacticTone"
                                    << "Day number 4, Self-Existing";
    QTest::newRow("numerology tone") << int(Start::NumerologyResult) << "picGalacticTone"
                                     << "Day number 4, Self-Existing";
    QTest::newRow("calendar icon") << int(Start::Welcome) << "picCalendarIcon"
                                   << "Icon of Maya Calendar";
    QTest::newRow("yucatec names") << int(Start::MayaCalendar) << "optYucatec"
                                   << "Yucatec names";
    QTest::newRow("k'iche' names") << int(Start::MayaCalendar) << "optKiche"
                                   << "K'iche' names";
    // Named after its value, as every list, and told apart by its description.
    QTest::newRow("feast") << int(Start::MayaCalendar) << "cboFeast"
                           << "8 Chuwen|Feast";
    QTest::newRow("year bearer") << int(Start::MayaCalendar) << "lblYearBearer"
                                 << "Year bearer: 2 Manik' (30 March 2026)";
}

void TestAccessibility::controlsAndPictures_sayWhatTheyAre()
{
    QFETCH(int, start);
    QFETCH(QString, control);
    QFETCH(QString, name);
    ScreenDriver ui;
    QWidget *screen = ui.reach(Start(start));
    auto *widget = screen->findChild<QWidget *>(control);
    QVERIFY(widget);
    const QStringList nameAndDescription = name.split(QLatin1Char('|'));
    QCOMPARE(accessible(widget)->text(QAccessible::Name), nameAndDescription.constFirst());
    if (nameAndDescription.size() > 1)
        QCOMPARE(accessible(widget)->text(QAccessible::Description), nameAndDescription.last());
}

void TestAccessibility::tarotCards_nameTheirPositionAndGlyph()
{
    ScreenDriver ui;
    QWidget *result = ui.reach(Start::TarotResult);
    const QStringList positions = list({"Guide", "Challenge", "Central", "Ally", "Occult"});
    // "Guide: Cauac, Blue Storm": the position, the glyph's Mayan name, its colour name.
    for (int p = 0; p < 5; ++p) {
        auto *card = result->findChild<QWidget *>(QStringLiteral("imgMayanTarot_%1").arg(p));
        const QString name = accessible(card)->text(QAccessible::Name);
        QVERIFY2(
            QRegularExpression(
                QStringLiteral("^%1: [A-Z][a-z]+, (Red|White|Blue|Yellow) [A-Z]").arg(positions[p]))
                .match(name)
                .hasMatch(),
            qPrintable(name));
    }
}

void TestAccessibility::links_areLinksThatOpenByKeyboard()
{
    ScreenDriver ui;
    QWidget *entry = ui.reach(Start::AstrologyEntry);
    auto *forum = ScreenDriver::child<ClickableLabel>(entry, "Label14");
    QAccessibleInterface *link = accessible(forum);
    QCOMPARE(link->role(), QAccessible::Link);
    QCOMPARE(link->text(QAccessible::Description), QStringLiteral("https://www.tzolkara.example"));
    // The label hidden beneath its twin is not shown to a screen reader.
    QVERIFY(accessible(ScreenDriver::child<QWidget>(entry, "lblCobrand"))->state().invisible);

    forum->setFocus();
    QTest::keyClick(forum, Qt::Key_Return);
    QTest::keyClick(forum, Qt::Key_Space);
    link->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(ui.desktop().openedAddresses(),
             QStringList(3, QStringLiteral("https://www.tzolkara.example")));
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"

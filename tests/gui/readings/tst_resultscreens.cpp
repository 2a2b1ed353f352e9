// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/ProgramContext.h"
#include "core/i18n/Language.h"
#include "gui/common/Artwork.h"
#include "support/ScreenDriver.h"

#include <QAction>
#include <QGroupBox>
#include <QMdiArea>

using namespace tzolkara;

namespace {

bool showsPicture(QLabel *box, const ImageList &list, int index)
{
    return box->pixmap().toImage() == list.picture(index, box->devicePixelRatioF()).toImage();
}

// Calculates a reading on the entry screen, as a user does.
ProgramScreen *calculate(ScreenDriver &ui, ScreenId entry, const char *month, int day, int year)
{
    ProgramScreen *screen = ui.open(entry);
    ScreenDriver::enter(screen, QStringLiteral("Ana"), QString::fromLatin1(month), day, year);
    ScreenDriver::click(screen, "cmdCalculate");
    return ui.screen(entry == ScreenId::AstrologyMain ? ScreenId::AstrologyResult
                                                      : ScreenId::NumerologyResult);
}

} // namespace

class TestResultScreens : public QObject
{
    Q_OBJECT

private slots:
    void astrology_labelsAndPictures_data();
    void astrology_labelsAndPictures();
    void astrology_captionsAndFrames();
    void astrology_designTimePictureStaysWithoutMatch();
    void astrology_secondReadingLeavesNothingOfFirst();
    void astrology_spanishReading_showsTheSignsPicture();
    void astrology_mayaCalendarFrameShowsTheBirthDate();
    void astrology_showInCalendar_opensTheCalendarOverTheReading();
    void astrology_mayaCalendarFrame_followsTheCalendarsDayNames();
    void numerology_dayNumberTextAndPicture();
    void sameDate_sameDayNumberTextOnBothScreens();
    void exit_showsWelcomePanelAndKeepsEntryHidden();
    void save_opensReportInFrontOnce();
    void visibleBrandLabel_differsBetweenScreens();
};

void TestResultScreens::astrology_labelsAndPictures_data()
{
    QTest::addColumn<QString>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("year");
    QTest::addColumn<QString>("dayNumber");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("englishName");
    QTest::addColumn<int>("signPicture");
    // Kin 1: Monkey, day number 8.
    QTest::newRow("8, Monkey") << "November" << 13 << 1911 << "8"
                               << "BATZ - (CHUEN)"
                               << "Monkey" << 1;
    QTest::newRow("13, Sun (kin 110)") << "March" << 1 << 1912 << "13"
                                       << "AJPU - (AHUA)"
                                       << "Sun" << 10;
    QTest::newRow("Crocodile") << "December" << 31 << 1999 << "10"
                               << "IMOSH - (IMIX)"
                               << "Crocodile" << 11;
    QTest::newRow("Dog") << "November" << 12 << 1911 << "7"
                         << "TZI - (OC)"
                         << "Dog" << 20;
    QTest::newRow("21 December 2012") << "December" << 21 << 2012 << "4"
                                      << "AJPU - (AHUA)"
                                      << "Sun" << 10;
}

void TestResultScreens::astrology_labelsAndPictures()
{
    QFETCH(QString, month);
    QFETCH(int, day);
    QFETCH(int, year);
    QFETCH(QString, dayNumber);
    QFETCH(QString, label);
    QFETCH(QString, englishName);
    QFETCH(int, signPicture);
    ScreenDriver ui;
    ProgramScreen *result = calculate(ui, ScreenId::AstrologyMain, month.toLatin1(), day, year);
    QVERIFY(result);
    QCOMPARE(ScreenDriver::text(result, "lblMayanDayNumber"), dayNumber);
    QCOMPARE(ScreenDriver::text(result, "lblMayanDaySign"), label);
    QCOMPARE(ScreenDriver::text(result, "lblMayanEnglishName"), englishName);
    const ReadingState &state = ui.context().modMayanAstrology.state();
    QCOMPARE(ScreenDriver::text(result, "lblMayanGemstone"), state.Gemstone);
    QCOMPARE(ScreenDriver::text(result, "lblKeywords"), state.Keywords);
    QCOMPARE(ScreenDriver::text(result, "lblSignificance"), state.Significance);
    QCOMPARE(ScreenDriver::text(result, "lblMayanDesc"), state.SignDescription);
    QCOMPARE(ScreenDriver::text(result, "lblMayanNoDesc"), state.DayNumberDescription);
    QCOMPARE(ScreenDriver::text(result, "lblFamousPersons"), state.FamousPersons);
    QVERIFY(showsPicture(ScreenDriver::child<QLabel>(result, "picDaySign"), ui.context().pictures.daySigns(),
                         signPicture));
    QVERIFY(showsPicture(ScreenDriver::child<QLabel>(result, "picGalacticTone"),
                         ui.context().pictures.astrologyTones(), dayNumber.toInt()));
    // Long texts are shown whole: as tall as their wrapped lines need.
    auto *description = ScreenDriver::child<QLabel>(result, "lblMayanDesc");
    QVERIFY(description->height() >= description->heightForWidth(description->width()));
    QVERIFY(result->widget()->height() >= result->widget()->minimumSizeHint().height());
}

void TestResultScreens::astrology_captionsAndFrames()
{
    ScreenDriver ui;
    ProgramScreen *result = calculate(ui, ScreenId::AstrologyMain, "May", 1, 1931);
    QCOMPARE(result->windowTitle(), QStringLiteral("Tzolkara Mayan Astrology"));
    QCOMPARE(ScreenDriver::child<QGroupBox>(result, "Frame2")->title(),
             QStringLiteral("Mayan Day Sign"));
    QCOMPARE(ScreenDriver::child<QGroupBox>(result, "Frame1")->title(),
             QStringLiteral("Mayan Day Number / Galactic Tone"));
    const QStringList captions = {
        QStringLiteral("Mayan Day Sign"),     QStringLiteral("English Name"),
        QStringLiteral("Mayan Gemstone"),     QStringLiteral("Mayan Keywords"),
        QStringLiteral("Mayan Significance"), QStringLiteral("Famous Personalities")};
    for (int i = 0; i < captions.size(); ++i)
        QCOMPARE(result->findChild<QLabel *>(QStringLiteral("Label1_%1").arg(i))->text(),
                 captions.at(i));
    QCOMPARE(ScreenDriver::child<QPushButton>(result, "cmdSave")->text(), QStringLiteral("Save"));
    QCOMPARE(ScreenDriver::child<QPushButton>(result, "cmdBack")->text(), QStringLiteral("Back"));
    QCOMPARE(ScreenDriver::child<QAction>(result, "mnuBack")->text(), QStringLiteral("&Back"));
}

void TestResultScreens::astrology_designTimePictureStaysWithoutMatch()
{
    // A state the calculation leaves alone (no year), with results no list knows.
    ScreenDriver ui;
    KinEngine &engine = ui.context().modMayanAstrology;
    engine.state() = ReadingState();
    engine.state().EnglishName = QStringLiteral("crocodile");
    engine.state().DayNumber = 14;
    ProgramScreen *result = ui.main().showScreen(ScreenId::AstrologyResult);
    auto *sign = ScreenDriver::child<QLabel>(result, "picDaySign");
    auto *tone = ScreenDriver::child<QLabel>(result, "picGalacticTone");
    QCOMPARE(sign->pixmap().toImage(), ui.context().pictures.signFrame(sign->devicePixelRatioF()).toImage());
    QCOMPARE(tone->pixmap().toImage(), ui.context().pictures.toneFrame(tone->devicePixelRatioF()).toImage());
}

void TestResultScreens::astrology_secondReadingLeavesNothingOfFirst()
{
    ScreenDriver ui;
    ProgramScreen *first = calculate(ui, ScreenId::AstrologyMain, "December", 21, 2012);
    QPointer<ProgramScreen> firstScreen = first;
    ScreenDriver::click(first, "cmdBack");
    ProgramScreen *entry = ui.screen(ScreenId::AstrologyMain);
    ScreenDriver::enter(entry, QStringLiteral("Ana"), QStringLiteral("March"), 1, 1900);
    ScreenDriver::click(entry, "cmdCalculate");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(firstScreen.isNull());
    ProgramScreen *second = ui.screen(ScreenId::AstrologyResult);
    QCOMPARE(ScreenDriver::text(second, "lblMayanEnglishName"), QStringLiteral("Earth"));
    QCOMPARE(ScreenDriver::text(second, "lblMayanDayNumber"), QStringLiteral("11"));
    QCOMPARE(ScreenDriver::text(second, "lblMayanGemstone"), QStringLiteral("Agate"));
    QVERIFY(
        showsPicture(ScreenDriver::child<QLabel>(second, "picDaySign"), ui.context().pictures.daySigns(), 7));
}

// The sign's name is Spanish then; its picture is still the Earth's.
void TestResultScreens::astrology_spanishReading_showsTheSignsPicture()
{
    ScreenDriver ui(Language::fromCode(QStringLiteral("es")));
    ProgramScreen *result = calculate(ui, ScreenId::AstrologyMain, "March", 1, 1900);
    QCOMPARE(ScreenDriver::text(result, "lblMayanEnglishName"),
             ui.context().modMayanAstrology.state().EnglishName);
    QVERIFY(ScreenDriver::text(result, "lblMayanEnglishName") != QStringLiteral("Earth"));
    QVERIFY(
        showsPicture(ScreenDriver::child<QLabel>(result, "picDaySign"), ui.context().pictures.daySigns(), 7));
}

void TestResultScreens::astrology_mayaCalendarFrameShowsTheBirthDate()
{
    ScreenDriver ui;
    ProgramScreen *result = calculate(ui, ScreenId::AstrologyMain, "December", 21, 2012);
    auto *frame = ScreenDriver::child<QGroupBox>(result, "fraMayaCalendar");
    QCOMPARE(frame->title(), QStringLiteral("This day in the Maya calendar"));
    const std::pair<const char *, const char *> lines[] = {
        {"lblLongCount", "13.0.0.0.0"},
        {"lblCalendarRound", "4 Ajaw 3 K'ank'in"},
        {"lblLordOfTheNight", "G9"},
        {"lblTrecena", "1 Kaban"}};
    for (const auto &[name, text] : lines) {
        QCOMPARE(ScreenDriver::text(frame, name), QString::fromUtf8(text));
        QVERIFY(!ScreenDriver::child<QLabel>(frame, name)->toolTip().isEmpty());
    }
}

void TestResultScreens::astrology_showInCalendar_opensTheCalendarOverTheReading()
{
    ScreenDriver ui;
    ProgramScreen *result = calculate(ui, ScreenId::AstrologyMain, "December", 21, 2012);
    auto *link = ScreenDriver::child<QLabel>(result, "lblShowInCalendar");
    link->setFocus();
    QTest::keyClick(link, Qt::Key_Return);
    ProgramScreen *calendar = ui.screen(ScreenId::MayaCalendar);
    QVERIFY(calendar && calendar->isVisible());
    QCOMPARE(ui.main().mdiArea()->activeSubWindow(), calendar);
    QCOMPARE(ScreenDriver::text(calendar, "lblCalendarRound"), QStringLiteral("4 Ajaw 3 K'ank'in"));
    // Closed, the calendar gives the reading back rather than the welcome panel.
    calendar->close();
    QVERIFY(result->isVisible());
    QCOMPARE(ui.main().mdiArea()->activeSubWindow(), result);
    QVERIFY(!ui.main().isWelcomePanelVisible());
    // The reading closed under the calendar: the welcome panel comes back, and
    // the calendar it would cover is hidden, out of the keyboard's reach.
    QTest::keyClick(link, Qt::Key_Return);
    calendar = ui.screen(ScreenId::MayaCalendar);
    result->close();
    QVERIFY(ui.main().isWelcomePanelVisible());
    QTRY_VERIFY(!calendar->isVisible());
}

void TestResultScreens::astrology_mayaCalendarFrame_followsTheCalendarsDayNames()
{
    ScreenDriver ui;
    ProgramScreen *result = calculate(ui, ScreenId::AstrologyMain, "December", 21, 2012);
    auto *link = ScreenDriver::child<QLabel>(result, "lblShowInCalendar");
    link->setFocus();
    QTest::keyClick(link, Qt::Key_Return);
    ProgramScreen *calendar = ui.screen(ScreenId::MayaCalendar);
    QTest::mouseClick(ScreenDriver::child<QWidget>(calendar, "optKiche"), Qt::LeftButton);
    // The reading beneath names the signs as the calendar now does.
    QCOMPARE(ScreenDriver::text(result, "lblCalendarRound"), QStringLiteral("4 Ajpu 3 K'ank'in"));
    QCOMPARE(ScreenDriver::text(result, "lblTrecena"), QStringLiteral("1 No'j"));
    QCOMPARE(ScreenDriver::text(result, "lblLongCount"), QStringLiteral("13.0.0.0.0"));
}

void TestResultScreens::numerology_dayNumberTextAndPicture()
{
    ScreenDriver ui;
    // Kin 110 has day number 13.
    ProgramScreen *result = calculate(ui, ScreenId::NumerologyMain, "March", 1, 1912);
    QCOMPARE(result->windowTitle(), QStringLiteral("Tzolkara Mayan Numerology"));
    QCOMPARE(ScreenDriver::child<QGroupBox>(result, "Frame1")->title(),
             QStringLiteral("Tzolkara Mayan Numerology Result"));
    QCOMPARE(ScreenDriver::text(result, "Label1"), QStringLiteral("Mayan Day Number"));
    QCOMPARE(ScreenDriver::text(result, "lblMayanDayNumber"), QStringLiteral("13"));
    QVERIFY(ScreenDriver::text(result, "lblMayanNoDesc")
                .startsWith(QStringLiteral("Realization is the keyword")));
    QVERIFY(showsPicture(ScreenDriver::child<QLabel>(result, "picGalacticTone"),
                         ui.context().pictures.numerologyTones(), 13));
    QCOMPARE(ui.context().pictures.numerologyTones().key(13), QStringLiteral("13-Cosmic.jpg"));
}

void TestResultScreens::sameDate_sameDayNumberTextOnBothScreens()
{
    ScreenDriver ui;
    const QString astrologyText = ScreenDriver::text(
        calculate(ui, ScreenId::AstrologyMain, "July", 4, 1976), "lblMayanNoDesc");
    ProgramScreen *numerology = calculate(ui, ScreenId::NumerologyMain, "July", 4, 1976);
    QCOMPARE(ScreenDriver::text(numerology, "lblMayanNoDesc"), astrologyText);
    QCOMPARE(ui.context().modMayanNumerology.state().DayNumber,
             ui.context().modMayanAstrology.state().DayNumber);
}

void TestResultScreens::exit_showsWelcomePanelAndKeepsEntryHidden()
{
    for (ScreenId entry : {ScreenId::AstrologyMain, ScreenId::NumerologyMain}) {
        ScreenDriver ui;
        ProgramScreen *result = calculate(ui, entry, "May", 5, 1955);
        ScreenDriver::child<QAction>(result, "mnuExit")->trigger();
        QVERIFY(ui.main().isWelcomePanelVisible());
        QVERIFY(!ui.screen(entry)->isVisible());
        QVERIFY(!ui.screen(result->id()));

        result = calculate(ui, entry, "May", 5, 1955);
        result->close(); // the close box
        QVERIFY(ui.main().isWelcomePanelVisible());
    }
}

void TestResultScreens::save_opensReportInFrontOnce()
{
    ScreenDriver ui;
    ProgramScreen *result = calculate(ui, ScreenId::AstrologyMain, "December", 21, 2012);
    ScreenDriver::click(result, "cmdSave");
    ProgramScreen *report = ui.screen(ScreenId::AstrologySave);
    QVERIFY(report && report->isVisible());
    QVERIFY(result->isVisible());
    ScreenDriver::click(result, "cmdSave");
    QCOMPARE(ui.screen(ScreenId::AstrologySave), report);

    ProgramScreen *numerology = calculate(ui, ScreenId::NumerologyMain, "May", 5, 1955);
    ScreenDriver::click(numerology, "cmdSave");
    QVERIFY(ui.screen(ScreenId::NumerologySave));
}

void TestResultScreens::visibleBrandLabel_differsBetweenScreens()
{
    ScreenDriver ui;
    ProgramScreen *result = calculate(ui, ScreenId::AstrologyMain, "May", 5, 1955);
    ScreenDriver::clickOnTopOf(ScreenDriver::child<QLabel>(result, "lblCobrand"));
    ScreenDriver::click(result, "cmdBack");
    ProgramScreen *entry = ui.screen(ScreenId::AstrologyMain);
    ScreenDriver::clickOnTopOf(ScreenDriver::child<QLabel>(entry, "lblFullBrand"));
    QCOMPARE(ui.desktop().openedAddresses(),
             QStringList({QStringLiteral("https://help.tzolkara.example/co-brand.html"),
                          QStringLiteral("https://help.tzolkara.example/fully-branded.html")}));
}

QTEST_MAIN(TestResultScreens)
#include "tst_resultscreens.moc"

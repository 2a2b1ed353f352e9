// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The program in Spanish: every screen, menu and message read from the real
// widgets, compared with the same widget in English.

#include "app/Translations.h"
#include "core/engine/KinEngine.h"
#include "core/i18n/ShownDates.h"
#include "core/readings/ReadingFile.h"
#include "gui/shell/frmAbout.h"
#include "support/FakeDesktop.h"
#include "support/ScreenDriver.h"
#include "support/VisibleTexts.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTranslator>

using namespace tzolkara;
using testing::Texts;
using testing::textsOf;

namespace {

const QString kEnglish = QStringLiteral("en");
const QString kSpanish = QStringLiteral("es");

QChar accessKeyOf(const QString &text)
{
    static const QRegularExpression key(QStringLiteral("(?<!&)&([^&])"));
    const QRegularExpressionMatch match = key.match(text);
    return match.hasMatch() ? match.captured(1).at(0).toLower() : QChar();
}

// The keys Alt reaches at once: the enabled buttons on show and the menu bar's titles.
QString duplicateAccessKeys(QMainWindow &window)
{
    QStringList captions;
    for (QAbstractButton *button : window.findChildren<QAbstractButton *>()) {
        if (button->isVisible() && button->isEnabled())
            captions << button->text();
    }
    // A greyed bar (a report in front) answers no key.
    for (QAction *action : window.menuBar()->actions()) {
        if (window.menuBar()->isEnabled() && action->isVisible() && action->isEnabled())
            captions << action->text();
    }
    QMap<QChar, QStringList> byKey;
    for (const QString &caption : captions) {
        if (const QChar key = accessKeyOf(caption); !key.isNull())
            byKey[key] << caption;
    }
    QStringList clashes;
    for (const QStringList &same : byKey) {
        if (same.size() > 1)
            clashes << same.join(QStringLiteral(" / "));
    }
    return clashes.join(QStringLiteral("; "));
}

} // namespace

class TestSpanish : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everyScreen_hasNoEnglishLeft_data();
    void everyScreen_hasNoEnglishLeft();
    void everyScreen_hasUniqueAccessKeys_data();
    void everyScreen_hasUniqueAccessKeys();
    void aboutBox_isSpanish();
    void messages_areSpanish_data();
    void messages_areSpanish();
    void monthList_keepsOrderAndReading();
    void goTo_readsSpanishDates();
    void savedReading_reopensInTheOtherLanguage_data();
    void savedReading_reopensInTheOtherLanguage();
    void language_followsTheDesktop_data();
    void language_followsTheDesktop();

private:
    Texts screenTexts(Start start, const QString &languageCode);

    QTemporaryDir m_dir;
};

void TestSpanish::initTestCase()
{
    QVERIFY(m_dir.isValid());
}

Texts TestSpanish::screenTexts(Start start, const QString &languageCode)
{
    ScreenDriver ui(Language::fromCode(languageCode));
    ui.reach(start);
    return textsOf(&ui.main());
}

static void addStarts()
{
    QTest::addColumn<Start>("start");
    QTest::newRow("welcome") << Start::Welcome;
    QTest::newRow("astrology entry") << Start::AstrologyEntry;
    QTest::newRow("numerology entry") << Start::NumerologyEntry;
    QTest::newRow("tarot question") << Start::TarotQuestion;
    QTest::newRow("astrology result") << Start::AstrologyResult;
    QTest::newRow("numerology result") << Start::NumerologyResult;
    QTest::newRow("astrology report") << Start::AstrologyReport;
    QTest::newRow("numerology report") << Start::NumerologyReport;
    QTest::newRow("tarot result") << Start::TarotResult;
    QTest::newRow("maya calendar") << Start::MayaCalendar;
}

void TestSpanish::everyScreen_hasNoEnglishLeft_data()
{
    addStarts();
}

void TestSpanish::everyScreen_hasNoEnglishLeft()
{
    QFETCH(Start, start);
    // Names and words that are the same in both languages, the feasts named
    // by their Maya days among them.
    static const QRegularExpression same(QStringLiteral(
        "^(Tzolkara v[0-9.]+|Trecena|Tzolk'in|Haab'|Numerwell \\(\\*\\.num\\)|8 Chuwen|0 Pop)$"));
    const Texts english = screenTexts(start, kEnglish);
    const Texts spanish = screenTexts(start, kSpanish);
    QCOMPARE(spanish.keys(), english.keys());
    QStringList untranslated;
    for (auto it = english.cbegin(); it != english.cend(); ++it) {
        if (spanish.value(it.key()) == it.value() && !same.match(it.value()).hasMatch())
            untranslated << it.key() + QStringLiteral(" = ") + it.value();
    }
    QVERIFY2(untranslated.isEmpty(), qPrintable(untranslated.join(QLatin1Char('\n'))));
}

void TestSpanish::everyScreen_hasUniqueAccessKeys_data()
{
    // In English too: the screens' keys and the main window's (Exit) meet in
    // one window whatever the language.
    QTest::addColumn<Start>("start");
    QTest::addColumn<QString>("language");
    const std::pair<Start, const char *> starts[] = {
        {Start::Welcome, "welcome"},
        {Start::AstrologyEntry, "astrology entry"},
        {Start::NumerologyEntry, "numerology entry"},
        {Start::TarotQuestion, "tarot question"},
        {Start::AstrologyResult, "astrology result"},
        {Start::NumerologyResult, "numerology result"},
        {Start::AstrologyReport, "astrology report"},
        {Start::NumerologyReport, "numerology report"},
        {Start::TarotResult, "tarot result"},
        {Start::MayaCalendar, "maya calendar"},
    };
    for (const auto &[start, name] : starts) {
        QTest::addRow("%s", name) << start << kSpanish;
        QTest::addRow("%s, English", name) << start << kEnglish;
    }
}

void TestSpanish::everyScreen_hasUniqueAccessKeys()
{
    QFETCH(Start, start);
    QFETCH(QString, language);
    ScreenDriver ui(Language::fromCode(language));
    ui.reach(start);
    QCOMPARE(duplicateAccessKeys(ui.main()), QString());
    for (QAction *title : ui.main().menuBar()->actions()) {
        if (!title->menu())
            continue;
        QMap<QChar, int> keys;
        for (QAction *item : title->menu()->actions()) {
            if (item->isVisible() && !accessKeyOf(item->text()).isNull())
                QVERIFY2(++keys[accessKeyOf(item->text())] == 1, qPrintable(item->text()));
        }
    }
}

void TestSpanish::aboutBox_isSpanish()
{
    testing::FakeDesktop desktop;
    const Texts english = textsOf(std::make_unique<frmAbout>(desktop).get());
    const InstalledLanguage speakingSpanish(Language::fromCode(kSpanish));
    frmAbout about(desktop);
    about.show();
    const Texts spanish = textsOf(&about);
    for (auto it = spanish.cbegin(); it != spanish.cend(); ++it) {
        if (english.value(it.key()) == it.value() &&
            !it.value().startsWith(QStringLiteral("Tzolkara v")))
            QFAIL(qPrintable(it.value()));
    }
    QCOMPARE(about.findChild<QPushButton *>(QStringLiteral("cmdOK"))->text(),
             QStringLiteral("&Aceptar"));
}

void TestSpanish::messages_areSpanish_data()
{
    QTest::addColumn<Start>("start");
    QTest::addColumn<QString>("button");
    QTest::newRow("astrology entry without a name") << Start::AstrologyEntry << "cmdCalculate";
    QTest::newRow("tarot question without a name") << Start::TarotQuestion << "cmdNext";
}

void TestSpanish::messages_areSpanish()
{
    QFETCH(Start, start);
    QFETCH(QString, button);
    QStringList shown;
    for (const QString &code : {kEnglish, kSpanish}) {
        ScreenDriver ui(Language::fromCode(code));
        ScreenDriver::click(ui.reach(start), qPrintable(button));
        QCOMPARE(ui.desktop().shown.size(), 1);
        shown << ui.desktop().shown.first().text;
    }
    QVERIFY2(shown[0] != shown[1], qPrintable(shown[1]));
}

void TestSpanish::monthList_keepsOrderAndReading()
{
    QStringList lists[2];
    QString readings[2];
    int i = 0;
    for (const QString &code : {kEnglish, kSpanish}) {
        ScreenDriver ui(Language::fromCode(code));
        ui.reach(Start::AstrologyResult);
        auto *months =
            ScreenDriver::child<QComboBox>(ui.screen(ScreenId::AstrologyMain), "cboMonth");
        for (int m = 0; m < months->count(); ++m)
            lists[i] << months->itemText(m);
        QWidget *result = ui.screen(ScreenId::AstrologyResult);
        // The sign's label ("AJPU - (AHUA)") is the same in every language.
        readings[i] = ScreenDriver::text(result, "lblMayanDaySign") + QLatin1Char('/') +
                      ScreenDriver::text(result, "lblMayanDayNumber");
        ++i;
    }
    QCOMPARE(lists[0].size(), 12);
    QCOMPARE(lists[1].size(), 12);
    QCOMPARE(lists[0].first(), QStringLiteral("January"));
    QCOMPARE(lists[1].first(), QStringLiteral("Enero"));
    QCOMPARE(lists[1].at(11), QStringLiteral("Diciembre"));
    // The same sign and day number.
    QCOMPARE(readings[1], readings[0]);
}

void TestSpanish::goTo_readsSpanishDates()
{
    const QLocale before;
    QLocale::setDefault(QLocale(QStringLiteral("es_MX")));
    const auto restore = qScopeGuard([&before] { QLocale::setDefault(before); });
    ScreenDriver ui(Language::fromCode(kSpanish));
    ui.reach(Start::MayaCalendar);
    QWidget *calendar = ui.screen(ScreenId::MayaCalendar);
    auto *field = ScreenDriver::child<QLineEdit>(calendar, "txtGoTo");
    QVERIFY(field->toolTip().contains(QStringLiteral("21/12/2012, 21 de diciembre de 2012")));
    for (const char *typed : {"12 de octubre de 1492", "12 OCT. 1492", "12/10/1492"}) {
        field->setText(QString::fromUtf8(typed));
        QTest::keyClick(field, Qt::Key_Return);
        QCOMPARE(ScreenDriver::text(calendar, "lblGregorianDate"),
                 QStringLiteral("miércoles 12 de octubre de 1492"));
        QCOMPARE(ScreenDriver::text(calendar, "lblGoToProblem"), QString());
    }
}

void TestSpanish::savedReading_reopensInTheOtherLanguage_data()
{
    QTest::addColumn<QString>("savedIn");
    QTest::addColumn<QString>("openedIn");
    QTest::newRow("Spanish to English") << kSpanish << kEnglish;
    QTest::newRow("English to Spanish") << kEnglish << kSpanish;
}

void TestSpanish::savedReading_reopensInTheOtherLanguage()
{
    QFETCH(QString, savedIn);
    QFETCH(QString, openedIn);
    const QString path = m_dir.filePath(QStringLiteral("ana-%1.man").arg(savedIn));
    {
        ScreenDriver ui(Language::fromCode(savedIn));
        QWidget *report = ui.reach(Start::AstrologyReport);
        ui.desktop().setNextFileName(path);
        ScreenDriver::click(report, "cmdSave");
    }
    ReadingFile::Inputs saved;
    QVERIFY(ReadingFile::read(path, saved));
    // The file names the month in English, whatever the language.
    QCOMPARE(saved.birthMonth, QStringLiteral("December"));

    ScreenDriver ui(Language::fromCode(openedIn));
    QWidget *entry = ui.reach(Start::AstrologyEntry);
    ui.desktop().setNextFileName(path);
    ScreenDriver::click(entry, "cmdOpen");
    QCOMPARE(ScreenDriver::child<QComboBox>(entry, "cboMonth")->currentIndex(), 11);
    QCOMPARE(ScreenDriver::child<QComboBox>(entry, "cboDate")->currentText(), QStringLiteral("21"));
    QCOMPARE(ScreenDriver::child<QComboBox>(entry, "cboYear")->currentText(),
             QStringLiteral("2012"));
    QCOMPARE(ScreenDriver::child<QComboBox>(entry, "cboMonth")->currentText(), listedMonthName(11));
}

void TestSpanish::language_followsTheDesktop_data()
{
    QTest::addColumn<QStringList>("uiLanguages");
    QTest::addColumn<QString>("expected");
    QTest::newRow("es-MX") << QStringList{QStringLiteral("es-MX")} << kSpanish;
    QTest::newRow("es_ES, then en")
        << QStringList{QStringLiteral("es_ES"), QStringLiteral("en")} << kSpanish;
    QTest::newRow("fr, then es") << QStringList{QStringLiteral("fr-FR"), QStringLiteral("es")}
                                 << kSpanish;
    QTest::newRow("en-GB, then es")
        << QStringList{QStringLiteral("en-GB"), QStringLiteral("es")} << kEnglish;
    QTest::newRow("de") << QStringList{QStringLiteral("de-DE")} << kEnglish;
    QTest::newRow("C") << QStringList{QStringLiteral("C")} << kEnglish;
    QTest::newRow("estonian is not Spanish") << QStringList{QStringLiteral("et-EE")} << kEnglish;
}

void TestSpanish::language_followsTheDesktop()
{
    QFETCH(QStringList, uiLanguages);
    QFETCH(QString, expected);
    QCOMPARE(Language::forUiLanguages(uiLanguages).code(), expected);
}

QTEST_MAIN(TestSpanish)
#include "tst_spanish.moc"

// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Every caption a user meets, screen by screen, held to one golden file:
// window titles, frames, buttons and the menus with their items and
// separators, each by its object name. Texts that carry a reading (labels,
// the report, the tarot text) are the other tests' business.
// TZOLKARA_WRITE_GOLDEN=1 writes the file anew from the program.

#include "core/common/Version.h"
#include "support/ScreenDriver.h"

#include <QAbstractButton>
#include <QAction>
#include <QFile>
#include <QGroupBox>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

using namespace tzolkara;

namespace {

void addMenus(QStringList &lines, const QString &screen, const QList<QAction *> &actions,
              const QString &path)
{
    for (const QAction *action : actions) {
        if (!action->isVisible())
            continue;
        const QString text = action->isSeparator() ? QStringLiteral("-") : action->text();
        // A menu's title action is named after its menu.
        const QString name = action->objectName().isEmpty() && action->menu()
                                 ? action->menu()->objectName()
                                 : action->objectName();
        lines << QStringLiteral("%1\tmenu %2%3\t%4").arg(screen, path, name, text);
        if (QMenu *menu = action->menu())
            addMenus(lines, screen, menu->actions(), path + name + QLatin1Char('/'));
    }
}

QStringList captionsOf(const QString &screen, QWidget *window, const QList<QAction *> &menus)
{
    QStringList lines;
    lines << QStringLiteral("%1\ttitle\t%2").arg(screen, window->windowTitle());
    for (const QGroupBox *frame : window->findChildren<QGroupBox *>())
        lines
            << QStringLiteral("%1\tframe %2\t%3").arg(screen, frame->objectName(), frame->title());
    for (const QAbstractButton *button : window->findChildren<QAbstractButton *>()) {
        if (!button->objectName().isEmpty() && !button->text().isEmpty())
            lines << QStringLiteral("%1\tbutton %2\t%3")
                         .arg(screen, button->objectName(), button->text());
    }
    addMenus(lines, screen, menus, QString());
    return lines;
}

QString goldenPath()
{
    return QStringLiteral(TZOLKARA_TESTS_DIR "/gui/shell/golden/captions.txt");
}

} // namespace

class TestCaptions : public QObject
{
    Q_OBJECT

private slots:
    void everyScreen_matchesTheGoldenCaptions();
};

void TestCaptions::everyScreen_matchesTheGoldenCaptions()
{
    const std::pair<Start, const char *> screens[] = {
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
    QStringList lines;
    for (const auto &[start, name] : screens) {
        ScreenDriver ui;
        QWidget *front = ui.reach(start);
        const QString screen = QString::fromLatin1(name);
        if (start == Start::Welcome) {
            // The program buttons and the main window's own menus.
            lines << captionsOf(screen, front, ui.main().menuBar()->actions());
        } else {
            auto *programScreen = qobject_cast<ProgramScreen *>(front);
            QVERIFY(programScreen);
            lines << captionsOf(screen, programScreen, programScreen->menuBarActions());
        }
    }
    // The golden file names no version: a release changes none of it.
    const QByteArray actual =
        lines.join(QLatin1Char('\n'))
            .replace(QStringLiteral(" v" TZOLKARA_VERSION), QStringLiteral(" v@VERSION@"))
            .toUtf8() +
        '\n';
    QFile golden(goldenPath());
    if (qEnvironmentVariableIsSet("TZOLKARA_WRITE_GOLDEN")) {
        QVERIFY(golden.open(QIODevice::WriteOnly));
        golden.write(actual);
        QSKIP("golden file written");
    }
    QVERIFY2(golden.open(QIODevice::ReadOnly), qPrintable(goldenPath()));
    const QStringList expected = QString::fromUtf8(golden.readAll()).split(QLatin1Char('\n'));
    const QStringList got = QString::fromUtf8(actual).split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < std::max(expected.size(), got.size()); ++i)
        QCOMPARE(got.value(i), expected.value(i));
}

QTEST_MAIN(TestCaptions)
#include "tst_captions.moc"

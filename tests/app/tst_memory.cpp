// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/LazyStyleIcons.h"
#include "gui/common/Artwork.h"
#include "support/Sanitizers.h"
#include "support/ScreenDriver.h"

#include <QApplication>
#include <QLocale>

#include <malloc.h>

using namespace tzolkara;

namespace {

// Drawn at twice the size, as on a high-density screen: there Qt scales the
// pictures it was given at one size to another, and keeps what it scaled.
[[maybe_unused]] const bool kTwiceTheSize = qputenv("QT_SCALE_FACTOR", "2");

// The heap in use once the event loop has done what a reading left it.
qint64 heapInUse()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return qint64(::mallinfo2().uordblks);
}

// Name and date in, Calculate, then Back to the entry screen. Consecutive
// days: the first hundred readings show every sign and day number once.
void astrologyReading(ScreenDriver &ui, int i)
{
    ProgramScreen *entry = ui.screen(ScreenId::AstrologyMain);
    if (!entry)
        entry = ui.open(ScreenId::AstrologyMain);
    const QDate birth = QDate(1970, 1, 1).addDays(i);
    ScreenDriver::enter(entry, QStringLiteral("Ana"), QLocale::c().monthName(birth.month()),
                        birth.day(), birth.year());
    ScreenDriver::click(entry, "cmdCalculate");
    ScreenDriver::click(ui.screen(ScreenId::AstrologyResult), "cmdBack");
}

// Next on the question screen, then Back to it.
void tarotCast(ScreenDriver &ui, int)
{
    ProgramScreen *question = ui.screen(ScreenId::TarotMain);
    if (!question) {
        question = ui.open(ScreenId::TarotMain);
        ScreenDriver::child<QLineEdit>(question, "txtName")->setText(QStringLiteral("Ana"));
    }
    ScreenDriver::click(question, "cmdNext");
    ScreenDriver::click(ui.screen(ScreenId::TarotResult), "cmdBack");
}

// A program screen opened anew (the other one closes) and drawn, title bar
// and all.
void screenOpening(ScreenDriver &ui, int i)
{
    ui.open(i % 2 ? ScreenId::AstrologyMain : ScreenId::NumerologyMain);
    ui.main().repaint();
}

// A month on in the Maya Calendar, painted.
void calendarMonth(ScreenDriver &ui, int)
{
    ProgramScreen *calendar = ui.screen(ScreenId::MayaCalendar);
    if (!calendar)
        calendar = ui.open(ScreenId::MayaCalendar);
    QTest::keyClick(ScreenDriver::child<QWidget>(calendar, "grdMonth"), Qt::Key_PageDown);
    calendar->repaint();
}

using Reading = void (*)(ScreenDriver &, int);

} // namespace

Q_DECLARE_METATYPE(Reading)

class TestMemory : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void readings_leaveHeapAsItWas_data();
    void readings_leaveHeapAsItWas();
};

void TestMemory::initTestCase()
{
    if (kBuiltWithAddressSanitizer)
        QSKIP("AddressSanitizer keeps the heap itself, where mallinfo2 cannot see it (it reads "
              "0); its leak check covers this build");
    // As at start-up: the program's style, and every screen shows its icon.
    QApplication::setStyle(styleWithLazyMenuBarArrow());
    QApplication::setWindowIcon(Artwork::applicationIcon());
}

void TestMemory::readings_leaveHeapAsItWas_data()
{
    QTest::addColumn<Reading>("reading");
    // First, while Qt's cache of pictures has room: a cache that is full
    // forgets as much as it learns.
    QTest::newRow("screens opened") << Reading(screenOpening);
    QTest::newRow("Astrology") << Reading(astrologyReading);
    QTest::newRow("tarot") << Reading(tarotCast);
    QTest::newRow("calendar months") << Reading(calendarMonth);
}

void TestMemory::readings_leaveHeapAsItWas()
{
    QFETCH(Reading, reading);
    ScreenDriver ui;
    // The first readings fill the caches of pictures and drawings for good.
    for (int i = 0; i < 100; ++i) {
        reading(ui, i);
        heapInUse();
    }
    const qint64 before = heapInUse();
    for (int i = 100; i < 300; ++i) {
        reading(ui, i);
        heapInUse();
    }
    const qint64 growth = heapInUse() - before;
    QVERIFY2(growth < 100 * 1024,
             qPrintable(QStringLiteral("%1 bytes more after 200 readings").arg(growth)));
}

QTEST_MAIN(TestMemory)
#include "tst_memory.moc"

// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/KinTables.h"
#include "engine/MayaCalendar.h"
#include "engine/SignTable.h"

#include <QRandomGenerator>
#include <QTest>

using namespace tzolkara;
using namespace tzolkara::MayaCalendar;

namespace {

long daysOf(const LongCount &c)
{
    return c.baktun * 144000L + c.katun * 7200L + c.tun * 360L + c.uinal * 20L + c.kin;
}

} // namespace

class TestMayaCalendar : public QObject
{
    Q_OBJECT

private slots:
    void carvedDates_giveTheirCalendarRound_data();
    void carvedDates_giveTheirCalendarRound();
    void publishedGregorianEquivalents();
    void periodEndings_fallOnTheNinthLord();
    void everyBirthDate_agreesWithTheKinEngine();
    void julianDay_roundTripsOverTheWholeRange();
    void otherCorrelations_shiftEveryCount();
};

// Calendar Rounds as carved, read in S. Martin and N. Grube, "Chronicle of
// the Maya Kings and Queens" (2000), and M. D. Coe and M. Van Stone,
// "Reading the Maya Glyphs" (2001).
void TestMayaCalendar::carvedDates_giveTheirCalendarRound_data()
{
    QTest::addColumn<QString>("longCount");
    QTest::addColumn<QString>("calendarRound");
    QTest::newRow("creation, Quirigua Stela C") << "0.0.0.0.0"
                                                << "4 Ajaw 8 Kumk'u";
    QTest::newRow("Tikal Stela 29") << "8.12.14.8.15"
                                    << "13 Men 3 Sip";
    QTest::newRow("Leiden Plaque") << "8.14.3.1.12"
                                   << "1 Eb 0 Yaxk'in";
    QTest::newRow("Palenque, Pakal's accession") << "9.9.2.4.8"
                                                 << "5 Lamat 1 Mol";
    QTest::newRow("Palenque, Pakal's death") << "9.12.11.5.18"
                                             << "6 Etz'nab 11 Yax";
    QTest::newRow("end of the 13th baktun") << "13.0.0.0.0"
                                            << "4 Ajaw 3 K'ank'in";
}

void TestMayaCalendar::carvedDates_giveTheirCalendarRound()
{
    QFETCH(QString, longCount);
    QFETCH(QString, calendarRound);
    const QStringList digits = longCount.split(QLatin1Char('.'));
    const LongCount count{digits[0].toInt(), digits[1].toInt(), digits[2].toInt(),
                          digits[3].toInt(), digits[4].toInt()};
    const Day day = dayOf(daysOf(count) + kDefaultCorrelation);
    QCOMPARE(QString::fromStdString(calendarRoundText(day)), calendarRound);
    QCOMPARE(QString::fromStdString(longCountText(day.longCount)), longCount);
}

void TestMayaCalendar::publishedGregorianEquivalents()
{
    // 21 December 2012 closed the 13th baktun; the creation day was 11 August
    // 3114 BCE (astronomical year -3113), proleptic Gregorian.
    const Day end = dayOf(julianDayOf(2012, 12, 21));
    QCOMPARE(QString::fromStdString(longCountText(end.longCount)), QStringLiteral("13.0.0.0.0"));
    QCOMPARE(end.sign, 20);
    QCOMPARE(end.haabMonth, 14);
    QCOMPARE(end.lordOfTheNight, 9);
    QCOMPARE(end.trecenaSign, 17); // 1 Kaban opened the run that 4 Ajaw closes
    const GregorianDate creation = gregorianDateOf(kDefaultCorrelation);
    QCOMPARE(creation.year, -3113);
    QCOMPARE(creation.month, 8);
    QCOMPARE(creation.day, 11);
    // Astronomers' fixed points: J2000.0, and the first day of the Gregorian calendar.
    QCOMPARE(julianDayOf(2000, 1, 1), 2451545L);
    QCOMPARE(julianDayOf(1582, 10, 15), 2299161L);
    // Tikal Stela 29 and the Leiden Plaque are of 292 and 320 CE.
    QCOMPARE(gregorianDateOf(daysOf({8, 12, 14, 8, 15}) + kDefaultCorrelation).year, 292);
    QCOMPARE(gregorianDateOf(daysOf({8, 14, 3, 1, 12}) + kDefaultCorrelation).year, 320);
}

void TestMayaCalendar::periodEndings_fallOnTheNinthLord()
{
    // A tun is 360 days, a multiple of nine: every tun ending, like the
    // creation, falls on G9.
    for (long tuns = 0; tuns < 13 * 20 * 20; tuns += 7)
        QCOMPARE(dayOf(tuns * 360 + kDefaultCorrelation).lordOfTheNight, 9);
}

void TestMayaCalendar::everyBirthDate_agreesWithTheKinEngine()
{
    for (long jd = julianDayOf(kFirstBirthYear, 1, 1); jd <= julianDayOf(kLastTableYear, 12, 31);
         ++jd) {
        const GregorianDate date = gregorianDateOf(jd);
        const KinEntry kin = kinEntry(kinNumberOf(date.year, date.month - 1, date.day));
        const Day day = dayOf(jd);
        if (day.number != kin.dayNumber || day.sign != daySignOfPosition(kin.signPosition))
            QFAIL(qPrintable(
                QStringLiteral("%1-%2-%3").arg(date.year).arg(date.month).arg(date.day)));
    }
}

void TestMayaCalendar::julianDay_roundTripsOverTheWholeRange()
{
    const long first = julianDayOf(kFirstYear, 1, 1);
    const long last = julianDayOf(kLastYear, 12, 31);
    QRandomGenerator random(2012);
    for (int i = 0; i < 20000; ++i) {
        const long jd = first + static_cast<long>(random.bounded(quint32(last - first + 1)));
        const GregorianDate date = gregorianDateOf(jd);
        QCOMPARE(julianDayOf(date.year, date.month, date.day), jd);
    }
    QCOMPARE(gregorianDateOf(first).year, 1);
    QCOMPARE(gregorianDateOf(last).day, 31);
}

void TestMayaCalendar::otherCorrelations_shiftEveryCount()
{
    const long jd = julianDayOf(2012, 12, 21);
    for (long correlation : {584285L, 584286L}) {
        QVERIFY(isSupportedCorrelation(correlation));
        const Day shifted = dayOf(jd + (correlation - kDefaultCorrelation), correlation);
        QCOMPARE(QString::fromStdString(calendarRoundText(shifted)),
                 QStringLiteral("4 Ajaw 3 K'ank'in"));
    }
    QVERIFY(!isSupportedCorrelation(584284));
}

QTEST_MAIN(TestMayaCalendar)
#include "tst_mayacalendar.moc"

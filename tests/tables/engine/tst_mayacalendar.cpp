// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/engine/SignTable.h"
#include "tables/engine/KinTables.h"
#include "tables/engine/MayaCalendar.h"

#include <QRandomGenerator>
#include <QTest>

using namespace tzolkara;
using namespace tzolkara::MayaCalendar;

namespace {

long daysOf(const LongCount &c)
{
    return c.baktun * 144000L + c.katun * 7200L + c.tun * 360L + c.uinal * 20L + c.kin;
}

bool isDaySpec(const Day &day, const DaySpec &spec)
{
    const bool tzolkin = spec.number == 0 || (day.number == spec.number && day.sign == spec.sign);
    const bool haab =
        spec.haabDay < 0 || (day.haabDay == spec.haabDay && day.haabMonth == spec.haabMonth);
    return tzolkin && haab;
}

// The first day from `julianDay` on, a day at a time in direction `step`,
// that is `spec`: what nextDay() and previousDay() find by arithmetic.
long walkTo(const DaySpec &spec, long julianDay, int step, long correlation)
{
    while (!isDaySpec(dayOf(julianDay, correlation), spec))
        julianDay += step;
    return julianDay;
}

// A Tzolk'in day, a Haab' day or a Calendar Round that can occur.
DaySpec randomDaySpec(QRandomGenerator &random)
{
    const int kind = random.bounded(3); // 0 Tzolk'in, 1 Haab', 2 both
    for (;;) {
        DaySpec spec;
        if (kind != 1) {
            spec.number = random.bounded(1, 14);
            spec.sign = random.bounded(1, 21);
        }
        if (kind != 0) {
            spec.haabMonth = random.bounded(1, 20);
            spec.haabDay = random.bounded(spec.haabMonth == 19 ? 5 : 20);
        }
        if (canOccur(spec))
            return spec;
    }
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
    void julianCalendar_walksTheWholeRangeDayByDay();
    void julianCalendarDates_data();
    void julianCalendarDates();
    void longCount_readsBackTheDayItCameFrom();
    void longCounts_areReadOrRefused_data();
    void longCounts_areReadOrRefused();
    void julianDayOfLongCount_keepsToTheRange_data();
    void julianDayOfLongCount_keepsToTheRange();
    void nextAndPreviousDay_agreeWithADayByDayWalk();
    void daySpecs_areReadOrRefused_data();
    void daySpecs_areReadOrRefused();
    void impossibleDays_areNeverFound_data();
    void impossibleDays_areNeverFound();
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

void TestMayaCalendar::julianCalendar_walksTheWholeRangeDayByDay()
{
    GregorianDate previous = julianCalendarDateOf(firstJulianDay() - 1);
    for (long jd = firstJulianDay(); jd <= lastJulianDay(); ++jd) {
        const GregorianDate date = julianCalendarDateOf(jd);
        const bool nextInMonth = date.year == previous.year && date.month == previous.month &&
                                 date.day == previous.day + 1;
        // A new month only after the last day of the one before.
        const bool newMonth =
            date.day == 1 &&
            (date.month == previous.month + 1
                 ? date.year == previous.year
                 : date.month == 1 && date.year == previous.year + 1) &&
            !isJulianCalendarDate(previous.year, previous.month, previous.day + 1);
        if (!isJulianCalendarDate(date.year, date.month, date.day) ||
            julianDayOfJulianDate(date.year, date.month, date.day) != jd ||
            !(nextInMonth || newMonth))
            QFAIL(qPrintable(QStringLiteral("Julian day %1").arg(jd)));
        previous = date;
    }
}

void TestMayaCalendar::julianCalendarDates_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<long>("julianDay"); // 0 for a date refused
    // The Julian calendar's last day before the Gregorian's first, 1582-10-15.
    QTest::newRow("1582-10-04") << 1582 << 10 << 4 << 2299160L;
    QTest::newRow("first of the range") << 1 << 1 << 3 << 1721426L;
    QTest::newRow("last of the range") << 3999 << 12 << 3 << 3182029L;
    QTest::newRow("1900-02-29, a Julian leap day") << 1900 << 2 << 29 << 2415092L;
    QTest::newRow("0001-01-02, Gregorian year 0") << 1 << 1 << 2 << 0L;
    QTest::newRow("3999-12-04, Gregorian 4000") << 3999 << 12 << 4 << 0L;
    QTest::newRow("1900-02-30") << 1900 << 2 << 30 << 0L;
    QTest::newRow("1901-02-29") << 1901 << 2 << 29 << 0L;
}

void TestMayaCalendar::julianCalendarDates()
{
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(int, day);
    QFETCH(long, julianDay);
    QCOMPARE(isJulianCalendarDate(year, month, day), julianDay != 0);
    if (julianDay != 0)
        QCOMPARE(julianDayOfJulianDate(year, month, day), julianDay);
}

void TestMayaCalendar::longCount_readsBackTheDayItCameFrom()
{
    QRandomGenerator random(683);
    const auto span = quint32(lastJulianDay() - firstJulianDay() + 1);
    for (const long correlation : {584283L, 584285L, 584286L}) {
        for (int i = 0; i < 1000; ++i) {
            const long jd = firstJulianDay() + long(random.bounded(span));
            const std::string text = longCountText(dayOf(jd, correlation).longCount);
            const std::optional<LongCount> count = parseLongCount(text);
            if (!count || julianDayOfLongCount(*count, correlation) != jd)
                QFAIL(text.c_str());
        }
    }
}

void TestMayaCalendar::longCounts_areReadOrRefused_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("read"); // as longCountText() writes it, empty when refused
    QTest::newRow("Pakal's death") << "9.12.11.5.18"
                                   << "9.12.11.5.18";
    QTest::newRow("two-digit places") << "09.12.11.05.18"
                                      << "9.12.11.5.18";
    QTest::newRow("baktun 19") << "19.19.19.17.19"
                               << "19.19.19.17.19";
    QTest::newRow("four places") << "9.12.11.5" << QString();
    QTest::newRow("six places") << "9.12.11.5.18.1" << QString();
    QTest::newRow("uinal 18") << "9.12.11.18.0" << QString();
    QTest::newRow("katun 20") << "9.20.0.0.0" << QString();
    QTest::newRow("baktun 20, read for the range to refuse") << "20.0.0.0.0"
                                                             << "20.0.0.0.0";
    QTest::newRow("baktun of three digits") << "100.0.0.0.0" << QString();
    QTest::newRow("three-digit place") << "9.12.11.5.018" << QString();
    QTest::newRow("blank before") << " 9.12.11.5.18" << QString();
    QTest::newRow("blank after") << "9.12.11.5.18 " << QString();
    QTest::newRow("empty place") << "9..11.5.18" << QString();
    QTest::newRow("sign") << "9.12.11.5.+8" << QString();
    QTest::newRow("dashes") << "9-12-11-5-18" << QString();
    QTest::newRow("empty") << "" << QString();
}

void TestMayaCalendar::longCounts_areReadOrRefused()
{
    QFETCH(QString, text);
    QFETCH(QString, read);
    const std::optional<LongCount> count = parseLongCount(text.toStdString());
    QCOMPARE(count ? QString::fromStdString(longCountText(*count)) : QString(), read);
}

void TestMayaCalendar::julianDayOfLongCount_keepsToTheRange_data()
{
    QTest::addColumn<LongCount>("count");
    QTest::addColumn<long>("julianDay"); // 0 outside the range
    QTest::newRow("0001-01-01") << LongCount{7, 17, 18, 13, 3} << 1721426L;
    QTest::newRow("the day before") << LongCount{7, 17, 18, 13, 2} << 0L;
    QTest::newRow("6.19.19.17.19") << LongCount{6, 19, 19, 17, 19} << 0L;
    QTest::newRow("3999-12-31") << LongCount{18, 0, 15, 17, 6} << 3182029L;
    QTest::newRow("the day after") << LongCount{18, 0, 15, 17, 7} << 0L;
    QTest::newRow("19.0.0.0.0") << LongCount{19, 0, 0, 0, 0} << 0L;
}

void TestMayaCalendar::julianDayOfLongCount_keepsToTheRange()
{
    QFETCH(LongCount, count);
    QFETCH(long, julianDay);
    QCOMPARE(julianDayOfLongCount(count).value_or(0), julianDay);
}

void TestMayaCalendar::nextAndPreviousDay_agreeWithADayByDayWalk()
{
    QRandomGenerator random(2032);
    const auto span = quint32(lastJulianDay() - firstJulianDay() + 1);
    const long correlations[] = {584283, 584285, 584286};
    for (int i = 0; i < 300; ++i) {
        const DaySpec spec = randomDaySpec(random);
        const long from = firstJulianDay() + long(random.bounded(span));
        const long correlation = correlations[i % 3];
        const long after = walkTo(spec, from + 1, +1, correlation);
        const long before = walkTo(spec, from - 1, -1, correlation);
        if (nextDay(spec, from, correlation) != after ||
            previousDay(spec, from, correlation) != before)
            QFAIL(qPrintable(QStringLiteral("%1 from Julian day %2, correlation %3")
                                 .arg(QString::fromStdString(daySpecText(spec)))
                                 .arg(from)
                                 .arg(correlation)));
    }
}

void TestMayaCalendar::daySpecs_areReadOrRefused_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("read"); // as daySpecText() writes it, empty when refused
    QTest::newRow("Tzolk'in day") << "4 Ajaw"
                                  << "4 Ajaw";
    QTest::newRow("Haab' day, typographer's apostrophe") << "8 Kumk\u2019u"
                                                         << "8 Kumk'u";
    QTest::newRow("Calendar Round, upper case, no apostrophe") << "4 AJAW 8 KUMKU"
                                                               << "4 Ajaw 8 Kumk'u";
    QTest::newRow("blanks and a tab") << "  13  Etz'nab\t"
                                      << "13 Etz'nab";
    QTest::newRow("5 Wayeb', read; canOccur() refuses it") << "5 Wayeb'"
                                                           << "5 Wayeb'";
    QTest::newRow("14 Ajaw") << "14 Ajaw" << QString();
    QTest::newRow("0 Ajaw") << "0 Ajaw" << QString();
    QTest::newRow("20 Pop") << "20 Pop" << QString();
    QTest::newRow("sign alone") << "Ajaw" << QString();
    QTest::newRow("number without month") << "4 Ajaw 8" << QString();
    QTest::newRow("Haab' day first") << "4 Kumk'u 8 Ajaw" << QString();
    QTest::newRow("a word more") << "4 Ajaw 8 Kumk'u 1" << QString();
    QTest::newRow("misspelt") << "4 Ajau" << QString();
    QTest::newRow("empty") << "" << QString();
}

void TestMayaCalendar::daySpecs_areReadOrRefused()
{
    QFETCH(QString, text);
    QFETCH(QString, read);
    const std::optional<DaySpec> spec = parseDaySpec(text.toStdString());
    QCOMPARE(spec ? QString::fromStdString(daySpecText(*spec)) : QString(), read);
}

void TestMayaCalendar::impossibleDays_areNeverFound_data()
{
    // A day sign meets only every fifth Haab' day: Ajaw 3, 8, 13 and 18,
    // Imix 4, 9, 14 and 19, Ik' 0, 5, 10 and 15.
    QTest::addColumn<QString>("text");
    QTest::newRow("4 Ajaw 9 Kumk'u") << "4 Ajaw 9 Kumk'u";
    QTest::newRow("1 Imix 0 Pop") << "1 Imix 0 Pop";
    QTest::newRow("1 Ik' 1 Pop") << "1 Ik' 1 Pop";
    QTest::newRow("13 Ajaw 0 Wayeb'") << "13 Ajaw 0 Wayeb'";
    QTest::newRow("5 Wayeb'") << "5 Wayeb'";
    QTest::newRow("3 Kawak 5 Wayeb'") << "3 Kawak 5 Wayeb'";
}

void TestMayaCalendar::impossibleDays_areNeverFound()
{
    QFETCH(QString, text);
    const std::optional<DaySpec> spec = parseDaySpec(text.toStdString());
    QVERIFY(spec);
    QVERIFY(!canOccur(*spec));
    const long today = julianDayOf(2026, 12, 7);
    QVERIFY(!nextDay(*spec, today));
    QVERIFY(!previousDay(*spec, today));
}

QTEST_MAIN(TestMayaCalendar)
#include "tst_mayacalendar.moc"
